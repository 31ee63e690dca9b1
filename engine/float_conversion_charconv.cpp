#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "engine/float_conversion.h"

namespace vantry::engine {

namespace {

// True when a number that a double cannot hold is too large rather than too small: its decimal
// magnitude (the place of its first non-zero digit, shifted by the exponent) is positive.
bool magnitudeIsLarge(std::string_view number) {
    long long magnitude = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    std::size_t pos = 0;
    for (; pos < number.size() && number[pos] != 'e' && number[pos] != 'E'; ++pos) {
        const char c = number[pos];
        if (c == '.') {
            afterPoint = true;
        } else if (!seenNonZero) {
            if (c != '0') {
                seenNonZero = true;
                if (!afterPoint) magnitude = 1;
            } else if (afterPoint) {
                --magnitude;
            }
        } else if (!afterPoint) {
            ++magnitude;
        }
    }
    long long exponent = 0;
    bool negativeExponent = false;
    if (pos < number.size()) {
        ++pos;
        if (number[pos] == '+' || number[pos] == '-') negativeExponent = number[pos++] == '-';
        for (; pos < number.size(); ++pos)
            if (exponent < 1000000000) exponent = exponent * 10 + (number[pos] - '0');
    }
    return magnitude + (negativeExponent ? -exponent : exponent) > 0;
}

}  // namespace

// std::from_chars: correctly rounded and locale-free by definition.
double DecimalToDouble(std::string_view number) {
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(number.data(), number.data() + number.size(), value,
                                                          std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        return magnitudeIsLarge(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

std::string ShortestText(double value) {
    char text[32];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace vantry::engine
