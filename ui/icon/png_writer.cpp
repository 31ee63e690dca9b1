#include "png_writer.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace {

std::uint32_t crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBig32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

void chunk(std::ofstream& file, const char* type, const std::vector<unsigned char>& data) {
    std::vector<unsigned char> bytes;
    putBig32(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), type, type + 4);
    bytes.insert(bytes.end(), data.begin(), data.end());
    putBig32(bytes, crc32(bytes.data() + 4, bytes.size() - 4));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

bool WritePng(const std::string& path, const std::vector<unsigned char>& pixels, int width, int height,
              int channels) {
    if (channels != 3 && channels != 4) return false;
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * height * channels) return false;
    std::ofstream file(path, std::ios::binary);
    if (!file) return false;
    static const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    file.write(reinterpret_cast<const char*>(signature), sizeof signature);

    std::vector<unsigned char> header;
    putBig32(header, static_cast<std::uint32_t>(width));
    putBig32(header, static_cast<std::uint32_t>(height));
    const unsigned char colourType = channels == 4 ? 6 : 2;  // RGBA or RGB
    header.insert(header.end(), {8, colourType, 0, 0, 0});  // 8 bits, deflate, no filter, no interlace
    chunk(file, "IHDR", header);

    // Scanlines (filter byte 0), wrapped in zlib "stored" blocks of at most 65535 bytes.
    std::vector<unsigned char> raw;
    const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), pixels.begin() + static_cast<std::ptrdiff_t>(y * stride),
                   pixels.begin() + static_cast<std::ptrdiff_t>((y + 1) * stride));
    }
    std::vector<unsigned char> zlib = {0x78, 0x01};
    for (std::size_t pos = 0; pos < raw.size() || pos == 0;) {
        const std::size_t size = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + size >= raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<unsigned char>(size));
        zlib.push_back(static_cast<unsigned char>(size >> 8));
        zlib.push_back(static_cast<unsigned char>(~size));
        zlib.push_back(static_cast<unsigned char>(~size >> 8));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                    raw.begin() + static_cast<std::ptrdiff_t>(pos + size));
        pos += size;
        if (last) break;
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(zlib, (b << 16) | a);
    chunk(file, "IDAT", zlib);
    chunk(file, "IEND", {});
    return static_cast<bool>(file);
}
