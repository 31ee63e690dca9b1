// Build tool: writes the application icon as a PNG file SIZE pixels square, for the Linux
// desktop. The icon's pixel art is scaled by whole pixels from the image whose size divides
// SIZE (16 and 32 as they are; 48 from 16, 64 to 256 from 32), so it stays crisp.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/icon/app_icon.h"
#include "ui/icon/png_writer.h"

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    const vantry::framework::IconImage* source = nullptr;
    for (const vantry::framework::IconImage& image : vantry::app::kAppIconImages)
        if (size > 0 && size % image.size == 0 && (source == nullptr || image.size > source->size)) source = &image;
    if (source == nullptr || size > 1024) {
        std::fputs("usage: make_icon_png SIZE FILE (SIZE a multiple of 16, at most 1024)\n", stderr);
        return 2;
    }
    const std::vector<std::uint8_t> art = vantry::framework::IconRgba(*source);
    const int scale = size / source->size;
    std::vector<unsigned char> rgba;
    rgba.reserve(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y / scale) * source->size + x / scale) * 4;
            rgba.insert(rgba.end(), art.begin() + static_cast<std::ptrdiff_t>(at),
                        art.begin() + static_cast<std::ptrdiff_t>(at + 4));
        }
    return vantry::app::WritePng(argv[2], rgba, size, size, 4) ? 0 : 1;
}
