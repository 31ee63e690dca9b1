#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/bit_cast.h"
#include "engine/number_text.h"

namespace vantry::engine {

namespace {

// The buffers below are sized from the largest precision a conversion may ask for.
constexpr int kMaxPrecision = kMaxFormatPrecision;
// Bits of the largest scaled value: a double's 53-bit mantissa shifted by its largest exponent
// (971), times 10^kMaxPrecision (each factor 10 adds under 4 bits).
constexpr int kMaxScaledBits = 53 + 971 + 4 * kMaxPrecision;
// 32-bit limbs for that value, and one more for shiftLeft's spill-over limb.
constexpr int kLimbCount = kMaxScaledBits / 32 + 2;
// Digits of the largest rounded magnitude: the 309 whole digits of the largest double, one more
// when rounding carries into a new digit, and the decimals.
constexpr int kMaxDigits = 310 + kMaxPrecision;

// An unsigned integer wide enough for any double times 10^kMaxPrecision, in 32-bit limbs, least
// significant first. Enough to round a double to P decimals exactly.
class WideUnsigned {
public:
    explicit WideUnsigned(std::uint64_t value) {
        while (value != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(value);
            value >>= 32;
        }
    }

    void multiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }

    void shiftLeft(int bits) {
        if (size_ == 0) return;
        const int limbShift = bits / 32;
        const int bitShift = bits % 32;
        limbs_[size_] = 0;
        for (int i = size_; i >= 0; --i) {
            std::uint32_t high = limbs_[i] << bitShift;
            if (bitShift != 0 && i > 0) high |= limbs_[i - 1] >> (32 - bitShift);
            limbs_[i + limbShift] = high;
        }
        for (int i = 0; i < limbShift; ++i) limbs_[i] = 0;
        size_ += limbShift + 1;
        trim();
    }

    bool bit(int index) const {
        const int limb = index / 32;
        return limb < size_ && ((limbs_[limb] >> (index % 32)) & 1u) != 0;
    }

    void shiftRight(int bits) {
        const int limbShift = bits / 32;
        const int bitShift = bits % 32;
        if (limbShift >= size_) {
            size_ = 0;
            return;
        }
        const int newSize = size_ - limbShift;
        for (int i = 0; i < newSize; ++i) {
            std::uint32_t low = limbs_[i + limbShift] >> bitShift;
            if (bitShift != 0 && i + limbShift + 1 < size_) low |= limbs_[i + limbShift + 1] << (32 - bitShift);
            limbs_[i] = low;
        }
        size_ = newSize;
        trim();
    }

    void addOne() {
        for (int i = 0; i < size_; ++i) {
            if (++limbs_[i] != 0) return;
        }
        limbs_[size_++] = 1;
    }

    bool isZero() const { return size_ == 0; }

    // Divides in place; returns the remainder.
    std::uint32_t divideBy(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (int i = size_ - 1; i >= 0; --i) {
            const std::uint64_t current = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(remainder);
    }

private:
    void trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    }

    std::uint32_t limbs_[kLimbCount] = {};
    int size_ = 0;
};

// The decimal digits of |value| rounded to `precision` decimals, ties away from zero, without
// sign or point: at least precision + 1 digits (leading zeros added). Returns the digit count.
// `digits` must hold kMaxDigits characters.
int roundedDigits(double value, int precision, char* digits) {
    const std::uint64_t bits = BitCast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biasedExponent - 1075;
    }

    // |value| * 10^precision = mantissa * 10^precision * 2^exponent, rounded to an integer.
    WideUnsigned scaled(mantissa);
    for (int i = 0; i < precision; ++i) scaled.multiplyBy(10);
    if (exponent >= 0) {
        scaled.shiftLeft(exponent);
    } else {
        // The first bit shifted out is worth exactly one half: set means a tie or more, which
        // rounds up (away from zero, as we work on the magnitude).
        const bool roundUp = scaled.bit(-exponent - 1);
        scaled.shiftRight(-exponent);
        if (roundUp) scaled.addOne();
    }

    char reversed[kMaxDigits];
    int count = 0;
    while (!scaled.isZero()) {
        std::uint32_t chunk = scaled.divideBy(1000000000u);
        const bool more = !scaled.isZero();
        for (int i = 0; i < 9 && (more || chunk != 0); ++i) {
            reversed[count++] = static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    }
    while (count < precision + 1) reversed[count++] = '0';
    for (int i = 0; i < count; ++i) digits[i] = reversed[count - 1 - i];
    return count;
}

// Collects output in a bounded buffer while counting the full length.
class BoundedWriter {
public:
    BoundedWriter(char* out, std::size_t capacity) : out_(out), capacity_(capacity) {}

