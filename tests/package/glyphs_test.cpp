#include "package/Glyphs.h"
#include "package/StringTable.h"
#include "platform/TestPng.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
    // An unknown name leaves the picture alone.
    TPicture glyph = seen.front();
    for (const char* unknown : {"BM_INCONNU", "", "bm_fleche"}) {
        EXPECT_FALSE(ChargeGlyphe(unknown, glyph)) << unknown;
        EXPECT_EQ(glyph, seen.front()) << unknown;
    }
}

TEST(Glyphs, UseTheSixteenClassicColoursWithATransparentBackground) {
    TPicture glyph;
    ASSERT_TRUE(ChargeGlyphe("BM_SUDOKU", glyph));
    const std::vector<std::uint8_t> header = PngChunkData(glyph.bytes(), "IHDR");
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(header[8], 4) << "four bits a pixel";
    EXPECT_EQ(header[9], 3) << "palette colours";
    const std::vector<std::uint8_t> expected = {
        0, 0,   0,   128, 0,   0,   0,   128, 0,   128, 128, 0,   0,   0,   128, 128,
        0, 128, 0,   128, 128, 128, 128, 128, 192, 192, 192, 255, 0,   0,   0,   255,
        0, 255, 255, 0,   0,   0,   255, 255, 0,   255, 0,   255, 255, 255, 255, 255};
    EXPECT_EQ(PngChunkData(glyph.bytes(), "PLTE"), expected);
    std::vector<std::uint8_t> alphas(14, 255);
    alphas[13] = 0; // fuchsia
    EXPECT_EQ(PngChunkData(glyph.bytes(), "tRNS"), alphas);
}
