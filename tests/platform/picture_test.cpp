#include "platform/Picture.h"
#include "platform/TempFolder.h"
#include "platform/TestPng.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// SOI, an APP0, fill bytes, a DHT whose bytes look like a frame header, then a progressive
// frame header of 0x0123 x 0x0456 (height x width), then a scan.
Bytes jpeg(std::uint8_t frameMarker = 0xC2) {
    return {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10,        'J',  'F',  'I',  'F',  0,    1,    1,
            0,    0,    1,    0,    1,    0,           0,    0xFF, 0xFF, 0xC4, 0x00, 0x07, 0x08,
            0x00, 0x09, 0x00, 0x09, 0xFF, frameMarker, 0x00, 0x11, 0x08, 0x01, 0x23, 0x04, 0x56,
            0x03, 1,    0x22, 0,    2,    0x11,        1,    3,    0x11, 1,    0xFF, 0xDA, 0x00,
            0x08, 1,    1,    0,    0,    0x3F,        0,    0xFF, 0xD9};
}
constexpr std::size_t kJpegFrameEnd = 2 + 18 + 10 + 19; // through the frame segment

struct Header {
    TPicture::Format format;
    int width;
    int height;
    bool operator==(const Header&) const = default;
};

std::optional<Header> header(const Bytes& bytes) {
    Header h{TPicture::Format::None, 0, 0};
    if (!ReadPictureHeader(bytes, h.format, h.width, h.height))
        return std::nullopt;
    return h;
}

// A copy of `bytes` with some bytes changed.
Bytes changed(Bytes bytes, std::initializer_list<std::pair<std::size_t, std::uint8_t>> edits) {
    for (const auto& [at, value] : edits)
        bytes.at(at) = value;
    return bytes;
}

} // namespace

TEST(PictureHeader, ReadsTheSizeBigEndianFromTheFirstFrameHeaderSkippingTables) {
    EXPECT_EQ(header(PngHeader(0x00012345, 0x0203)),
              (Header{TPicture::Format::Png, 0x12345, 0x0203}));
    for (const std::uint8_t marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xCF})
        EXPECT_EQ(header(jpeg(marker)), (Header{TPicture::Format::Jpeg, 0x0456, 0x0123}))
            << std::hex << int(marker);
}

// Broken, hostile or truncated headers are refused without reading past their end.
TEST(PictureHeader, RefusesBrokenHostileAndTruncatedHeaders) {
    const Bytes png = PngHeader(640, 480);
    const Bytes refused[] = {changed(png, {{3, 'J'}}),   // signature
                             changed(png, {{12, 'i'}}),  // another chunk first
                             PngHeader(0, 10),           // empty
                             PngHeader(10, 0),           // empty
                             PngHeader(0x80000000u, 10), // beyond the int range
                             PngHeader(10, 0xFFFFFFFFu), // beyond the int range
                             jpeg(0xC8), // JPG is no frame: none comes before the scan
                             jpeg(0xCC), // nor is DAC
                             changed(jpeg(), {{4, 0xFF}}),      // APP0 length 0xFF10, past the end
                             changed(jpeg(), {{4, 0}, {5, 1}}), // APP0 length 1 would go backwards
                             changed(jpeg(), {{2, 0}}),         // not a marker
                             changed(jpeg(), {{35, 0}, {36, 0}}), // zero height
                             {0xFF, 0xD8, 0xFF, 0xFF, 0xFF},      // only fill bytes
                             {0xFF, 0xD8, 0xFF, 0xD9}};           // ends without a frame
    for (const Bytes& bytes : refused)
        EXPECT_EQ(header(bytes), std::nullopt) << &bytes - refused;
    for (const auto& [whole, needed] : {std::pair{png, png.size()}, {jpeg(), kJpegFrameEnd}}) {
        for (std::size_t size = 0; size <= needed; ++size)
            EXPECT_EQ(header(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(size))) ==
                          std::nullopt,
                      size < needed)
                << size << " of " << needed << " bytes";
    }
}

// A load keeps the bytes, format and size; a failed one empties the picture but keeps its
// transparency, a setting rather than part of the contents.
TEST(Picture, LoadKeepsBytesFormatAndSizeAndAFailedLoadEmptiesIt) {
    const TempFolder folder;
    const Bytes bytes = jpeg();
    TPicture picture;
    picture.Transparent = true;
    ASSERT_TRUE(
        picture.LoadFromFile(folder.put("photo.jpg", std::string(bytes.begin(), bytes.end()))));
    EXPECT_EQ(picture.bytes(), bytes);
    EXPECT_EQ(picture.Height(), 0x0123);
    for (const std::string& refused : {folder.file("absent.png"), folder.path()}) {
        ASSERT_TRUE(picture.LoadFromBytes(PngHeader(3, 4)));
        EXPECT_FALSE(picture.LoadFromFile(refused)) << refused;
        EXPECT_TRUE(picture.Empty() && picture.Width() == 0) << refused;
    }
    EXPECT_FALSE(picture.LoadFromBytes({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}));
    EXPECT_TRUE(picture.Transparent);
    picture.Transparent = false;
    EXPECT_EQ(picture, TPicture());
}
