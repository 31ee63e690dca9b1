#pragma once

#include <string>
#include <vector>

// Reads back the PNG files the program writes (the desktop icons, the tests' screenshots): 8-bit
// RGB or RGBA, not interlaced, every scanline unfiltered, the image data one zlib stream. Every
// chunk's CRC and the zlib stream's Adler-32 sum are checked; anything else is refused with the
// reason.
struct DecodedPng {
    int width = 0;
    int height = 0;
    int channels = 0;                   // 3 or 4
    std::vector<unsigned char> pixels;  // row by row from the top

    // The colour at (x, y) as red, green, blue.
    struct Rgb {
        unsigned char red, green, blue;
        bool operator==(const Rgb&) const = default;
    };
    Rgb at(int x, int y) const;
};

bool ReadPng(const std::string& path, DecodedPng& image, std::string& error);
