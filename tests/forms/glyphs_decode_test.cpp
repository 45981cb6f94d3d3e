// The palette glyphs as Qt's PNG reader sees them.
#include "forms/forms_test_support.h"
#include "package/Glyphs.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <set>

namespace {

QImage decode(const TPicture& picture) {
    QImage image;
    image.loadFromData(picture.bytes().data(), int(picture.bytes().size()), "PNG");
    return image.convertToFormat(QImage::Format_ARGB32);
}

const std::set<QRgb> classicColours = {qRgb(0, 0, 0),     qRgb(128, 0, 0),     qRgb(0, 128, 0),
                                       qRgb(128, 128, 0), qRgb(0, 0, 128),     qRgb(128, 0, 128),
                                       qRgb(0, 128, 128), qRgb(128, 128, 128), qRgb(192, 192, 192),
                                       qRgb(255, 0, 0),   qRgb(0, 255, 0),     qRgb(255, 255, 0),
                                       qRgb(0, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255)};

} // namespace

TEST(GlyphsDecode, EveryGlyphIsASixteenPixelPictureOnATransparentGround) {
    for (const std::string& name : NomsGlyphes()) {
        SCOPED_TRACE(name);
        TPicture glyph;
        ASSERT_TRUE(ChargeGlyphe(name, glyph));
        const QImage image = decode(glyph);
        ASSERT_EQ(image.size(), QSize(16, 16));
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
    }
}
