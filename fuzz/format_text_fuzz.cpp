// FormatText against a formatter written apart from it: exact decimal digits from the C
// library's printf (which prints a double's whole binary value), rounded by hand at the wanted
// decimal with ties away from zero. Formats and arguments come from the input, and the output is
// written into a buffer of a size the input chooses, with guard bytes after it.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"

using namespace vantry::engine;

namespace {

constexpr std::size_t kMaxCount = 100000;

// |value| rounded to `precision` decimals, ties away from zero, as digits and a point.
std::string roundedMagnitude(double value, int precision) {
    static char exact[2048];
    std::snprintf(exact, sizeof exact, "%.1100f", std::fabs(value));  // every digit of the binary value
    std::string digits(exact);
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = digits.substr(point + 1);
    const bool roundUp = fraction[static_cast<std::size_t>(precision)] >= '5';
    fraction.resize(static_cast<std::size_t>(precision));
    std::string all = whole + fraction;
    if (roundUp) {
        std::size_t i = all.size();
        while (i > 0 && all[i - 1] == '9') all[--i] = '0';
        if (i == 0) all.insert(all.begin(), '1');
        else ++all[i - 1];
    }
    const std::size_t wholeDigits = all.size() - static_cast<std::size_t>(precision);
    return precision == 0 ? all : all.substr(0, wholeDigits) + "." + all.substr(wholeDigits);
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string fixed(double value, std::size_t width, int precision) {
    if (std::isnan(value)) return padded("nan", width);
    if (std::isinf(value)) return padded(value < 0 ? "-inf" : "inf", width);
    return padded((std::signbit(value) ? "-" : "") + roundedMagnitude(value, precision), width);
}

std::size_t count(std::string_view format, std::size_t& pos) {
    std::size_t n = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9')
        n = std::min(n * 10 + static_cast<std::size_t>(format[pos++] - '0'), kMaxCount);
    return n;
}

std::string reference(std::string_view format, const std::vector<FormatArg>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < format.size();) {
        if (format[pos] != '%') {
            out += format[pos++];
            continue;
        }
        const std::size_t start = pos++;
        if (pos < format.size() && format[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        const std::size_t width = count(format, pos);
        int precision = 6;
        if (pos < format.size() && format[pos] == '.') {
            ++pos;
            precision = static_cast<int>(std::min<std::size_t>(count(format, pos), kMaxFormatPrecision));
        }
        const char conversion = pos < format.size() ? format[pos++] : '\0';
        if (conversion != 'd' && conversion != 'f') {
            out.append(format.substr(start, pos - start));
            continue;
        }
        if (next == args.size()) continue;
        const FormatArg& arg = args[next++];
        const bool real = arg.kind == FormatArg::Kind::Real;
        if (conversion == 'd' && !real) out += padded(std::to_string(arg.integer), width);
        else out += fixed(real ? arg.real : static_cast<double>(arg.integer), width, conversion == 'd' ? 0 : precision);
    }
    return out;
}

std::size_t formatWith(char* out, std::size_t capacity, std::string_view format, const std::vector<FormatArg>& a) {
    switch (a.size()) {
        case 0: return FormatText(out, capacity, format, {});
        case 1: return FormatText(out, capacity, format, {a[0]});
        case 2: return FormatText(out, capacity, format, {a[0], a[1]});
        default: return FormatText(out, capacity, format, {a[0], a[1], a[2]});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t capacity = input.byte();
    std::vector<FormatArg> args;
    for (int n = input.byte() % 4, i = 0; i < n; ++i) {
        if (input.byte() % 2 == 0) args.emplace_back(input.value<std::int64_t>());
        else args.emplace_back(input.value<double>());
    }
    const std::string format = input.text(64);

    const std::string expected = reference(format, args);
    constexpr std::size_t kGuard = 8;
    std::vector<char> buffer(capacity + kGuard, '\x5A');
    const std::size_t length = formatWith(buffer.data(), capacity, format, args);
    Check(length == expected.size(), "FormatText's length", format);
    for (std::size_t i = capacity; i < buffer.size(); ++i)
        Check(buffer[i] == '\x5A', "written past the buffer", format);
    if (capacity == 0) return 0;
    const std::size_t kept = std::min(expected.size(), capacity - 1);
    Check(std::memcmp(buffer.data(), expected.data(), kept) == 0, "FormatText's text", format + " -> " + expected);
    Check(buffer[kept] == '\0', "FormatText's terminator", format);
    return 0;
}
