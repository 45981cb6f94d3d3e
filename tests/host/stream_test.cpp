#include "host/FileStream.h"
#include "host/Stream.h"
#include "platform/StringList.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The smallest byte sequence the picture reader takes as a PNG: signature and IHDR header.
Bytes pngHeader(std::uint8_t width, std::uint8_t height) {
    return {0x89, 'P', 'N', 'G', 0x0D,  0x0A, 0x1A, 0x0A, 0,      0, 0, 13, 'I', 'H', 'D',
            'R',  0,   0,   0,   width, 0,    0,    0,    height, 8, 6, 0,  0,   0};
}

Bytes written(const std::function<bool(TStream&)>& write) {
    TMemoryStream s;
    EXPECT_TRUE(write(s));
    return s.Bytes();
}

// A stream that cannot tell how much it holds, as a pipe.
class BlindStream : public TStream {
public:
    explicit BlindStream(Bytes bytes) : inner_(std::move(bytes)) {}
    bool Write(const void* data, std::size_t n) override { return inner_.Write(data, n); }
    std::size_t Read(void* data, std::size_t n) override { return inner_.Read(data, n); }

private:
    TMemoryStream inner_;
};

TEST(Stream, FixedWidthLittleEndianEncoding) {
    EXPECT_EQ(written([](TStream& s) { return WriteShort(s, -2); }), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(written([](TStream& s) { return WriteLong(s, 0x01020304); }),
              (Bytes{0x04, 0x03, 0x02, 0x01}));
    EXPECT_EQ(written([](TStream& s) { return WriteInt64(s, -1); }), Bytes(8, 0xFF));
    EXPECT_EQ(written([](TStream& s) { return WriteDouble(s, 1.0); }),
              (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(written([](TStream& s) { return WriteBool(s, true) && WriteBool(s, false); }),
              (Bytes{1, 0}));
    EXPECT_EQ(written([](TStream& s) { return WriteString(s, "é"); }),
              (Bytes{2, 0, 0, 0, 0xC3, 0xA9}));
    EXPECT_EQ(written([](TStream& s) {
                  return WritePoint(s, {-1, 2});
              }),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0}));
    EXPECT_EQ(written([](TStream& s) { return WritePicture(s, TPicture{}); }),
              (Bytes{0, 0, 0, 0, 0, 0}));
}

TEST(Stream, EveryPrimitiveRoundTripsItsExtremes) {
    TMemoryStream s;
    const double doubles[] = {0.0,
                              -0.0,
                              1e-310,
                              -1.5,
                              std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::infinity()};
    ASSERT_TRUE(WriteShort(s, INT16_MIN) && WriteShort(s, INT16_MAX));
    ASSERT_TRUE(WriteLong(s, INT32_MIN) && WriteLong(s, INT32_MAX));
    ASSERT_TRUE(WriteInt64(s, INT64_MIN) && WriteInt64(s, INT64_MAX));
    for (const double d : doubles)
        ASSERT_TRUE(WriteDouble(s, d));
    ASSERT_TRUE(WriteDouble(s, std::nan("")));
    ASSERT_TRUE(WriteBool(s, true) && WriteBool(s, false));
    ASSERT_TRUE(WritePoint(s, {INT32_MIN, INT32_MAX}));
    const std::string utf8 = "Opération ½ × 3 € 🍎";
    const std::string withNul("a\0b", 3);
    ASSERT_TRUE(WriteString(s, "") && WriteString(s, utf8) && WriteString(s, withNul));

    std::int16_t sh = 0;
    std::int32_t lo = 0;
    std::int64_t i64 = 0;
    double d = 0;
    bool b = false;
    vlPoint p;
    std::string str;
    EXPECT_TRUE(ReadShort(s, sh) && sh == INT16_MIN);
    EXPECT_TRUE(ReadShort(s, sh) && sh == INT16_MAX);
    EXPECT_TRUE(ReadLong(s, lo) && lo == INT32_MIN);
    EXPECT_TRUE(ReadLong(s, lo) && lo == INT32_MAX);
    EXPECT_TRUE(ReadInt64(s, i64) && i64 == INT64_MIN);
    EXPECT_TRUE(ReadInt64(s, i64) && i64 == INT64_MAX);
    for (const double expected : doubles) {
        ASSERT_TRUE(ReadDouble(s, d));
        EXPECT_EQ(d, expected);
        EXPECT_EQ(std::signbit(d), std::signbit(expected));
    }
    EXPECT_TRUE(ReadDouble(s, d) && std::isnan(d));
    EXPECT_TRUE(ReadBool(s, b) && b);
    EXPECT_TRUE(ReadBool(s, b) && !b);
    EXPECT_TRUE(ReadPoint(s, p));
    EXPECT_EQ(p, (vlPoint{INT32_MIN, INT32_MAX}));
    EXPECT_TRUE(ReadString(s, str) && str.empty());
    EXPECT_TRUE(ReadString(s, str) && str == utf8);
    EXPECT_TRUE(ReadString(s, str) && str == withNul);
    EXPECT_EQ(s.Remaining(), 0u);
    EXPECT_FALSE(ReadBool(s, b));
}

TEST(Stream, AnyNonZeroByteReadsAsTrue) {
    TMemoryStream s(Bytes{0x7F});
    bool b = false;
    EXPECT_TRUE(ReadBool(s, b));
    EXPECT_TRUE(b);
}

TEST(Stream, StringListsAndBuffersRoundTrip) {
    TStringList list;
    list.Add("un");
    list.Add("");
    list.Add("trois é");
    const std::uint8_t block[5] = {1, 2, 3, 4, 5};
    TMemoryStream s;
    ASSERT_TRUE(WriteStrings(s, list) && WriteBuffer(s, block, sizeof block));
    EXPECT_EQ(s.Bytes().size(), 4 + (4 + 2) + 4 + (4 + 8) + 5u);

    TStringList read;
    read.Add("ancien");
    std::uint8_t back[5] = {};
    ASSERT_TRUE(ReadStrings(s, read));
    ASSERT_EQ(read.Count(), 3);
    EXPECT_EQ(read[0], "un");
    EXPECT_EQ(read[1], "");
    EXPECT_EQ(read[2], "trois é");
    ASSERT_TRUE(ReadBuffer(s, back, sizeof back));
    EXPECT_EQ(0, std::memcmp(block, back, sizeof block));
}

TEST(Stream, PicturesRoundTripWithTheirFormatAndTransparency) {
    TPicture png;
    ASSERT_TRUE(png.LoadFromBytes(pngHeader(3, 4)));
    png.Transparent = true;
    TMemoryStream s;
    ASSERT_TRUE(WritePicture(s, png) && WritePicture(s, TPicture{}));
    EXPECT_EQ(s.Bytes()[0], 1);      // PNG
    EXPECT_EQ(s.Bytes()[5 + 29], 1); // transparent flag after the bytes

    TPicture read;
    ASSERT_TRUE(ReadPicture(s, read));
    EXPECT_EQ(read, png);
    EXPECT_EQ(read.Width(), 3);
    ASSERT_TRUE(ReadPicture(s, read));
    EXPECT_TRUE(read.Empty());
    EXPECT_FALSE(read.Transparent);
}

TEST(Stream, ShortInputFailsAndLeavesTheValue) {
    const Bytes three{1, 2, 3};
    std::int16_t sh = 7;
    std::int32_t lo = 7;
    std::int64_t i64 = 7;
    double d = 7;
    bool b = false;
    vlPoint p{7, 7};
    std::string str = "gardé";
    TPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(pngHeader(1, 1)));
    const TPicture before = picture;

    TMemoryStream one(Bytes{1});
    EXPECT_FALSE(ReadShort(one, sh));
    EXPECT_EQ(sh, 7);
    TMemoryStream s3(three);
    EXPECT_FALSE(ReadLong(s3, lo));
    EXPECT_EQ(lo, 7);
    TMemoryStream s3b(three);
    EXPECT_FALSE(ReadInt64(s3b, i64));
    EXPECT_FALSE(ReadDouble(s3b, d));
    EXPECT_EQ(i64, 7);
    EXPECT_EQ(d, 7);
    TMemoryStream empty;
    EXPECT_FALSE(ReadBool(empty, b));
    TMemoryStream sPoint(Bytes{1, 0, 0, 0, 2, 0});
    EXPECT_FALSE(ReadPoint(sPoint, p));
    EXPECT_EQ(p, (vlPoint{7, 7}));
    // A string announcing 5 bytes with 3 left.
    TMemoryStream sString(Bytes{5, 0, 0, 0, 'a', 'b', 'c'});
    EXPECT_FALSE(ReadString(sString, str));
    EXPECT_EQ(str, "gardé");
    // The same on a stream that cannot tell its size: the short read is caught.
    BlindStream blind(Bytes{5, 0, 0, 0, 'a', 'b', 'c'});
    EXPECT_FALSE(ReadString(blind, str));
    EXPECT_EQ(str, "gardé");
    // A picture cut before its transparency flag.
    Bytes cut = written([&](TStream& s) { return WritePicture(s, picture); });
    cut.pop_back();
    TMemoryStream sPicture(cut);
    TPicture other;
    EXPECT_FALSE(ReadPicture(sPicture, other));
    EXPECT_TRUE(other.Empty());
    std::uint8_t buffer[4] = {9, 9, 9, 9};
    TMemoryStream sBuffer(three);
    EXPECT_FALSE(ReadBuffer(sBuffer, buffer, 4));
    EXPECT_EQ(picture, before);
}

