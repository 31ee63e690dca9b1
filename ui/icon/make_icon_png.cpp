// Build tool: writes the application icon as a PNG file of the given size (32 or 16), for the
// Linux desktop.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app_icon.h"
#include "png_writer.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: make_icon_png SIZE FILE\n", stderr);
        return 2;
    }
    const int size = std::atoi(argv[1]) == 16 ? 16 : 32;
    return WritePng(argv[2], AppIconRgba(size), size, size, 4) ? 0 : 1;
}
