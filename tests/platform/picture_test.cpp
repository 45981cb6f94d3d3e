#include "platform/Picture.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& b, std::initializer_list<int> values) {
    for (const int v : values)
        b.push_back(std::uint8_t(v));
}

void appendBigEndian32(Bytes& b, std::uint32_t v) {
    append(b, {int(v >> 24) & 0xFF, int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v) & 0xFF});
}

Bytes png(std::uint32_t width, std::uint32_t height) {
    Bytes b;
    append(b, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
    appendBigEndian32(b, 13);
    append(b, {'I', 'H', 'D', 'R'});
    appendBigEndian32(b, width);
    appendBigEndian32(b, height);
    append(b, {8, 2, 0, 0, 0});          // depth, colour type, methods
    append(b, {0x12, 0x34, 0x56, 0x78}); // CRC (not checked)
    return b;
}

// SOI, fill bytes, an APP0, a DHT whose bytes look like a frame header, then a progressive
// frame header of 0x0123 x 0x0456 (height x width), then a scan.
Bytes jpeg(int frameMarker = 0xC2) {
    Bytes b;
    append(b, {0xFF, 0xD8});
    append(b, {0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    append(b, {0xFF, 0xFF, 0xC4, 0x00, 0x07, 0x08, 0x00, 0x09, 0x00, 0x09});
    append(b, {0xFF, frameMarker, 0x00, 0x11, 0x08, 0x01, 0x23, 0x04, 0x56, 0x03});
    append(b, {1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    append(b, {0xFF, 0xDA, 0x00, 0x08, 1, 1, 0, 0, 0x3F, 0});
    append(b, {0xFF, 0xD9});
    return b;
}

bool header(const Bytes& b, TPicture::Format& format, int& width, int& height) {
    return ReadPictureHeader(b, format, width, height);
}

} // namespace

TEST(PictureHeader, ReadsPngSizeBigEndian) {
    TPicture::Format format = TPicture::Format::None;
    int width = 0;
    int height = 0;
    ASSERT_TRUE(header(png(0x00012345, 0x0203), format, width, height));
    EXPECT_EQ(format, TPicture::Format::Png);
    EXPECT_EQ(width, 0x12345);
    EXPECT_EQ(height, 0x0203);
}

TEST(PictureHeader, RefusesBrokenPngHeaders) {
    TPicture::Format format = TPicture::Format::None;
    int width = 0;
    int height = 0;
    Bytes badSignature = png(10, 10);
    badSignature[3] = 'J';
    EXPECT_FALSE(header(badSignature, format, width, height));
    Bytes otherChunk = png(10, 10);
    otherChunk[12] = 'i';
    EXPECT_FALSE(header(otherChunk, format, width, height));
    EXPECT_FALSE(header(png(0, 10), format, width, height));
    EXPECT_FALSE(header(png(10, 0), format, width, height));
    EXPECT_FALSE(header(png(0x80000000u, 10), format, width, height));
    EXPECT_FALSE(header(png(10, 0xFFFFFFFFu), format, width, height));
    EXPECT_EQ(format, TPicture::Format::None);
}

TEST(PictureHeader, RefusesEveryTruncatedPng) {
    const Bytes whole = png(640, 480);
    for (std::size_t size = 0; size < 8 + 8 + 13; ++size) {
        TPicture::Format format = TPicture::Format::None;
        int width = 0;
        int height = 0;
        EXPECT_FALSE(
            header(Bytes(whole.begin(), whole.begin() + long(size)), format, width, height))
            << size << " bytes";
    }
}

TEST(PictureHeader, ReadsJpegSizeFromFirstFrameHeaderSkippingTables) {
    for (const int marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xCF}) {
        TPicture::Format format = TPicture::Format::None;
        int width = 0;
        int height = 0;
        ASSERT_TRUE(header(jpeg(marker), format, width, height)) << std::hex << marker;
        EXPECT_EQ(format, TPicture::Format::Jpeg);
        EXPECT_EQ(width, 0x0456);
        EXPECT_EQ(height, 0x0123);
    }
}

TEST(PictureHeader, TablesMarkersAreNotFrames) {
    // With the frame marker replaced by JPG or DAC, no frame header is left before the scan.
    for (const int marker : {0xC8, 0xCC}) {
        TPicture::Format format = TPicture::Format::None;
        int width = 0;
        int height = 0;
        EXPECT_FALSE(header(jpeg(marker), format, width, height)) << std::hex << marker;
    }
}

TEST(PictureHeader, RefusesEveryTruncatedJpegUpToTheFrameSize) {
    const Bytes whole = jpeg();
    const std::size_t frameEnd = 2 + 18 + 10 + 19; // through the frame segment
    for (std::size_t size = 0; size < frameEnd; ++size) {
        TPicture::Format format = TPicture::Format::None;
        int width = 0;
        int height = 0;
        EXPECT_FALSE(
            header(Bytes(whole.begin(), whole.begin() + long(size)), format, width, height))
            << size << " bytes";
    }
    TPicture::Format format = TPicture::Format::None;
    int width = 0;
    int height = 0;
    EXPECT_TRUE(
        header(Bytes(whole.begin(), whole.begin() + long(frameEnd)), format, width, height));
}

TEST(PictureHeader, RefusesHostileJpegSegments) {
    TPicture::Format format = TPicture::Format::None;
    int width = 0;
    int height = 0;
    Bytes hugeLength = jpeg();
    hugeLength[4] = 0xFF; // APP0 length 0xFF10, past the end
    EXPECT_FALSE(header(hugeLength, format, width, height));
    Bytes tinyLength = jpeg();
    tinyLength[5] = 0x01; // APP0 length 1 would go backwards
    tinyLength[4] = 0x00;
    EXPECT_FALSE(header(tinyLength, format, width, height));
    Bytes notAMarker = jpeg();
    notAMarker[2] = 0x00;
    EXPECT_FALSE(header(notAMarker, format, width, height));
    Bytes zeroHeight = jpeg();
    zeroHeight[2 + 18 + 10 + 5] = 0;
    zeroHeight[2 + 18 + 10 + 6] = 0;
    EXPECT_FALSE(header(zeroHeight, format, width, height));
    Bytes onlyFill = {0xFF, 0xD8, 0xFF, 0xFF, 0xFF};
    EXPECT_FALSE(header(onlyFill, format, width, height));
    EXPECT_FALSE(header(Bytes{0xFF, 0xD8, 0xFF, 0xD9}, format, width, height));
}

TEST(Picture, LoadKeepsBytesFormatAndSize) {
    TPicture picture;
    EXPECT_TRUE(picture.Empty());
    const Bytes bytes = png(3, 4);
    ASSERT_TRUE(picture.LoadFromBytes(bytes));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.format(), TPicture::Format::Png);
    EXPECT_EQ(picture.bytes(), bytes);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 4);
}

TEST(Picture, FailedLoadLeavesAnEmptyPicture) {
    TPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(jpeg()));
    EXPECT_FALSE(picture.LoadFromBytes({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}));
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.bytes().empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_EQ(picture, TPicture());
}

TEST(Picture, ClearKeepsTheTransparencySetting) {
    TPicture picture;
    picture.Transparent = true;
    ASSERT_TRUE(picture.LoadFromBytes(png(1, 1)));
    picture.Clear();
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.Transparent);
}

TEST(Picture, LoadsFromFile) {
    const TempFolder folder;
    const Bytes bytes = jpeg();
    const std::string path = folder.put("photo.jpg", std::string(bytes.begin(), bytes.end()));
    TPicture picture;
    ASSERT_TRUE(picture.LoadFromFile(path));
    EXPECT_EQ(picture.format(), TPicture::Format::Jpeg);
    EXPECT_EQ(picture.bytes(), bytes);
    EXPECT_FALSE(picture.LoadFromFile(folder.file("absent.png")));
    EXPECT_TRUE(picture.Empty());
    EXPECT_FALSE(picture.LoadFromFile(folder.path()));
}
