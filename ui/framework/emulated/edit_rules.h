#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/framework/window_types.h"

// How a Windows edit control answers the messages the dialog sends it, for backends whose edit
// fields are not Windows' own.

namespace vantry::framework {

struct EditSelection {
    int start = 0;  // the selection is [start, end); the caret stands at `end`
    int end = 0;
};

// EM_SETSEL(wParam, lParam) on a text of `length` characters: a start of -1 removes the selection
// and leaves the caret; an end of -1 means the end of the text; positions are kept within the
// text and put in order.
EditSelection SetSelection(EditSelection current, WParam wParam, LParam lParam, int length);

// EM_GETSEL's answer: the start in the low word, the end in the high word.
LResult PackedSelection(EditSelection selection);

// The most characters a person may enter in an edit: Windows' 32,767 until EM_LIMITTEXT sets
// another; EM_LIMITTEXT(0) sets the largest it allows.
inline constexpr int kDefaultEditTextLimit = 32767;
int EditTextLimit(WParam wParam);

// Whether a character typed into an edit of `style` goes in: ES_NUMBER refuses all but digits.
// Control characters (editing keys) are the edit's own business and always pass.
bool AcceptsTypedCharacter(std::uint32_t style, unsigned char c);

// What a refused character shows beside its field, as Windows' own edit control says it in its
// balloon: a title and a line.
inline constexpr const char* kRefusedTitle = "Unacceptable Character";
inline constexpr const char* kRefusedText = "You can only type a number here.";
inline constexpr int kRefusedHintMilliseconds = 4000;  // or until the next character that goes in

// A character as an edit takes it: a decimal digit of any script (Unicode's category Nd, as of
// Unicode 15.0: Arabic-Indic, Devanagari, full-width and the others) is its ASCII digit, and the
// full-width full stop and comma are '.' and ','. Any other character is itself. So the value
// read is the one the producer sees, whatever their keyboard or input method typed.
char32_t AsciiForTyped(char32_t character);

// UTF-8 text with each character converted so. Inline: only the backends that take whole texts
// from their toolkit use it.
inline std::string WithAsciiDigits(std::string_view text) {
    std::string converted;
    converted.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (length == 1 || i + length > text.size()) {
            converted += text[i++];
            continue;
        }
        char32_t character = lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k)
            character = (character << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        const char32_t ascii = AsciiForTyped(character);
        if (ascii < 0x80 && ascii != character) converted += static_cast<char>(ascii);
        else converted.append(text.substr(i, length));
        i += length;
    }
    return converted;
}

}  // namespace vantry::framework
