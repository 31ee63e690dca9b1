#include "engine/number_text.h"

#include "tests/common/skips.h"
#include "tests/engine/decimal_comma_locale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

using namespace vantry::engine;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(FormatText, FixedPointRoundsTheExactValueWithTiesAwayFromZero) {
    const FormatCase cases[] = {
        {"%4.0f", 192.5, " 193"},
        {"%4.0f", -192.5, "-193"},
        {"%3.2f", 101.125, "101.13"},
        {"%3.2f", 0.125, "0.13"},
        {"%3.2f", -0.125, "-0.13"},
        {"%3.2f", 2.675, "2.67"},  // the double lies just below the tie
        {"%3.2f", 1.005, "1.00"},
        {"%3.0f", 0.5, "  1"},
        {"%3.0f", 1.5, "  2"},
        {"%3.0f", 2.5, "  3"},
        {"%3.0f", 0.49999999999999994, "  0"},
        {"%3.0f", 90, " 90"},
        {"%2.0f", 8, " 8"},
        {"%4.0f", 600, " 600"},
        {"%4.0f", 600.0000000000001, " 600"},
        {"%4.2f", 1500, "1500.00"},
        {"%3.2f", 0, "0.00"},
        {"%3.2f", -0.001, "-0.00"},
        {"%3.2f", -0.0, "-0.00"},
        {"%2.2f", 17.24, "17.24"},
        {"%2.2f", 0.7, "0.70"},
        {"%3.2f", 5e-324, "0.00"},
        {"%3.2f", 0.005, "0.01"},  // 0.005 lies just above the tie
        {"%3.2f", 9.995, "9.99"},  // and 9.995 just below
        {"%3.2f", 999999.995, "999999.99"},
        {"%3.0f", 999999.5, "1000000"},
        {"%3.2f", 9.999, "10.00"},
        {"%3.0f", 9007199254740993.0, "9007199254740992"},
        {"%3.2f", 1e21, "1000000000000000000000.00"},
        {"%3.0f", 1.8446744073709552e19, "18446744073709551616"},
        {"%3.2f", kInf, "inf"},
        {"%5.2f", -kInf, " -inf"},
        {"%3.2f", kNaN, "nan"},
        {"%3.2f", -kNaN, "nan"},
        {"%f", 1.5, "1.500000"},  // no precision: six decimals, as printf
        {"%9f", -0.25, "-0.250000"},
        {"%.f", 2.5, "3"},  // a point with no digits: none
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatString(c.format, {c.value}), c.expected) << c.format << " of " << c.value;
    }
}

// The reference for "%W.Pf": the double's exact decimal expansion, worked out here with nothing
// but integer arithmetic, then cut to P decimals and rounded up in magnitude when the first digit
// cut is 5 or more (which rounds an exact tie away from zero, and anything else to the nearer).
std::string exactFixed(double value, int width, int precision) {
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(value), &exponent);
    auto whole = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));  // |value| = whole * 2^(exponent - 53)
    int power = exponent - 53;
    // The digits of whole * 2^power (power >= 0) or of whole * 5^-power with -power decimals.
    std::vector<int> digits;  // most significant first
    for (std::uint64_t rest = whole; rest != 0; rest /= 10) digits.insert(digits.begin(), static_cast<int>(rest % 10));
    if (digits.empty()) digits.push_back(0);
    const auto multiply = [&digits](int factor) {
        int carry = 0;
        for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
            const int product = *digit * factor + carry;
            *digit = product % 10;
            carry = product / 10;
        }
        for (; carry != 0; carry /= 10) digits.insert(digits.begin(), carry % 10);
    };
    int decimals = 0;
    for (; power > 0; --power) multiply(2);
    for (; power < 0; ++power, ++decimals) multiply(5);
    while (static_cast<int>(digits.size()) <= decimals) digits.insert(digits.begin(), 0);
    // Keep `precision` decimals; the first digit cut decides.
    const int kept = static_cast<int>(digits.size()) - decimals + precision;
    const bool up = kept < static_cast<int>(digits.size()) && digits[static_cast<std::size_t>(kept)] >= 5;
    digits.resize(static_cast<std::size_t>(std::min(kept, static_cast<int>(digits.size()))));
    while (static_cast<int>(digits.size()) < kept) digits.push_back(0);
    if (up) {
        int at = kept - 1;
        for (; at >= 0 && digits[static_cast<std::size_t>(at)] == 9; --at) digits[static_cast<std::size_t>(at)] = 0;
        if (at >= 0) ++digits[static_cast<std::size_t>(at)];
        else digits.insert(digits.begin(), 1);
    }
    std::string text;
    const int wholeDigits = static_cast<int>(digits.size()) - precision;
    for (int i = 0; i < static_cast<int>(digits.size()); ++i) {
        if (i == wholeDigits) text += '.';
        text += static_cast<char>('0' + digits[static_cast<std::size_t>(i)]);
    }
    while (text.size() > 1 && text[0] == '0' && text[1] != '.') text.erase(0, 1);
    if (std::signbit(value)) text.insert(0, 1, '-');
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

