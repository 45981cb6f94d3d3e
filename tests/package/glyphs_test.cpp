#include "package/Glyphs.h"
#include "package/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The data of the first chunk of that type in a PNG, empty when there is none.
std::vector<std::uint8_t> chunk(const std::vector<std::uint8_t>& png, const std::string& type) {
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::size_t length = (std::size_t(png[at]) << 24) | (std::size_t(png[at + 1]) << 16) |
                                   (std::size_t(png[at + 2]) << 8) | png[at + 3];
        if (std::string(png.begin() + std::ptrdiff_t(at + 4),
                        png.begin() + std::ptrdiff_t(at + 8)) == type)
            return {png.begin() + std::ptrdiff_t(at + 8),
                    png.begin() + std::ptrdiff_t(at + 8 + length)};
        at += 12 + length;
    }
    return {};
}

std::vector<std::string> tableBitmapNames() {
    std::vector<std::string> names;
    for (int base = 10; base <= 170; base += 10) {
        std::string name;
        ChargeChaine(base + 2, name);
        names.push_back(name);
    }
    return names;
}

} // namespace

TEST(Glyphs, EveryBitmapOfThePaletteTableIsASixteenPixelPng) {
    EXPECT_EQ(NomsGlyphes(), tableBitmapNames());
    std::vector<TPicture> seen;
    for (const std::string& name : tableBitmapNames()) {
        TPicture glyph;
        ASSERT_TRUE(ChargeGlyphe(name, glyph)) << name;
        EXPECT_EQ(glyph.format(), TPicture::Format::Png) << name;
        EXPECT_EQ(glyph.Width(), 16) << name;
        EXPECT_EQ(glyph.Height(), 16) << name;
        for (const TPicture& other : seen)
            EXPECT_FALSE(other == glyph) << name << ": each kind has a picture of its own";
        seen.push_back(glyph);
    }
}

TEST(Glyphs, UseTheSixteenClassicColoursWithATransparentBackground) {
    TPicture glyph;
    ASSERT_TRUE(ChargeGlyphe("BM_SUDOKU", glyph));
    const std::vector<std::uint8_t> header = chunk(glyph.bytes(), "IHDR");
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(header[8], 4) << "four bits a pixel";
    EXPECT_EQ(header[9], 3) << "palette colours";
    const std::vector<std::uint8_t> expected = {
        0, 0,   0,   128, 0,   0,   0,   128, 0,   128, 128, 0,   0,   0,   128, 128,
        0, 128, 0,   128, 128, 128, 128, 128, 192, 192, 192, 255, 0,   0,   0,   255,
        0, 255, 255, 0,   0,   0,   255, 255, 0,   255, 0,   255, 255, 255, 255, 255};
    EXPECT_EQ(chunk(glyph.bytes(), "PLTE"), expected);
    std::vector<std::uint8_t> alphas(14, 255);
    alphas[13] = 0; // fuchsia
    EXPECT_EQ(chunk(glyph.bytes(), "tRNS"), alphas);
}

TEST(Glyphs, UnknownNameLeavesThePictureAlone) {
    TPicture glyph;
    ASSERT_TRUE(ChargeGlyphe("BM_DE", glyph));
    const TPicture before = glyph;
    EXPECT_FALSE(ChargeGlyphe("BM_INCONNU", glyph));
    EXPECT_FALSE(ChargeGlyphe("", glyph));
    EXPECT_FALSE(ChargeGlyphe("bm_de", glyph));
    EXPECT_EQ(glyph, before);
}
