// What Qt's PNG reader makes of the pictures the encoder writes.
#include "platform/PngEncoder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

QImage decode(const std::vector<std::uint8_t>& png) {
    QImage image;
    image.loadFromData(png.data(), int(png.size()), "PNG");
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRgb argb(const TPngColour& c) {
    return qRgba(c.r, c.g, c.b, c.a);
}

} // namespace

TEST(PngEncoderQt, DecodesIndexedPicturesAtEveryBitDepth) {
    for (const int colours : {2, 3, 16, 200}) {
        std::vector<TPngColour> palette;
        for (int i = 0; i < colours; ++i)
            palette.push_back({std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 3),
                               std::uint8_t(i == 1 ? 0 : 255)});
        const int width = 13; // rows that do not end on a byte boundary
        const int height = 5;
        std::vector<std::uint8_t> pixels;
        for (int i = 0; i < width * height; ++i)
            pixels.push_back(std::uint8_t((i * 5 + i / width) % colours));

        const QImage image = decode(EncodePngIndexed(width, height, palette, pixels));
        ASSERT_FALSE(image.isNull()) << colours << " colours";
        ASSERT_EQ(image.size(), QSize(width, height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb expected = argb(palette[pixels[std::size_t(y * width + x)]]);
                const QRgb got = image.pixel(x, y);
                // Qt may drop the colour of fully transparent pixels.
                if (qAlpha(expected) == 0)
                    EXPECT_EQ(qAlpha(got), 0) << colours << " colours at " << x << "," << y;
                else
                    EXPECT_EQ(got, expected) << colours << " colours at " << x << "," << y;
            }
    }
}

TEST(PngEncoderQt, DecodesLargeRgbaPictures) {
    const int width = 211;
    const int height = 97; // over 80 000 bytes: several stored blocks
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rgba.insert(rgba.end(), {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y), 255});
    const QImage image = decode(EncodePngRgba(width, height, rgba));
    ASSERT_EQ(image.size(), QSize(width, height));
    for (int y = 0; y < height; y += 7)
        for (int x = 0; x < width; x += 5)
            ASSERT_EQ(image.pixel(x, y), qRgb(x, y, x ^ y)) << x << "," << y;
}
