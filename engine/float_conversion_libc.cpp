#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/float_conversion.h"

namespace vantry::engine {

// For a C library whose conversions are exact and know no decimal point but '.', as musl's
// (Emscripten's) are.

double DecimalToDouble(std::string_view number) { return std::strtod(std::string(number).c_str(), nullptr); }

namespace {

// "d.ddde+XX" for the p digits `digits` (no point) and the exponent.
std::string scientificText(bool negative, const std::string& digits, int exponent) {
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    return (negative ? "-" : "") + digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + tail;
}

// The digits one unit up or down in the last place, with the exponent they then need; empty when
// they would lose a digit.
bool step(std::string& digits, int& exponent, int direction) {
    std::size_t i = digits.size();
    if (direction > 0) {
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
        return true;
    }
    while (i > 0 && digits[i - 1] == '0') digits[--i] = '9';
    if (i == 0 || (i == 1 && digits[0] == '1' && digits.size() > 1)) return false;
    --digits[i - 1];
    return true;
}

// The shortest scientific text that reads back as `value`: the correctly rounded digits at the
// fewest count, or next to them where a power of two's lopsided interval holds those instead.
std::string shortestScientific(double value) {
    const bool negative = std::signbit(value);
    char text[40];
    for (int count = 1; count <= 17; ++count) {
        std::snprintf(text, sizeof text, "%.*e", count - 1, std::fabs(value));
        const std::string rounded = text;
        const std::size_t e = rounded.find('e');
        std::string digits = rounded.substr(0, e);
        if (digits.size() > 1) digits.erase(1, 1);
        const int exponent = std::atoi(rounded.c_str() + e + 1);
        for (int direction : {0, 1, -1}) {
            std::string candidate = digits;
            int candidateExponent = exponent;
            if (direction != 0 && !step(candidate, candidateExponent, direction)) continue;
            const std::string written = scientificText(negative, candidate, candidateExponent);
            if (std::strtod(written.c_str(), nullptr) == value) return written;
        }
    }
    return text;
}

}  // namespace

// As std::to_chars chooses: the shortest digits that read back the same, written fixed or
// scientific, whichever is shorter.
std::string ShortestText(double value) {
    if (!std::isfinite(value)) return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    const std::string scientific = shortestScientific(value);
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits = scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    if (digits.size() > 1) digits.erase(1, 1);  // the point
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
        // A whole number is written with all its exact digits, as std::to_chars writes it.
        char whole[400];
        std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
        fixed = whole;
    } else {
        fixed = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    if (negative) fixed.insert(fixed.begin(), '-');
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

}  // namespace vantry::engine
