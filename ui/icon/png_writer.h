#pragma once

#include <string>
#include <vector>

// Writes 8-bit pixels (row by row from the top; 3 channels RGB or 4 channels RGBA) as a PNG file,
// uncompressed: enough for an icon or a screenshot, with no library beyond the standard one.
bool WritePng(const std::string& path, const std::vector<unsigned char>& pixels, int width, int height,
              int channels = 3);
