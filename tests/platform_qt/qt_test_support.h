// Shared by the Qt canvas tests: a QGuiApplication for the whole test program, rendering a
// drawing to an image, and reading pixels back.
#pragma once

#include "platform/Picture.h"
#include "platform/qt/QtApplicationGuard.h"
#include "platform/qt/QtCanvas.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace qt_test {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { guard_ = std::make_unique<QtApplicationGuard>(); }
    void TearDown() override { guard_.reset(); }

private:
    std::unique_ptr<QtApplicationGuard> guard_;
};

inline ::testing::Environment* const applicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

// An image of `widthUnits` x `heightUnits` canvas units at `dpi`, white or a copy of `below`,
// drawn on by `draw`.
inline QImage Render(int widthUnits, int heightUnits, double dpi,
                     const std::function<void(TQtCanvas&)>& draw, const QImage* below = nullptr) {
    const double scale = dpi / 254.0;
    QImage image(int(widthUnits * scale + 0.5), int(heightUnits * scale + 0.5),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    if (below != nullptr)
        image = *below;
    QPainter painter(&image);
    TQtCanvas canvas(painter, scale);
    draw(canvas);
    return image;
}

inline bool IsDark(const QImage& image, int x, int y, int threshold = 160) {
    return qGray(image.pixel(x, y)) < threshold;
}

inline QRgb Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Indices of the dark pixels along a row, or along a column of the image turned over its
// diagonal.
inline std::vector<int> DarkInRow(const QImage& image, int y, int threshold = 160) {
    std::vector<int> found;
    for (int x = 0; x < image.width(); ++x)
        if (IsDark(image, x, y, threshold))
            found.push_back(x);
    return found;
}

inline std::vector<int> DarkInColumn(const QImage& image, int x, int threshold = 160) {
    return DarkInRow(image.transformed(QTransform(0, 1, 1, 0, 0, 0)), x, threshold);
}

// The bounding box of the pixels that are not white, null when there are none.
inline QRect InkBounds(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Rgb(image, x, y) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline TPicture PngPicture(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    TPicture picture;
    picture.LoadFromBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return picture;
}

} // namespace qt_test