TEST(Stream, CorruptedCountsAreRefusedWithoutAllocating) {
    std::string str = "gardé";
    TMemoryStream huge(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 'x'});
    EXPECT_FALSE(ReadString(huge, str));
    EXPECT_EQ(str, "gardé");
    // Beyond 64 MiB even when the stream cannot tell how much it holds.
    BlindStream blind(Bytes{0x01, 0x00, 0x00, 0x04, 'x'});
    EXPECT_FALSE(ReadString(blind, str));

    TStringList list;
    list.Add("gardée");
    TMemoryStream manyStrings(Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0});
    EXPECT_FALSE(ReadStrings(manyStrings, list));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0], "gardée");

    TPicture picture;
    TMemoryStream hugePicture(Bytes{1, 0xFF, 0xFF, 0xFF, 0xFF, 0});
    EXPECT_FALSE(ReadPicture(hugePicture, picture));
}

TEST(Stream, PicturesAreValidatedOnReading) {
    const auto read = [](const Bytes& bytes) {
        TMemoryStream s(bytes);
        TPicture picture;
        return ReadPicture(s, picture);
    };
    Bytes good = written([](TStream& s) {
        TPicture p;
        return p.LoadFromBytes(pngHeader(2, 2)) && WritePicture(s, p);
    });
    ASSERT_TRUE(read(good));

    Bytes unknownFormat = good;
    unknownFormat[0] = 3;
    EXPECT_FALSE(read(unknownFormat));
    Bytes wrongFormat = good; // says JPEG, holds PNG
    wrongFormat[0] = 2;
    EXPECT_FALSE(read(wrongFormat));
    Bytes badSignature = good;
    badSignature[5 + 1] = 'Q';
    EXPECT_FALSE(read(badSignature));
    EXPECT_FALSE(read(Bytes{0, 1, 0, 0, 0, 0xAA, 0})); // "none" with bytes
}

