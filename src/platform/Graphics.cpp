#include "platform/Graphics.h"

#include <cstdint>

namespace {

// a * b / c rounded half away from zero, as the class library's font sizes are converted.
int mulDiv(int a, int b, int c) {
    if (c == 0)
        return 0;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t half = (c > 0 ? c : -c) / 2;
    const std::int64_t rounded = product >= 0 ? product + half : product - half;
    return int(rounded / c);
}

} // namespace

int TFont::Size() const {
    return -mulDiv(Height, 72, PixelsPerInch);
}

void TFont::SetSize(int points) {
    Height = -mulDiv(points, PixelsPerInch, 72);
}
