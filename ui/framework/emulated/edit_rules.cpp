#include "ui/framework/emulated/edit_rules.h"

#include <algorithm>

namespace vantry::framework {

EditSelection SetSelection(EditSelection current, WParam wParam, LParam lParam, int length) {
    int start = static_cast<int>(static_cast<LParam>(wParam));
    int end = static_cast<int>(lParam);
    if (start == -1) return {current.end, current.end};
    if (end == -1) end = length;
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    return {std::min(start, end), std::max(start, end)};
}

LResult PackedSelection(EditSelection selection) {
    return static_cast<LResult>((selection.start & 0xFFFF) | ((selection.end & 0xFFFF) << 16));
}

int EditTextLimit(WParam wParam) {
    constexpr int kLargest = 0x7FFFFFFE;
    return wParam == 0 || wParam > static_cast<WParam>(kLargest) ? kLargest : static_cast<int>(wParam);
}

namespace {

// The first code point (the digit zero) of each run of ten decimal digits, Unicode 15.0.
constexpr char32_t kDigitZeros[] = {
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,   0xC66,   0xCE6,
    0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,  0x1810,  0x1946,  0x19D0,  0x1A80,
    0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,
    0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0,
    0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};

constexpr char32_t kFullWidthFullStop = 0xFF0E;
constexpr char32_t kFullWidthComma = 0xFF0C;

}  // namespace

char32_t AsciiForTyped(char32_t character) {
    if (character == kFullWidthFullStop) return U'.';
    if (character == kFullWidthComma) return U',';
    for (const char32_t zero : kDigitZeros)
        if (character >= zero && character < zero + 10) return U'0' + (character - zero);
    return character;
}

bool AcceptsTypedCharacter(std::uint32_t style, unsigned char c) {
    const bool control = c < 0x20 || c == 0x7F;
    const bool digit = c >= '0' && c <= '9';
    return control || digit || (style & Style::EsNumber) == 0;
}

}  // namespace vantry::framework