TEST(Stream, StringsBeyondTheLimitAreNotWritten) {
    TMemoryStream s;
    EXPECT_FALSE(WriteString(s, std::string(MAX_STREAM_BLOCK + 1, 'x')));
    EXPECT_TRUE(s.Bytes().empty());
}

TEST(MemoryStream, WriteLimitStoresWhatFitsAndFails) {
    TMemoryStream s;
    s.SetWriteLimit(6);
    EXPECT_TRUE(WriteLong(s, 1));
    EXPECT_FALSE(WriteLong(s, 0x05040302));
    EXPECT_EQ(s.Bytes(), (Bytes{1, 0, 0, 0, 2, 3}));
    EXPECT_FALSE(WriteBool(s, true));

    std::uint8_t back[8] = {};
    EXPECT_EQ(s.Read(back, 8), 6u);
    EXPECT_EQ(s.Position(), 6u);
    EXPECT_EQ(s.Read(back, 8), 0u);
    s.Rewind();
    EXPECT_EQ(s.Remaining(), 6u);
}

TEST(Stream, RawBlocksReportTheBytesMoved) {
    TMemoryStream s;
    const char text[] = "abcdef";
    std::size_t done = 0;
    EXPECT_TRUE(WriteFile(s, text, 6, done));
    EXPECT_EQ(done, 6u);
    ASSERT_TRUE(WriteLong(s, 42));

    char back[6] = {};
    EXPECT_TRUE(ReadFile(s, back, 6, done));
    EXPECT_EQ(done, 6u);
    EXPECT_EQ(std::string(back, 6), "abcdef");
    std::int32_t v = 0;
    EXPECT_TRUE(ReadLong(s, v)); // in order with the primitives
    EXPECT_EQ(v, 42);

    TMemoryStream shortStream(Bytes{1, 2, 3});
    EXPECT_FALSE(ReadFile(shortStream, back, 6, done));
    EXPECT_EQ(done, 3u);

    TMemoryStream full;
    full.SetWriteLimit(2);
    EXPECT_FALSE(WriteFile(full, text, 6, done));
    EXPECT_EQ(done, 0u);
}

