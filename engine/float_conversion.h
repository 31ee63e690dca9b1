#pragma once

#include <string>
#include <string_view>

// Conversions between doubles and decimal text that need the standard library's exact
// algorithms, in no locale. One implementation per standard library: std::from_chars / to_chars
// where the library has them for doubles (float_conversion_charconv.cpp), the C library's
// correctly rounded strtod / printf where it has not, as Emscripten's (float_conversion_libc.cpp).

namespace vantry::engine {

// The double nearest an unsigned decimal number ("12.345", ".5e-3"), correctly rounded: an
// infinity when it is too large for a double, 0 when it is too small.
double DecimalToDouble(std::string_view number);

// The shortest text that reads back as the same double, in fixed or scientific notation,
// whichever is shorter (fixed on a tie): "50", "0.125", "1e+300", "-2.5e-07".
std::string ShortestText(double value);

}  // namespace vantry::engine
