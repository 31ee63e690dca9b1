#include "ui/icon/png_writer.h"

#include <cstdint>
#include <fstream>

#include <zlib.h>

namespace vantry::app {

namespace {

// A chunk's CRC-32, as zlib computes it.
std::uint32_t chunkCrc(const unsigned char* data, std::size_t size) {
    return static_cast<std::uint32_t>(::crc32(0L, data, static_cast<uInt>(size)));
}

void putBig32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

void chunk(std::ofstream& file, const char* type, const std::vector<unsigned char>& data) {
    std::vector<unsigned char> bytes;
    putBig32(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), type, type + 4);
    bytes.insert(bytes.end(), data.begin(), data.end());
    putBig32(bytes, chunkCrc(bytes.data() + 4, bytes.size() - 4));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

bool WritePng(const std::string& path, const std::vector<unsigned char>& pixels, int width, int height, int channels) {
    if (channels != 3 && channels != 4) return false;
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * height * channels) return false;
    std::ofstream file(path, std::ios::binary);
    if (!file) return false;
    static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    file.write(reinterpret_cast<const char*>(kSignature), sizeof kSignature);

    std::vector<unsigned char> header;
    putBig32(header, static_cast<std::uint32_t>(width));
    putBig32(header, static_cast<std::uint32_t>(height));
    const unsigned char colourType = channels == 4 ? 6 : 2;  // RGBA or RGB
    header.insert(header.end(), {8, colourType, 0, 0, 0});   // 8 bits, deflate, no filter, no interlace
    chunk(file, "IHDR", header);

    // Scanlines, each after its filter byte: 0, none. Compressed whole, as one zlib stream.
    std::vector<unsigned char> raw;
    const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), pixels.begin() + static_cast<std::ptrdiff_t>(y * stride),
                   pixels.begin() + static_cast<std::ptrdiff_t>((y + 1) * stride));
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> zlib(size);
    if (compress2(zlib.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    zlib.resize(size);
    chunk(file, "IDAT", zlib);
    chunk(file, "IEND", {});
    return static_cast<bool>(file);
}

}  // namespace vantry::app
