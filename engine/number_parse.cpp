#include <cmath>
#include <limits>
#include <system_error>

#include "engine/float_conversion.h"
#include "engine/number_text.h"

namespace vantry::engine {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// White space as the C runtime's isspace sees it in the "C" locale.
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::size_t skipSpace(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) ++pos;
    return pos;
}

struct Scanned {
    std::size_t end = 0;  // one past the last character of the number; 0 when there is none
    bool negative = false;
    std::size_t digitsBegin = 0;  // the number without its sign
};

// The longest decimal whole number at `pos`: [sign] digits.
Scanned scanInt(std::string_view text, std::size_t pos) {
    Scanned s;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) s.negative = text[pos++] == '-';
    s.digitsBegin = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    if (pos > s.digitsBegin) s.end = pos;
    return s;
}

// The longest decimal real number at `pos`: [sign] (digits [. digits] | . digits) [e [sign] digits].
Scanned scanReal(std::string_view text, std::size_t pos) {
    Scanned s;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) s.negative = text[pos++] == '-';
    s.digitsBegin = pos;
    std::size_t mantissaDigits = 0;
    while (pos < text.size() && isDigit(text[pos])) ++pos, ++mantissaDigits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) ++pos, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return s;
    s.end = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        if (exp < text.size() && isDigit(text[exp])) {
            while (exp < text.size() && isDigit(text[exp])) ++exp;
            s.end = exp;
        }
    }
    return s;
}

double convertReal(std::string_view text, const Scanned& s) {
    const double magnitude = DecimalToDouble(text.substr(s.digitsBegin, s.end - s.digitsBegin));
    return s.negative ? -magnitude : magnitude;
}

// Whole number of the digits, or the nearest signed 32-bit limit when it lies beyond.
std::int32_t convertInt(std::string_view text, const Scanned& s, bool& outOfRange) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    outOfRange = false;
    for (std::size_t pos = s.digitsBegin; pos < s.end; ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > kMax + 1) {
            magnitude = kMax + 1;
            outOfRange = true;
        }
    }
    if (s.negative) return static_cast<std::int32_t>(-magnitude);
    if (magnitude > kMax) {
        outOfRange = true;
        return static_cast<std::int32_t>(kMax);
    }
    return static_cast<std::int32_t>(magnitude);
}

}  // namespace

std::int32_t ReadLeadingInt(std::string_view text) {
    const Scanned s = scanInt(text, skipSpace(text));
    bool outOfRange = false;
    return s.end == 0 ? 0 : convertInt(text, s, outOfRange);
}

double ReadLeadingReal(std::string_view text) {
    const Scanned s = scanReal(text, skipSpace(text));
    return s.end == 0 ? 0.0 : convertReal(text, s);
}

ParseStatus ParseWholeInt(std::string_view text, std::int32_t& value) {
    const Scanned s = scanInt(text, 0);
    if (s.end == 0 || s.end != text.size()) return ParseStatus::NotANumber;
    bool outOfRange = false;
    value = convertInt(text, s, outOfRange);
    return outOfRange ? ParseStatus::OutOfRange : ParseStatus::Ok;
}

ParseStatus ParseWholeReal(std::string_view text, double& value) {
    const Scanned s = scanReal(text, 0);
    if (s.end == 0 || s.end != text.size()) return ParseStatus::NotANumber;
    value = convertReal(text, s);
    return std::isfinite(value) ? ParseStatus::Ok : ParseStatus::OutOfRange;
}

}  // namespace vantry::engine