TEST(FormatText, ReferenceWorksByHand) {
    EXPECT_EQ(exactFixed(192.5, 4, 0), " 193");
    EXPECT_EQ(exactFixed(2.675, 3, 2), "2.67");  // 2.67499999999999982236431605997495353221893310546875
    EXPECT_EQ(exactFixed(0.125, 3, 2), "0.13");
    EXPECT_EQ(exactFixed(-0.001, 3, 2), "-0.00");
    EXPECT_EQ(exactFixed(999999.5, 3, 0), "1000000");
}

// Our text against the exact reference, over many doubles of every magnitude and over a grid of
// eighths, where the exact ties are.
TEST(FormatText, AgreesWithTheExactDecimalValueRoundedHalfAwayFromZero) {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    int ties = 0;
    for (int i = 0; i < 20000; ++i) {
        // Random mantissas at magnitudes from 1e-6 to 1e22, and values on a 1/8 grid (many ties).
        const double value = i % 2 == 0
                                 ? std::ldexp(static_cast<double>(next() >> 11), static_cast<int>(next() % 128) - 72)
                                 : static_cast<double>(static_cast<std::int64_t>(next() % 2000001) - 1000000) / 8.0;
        for (const auto& [format, width, precision] :
             {std::tuple{"%3.2f", 3, 2}, std::tuple{"%4.0f", 4, 0}, std::tuple{"%2.1f", 2, 1}}) {
            const std::string expected = exactFixed(value, width, precision);
            ASSERT_EQ(FormatString(format, {value}), expected) << format << " of " << value;
            if (precision == 0 && value * 2 == std::floor(value * 2) && value != std::floor(value)) ++ties;
        }
    }
    EXPECT_GT(ties, 100);  // the grid did reach the ties
}

TEST(FormatText, LargestDoublePrintsAllItsDigits) {
    const std::string text = FormatString("%3.2f", {std::numeric_limits<double>::max()});
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 20), "17976931348623157081");
    EXPECT_EQ(text.substr(text.size() - 8), "58368.00");
}