    void put(char c) {
        if (length_ + 1 < capacity_) out_[length_] = c;
        ++length_;
    }
    void put(const char* text, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) put(text[i]);
    }
    // Spaces on the left up to `width`; returns how many.
    std::size_t pad(std::size_t width, std::size_t textLength) {
        for (std::size_t i = textLength; i < width; ++i) put(' ');
        return width > textLength ? width - textLength : 0;
    }
    std::size_t length() const { return length_; }
    std::size_t finish() {
        if (capacity_ != 0) out_[length_ < capacity_ ? length_ : capacity_ - 1] = '\0';
        return length_;
    }

private:
    char* out_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

// Each writer returns the padding it put before the text.
std::size_t writeInteger(BoundedWriter& writer, std::int64_t value, std::size_t width) {
    char digits[24];
    int count = 0;
    // Work on the negative side so that the most negative value needs no special case.
    std::int64_t rest = value < 0 ? value : -value;
    do {
        digits[count++] = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0) digits[count++] = '-';
    const std::size_t padding = writer.pad(width, static_cast<std::size_t>(count));
    while (count > 0) writer.put(digits[--count]);
    return padding;
}

std::size_t writeFixed(BoundedWriter& writer, double value, std::size_t width, int precision) {
    const bool negative = std::signbit(value);
    if (!std::isfinite(value)) {
        const char* text = std::isnan(value) ? "nan" : (negative ? "-inf" : "inf");
        const std::size_t length = std::strlen(text);
        const std::size_t padding = writer.pad(width, length);
        writer.put(text, length);
        return padding;
    }
    char digits[kMaxDigits];
    const int count = roundedDigits(value, precision, digits);
    const int integerDigits = count - precision;
    const std::size_t length = static_cast<std::size_t>(count + (negative ? 1 : 0) + (precision > 0 ? 1 : 0));
    const std::size_t padding = writer.pad(width, length);
    if (negative) writer.put('-');
    writer.put(digits, static_cast<std::size_t>(integerDigits));
    if (precision > 0) {
        writer.put('.');
        writer.put(digits + integerDigits, static_cast<std::size_t>(precision));
    }
    return padding;
}

// A width or precision as written, capped so that no format can ask for an absurd amount of
// padding; what is beyond the output buffer is only counted anyway.
constexpr std::size_t kMaxCount = 100000;

std::size_t readCount(std::string_view format, std::size_t& pos) {
    std::size_t count = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        count = std::min(count * 10 + static_cast<std::size_t>(format[pos] - '0'), kMaxCount);
        ++pos;
    }
    return count;
}

}  // namespace

std::size_t FormatText(char* out, std::size_t capacity, std::string_view format, std::span<const FormatArg> args,
                       std::vector<FormattedField>* fields) {
    BoundedWriter writer(out, capacity);
    if (fields) fields->clear();
    auto nextArg = args.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos++];
        if (c != '%') {
            writer.put(c);
            continue;
        }
        if (pos < format.size() && format[pos] == '%') {
            writer.put('%');
            ++pos;
            continue;
        }
        const std::size_t start = pos - 1;
        const std::size_t width = readCount(format, pos);
        int precision = 6;
        if (pos < format.size() && format[pos] == '.') {
            ++pos;
            const std::size_t p = readCount(format, pos);
            precision = p > kMaxPrecision ? kMaxPrecision : static_cast<int>(p);
        }
        const char conversion = pos < format.size() ? format[pos++] : '\0';
        if (conversion != 'd' && conversion != 'f') {
            writer.put(format.data() + start, pos - start);  // not ours: shown as written
            continue;
        }
        if (nextArg == args.end()) continue;
        const FormatArg& arg = *nextArg++;
        const bool isReal = arg.kind == FormatArg::Kind::Real;
        const std::size_t before = writer.length();
        const std::size_t padding = conversion == 'd' && !isReal
                                        ? writeInteger(writer, arg.integer, width)
                                        : writeFixed(writer, isReal ? arg.real : static_cast<double>(arg.integer),
                                                     width, conversion == 'd' ? 0 : precision);
        if (fields) fields->push_back({before + padding, writer.length() - before - padding});
    }
    return writer.finish();
}

std::string FormatString(std::string_view format, std::span<const FormatArg> args,
                         std::vector<FormattedField>* fields) {
    char buffer[512];
    const std::size_t length = FormatText(buffer, sizeof buffer, format, args, fields);
    if (length < sizeof buffer) return std::string(buffer, length);
    std::string text(length, '\0');
    FormatText(text.data(), length + 1, format, args, fields);
    return text;
}

}  // namespace vantry::engine
