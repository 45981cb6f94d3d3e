#include "platform/Picture.h"

#include "platform/Paths.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> pngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// Pictures wider or taller than this are refused: no page needs them, and a hostile header
// cannot ask a backend for an absurd buffer.
constexpr std::uint32_t maxSide = 1u << 20;

std::uint32_t bigEndian16(const Bytes& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 8) | b[at + 1];
}

std::uint32_t bigEndian32(const Bytes& b, std::size_t at) {
    return (bigEndian16(b, at) << 16) | bigEndian16(b, at + 2);
}

bool validSize(std::uint32_t width, std::uint32_t height) {
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide;
}

// Signature, then the IHDR chunk first: length 13, "IHDR", width, height, five more bytes.
bool readPng(const Bytes& b, int& width, int& height) {
    constexpr std::size_t ihdrEnd = 8 + 8 + 13;
    if (b.size() < ihdrEnd)
        return false;
    for (std::size_t i = 0; i < pngSignature.size(); ++i)
        if (b[i] != pngSignature[i])
            return false;
    if (bigEndian32(b, 8) != 13 || b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R')
        return false;
    const std::uint32_t w = bigEndian32(b, 16);
    const std::uint32_t h = bigEndian32(b, 20);
    if (!validSize(w, h))
        return false;
    width = int(w);
    height = int(h);
    return true;
}

bool isStartOfFrame(std::uint8_t marker) {
    // C0..CF are frame headers except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isStandalone(std::uint8_t marker) {
    // TEM, RST0..RST7 and SOI carry no length.
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// Walks the marker segments up to the first frame header and reads its size.
bool readJpeg(const Bytes& b, int& width, int& height) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return false;
    std::size_t at = 2;
    while (at < b.size()) {
        if (b[at] != 0xFF)
            return false;
        while (at < b.size() && b[at] == 0xFF) // fill bytes
            ++at;
        if (at >= b.size())
            return false;
        const std::uint8_t marker = b[at++];
        if (isStandalone(marker))
            continue;
        if (marker == 0x00 || marker == 0xD9 || marker == 0xDA) // no frame before data or end
            return false;
        if (b.size() - at < 2)
            return false;
        const std::size_t length = bigEndian16(b, at);
        if (length < 2 || b.size() - at < length)
            return false;
        if (isStartOfFrame(marker)) {
            // Length, precision, height, width.
            if (length < 7)
                return false;
            const std::uint32_t h = bigEndian16(b, at + 3);
            const std::uint32_t w = bigEndian16(b, at + 5);
            if (!validSize(w, h))
                return false;
            width = int(w);
            height = int(h);
            return true;
        }
        at += length;
    }
    return false;
}

} // namespace

bool ReadPictureHeader(const std::vector<std::uint8_t>& bytes, TPicture::Format& format, int& width,
                       int& height) {
    int w = 0;
    int h = 0;
    if (readPng(bytes, w, h)) {
        format = TPicture::Format::Png;
    } else if (readJpeg(bytes, w, h)) {
        format = TPicture::Format::Jpeg;
    } else {
        return false;
    }
    width = w;
    height = h;
    return true;
}

bool TPicture::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    Format format = Format::None;
    int width = 0;
    int height = 0;
    if (!ReadPictureHeader(bytes, format, width, height)) {
        Clear();
        return false;
    }
    format_ = format;
    bytes_ = std::move(bytes);
    width_ = width;
    height_ = height;
    return true;
}

bool TPicture::LoadFromFile(const std::string& path) {
    std::string contents;
    if (!ReadWholeFile(path, contents)) {
        Clear();
        return false;
    }
    return LoadFromBytes(std::vector<std::uint8_t>(contents.begin(), contents.end()));
}

// Transparent is how the picture is drawn, not what it holds: it survives a new load.
void TPicture::Clear() {
    format_ = Format::None;
    bytes_.clear();
    width_ = 0;
    height_ = 0;
}
