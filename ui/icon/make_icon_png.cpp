// Build tool: writes the application icon as a PNG file of the given size (32 or 16), for the
// Linux desktop.
#include <cstdio>
#include <string_view>

#include "app_icon.h"
#include "png_writer.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::string_view(argv[1]) != "16" && std::string_view(argv[1]) != "32")) {
        std::fputs("usage: make_icon_png 16|32 FILE\n", stderr);
        return 2;
    }
    const int size = std::string_view(argv[1]) == "16" ? 16 : 32;
    for (const vantry::framework::IconImage& image : vantry::app::kAppIconImages)
        if (image.size == size) return WritePng(argv[2], vantry::framework::IconRgba(image), size, size, 4) ? 0 : 1;
    return 1;
}
