// The palette glyphs of the data folder (drawn by tools/glyphs) as Qt's PNG reader sees them.
#include "forms/forms_test_support.h"
#include "host/Services.h"
#include "package/StringTable.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <set>

namespace {

const std::set<QRgb> classicColours = {qRgb(0, 0, 0),     qRgb(128, 0, 0),     qRgb(0, 128, 0),
                                       qRgb(128, 128, 0), qRgb(0, 0, 128),     qRgb(128, 0, 128),
                                       qRgb(0, 128, 128), qRgb(128, 128, 128), qRgb(192, 192, 192),
                                       qRgb(255, 0, 0),   qRgb(0, 255, 0),     qRgb(255, 255, 0),
                                       qRgb(0, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255)};

} // namespace

TEST(GlyphsDecode, EveryBitmapOfThePaletteTableIsASixteenPixelPictureOnATransparentGround) {
    std::vector<QImage> seen;
    for (int base = 10; base <= 170; base += 10) {
        std::string name;
        ASSERT_TRUE(ChargeChaine(base + 2, name));
        SCOPED_TRACE(name);
        TPicture glyph;
        ASSERT_TRUE(ChargeBitmap(glyph, "palette/" + name + ".png"));
        QImage image;
        ASSERT_TRUE(image.loadFromData(glyph.bytes().data(), int(glyph.bytes().size()), "PNG"));
        ASSERT_EQ(image.size(), QSize(16, 16));
        EXPECT_LE(image.colorCount(), 16) << "an indexed picture of the classic colours";
        image = image.convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    continue;
                EXPECT_EQ(qAlpha(pixel), 255) << x << "," << y;
                EXPECT_EQ(classicColours.count(pixel), 1u) << x << "," << y;
                ++opaque;
            }
        EXPECT_GT(opaque, 20) << "something is drawn";
        EXPECT_LT(opaque, 256) << "the ground shows through somewhere";
        for (const QImage& other : seen)
            EXPECT_NE(other, image) << "each kind has a picture of its own";
        seen.push_back(image);
    }
}
