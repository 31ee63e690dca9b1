// The two ways the program converts doubles to and from text agree: std::from_chars / to_chars,
// used on Linux and Windows, and the C library's exact strtod / printf, used in the browser
// (whose standard library lacks the former). The C library's version is built here under another
// namespace name, so both can be called side by side.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "engine/float_conversion.h"

namespace vantry_libc::engine {
double DecimalToDouble(std::string_view number);
std::string ShortestText(double value);
}  // namespace vantry_libc::engine

namespace {

namespace charconv = vantry::engine;
namespace libc = vantry_libc::engine;

TEST(FloatConversion, ShortestTextIsTheSameBothWays) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {50, "50"},
        {0.125, "0.125"},
        {1e300, "1e+300"},
        {-2.5e-7, "-2.5e-07"},
        {1e5, "1e+05"},
        {123456, "123456"},
        {1428547813435902208.0, "1428547813435902208"},
        {0x1p-1074, "5e-324"},
        {5.986310706507379e+51, "5.986310706507379e+51"},  // a power of two: its interval is lopsided
        {-0.0, "-0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(charconv::ShortestText(c.value), c.text);
        EXPECT_EQ(libc::ShortestText(c.value), c.text);
    }
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 30000; ++i) {
        std::uint64_t bits = random();
        if (i % 2) bits = (bits & 0x800FFFFFFFFFFFFFull) | (std::uint64_t(1023 + int(random() % 120) - 60) << 52);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 7 == 0) value = std::ldexp(1.0, int(random() % 2098) - 1074);
        if (!std::isfinite(value)) continue;
        ASSERT_EQ(libc::ShortestText(value), charconv::ShortestText(value)) << std::hexfloat << value;
    }
}

TEST(FloatConversion, DecimalToDoubleIsTheSameBothWays) {
    for (const char* text :
         {"12.345", ".5e-3", "1e999", "1e-400", "2e-324", "3e-324", "4.9406564584124654e-324",
          "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587207096330286"
          "416692887910946555547851940402630657488671505820681908902000708383676273854845817711531764475730270069855571"
          "366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497792",
          "0.1", "70.6", "9007199254740993", "1.7976931348623157e308"}) {
        const double expected = charconv::DecimalToDouble(text);
        EXPECT_EQ(libc::DecimalToDouble(text), expected) << text;
        EXPECT_EQ(std::signbit(libc::DecimalToDouble(text)), std::signbit(expected)) << text;
    }
}

}  // namespace
