// The lenient and strict number readers against a reading of the same grammar written apart from
// them, with the C library's correctly rounded strtod and strtoll for the values: they must
// agree on every value read, which shows where reading stopped.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"

using namespace vantry::engine;

namespace {

bool space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool digit(char c) { return c >= '0' && c <= '9'; }

// [+-]? digits                               (whole numbers)
// [+-]? (digits [. digits?] | . digits) ([eE] [+-]? digits)?   (reals)
std::size_t numberEnd(std::string_view t, std::size_t at, bool real) {
    std::size_t i = at;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t first = i;
    while (i < t.size() && digit(t[i])) ++i;
    bool any = i > first;
    if (!real) return any ? i : 0;
    if (i < t.size() && t[i] == '.') {
        const std::size_t after = ++i;
        while (i < t.size() && digit(t[i])) ++i;
        any = any || i > after;
    }
    if (!any) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) ++e;
        if (e < t.size() && digit(t[e])) {
            while (e < t.size() && digit(t[e])) ++e;
            i = e;
        }
    }
    return i;
}

double referenceReal(std::string_view number) {
    return std::strtod(std::string(number).c_str(), nullptr);  // correctly rounded; ERANGE gives inf or 0
}

std::int32_t referenceInt(std::string_view number, bool& outOfRange) {
    errno = 0;
    const long long wide = std::strtoll(std::string(number).c_str(), nullptr, 10);
    constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    outOfRange = errno == ERANGE || wide < kMin || wide > kMax;
    return static_cast<std::int32_t>(wide < kMin ? kMin : wide > kMax ? kMax : wide);
}

bool same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::setlocale(LC_ALL, "C");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string shown(text.substr(0, 200));
    std::size_t start = 0;
    while (start < text.size() && space(text[start])) ++start;

    // Lenient reading: atoi and atof.
    const std::size_t intEnd = numberEnd(text, start, false);
    const std::size_t realEnd = numberEnd(text, start, true);
    bool outOfRange = false;
    const std::int32_t expectedInt = intEnd == 0 ? 0 : referenceInt(text.substr(start, intEnd - start), outOfRange);
    Check(ReadLeadingInt(text) == expectedInt, "ReadLeadingInt", shown);
    const double expectedReal = realEnd == 0 ? 0.0 : referenceReal(text.substr(start, realEnd - start));
    Check(same(ReadLeadingReal(text), expectedReal), "ReadLeadingReal", shown);

    // Strict reading: the whole text is the number, with no white space.
    const bool wholeInt = start == 0 && intEnd == text.size() && intEnd > 0;
    std::int32_t parsedInt = 0;
    const ParseStatus intStatus = ParseWholeInt(text, parsedInt);
    Check(intStatus == (!wholeInt    ? ParseStatus::NotANumber
                        : outOfRange ? ParseStatus::OutOfRange
                                     : ParseStatus::Ok),
          "ParseWholeInt status", shown);
    if (intStatus == ParseStatus::Ok) Check(parsedInt == expectedInt, "ParseWholeInt value", shown);

    const bool wholeReal = start == 0 && realEnd == text.size() && realEnd > 0;
    double parsedReal = 0.0;
    const ParseStatus realStatus = ParseWholeReal(text, parsedReal);
    const ParseStatus expectedStatus = !wholeReal                    ? ParseStatus::NotANumber
                                       : std::isfinite(expectedReal) ? ParseStatus::Ok
                                                                     : ParseStatus::OutOfRange;
    Check(realStatus == expectedStatus, "ParseWholeReal status", shown);
    if (realStatus == ParseStatus::Ok) Check(same(parsedReal, expectedReal), "ParseWholeReal value", shown);
    return 0;
}
