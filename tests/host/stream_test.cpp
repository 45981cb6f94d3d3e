#include "host/Stream.h"
#include "platform/StringList.h"
#include "platform/TestPng.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

// The `width` low bytes of v, least significant first.
Bytes le(std::uint64_t v, int width) {
    Bytes b;
    for (int i = 0; i < width; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
    return b;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes encoded(const auto& write, const auto& value) {
    TMemoryStream s;
    EXPECT_TRUE(write(s, value));
    return s.Bytes();
}

// `value` is written as exactly `bytes`, read back as itself, and every shorter input fails
// leaving the target at `other`.
template <class T, class Write, class Read>
void expectEncoding(Write write, Read read, const T& value, const Bytes& bytes, const T& other) {
    EXPECT_EQ(encoded(write, value), bytes);
    TMemoryStream in(bytes);
    T back = other;
    ASSERT_TRUE(read(in, back));
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(encoded(write, back), bytes); // also tells -0.0 from 0.0 and reads NaN
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        TMemoryStream cut(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(n)));
        T kept = other;
        EXPECT_FALSE(read(cut, kept)) << n << " of " << bytes.size() << " bytes";
        EXPECT_EQ(encoded(write, kept), encoded(write, other)) << n << " bytes";
    }
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

TPicture pngPicture(bool transparent) {
    TPicture picture;
    EXPECT_TRUE(picture.LoadFromBytes(PngHeader(3, 4)));
    picture.Transparent = transparent;
    return picture;
}

TEST(Stream, PrimitivesAreLittleEndianFixedWidthAndRefuseShortInput) {
    expectEncoding(WriteShort, ReadShort, std::int16_t(-2), Bytes{0xFE, 0xFF}, std::int16_t(7));
    expectEncoding(WriteLong, ReadLong, std::int32_t(0x01020304), Bytes{4, 3, 2, 1}, 7);
    expectEncoding(WriteInt64, ReadInt64, std::int64_t(0x8102030405060708u),
                   le(0x8102030405060708u, 8), std::int64_t(7));
    expectEncoding(WriteDouble, ReadDouble, -0.0, le(0x8000000000000000u, 8), 7.0);
    expectEncoding(WriteDouble, ReadDouble, std::numeric_limits<double>::quiet_NaN(),
                   le(0x7FF8000000000000u, 8), 7.0);
    expectEncoding(WriteBool, ReadBool, true, Bytes{1}, false);
    expectEncoding(WritePoint, ReadPoint, vlPoint{INT32_MIN, INT32_MAX},
                   le(0x80000000u, 4) + le(INT32_MAX, 4), vlPoint{7, 7});
    const std::string kept = "gardé";
    expectEncoding(WriteString, ReadString, std::string(), le(0, 4), kept);
    const std::string withNul("a\0b", 3);
    expectEncoding(WriteString, ReadString, withNul, le(3, 4) + Bytes{'a', 0, 'b'}, kept);
    const std::string utf8 = "Opération ½ × 3 € 🍎";
    expectEncoding(WriteString, ReadString, utf8,
                   le(utf8.size(), 4) + Bytes(utf8.begin(), utf8.end()), kept);
    // A picture: format (1 for PNG), byte count, bytes, transparency flag.
    expectEncoding(WritePicture, ReadPicture, TPicture{}, Bytes(6, 0), TPicture{});
    expectEncoding(WritePicture, ReadPicture, pngPicture(true),
                   Bytes{1} + le(29, 4) + PngHeader(3, 4) + Bytes{1}, TPicture{});

    TMemoryStream seven(Bytes{0x7F});
    bool b = false;
    EXPECT_TRUE(ReadBool(seven, b) && b); // any non-zero byte reads as true
}

TEST(Stream, StringListsAndRawBlocksRoundTripInOrder) {
    TStringList list;
    list.SetText("un\r\n\r\ntrois é");
    std::size_t done = 0;
    TMemoryStream s;
    ASSERT_TRUE(WriteStrings(s, list) && WriteBuffer(s, "abc", 3) && WriteFile(s, "def", 3, done));
    TStringList read;
    read.Add("ancien");
    char back[6] = {};
    ASSERT_TRUE(ReadStrings(s, read) && ReadBuffer(s, back, 3) && ReadFile(s, back + 3, 3, done));
    EXPECT_EQ(read.Text(), list.Text());
    EXPECT_EQ(std::string(back, 6), "abcdef");
    EXPECT_EQ(s.Remaining(), 0u);
    TMemoryStream three(Bytes{1, 2, 3});
    EXPECT_FALSE(ReadFile(three, back, 6, done));
    EXPECT_EQ(done, 3u); // what was moved
}

TEST(Stream, CountsBeyondTheLimitOrTheStreamAreRefusedWithoutAllocating) {
    TMemoryStream out;
    EXPECT_FALSE(WriteString(out, std::string(MAX_STREAM_BLOCK + 1, 'x')));
    EXPECT_TRUE(out.Bytes().empty());
    std::string str = "gardé";
    TMemoryStream huge(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 'x'});
    EXPECT_FALSE(ReadString(huge, str));
    // On a stream that cannot tell its size: a short read, and a count beyond 64 MiB.
    BlindStream shortBlind(Bytes{5, 0, 0, 0, 'a', 'b', 'c'});
    EXPECT_FALSE(ReadString(shortBlind, str));
    BlindStream hugeBlind(Bytes{0x01, 0x00, 0x00, 0x04, 'x'});
    EXPECT_FALSE(ReadString(hugeBlind, str));
    EXPECT_EQ(str, "gardé");
    TStringList list;
    list.Add("gardée");
    TMemoryStream manyStrings(Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0});
    EXPECT_FALSE(ReadStrings(manyStrings, list));
    EXPECT_EQ(list.Text(), "gardée\r\n");
    TPicture picture;
    TMemoryStream hugePicture(Bytes{1, 0xFF, 0xFF, 0xFF, 0xFF, 0});
    EXPECT_FALSE(ReadPicture(hugePicture, picture));
}

TEST(Stream, PicturesAreValidatedOnReading) {
    const Bytes good = encoded(WritePicture, pngPicture(false));
    const auto readsWith = [&](std::size_t at, std::uint8_t value) {
        Bytes bytes = good;
        bytes[at] = value;
        TMemoryStream s(bytes);
        TPicture picture;
        return ReadPicture(s, picture);
    };
    EXPECT_FALSE(readsWith(0, 3));   // unknown format
    EXPECT_FALSE(readsWith(0, 2));   // says JPEG, holds PNG
    EXPECT_FALSE(readsWith(6, 'Q')); // bad signature
    EXPECT_TRUE(readsWith(34, 0));   // only the transparency flag changed
    TMemoryStream noneWithBytes(Bytes{0, 1, 0, 0, 0, 0xAA, 0});
    TPicture picture;
    EXPECT_FALSE(ReadPicture(noneWithBytes, picture));
}

} // namespace