TEST(FileStream, WritesAndReadsBackTheSameBytes) {
    TempFolder folder;
    const std::string path = folder.file("flux.bin");
    {
        TFileStream out(path, TFileStream::fmCreate);
        ASSERT_TRUE(out.IsOpen());
        EXPECT_EQ(out.Read(nullptr, 0), 0u);
        ASSERT_TRUE(WriteLong(out, -5) && WriteString(out, "théorème") && WriteBool(out, true));
        EXPECT_TRUE(out.Close());
        EXPECT_FALSE(WriteLong(out, 1)); // closed
    }
    TFileStream in(path, TFileStream::fmOpenRead);
    ASSERT_TRUE(in.IsOpen());
    EXPECT_EQ(in.Remaining(), 4u + (4 + 10) + 1); // "théorème" takes 10 bytes
    std::int32_t v = 0;
    std::string text;
    bool b = false;
    EXPECT_TRUE(ReadLong(in, v) && ReadString(in, text) && ReadBool(in, b));
    EXPECT_EQ(v, -5);
    EXPECT_EQ(text, "théorème");
    EXPECT_TRUE(b);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_FALSE(ReadBool(in, b));
    EXPECT_FALSE(WriteBool(in, true)); // opened for reading
}

TEST(FileStream, MissingFileAndCorruptCount) {
    TempFolder folder;
    TFileStream missing(folder.file("absent.bin"), TFileStream::fmOpenRead);
    EXPECT_FALSE(missing.IsOpen());
    std::int32_t v = 3;
    EXPECT_FALSE(ReadLong(missing, v));
    EXPECT_EQ(v, 3);

    const std::string path = folder.put("faux.bin", std::string("\xF0\xFF\xFF\x00xyz", 7));
    TFileStream in(path, TFileStream::fmOpenRead);
    std::string text = "gardé";
    EXPECT_FALSE(ReadString(in, text)); // announces 16 MiB, holds 3 bytes
    EXPECT_EQ(text, "gardé");
}

} // namespace
