#include "platform/PngEncoder.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> signature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::uint8_t colourTypeIndexed = 3;
constexpr std::uint8_t colourTypeRgba = 6;
// The largest payload of one stored deflate block.
constexpr std::size_t storedBlockMax = 65535;

constexpr std::array<std::uint32_t, 256> crcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

void putBigEndian32(Bytes& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value >> 24));
    out.push_back(std::uint8_t(value >> 16));
    out.push_back(std::uint8_t(value >> 8));
    out.push_back(std::uint8_t(value));
}

// Length, type, data and the CRC of type and data.
void putChunk(Bytes& out, std::string_view type, const Bytes& data) {
    putBigEndian32(out, std::uint32_t(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian32(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

// A zlib stream of stored blocks: header, blocks of at most 65535 bytes, Adler-32.
Bytes zlibStored(const Bytes& data) {
    Bytes out{0x78, 0x01}; // deflate with a 32 KiB window, no dictionary, check bits
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(storedBlockMax, data.size() - at);
        const bool last = at + length == data.size();
        out.push_back(last ? 1 : 0); // BFINAL, BTYPE 00 (stored)
        out.push_back(std::uint8_t(length));
        out.push_back(std::uint8_t(length >> 8));
        out.push_back(std::uint8_t(~length));
        out.push_back(std::uint8_t(~length >> 8));
        out.insert(out.end(), data.begin() + std::ptrdiff_t(at),
                   data.begin() + std::ptrdiff_t(at + length));
        at += length;
    } while (at < data.size());
    putBigEndian32(out, Adler32(data.data(), data.size()));
    return out;
}

Bytes header(int width, int height, std::uint8_t bitDepth, std::uint8_t colourType) {
    Bytes ihdr;
    putBigEndian32(ihdr, std::uint32_t(width));
    putBigEndian32(ihdr, std::uint32_t(height));
    ihdr.insert(ihdr.end(), {bitDepth, colourType, 0, 0, 0}); // deflate, adaptive, no interlace
    return ihdr;
}

Bytes assemble(const Bytes& ihdr, const Bytes& plte, const Bytes& trns, const Bytes& scanlines) {
    Bytes out(signature.begin(), signature.end());
    putChunk(out, "IHDR", ihdr);
    if (!plte.empty())
        putChunk(out, "PLTE", plte);
    if (!trns.empty())
        putChunk(out, "tRNS", trns);
    putChunk(out, "IDAT", zlibStored(scanlines));
    putChunk(out, "IEND", {});
    return out;
}

std::uint8_t depthFor(std::size_t colours) {
    if (colours <= 2)
        return 1;
    if (colours <= 4)
        return 2;
    if (colours <= 16)
        return 4;
    return 8;
}

// Each row: filter type 0, then the indices packed from the most significant bit.
Bytes packRows(int width, int height, std::uint8_t depth, const Bytes& pixels) {
    const std::size_t perByte = 8 / depth;
    const std::size_t rowBytes = (std::size_t(width) + perByte - 1) / perByte;
    Bytes out;
    out.reserve(std::size_t(height) * (rowBytes + 1));
    for (int y = 0; y < height; ++y) {
        out.push_back(0);
        const std::size_t rowStart = out.size();
        out.resize(rowStart + rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t index = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            const std::size_t slot = std::size_t(x) % perByte;
            const int shift = int(8 - depth * (slot + 1));
            out[rowStart + std::size_t(x) / perByte] |= std::uint8_t(index << shift);
        }
    }
    return out;
}

bool validSize(int width, int height) {
    return width > 0 && height > 0;
}

} // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        c = crcTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint32_t modulus = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % modulus;
        b = (b + a) % modulus;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePngIndexed(int width, int height,
                                           const std::vector<TPngColour>& palette,
                                           const std::vector<std::uint8_t>& pixels) {
    if (!validSize(width, height) || palette.empty() || palette.size() > 256 ||
        pixels.size() != std::size_t(width) * std::size_t(height))
        return {};
    if (std::any_of(pixels.begin(), pixels.end(),
                    [&](std::uint8_t index) { return index >= palette.size(); }))
        return {};

    Bytes plte;
    for (const TPngColour& c : palette)
        plte.insert(plte.end(), {c.r, c.g, c.b});
    // Alphas up to the last translucent colour; the ones after it are opaque.
    const auto lastTranslucent = std::find_if(palette.rbegin(), palette.rend(),
                                              [](const TPngColour& c) { return c.a != 255; });
    Bytes trns;
    for (auto c = palette.begin(); c != lastTranslucent.base(); ++c)
        trns.push_back(c->a);

    const std::uint8_t depth = depthFor(palette.size());
    return assemble(header(width, height, depth, colourTypeIndexed), plte, trns,
                    packRows(width, height, depth, pixels));
}

std::vector<std::uint8_t> EncodePngRgba(int width, int height,
                                        const std::vector<std::uint8_t>& rgba) {
    const std::size_t rowBytes = std::size_t(width) * 4;
    if (!validSize(width, height) || rgba.size() != rowBytes * std::size_t(height))
        return {};
    Bytes scanlines;
    scanlines.reserve(std::size_t(height) * (rowBytes + 1));
    for (int y = 0; y < height; ++y) {
        scanlines.push_back(0);
        const auto row = rgba.begin() + std::ptrdiff_t(std::size_t(y) * rowBytes);
        scanlines.insert(scanlines.end(), row, row + std::ptrdiff_t(rowBytes));
    }
    return assemble(header(width, height, 8, colourTypeRgba), {}, {}, scanlines);
}
