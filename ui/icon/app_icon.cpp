#include "app_icon.h"

// The application icon: a barrel with a gold dollar sign. This text is its source; the Windows
// icon resource and the Linux window icon are both made from it. One character a pixel:
//   . transparent   k black   m maroon   r red   o olive   y yellow

namespace {

constexpr const char* kIcon32[32] = {
    "................................",
    "................................",
    ".......kkkkkkkkkkkkkkkkkk.......",
    ".......kooooooooooooooook.......",
    "......kmmrmmmmmmmmmmmmrmmk......",
    "......kmmrmmmmmmmmmmmmrmmk......",
    "......kmmrmmmmmmmmmmmmrmmk......",
    "......kkkkkkkkkkkkkkkkkkkk......",
    ".....kkkkkkkkkkkkkkkkkkkkkk.....",
    ".....kmmmrmmmmmmmmmmmmrmmmk.....",
    ".....kmmmrmmmmmmymmmmmrmmmk.....",
    ".....kmmmrmmmmmyyymmmmrmmmk.....",
    ".....kmmmrmmmmyyyyymmmrmmmk.....",
    ".....kmmmrmmmyymymyymmrmmmk.....",
    ".....kmmmrmmmyymymmmmmrmmmk.....",
    ".....kmmmrmmmmyyyymmmmrmmmk.....",
    ".....kmmmrmmmmmyyyymmmrmmmk.....",
    ".....kmmmrmmmmmmymyymmrmmmk.....",
    ".....kmmmrmmmyymymyymmrmmmk.....",
    ".....kmmmrmmmmyyyyymmmrmmmk.....",
    ".....kmmmrmmmmmyyymmmmrmmmk.....",
    ".....kmmmrmmmmmmymmmmmrmmmk.....",
    ".....kmmmrmmmmmmmmmmmmrmmmk.....",
    ".....kkkkkkkkkkkkkkkkkkkkkk.....",
    "......kkkkkkkkkkkkkkkkkkkk......",
    "......kmmrmmmmmmmmmmmmrmmk......",
    "......kmmrmmmmmmmmmmmmrmmk......",
    "......kmmrmmmmmmmmmmmmrmmk......",
    ".......kmrmmmmmmmmmmmmrmk.......",
    ".......kkkkkkkkkkkkkkkkkk.......",
    "................................",
    "................................",
};

constexpr const char* kIcon16[16] = {
    "................",
    "...kkkkkkkkkk...",
    "...kooooooook...",
    "...kmmmmmmmmk...",
    "...kkkkkykkkk...",
    "..kmmmmyyymmmk..",
    "..kmmmmymmmmmk..",
    "..kmmmmmymmmmk..",
    "..kmmmmmmymmmk..",
    "..kmmmmyyymmmk..",
    "..kmmmmmymmmmk..",
    "...kkkkkkkkkk...",
    "...kmmmmmmmmk...",
    "...kmmmmmmmmk...",
    "...kkkkkkkkkk...",
    "................",
};

}  // namespace

std::span<const char* const> AppIconArt(int size) {
    if (size == 16) return kIcon16;
    return kIcon32;
}

int AppIconPaletteIndex(char pixel) {
    switch (pixel) {
        case 'k': return 0;
        case 'm': return 1;
        case 'o': return 3;
        case 'r': return 9;
        case 'y': return 11;
        default: return -1;
    }
}

// The 16 colours of a 4-bit Windows icon, as red, green, blue.
const std::uint8_t kIconPalette[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

std::vector<std::uint8_t> AppIconRgba(int size) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(size * size * 4));
    for (const char* row : AppIconArt(size)) {
        for (int x = 0; x < size; ++x) {
            const int index = AppIconPaletteIndex(row[x]);
            const std::uint8_t* colour = kIconPalette[index < 0 ? 0 : index];
            rgba.insert(rgba.end(), {colour[0], colour[1], colour[2], static_cast<std::uint8_t>(index < 0 ? 0 : 255)});
        }
    }
    return rgba;
}
