// PNG bytes for the tests: the smallest header the picture reader takes, and a chunk reader
// that checks each chunk's CRC.
#pragma once

#include "platform/PngEncoder.h"

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

inline std::uint32_t BigEndian32(const Bytes& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) |
           (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}

struct PngChunk {
    std::string type;
    Bytes data;
    bool crcOk = false;
};

// The chunks of a PNG, in order.
inline std::vector<PngChunk> PngChunks(const Bytes& png) {
    std::vector<PngChunk> found;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = BigEndian32(png, at);
        if (at + 12 + length > png.size())
            break;
        const auto begin = png.begin() + std::ptrdiff_t(at);
        found.push_back(
            {std::string(begin + 4, begin + 8), Bytes(begin + 8, begin + 8 + length),
             Crc32(png.data() + at + 4, length + 4) == BigEndian32(png, at + 8 + length)});
        at += 12 + length;
    }
    return found;
}

// The data of the first chunk of that type, empty when there is none.
inline Bytes PngChunkData(const Bytes& png, const std::string& type) {
    for (const PngChunk& c : PngChunks(png))
        if (c.type == type)
            return c.data;
    return {};
}