TEST(FormatText, IntegersAndPercentSigns) {
    struct Case {
        const char* format;
        int value;
        const char* expected;
    };
    const Case cases[] = {
        {"%d", 0, "0"},
        {"%d", -3, "-3"},
        {"%d", 2147483647, "2147483647"},
        {"%d", -2147483647 - 1, "-2147483648"},
        {"%3d", 7, "  7"},
        {"(%d%%)", 35, "(35%)"},
        {"%%d", 1, "%d"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatString(c.format, {c.value}), c.expected) << c.format;
}

TEST(FormatText, BoundedBufferIsNeverOverrunAndReportsTheFullLength) {
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    const std::size_t length = FormatText(buffer, 6, "$%3.2f", {1500.0});
    EXPECT_EQ(length, 8u);
    EXPECT_STREQ(buffer, "$1500");
    EXPECT_EQ(buffer[6], 'x');
    EXPECT_EQ(FormatText(buffer, 0, "%d", {1}), 1u);
    EXPECT_EQ(buffer[0], '$');
}

// Every capacity writes inside its buffer only, terminates what it wrote, and counts the whole
// text: around the sizes of FormatString's own buffer (512) too.
TEST(FormatText, WritesWithinEveryCapacityAndAlwaysTerminates) {
    constexpr std::size_t kGuard = 8;
    for (std::size_t length : {0u, 1u, 2u, 511u, 512u, 513u}) {
        const std::string format = length == 0 ? std::string() : "%" + std::to_string(length) + "d";
        const std::string whole = length == 0 ? std::string() : std::string(length - 1, ' ') + "7";
        EXPECT_EQ(FormatString(format, {7}), whole) << length;
        for (std::size_t capacity : {0u, 1u, 2u, 511u, 512u, 513u}) {
            std::string buffer(kGuard + capacity + kGuard, '#');
            EXPECT_EQ(FormatText(buffer.data() + kGuard, capacity, format, {7}), length);
            const std::size_t kept = capacity == 0 ? 0 : std::min(length, capacity - 1);
            std::string expected(kGuard + capacity + kGuard, '#');
            expected.replace(kGuard, kept, whole, 0, kept);
            if (capacity > 0) expected[kGuard + kept] = '\0';
            EXPECT_EQ(buffer, expected) << "text of " << length << " in " << capacity;
        }
    }
}

TEST(FormatText, MalformedFormatsHaveADefinedResult) {
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"%q", "%q"},  // a conversion it does not know is printed as written
        {"a%5.2xb", "a%5.2xb"},
        {"%", "%"},  // a lone % at the end too
        {"%5.", "%5."},
        {"[%d]", "[]"},  // a conversion with no argument left prints nothing
        {"%3.2f and %d", " and "},
        {"%.60f", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatString(c.format, {}), c.expected) << c.format;
    // A precision above the most supported prints that most: 40 decimals, rounded there.
    EXPECT_EQ(FormatString("%.60f", {0.1}), "0.1000000000000000055511151231257827021182");
    EXPECT_EQ(kMaxFormatPrecision, 40);
    // An integer for "%f" prints as a real, a real for "%d" as a whole number.
    EXPECT_EQ(FormatString("%3.1f|%d", {7, 2.5}), "7.0|3");
}

TEST(FormatText, WidthWiderThanTheBufferIsCutNeverOverrun) {
    char buffer[16 + 4];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    EXPECT_EQ(FormatText(buffer, 16, "%200d", {7}), 200u);
    EXPECT_EQ(std::string(buffer), std::string(15, ' '));
    EXPECT_EQ(std::string(buffer + 16, 4), "xxxx");
    // A width past what any line could be is capped, and still only counted.
    EXPECT_EQ(FormatText(buffer, 16, "%99999999999999999999d", {7}), 100000u);
    EXPECT_EQ(std::string(buffer + 16, 4), "xxxx");
}

TEST(FormatText, IgnoresTheLocale) {
    if (!UseDecimalCommaLocale()) {
        if (const char* why = WhyNoDecimalCommaLocale()) VANTRY_SKIP_ON_THIS_PLATFORM(why);
        VANTRY_SKIP_UNLESS_FULL_RUN("no locale with a decimal comma can be had here");
    }
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    EXPECT_STREQ(printed, "1,5");  // the C library does follow it
    EXPECT_EQ(FormatString("%3.2f", {1234.5}), "1234.50");
    EXPECT_EQ(ReadLeadingReal("70.6"), 70.6);
    EXPECT_EQ(ReadLeadingReal("70,6"), 70.0);
    std::setlocale(LC_NUMERIC, "C");
}

// Whole numbers written out in full, past and within a double's range, and a long fraction.
const std::string kDigits310 = "1" + std::string(309, '0');  // 1e309: too large for a double
const std::string kDigits309 = "1" + std::string(308, '0');  // 1e308: within range
const std::string kTinyFraction = "0." + std::string(400, '0') + "1";
const std::string kLongWithExponent = "1" + std::string(800, '0') + "e-400";      // 1e400: still too large
const std::string kLongerWithExponent = "1" + std::string(2000, '0') + "e-1680";  // 1e320: too large

