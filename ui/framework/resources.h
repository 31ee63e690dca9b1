#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/framework/dialog_template.h"

// A program's resources, found by number as a Windows program finds the resources linked into
// its executable: the application hands its module to the framework, and the framework knows
// nothing else of it.

namespace vantry::framework {

// One image of an icon, as a 16-colour Windows icon holds it: a palette index a pixel, row by row
// from the top, with kTransparent where the icon's mask leaves the background showing.
struct IconImage {
    static constexpr std::uint8_t kTransparent = 0xFF;
    int size;                              // width and height in pixels
    std::span<const std::uint8_t> pixels;  // size * size entries
};

// An icon group: the same picture at several sizes, largest first.
struct IconResource {
    int id;
    std::span<const IconImage> images;
};

struct ResourceModule {
    std::span<const DialogTemplate> dialogs;
    std::span<const IconResource> icons;

    const DialogTemplate* findDialog(int id) const;
    const IconResource* findIcon(int id) const;
};

// The 16 colours of a 4-bit Windows icon, as red, green, blue.
inline constexpr std::uint8_t kIconPalette[16][3] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

// The image as red, green, blue, alpha bytes, row by row from the top; transparent pixels are
// black with alpha 0.
std::vector<std::uint8_t> IconRgba(const IconImage& image);

// The image of `icon` whose size is nearest `size`, preferring the larger; nullptr for none.
const IconImage* IconImageNearest(const IconResource& icon, int size);

}  // namespace vantry::framework
