#include "platform/qt/QtPictureCache.h"

#include "platform_qt/qt_test_support.h"

#include <gtest/gtest.h>

using namespace qt_test;

namespace {

TPicture Solid(QRgb colour, int size = 3) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return PngPicture(image);
}

} // namespace

TEST(QtPictureCache, DecodesAndKeepsTheLastPictures) {
    QtPictureCache cache(2);
    const TPicture red = Solid(qRgb(255, 0, 0));
    const QImage first = cache.Image(red);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(3, 3));
    EXPECT_EQ(first.pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
    // A second look-up is the same decoded image.
    EXPECT_EQ(cache.Image(red).cacheKey(), first.cacheKey());
    EXPECT_EQ(cache.Size(), 1u);

    cache.Image(Solid(qRgb(0, 255, 0)));
    cache.Image(Solid(qRgb(0, 0, 255)));
    EXPECT_EQ(cache.Size(), 2u);
    // Red was the least recently used and had to go.
    EXPECT_NE(cache.Image(red).cacheKey(), first.cacheKey());
}

TEST(QtPictureCache, TransparencyIsPartOfTheKey) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(qRgb(0, 0, 255));
    source.setPixel(1, 0, qRgb(255, 255, 0));
    TPicture picture = PngPicture(source);
    QtPictureCache cache;
    EXPECT_EQ(qAlpha(cache.Image(picture).pixel(0, 0)), 255);
    picture.Transparent = true;
    const QImage keyed = cache.Image(picture);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(1, 0)), 255);
}

TEST(QtPictureCache, EmptyOrUndecodablePicturesGiveANullImage) {
    QtPictureCache cache;
    EXPECT_TRUE(cache.Image(TPicture()).isNull());
    // A PNG header with nothing behind it.
    TPicture broken = Solid(qRgb(1, 2, 3), 40);
    std::vector<std::uint8_t> bytes = broken.bytes();
    bytes.resize(40);
    ASSERT_TRUE(broken.LoadFromBytes(bytes));
    EXPECT_TRUE(cache.Image(broken).isNull());
}
