// Decoded pictures for StretchDraw. A sheet draws the same few pictures again and again, so
// the last ones decoded are kept, keyed by their bytes.
#pragma once

#include "platform/Picture.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

class QtPictureCache {
public:
    explicit QtPictureCache(std::size_t capacity = 16) : capacity_(capacity) {}

    // The decoded picture, its bottom-left colour made transparent when picture.Transparent is
    // set; a null image when the bytes do not decode.
    QImage Image(const TPicture& picture);
    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        std::size_t hash;
        bool transparent;
        std::vector<std::uint8_t> bytes;
        QImage image;
    };

    static QImage decode(const TPicture& picture);

    std::size_t capacity_;
    std::list<Entry> entries_; // most recently used first
};
