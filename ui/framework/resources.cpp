#include "ui/framework/resources.h"

#include <cstdlib>

namespace vantry::framework {

const DialogTemplate* ResourceModule::findDialog(int id) const {
    for (const DialogTemplate& dialog : dialogs)
        if (dialog.resourceId == id) return &dialog;
    return nullptr;
}

const IconResource* ResourceModule::findIcon(int id) const {
    for (const IconResource& icon : icons)
        if (icon.id == id) return &icon;
    return nullptr;
}

std::vector<std::uint8_t> IconRgba(const IconImage& image) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(image.pixels.size() * 4);
    for (const std::uint8_t index : image.pixels) {
        const bool opaque = index < 16;
        const std::uint8_t* colour = kIconPalette[opaque ? index : 0];
        rgba.insert(rgba.end(), {colour[0], colour[1], colour[2], static_cast<std::uint8_t>(opaque ? 255 : 0)});
    }
    return rgba;
}

const IconImage* IconImageNearest(const IconResource& icon, int size) {
    const IconImage* best = nullptr;
    for (const IconImage& image : icon.images) {
        const int distance = std::abs(image.size - size);
        if (best == nullptr || distance < std::abs(best->size - size) ||
            (distance == std::abs(best->size - size) && image.size > best->size))
            best = &image;
    }
    return best;
}

}  // namespace vantry::framework
