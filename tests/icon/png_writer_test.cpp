#include "ui/icon/png_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <zlib.h>

#include "tests/common/png_reader.h"
#include "tests/common/scratch_folder.h"

namespace {

using Rgb = DecodedPng::Rgb;

TEST(PngWriter, WritesWhatItIsGivenPixelForPixel) {
    const ScratchFolder folder("png");
    // 3 x 2, red green blue / white grey black.
    const std::vector<unsigned char> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 128, 128, 128, 0, 0, 0};
    ASSERT_TRUE(vantry::app::WritePng(folder.file("small.png"), rgb, 3, 2));
    DecodedPng image;
    std::string error;
    ASSERT_TRUE(ReadPng(folder.file("small.png"), image, error)) << error;
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.channels, 3);
    EXPECT_EQ(image.pixels, rgb);
    EXPECT_EQ(image.at(2, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(image.at(1, 1), (Rgb{128, 128, 128}));
}

TEST(PngWriter, LargeImagesRoundTrip) {
    const ScratchFolder folder("png");
    // 200 x 150 RGBA is 120,150 bytes of scanlines, more than one deflate block.
    std::vector<unsigned char> rgba;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            rgba.insert(rgba.end(), {static_cast<unsigned char>(x), static_cast<unsigned char>(y), 7, 255});
    ASSERT_TRUE(vantry::app::WritePng(folder.file("large.png"), rgba, 200, 150, 4));
    DecodedPng image;
    std::string error;
    ASSERT_TRUE(ReadPng(folder.file("large.png"), image, error)) << error;
    EXPECT_EQ(image.channels, 4);
    EXPECT_EQ(image.pixels, rgba);
    EXPECT_EQ(image.at(199, 149), (Rgb{199, 149, 7}));
}

TEST(PngWriter, ACorruptedByteIsCaughtByTheSums) {
    const ScratchFolder folder("png");
    const std::vector<unsigned char> rgb(4 * 4 * 3, 200);
    ASSERT_TRUE(vantry::app::WritePng(folder.file("a.png"), rgb, 4, 4));
    std::ifstream in(folder.file("a.png"), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    struct Case {
        std::size_t offset;
        const char* error;
    };
    // The IHDR chunk's first data byte; the first byte of the compressed pixels inside IDAT.
    const std::size_t idat = std::string(bytes.begin(), bytes.end()).find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    const Case cases[] = {{16, "IHDR chunk has a wrong CRC"}, {idat + 6, "IDAT chunk has a wrong CRC"}};
    for (const Case& c : cases) {
        std::vector<char> corrupt = bytes;
        corrupt[c.offset] ^= 0x01;
        std::ofstream(folder.file("b.png"), std::ios::binary)
            .write(corrupt.data(), static_cast<std::streamsize>(corrupt.size()));
        DecodedPng image;
        std::string error;
        EXPECT_FALSE(ReadPng(folder.file("b.png"), image, error));
        EXPECT_EQ(error, c.error);
    }
}

// A damaged stream whose chunk CRC was made to match is still caught, by zlib's own checks.
TEST(PngWriter, ADamagedStreamIsCaughtEvenWithItsCrcMended) {
    const ScratchFolder folder("png");
    const std::vector<unsigned char> rgb(4 * 4 * 3, 200);
    ASSERT_TRUE(vantry::app::WritePng(folder.file("a.png"), rgb, 4, 4));
    std::ifstream in(folder.file("a.png"), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::size_t idat = std::string(bytes.begin(), bytes.end()).find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    const std::size_t length = (std::size_t{bytes[idat - 4]} << 24) | (bytes[idat - 3] << 16) | (bytes[idat - 2] << 8) |
                               bytes[idat - 1];
    bytes[idat + 4 + length - 1] ^= 0x01;  // the Adler-32 sum's last byte
    const uLong crc = crc32(0, bytes.data() + idat, static_cast<uInt>(4 + length));
    for (int i = 0; i < 4; ++i)
        bytes[idat + 4 + length + static_cast<std::size_t>(i)] = static_cast<unsigned char>(crc >> (24 - 8 * i));
    std::ofstream(folder.file("b.png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    DecodedPng image;
    std::string error;
    EXPECT_FALSE(ReadPng(folder.file("b.png"), image, error));
    EXPECT_EQ(error, "the zlib stream is damaged or its Adler-32 sum is wrong");
}

TEST(PngWriter, RefusesWhatItCannotWrite) {
    const ScratchFolder folder("png");
    EXPECT_FALSE(vantry::app::WritePng(folder.file("x.png"), {1, 2, 3}, 2, 2));     // too few pixels
    EXPECT_FALSE(vantry::app::WritePng(folder.file("x.png"), {1, 2, 3}, 1, 1, 2));  // two channels
    EXPECT_FALSE(vantry::app::WritePng(folder.file("x.png"), {}, 0, 0));
    EXPECT_FALSE(vantry::app::WritePng(folder.file("missing/x.png"), {1, 2, 3}, 1, 1));
}

}  // namespace
