// The palette glyphs of the data folder (drawn by tools/glyphs) as Qt's PNG reader sees them.
#include "forms/forms_test_support.h"
#include "host/Services.h"
#include "package/StringTable.h"

#include <QImage>
#include <gtest/gtest.h>

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
        image = image.convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                EXPECT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
                opaque += alpha == 255;
            }
        EXPECT_GT(opaque, 20) << "something is drawn";
        EXPECT_LT(opaque, 256) << "the ground shows through somewhere";
        for (const QImage& other : seen)
            EXPECT_NE(other, image) << "each kind has a picture of its own";
        seen.push_back(image);
    }
}
