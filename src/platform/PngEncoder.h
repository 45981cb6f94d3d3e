// A small PNG writer for pictures the program draws itself (palette glyphs, test images): no
// compression (zlib "stored" blocks), no library. Readers of any kind decode the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TPngColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
};

// An indexed picture: `pixels` holds one palette index a pixel, row by row from the top. The bit
// depth is the smallest of 1, 2, 4 and 8 that holds the palette; colours with an alpha below 255
// are written in a transparency chunk. Empty bytes when the size is not positive, the palette is
// empty or above 256 colours, `pixels` has not width × height entries or an index lies outside
// the palette.
std::vector<std::uint8_t> EncodePngIndexed(int width, int height,
                                           const std::vector<TPngColour>& palette,
                                           const std::vector<std::uint8_t>& pixels);

// A true-colour picture with alpha: four bytes (r, g, b, a) a pixel, row by row from the top.
// Empty bytes when the size is not positive or `rgba` has not width × height × 4 bytes.
std::vector<std::uint8_t> EncodePngRgba(int width, int height,
                                        const std::vector<std::uint8_t>& rgba);

// The checksums of the format: CRC-32 (ISO 3309, as PNG chunks use it) and Adler-32 (zlib).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);
