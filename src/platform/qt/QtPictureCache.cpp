#include "platform/qt/QtPictureCache.h"

#include <QByteArrayView>
#include <QHashFunctions>

namespace {

std::size_t hashOf(const std::vector<std::uint8_t>& bytes) {
    return qHash(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// Every pixel of the bottom-left pixel's colour becomes fully transparent.
QImage withTransparentKey(const QImage& decoded) {
    QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    return image;
}

} // namespace

QImage QtPictureCache::Image(const TPicture& picture) {
    if (picture.Empty())
        return {};
    const std::vector<std::uint8_t>& bytes = picture.bytes();
    const std::size_t hash = hashOf(bytes);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->hash == hash && it->transparent == picture.Transparent && it->bytes == bytes) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().image;
        }
    }
    QImage image = decode(picture);
    if (capacity_ == 0)
        return image;
    entries_.push_front({hash, picture.Transparent, bytes, image});
    if (entries_.size() > capacity_)
        entries_.pop_back();
    return image;
}

QImage QtPictureCache::decode(const TPicture& picture) {
    const std::vector<std::uint8_t>& bytes = picture.bytes();
    QImage image;
    if (!image.loadFromData(bytes.data(), int(bytes.size())) || image.isNull())
        return {};
    if (picture.Transparent)
        return withTransparentKey(image);
    return image;
}
