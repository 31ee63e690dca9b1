#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantry::engine {

// The calculator's own printf-style number text, identical on every platform and in every
// locale. The listing, the dialog's fields and the command-line tool all format and parse
// through here, never through the C library (whose rounding of exact ties and whose decimal
// point differ between platforms and locales).

// The most decimals a "%W.Pf" conversion prints; a larger P prints this many.
inline constexpr int kMaxFormatPrecision = 40;

// One value for a conversion: "%d" takes an integer, "%W.Pf" a double.
struct FormatArg {
    enum class Kind { Integer, Real };
    Kind kind;
    std::int64_t integer = 0;
    double real = 0.0;

    FormatArg(int value) : kind(Kind::Integer), integer(value) {}
    FormatArg(std::int64_t value) : kind(Kind::Integer), integer(value) {}
    FormatArg(double value) : kind(Kind::Real), real(value) {}
};

// Formats `format` into `out`, which holds `capacity` bytes: at most capacity - 1 characters are
// written, always followed by a terminating zero (nothing is written when capacity is 0).
// Returns the length the whole text has, so a result >= capacity means the text was cut.
//
// Conversions: "%d" and "%Wd"; "%W.Pf" (at least W characters, spaces on the left, never cut;
// exactly P decimals, at most kMaxFormatPrecision), rounded from the exact binary value with an exact tie
// rounded away from zero; "%%". The sign is printed whenever the value's sign bit is set, as
// printf does ("-0.00"). Infinite and NaN values print as "inf", "-inf" and "nan". A conversion
// without a matching argument prints nothing.
//
// When `fields` is given, it receives where each conversion's text stands in the whole text
// (whether or not it fitted in `out`): its first character after the padding, and its length.
struct FormattedField {
    std::size_t offset;
    std::size_t length;
};
std::size_t FormatText(char* out, std::size_t capacity, std::string_view format, std::span<const FormatArg> args,
                       std::vector<FormattedField>* fields = nullptr);
inline std::size_t FormatText(char* out, std::size_t capacity, std::string_view format,
                              std::initializer_list<FormatArg> args, std::vector<FormattedField>* fields = nullptr) {
    return FormatText(out, capacity, format, std::span<const FormatArg>(args.begin(), args.size()), fields);
}

// The same, into a string (no length limit).
std::string FormatString(std::string_view format, std::span<const FormatArg> args,
                         std::vector<FormattedField>* fields = nullptr);
inline std::string FormatString(std::string_view format, std::initializer_list<FormatArg> args,
                                std::vector<FormattedField>* fields = nullptr) {
    return FormatString(format, std::span<const FormatArg>(args.begin(), args.size()), fields);
}

// Lenient reading, with the C runtime's atoi / atof meaning: leading white space is skipped, the
// longest following part that forms a decimal number is taken, and 0 is the answer when there is
// none. Only decimal numbers are read (no hexadecimal, "inf" or "nan"), always with '.' as the
// decimal point. A whole number beyond the signed 32-bit range gives the nearest limit; a real
// number too large for a double gives an infinity of its sign, one too small gives zero.
std::int32_t ReadLeadingInt(std::string_view text);
double ReadLeadingReal(std::string_view text);

// Strict reading: the whole text must be the number (an optional sign, then digits; for a real
// number also a fraction and an exponent), with no white space around it.
enum class ParseStatus { Ok, NotANumber, OutOfRange };
ParseStatus ParseWholeInt(std::string_view text, std::int32_t& value);
ParseStatus ParseWholeReal(std::string_view text, double& value);  // OutOfRange when not finite

}  // namespace vantry::engine
