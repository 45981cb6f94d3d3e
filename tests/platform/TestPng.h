// PNG bytes for the tests: the smallest header the picture reader takes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The signature and the IHDR chunk of a width x height picture (29 bytes, CRC not filled in).
inline Bytes PngHeader(std::uint32_t width, std::uint32_t height) {
    Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (const std::uint32_t v : {width, height})
        for (const int shift : {24, 16, 8, 0})
            b.push_back(std::uint8_t(v >> shift));
    b.insert(b.end(), {8, 6, 0, 0, 0}); // depth, colour type, methods
    return b;
}
