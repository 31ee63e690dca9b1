#include "tests/common/png_reader.h"

#include <cstdint>
#include <fstream>
#include <iterator>

#include <zlib.h>

namespace {

std::uint32_t chunkCrc(const unsigned char* data, std::size_t size) {
    return static_cast<std::uint32_t>(::crc32(0L, data, static_cast<uInt>(size)));
}

std::uint32_t big32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

bool fail(std::string& error, const std::string& why) {
    error = why;
    return false;
}

// The raw scanlines out of the zlib stream, which must hold exactly `expected` bytes. zlib checks
// the stream's Adler-32 sum as it ends it.
bool inflateAll(const std::vector<unsigned char>& zlib, std::size_t expected, std::vector<unsigned char>& raw,
                std::string& error) {
    raw.assign(expected + 1, 0);  // one more, to see a stream that holds too much
    uLongf size = static_cast<uLongf>(raw.size());
    const int status = uncompress(raw.data(), &size, zlib.data(), static_cast<uLong>(zlib.size()));
    if (status == Z_DATA_ERROR) return fail(error, "the zlib stream is damaged or its Adler-32 sum is wrong");
    if (status == Z_BUF_ERROR || size != expected) return fail(error, "wrong amount of image data");
    if (status != Z_OK) return fail(error, "the zlib stream cannot be read");
    raw.resize(size);
    return true;
}

}  // namespace

DecodedPng::Rgb DecodedPng::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          static_cast<std::size_t>(channels);
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
}

bool ReadPng(const std::string& path, DecodedPng& image, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || !std::equal(std::begin(kSignature), std::end(kSignature), file.begin()))
        return fail(error, "no PNG signature");
    std::vector<unsigned char> zlib;
    bool ended = false;
    for (std::size_t pos = 8; !ended;) {
        if (pos + 12 > file.size()) return fail(error, "file cut short");
        const std::uint32_t length = big32(&file[pos]);
        if (pos + 12 + length > file.size()) return fail(error, "a chunk runs past the file");
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                               file.begin() + static_cast<std::ptrdiff_t>(pos + 8));
        const unsigned char* data = &file[pos + 8];
        if (chunkCrc(&file[pos + 4], length + 4) != big32(data + length))
            return fail(error, type + " chunk has a wrong CRC");
        if (type == "IHDR") {
            if (length != 13 || data[8] != 8 || (data[9] != 2 && data[9] != 6) || data[10] || data[11] || data[12])
                return fail(error, "an IHDR this reader does not read");
            image.width = static_cast<int>(big32(data));
            image.height = static_cast<int>(big32(data + 4));
            image.channels = data[9] == 6 ? 4 : 3;
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), data, data + length);
        } else if (type == "IEND") {
            ended = true;
        }
        pos += 12 + length;
    }
    std::vector<unsigned char> raw;
    if (image.width <= 0 || image.height <= 0) return fail(error, "no IHDR");
    const std::size_t stride = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.channels);
    if (!inflateAll(zlib, (stride + 1) * static_cast<std::size_t>(image.height), raw, error)) return false;
    image.pixels.clear();
    for (int y = 0; y < image.height; ++y) {
        const auto row = raw.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * (stride + 1));
        if (*row != 0) return fail(error, "a filtered scanline");
        image.pixels.insert(image.pixels.end(), row + 1, row + 1 + static_cast<std::ptrdiff_t>(stride));
    }
    return true;
}
