#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantry::methods {

// What a method file's text is checked for before toml++ reads it, and how positions in it are
// counted: lines from 1, columns in characters from 1, as toml++ counts them.

// Where the first byte stands that is not part of well-formed UTF-8 (an overlong form, a
// surrogate, a code point above U+10FFFF, a cut sequence); npos when the text is all UTF-8.
std::size_t FirstNonUtf8(std::string_view text);

// 3 when the text begins with the UTF-8 byte order mark, else 0.
std::size_t Utf8BomLength(std::string_view text);

// The bytes of the character that `lead` begins (1 for a byte that begins none).
std::size_t Utf8SequenceLength(unsigned char lead);

// Characters in UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// Whether the text holds a C0 or C1 control character, or DEL.
bool HasControlCharacter(std::string_view text);

struct TextPosition {
    std::uint32_t line;
    std::uint32_t column;
};

// The line and column of byte `offset`, counting the characters of the valid UTF-8 before it.
TextPosition PositionOf(std::string_view text, std::size_t offset);

}  // namespace vantry::methods
