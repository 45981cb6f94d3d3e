#include "platform/qt/QtPictureCache.h"

#include "platform_qt/qt_test_support.h"

#include <gtest/gtest.h>

using namespace qt_test;

namespace {

TPicture Solid(QRgb colour, int size = 3) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(1, 0, qRgb(255, 255, 0));
    return PngPicture(image);
}

} // namespace

// A picture is decoded once, and stays while it is among the last ones used; transparency
// (the bottom-left colour made clear) is part of the key.
TEST(QtPictureCache, DecodesAndKeepsTheLastPictures) {
    QtPictureCache cache(2);
    TPicture red = Solid(qRgb(255, 0, 0));
    const QImage first = cache.Image(red);
    EXPECT_EQ(first.size(), QSize(3, 3));
    EXPECT_EQ(first.pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(qAlpha(first.pixel(0, 2)), 255);
    EXPECT_EQ(cache.Image(red).cacheKey(), first.cacheKey());
    red.Transparent = true;
    const QImage keyed = cache.Image(red);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 2)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(1, 0)), 255);
    EXPECT_EQ(cache.Size(), 2u);
    cache.Image(Solid(qRgb(0, 0, 255)));
    EXPECT_EQ(cache.Size(), 2u);
    red.Transparent = false;
    EXPECT_NE(cache.Image(red).cacheKey(), first.cacheKey()); // the least recently used went
}

TEST(QtPictureCache, EmptyOrUndecodablePicturesGiveANullImage) {
    QtPictureCache cache;
    EXPECT_TRUE(cache.Image(TPicture()).isNull());
    TPicture broken = Solid(qRgb(1, 2, 3), 40);
    std::vector<std::uint8_t> bytes = broken.bytes();
    bytes.resize(40); // a PNG header with nothing behind it
    ASSERT_TRUE(broken.LoadFromBytes(bytes));
    EXPECT_TRUE(cache.Image(broken).isNull());
}
