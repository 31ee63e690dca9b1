#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/framework/resources.h"

// The application's icons are drawn as text, one character a pixel, and turned into palette
// indexes when the program is compiled. A row of the wrong length, a missing row or an unknown
// character stops the build.
//
//   . transparent   k black   m maroon   o olive   r red   y yellow

namespace vantry::app {

consteval std::uint8_t IconArtPaletteIndex(char pixel) {
    switch (pixel) {
        case '.': return framework::IconImage::kTransparent;
        case 'k': return 0;
        case 'm': return 1;
        case 'o': return 3;
        case 'r': return 9;
        case 'y': return 11;
        default: throw "an icon art character that has no colour";
    }
}

template <std::size_t Size>
consteval std::array<std::uint8_t, Size * Size> IconArtPixels(const char* const (&rows)[Size]) {
    std::array<std::uint8_t, Size * Size> pixels{};
    for (std::size_t y = 0; y < Size; ++y) {
        if (rows[y] == nullptr) throw "an icon art row is missing";
        std::size_t x = 0;
        for (; rows[y][x] != '\0'; ++x) {
            if (x == Size) throw "an icon art row is longer than the icon is wide";
            pixels[y * Size + x] = IconArtPaletteIndex(rows[y][x]);
        }
        if (x != Size) throw "an icon art row is shorter than the icon is wide";
    }
    return pixels;
}

}  // namespace vantry::app
