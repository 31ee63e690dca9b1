#pragma once

#include <string>
#include <vector>

namespace vantry::app {

// Writes 8-bit pixels (row by row from the top; 3 channels RGB or 4 channels RGBA) as a PNG file,
// compressed with zlib at its best: the same pixels give the same bytes, and a flat icon a file
// of a few kilobytes.
bool WritePng(const std::string& path, const std::vector<unsigned char>& pixels, int width, int height,
              int channels = 3);

}  // namespace vantry::app
