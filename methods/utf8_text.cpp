#include "methods/utf8_text.h"

namespace vantry::methods {

namespace {

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    return 1;
}

std::size_t FirstNonUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(lead);
        if (length == 1 || i + length > text.size()) return i;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
        const bool secondFits = lead == 0xE0   ? second >= 0xA0 && second <= 0xBF
                                : lead == 0xED ? second >= 0x80 && second <= 0x9F
                                : lead == 0xF0 ? second >= 0x90 && second <= 0xBF
                                : lead == 0xF4 ? second >= 0x80 && second <= 0x8F
                                               : continuation(second);
        if (!secondFits) return i;
        for (std::size_t k = 2; k < length; ++k)
            if (!continuation(static_cast<unsigned char>(text[i + k]))) return i;
        i += length;
    }
    return std::string_view::npos;
}

std::size_t Utf8BomLength(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

std::size_t Utf8Length(std::string_view text) {
    std::size_t characters = 0;
    for (const char c : text)
        if (!continuation(static_cast<unsigned char>(c))) ++characters;
    return characters;
}

bool HasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) return true;
        // U+0080 to U+009F are C2 80 to C2 9F.
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
            continuation(static_cast<unsigned char>(text[i + 1])))
            return true;
    }
    return false;
}

TextPosition PositionOf(std::string_view text, std::size_t offset) {
    TextPosition at{1, 1};
    for (std::size_t i = Utf8BomLength(text); i < offset && i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (text[i] == '\n') {
            ++at.line;
            at.column = 1;
        } else if (!continuation(byte)) {
            ++at.column;
        }
    }
    return at;
}

}  // namespace vantry::methods
