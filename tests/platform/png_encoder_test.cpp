#include "platform/Picture.h"
#include "platform/PngEncoder.h"
#include "platform/TestPng.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Undoes a zlib stream of stored blocks; empty when it is not one or its checksum is wrong.
Bytes inflateStored(const Bytes& z, int& blocks) {
    blocks = 0;
    if (z.size() < 6 || ((z[0] << 8) | z[1]) % 31 != 0 || (z[0] & 0x0F) != 8)
        return {};
    Bytes out;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        if (at + 5 > z.size() || (z[at] & 0x06) != 0)
            return {};
        last = (z[at] & 1) != 0;
        const unsigned length = z[at + 1] | (z[at + 2] << 8);
        const unsigned complement = z[at + 3] | (z[at + 4] << 8);
        if ((length ^ 0xFFFF) != complement || at + 5 + length > z.size())
            return {};
        out.insert(out.end(), z.begin() + std::ptrdiff_t(at + 5),
                   z.begin() + std::ptrdiff_t(at + 5 + length));
        at += 5 + length;
        ++blocks;
    }
    if (at + 4 != z.size() || BigEndian32(z, at) != Adler32(out.data(), out.size()))
        return {};
    return out;
}

const std::vector<TPngColour> twoColours = {{0, 0, 0}, {255, 255, 255}};

} // namespace

TEST(Checksums, MatchTheStandardCheckValuesAndAdlerWrapsModulo65521) {
    const std::string digits = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size()),
              0xCBF43926u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(word.data()), word.size()),
              0x11E60398u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
    EXPECT_EQ(Adler32(nullptr, 0), 1u);
    const Bytes ones(100000, 0xFF);
    std::uint64_t a = 1, b = 0;
    for (const std::uint8_t byte : ones) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(Adler32(ones.data(), ones.size()), std::uint32_t((b << 16) | a));
}

TEST(PngEncoder, RefusesInconsistentInput) {
    EXPECT_TRUE(EncodePngIndexed(0, 4, twoColours, {}).empty());
    EXPECT_TRUE(EncodePngIndexed(2, 2, twoColours, {0, 1, 0}).empty());
    EXPECT_TRUE(EncodePngIndexed(2, 1, twoColours, {0, 2}).empty()) << "index outside palette";
    EXPECT_TRUE(EncodePngIndexed(1, 1, {}, {0}).empty());
    EXPECT_TRUE(EncodePngIndexed(1, 1, std::vector<TPngColour>(257), {0}).empty());
    EXPECT_TRUE(EncodePngRgba(2, 2, Bytes(15)).empty());
    EXPECT_TRUE(EncodePngRgba(-1, 2, {}).empty());
}

TEST(PngEncoder, IndexedPictureHasValidChunksInOrder) {
    const Bytes png = EncodePngIndexed(3, 2, twoColours, {0, 1, 0, 1, 1, 1});
    ASSERT_FALSE(png.empty());
    const Bytes signature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    const std::vector<PngChunk> found = PngChunks(png);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].type, "IHDR");
    EXPECT_EQ(found[1].type, "PLTE");
    EXPECT_EQ(found[2].type, "IDAT");
    EXPECT_EQ(found[3].type, "IEND");
    for (const PngChunk& c : found)
        EXPECT_TRUE(c.crcOk) << c.type;
    EXPECT_EQ(found[1].data, (Bytes{0, 0, 0, 255, 255, 255}));

    TPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(png));
    EXPECT_EQ(picture.format(), TPicture::Format::Png);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
}

TEST(PngEncoder, PacksIndicesAtTheSmallestBitDepth) {
    struct Case {
        std::size_t colours;
        std::uint8_t depth;
        Bytes firstRow; // filter byte, then the packed indices of pixels 1, 0, 1
    };
    const Case cases[] = {
        {2, 1, {0, 0b1010'0000}},
        {4, 2, {0, 0b0100'0100}},
        {16, 4, {0, 0x10, 0x10}},
        {17, 8, {0, 1, 0, 1}},
    };
    for (const Case& c : cases) {
        const Bytes png = EncodePngIndexed(3, 1, std::vector<TPngColour>(c.colours), {1, 0, 1});
        const std::vector<PngChunk> found = PngChunks(png);
        ASSERT_EQ(found.size(), 4u);
        EXPECT_EQ(found[0].data[8], c.depth) << c.colours << " colours";
        EXPECT_EQ(found[0].data[9], 3) << "indexed colour type";
        int blocks = 0;
        EXPECT_EQ(inflateStored(found[2].data, blocks), c.firstRow) << c.colours << " colours";
    }
}

TEST(PngEncoder, WritesAlphasUpToTheLastTranslucentColour) {
    const std::vector<TPngColour> palette = {
        {1, 1, 1}, {2, 2, 2, 0}, {3, 3, 3, 128}, {4, 4, 4}, {5, 5, 5}};
    const std::vector<PngChunk> found = PngChunks(EncodePngIndexed(1, 1, palette, {0}));
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[2].type, "tRNS");
    EXPECT_EQ(found[2].data, (Bytes{255, 0, 128}));
}

TEST(PngEncoder, SplitsLargeDataIntoStoredBlocks) {
    // 300 × 60 RGBA: 60 rows of 1201 bytes, more than one stored block holds.
    Bytes rgba(300 * 60 * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = std::uint8_t(i * 7);
    const std::vector<PngChunk> found = PngChunks(EncodePngRgba(300, 60, rgba));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].data[8], 8);
    EXPECT_EQ(found[0].data[9], 6) << "RGBA colour type";
    int blocks = 0;
    const Bytes scanlines = inflateStored(found[1].data, blocks);
    ASSERT_EQ(scanlines.size(), 60u * 1201u);
    EXPECT_EQ(blocks, 2);
    for (std::size_t row = 0; row < 60; ++row) {
        EXPECT_EQ(scanlines[row * 1201], 0) << "filter of row " << row;
        EXPECT_TRUE(std::equal(rgba.begin() + std::ptrdiff_t(row * 1200),
                               rgba.begin() + std::ptrdiff_t(row * 1200 + 1200),
                               scanlines.begin() + std::ptrdiff_t(row * 1201 + 1)))
            << "row " << row;
    }
}
