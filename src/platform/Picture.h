// A picture as the worksheet keeps it: the encoded bytes (PNG or JPEG) and the pixel size read
// from their header. Decoding and drawing belong to the canvas backend.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TPicture {
public:
    enum class Format : std::uint8_t { None = 0, Png = 1, Jpeg = 2 };

    TPicture() = default;

    // Takes encoded bytes; false (and an empty picture) when they are neither PNG nor JPEG or
    // their header is unreadable.
    bool LoadFromBytes(std::vector<std::uint8_t> bytes);
    // Reads a PNG or JPEG file; false when it cannot be read or is not a picture.
    bool LoadFromFile(const std::string& path);
    void Clear();

    bool Empty() const { return format_ == Format::None; }
    Format format() const { return format_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // When set, the colour of the bottom-left pixel is drawn as transparent.
    bool Transparent = false;

    bool operator==(const TPicture&) const = default;

private:
    Format format_ = Format::None;
    std::vector<std::uint8_t> bytes_;
    int width_ = 0;
    int height_ = 0;
};

// Reads the pixel size from a PNG or JPEG header; false when the bytes are not one.
bool ReadPictureHeader(const std::vector<std::uint8_t>& bytes, TPicture::Format& format, int& width,
                       int& height);
