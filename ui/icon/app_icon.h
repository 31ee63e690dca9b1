#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The application icon in its two sizes, 32 x 32 and 16 x 16, 16 colours.

// The rows of the icon's text art (size 32 or 16).
std::span<const char* const> AppIconArt(int size);

// The palette index of an art character, or -1 for a transparent pixel.
int AppIconPaletteIndex(char pixel);

extern const std::uint8_t kIconPalette[16][3];

// The icon as red, green, blue, alpha bytes, row by row from the top.
std::vector<std::uint8_t> AppIconRgba(int size);