TEST(ReadLeading, TakesTheLongestLeadingNumberLikeTheCRuntime) {
    struct Case {
        std::string text;
        double real;
        std::int32_t integer;
    };
    const Case cases[] = {
        {"50", 50, 50},
        {"  70.6", 70.6, 70},
        {"\t-3", -3, -3},
        {"+12abc", 12, 12},
        {"", 0, 0},
        {"abc", 0, 0},
        {".5", 0.5, 0},
        {"5.", 5, 5},
        {"-.5e1x", -5, 0},
        {"1e3", 1000, 1},
        {"1e", 1, 1},
        {"1e+", 1, 1},
        {"0x1A", 0, 0},
        {"inf", 0, 0},
        {"nan", 0, 0},
        {"1,5", 1, 1},
        {"- 5", 0, 0},
        {"2147483647", 2147483647, 2147483647},
        {"2147483648", 2147483648.0, 2147483647},
        {"99999999999999999999", 1e20, 2147483647},
        {"-2147483648", -2147483648.0, -2147483647 - 1},
        {"-2147483649", -2147483649.0, -2147483647 - 1},
        {"1e999", kInf, 1},
        {"-1e999", -kInf, -1},
        {"1e-999", 0, 1},
        {"0.000001e-320", 0, 0},
        {"4.9e-324", 5e-324, 4},
        {kDigits310, kInf, 2147483647},
        {"-" + kDigits310, -kInf, -2147483647 - 1},
        {kDigits309, 1e308, 2147483647},
        {kDigits310 + ".5e-2", 1e307, 2147483647},
        {kTinyFraction, 0, 0},
        {kTinyFraction + "e401", 1, 0},
        {kLongWithExponent, kInf, 2147483647},
        {kLongerWithExponent, kInf, 2147483647},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadLeadingReal(c.text), c.real) << '"' << c.text << '"';
        EXPECT_EQ(ReadLeadingInt(c.text), c.integer) << '"' << c.text << '"';
    }
}

TEST(ParseWhole, AcceptsOnlyTheWholeTextAsTheNumber) {
    struct Case {
        std::string text;
        ParseStatus intStatus;
        std::int32_t integer;
        ParseStatus realStatus;
        double real;
    };
    const ParseStatus ok = ParseStatus::Ok, bad = ParseStatus::NotANumber, range = ParseStatus::OutOfRange;
    const Case cases[] = {
        {"40", ok, 40, ok, 40},
        {"-3", ok, -3, ok, -3},
        {"+7", ok, 7, ok, 7},
        {"50.25", bad, 0, ok, 50.25},
        {"1e3", bad, 0, ok, 1000},
        {"", bad, 0, bad, 0},
        {" 5", bad, 0, bad, 0},
        {"5 ", bad, 0, bad, 0},
        {"12abc", bad, 0, bad, 0},
        {"0x10", bad, 0, bad, 0},
        {"inf", bad, 0, bad, 0},
        {"nan", bad, 0, bad, 0},
        {"-", bad, 0, bad, 0},
        {"2147483647", ok, 2147483647, ok, 2147483647},
        {"2147483648", range, 0, ok, 2147483648.0},
        {"-2147483648", ok, -2147483647 - 1, ok, -2147483648.0},
        {"-2147483649", range, 0, ok, -2147483649.0},
        {"1e999", bad, 0, range, 0},
        {kDigits310, range, 0, range, 0},
        {"-" + kDigits310, range, 0, range, 0},
        {kDigits309, range, 0, ok, 1e308},
        {kTinyFraction, bad, 0, ok, 0},
    };
    for (const Case& c : cases) {
        std::int32_t integer = 0;
        double real = 0;
        EXPECT_EQ(ParseWholeInt(c.text, integer), c.intStatus) << '"' << c.text << '"';
        if (c.intStatus == ok) {
            EXPECT_EQ(integer, c.integer) << c.text;
        }
        EXPECT_EQ(ParseWholeReal(c.text, real), c.realStatus) << '"' << c.text << '"';
        if (c.realStatus == ok) {
            EXPECT_EQ(real, c.real) << c.text;
        }
    }
}

TEST(FormatThenRead, MoneyRoundTripsThroughCents) {
    for (double value : {0.0, 0.01, 49.995, 50.0, 123456.785, -7.5}) {
        const std::string text = FormatString("%3.2f", {value});
        EXPECT_EQ(FormatString("%3.2f", {ReadLeadingReal(text)}), text);
    }
}

}  // namespace
