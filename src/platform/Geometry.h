// Integer geometry in canvas units (tenths of a millimetre, y down). The host's component
// contract speaks these types; the canvas takes them too, so they live at the bottom layer.
#pragma once

#include <cstdint>

struct vlPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    constexpr vlPoint operator+(vlPoint o) const { return {x + o.x, y + o.y}; }
    constexpr vlPoint operator-(vlPoint o) const { return {x - o.x, y - o.y}; }
    constexpr vlPoint& operator+=(vlPoint o) { return *this = *this + o; }
    constexpr vlPoint& operator-=(vlPoint o) { return *this = *this - o; }
    constexpr bool operator==(const vlPoint&) const = default;
};

struct vlSize {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    constexpr bool operator==(const vlSize&) const = default;
};

struct vlRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr vlPoint LireOrg() const { return {left, top}; }
    constexpr vlSize LireSize() const { return {right - left, bottom - top}; }
    // Moves the rectangle so that its top-left corner is p, keeping its size.
    constexpr void EcrireOrg(vlPoint p) {
        right += p.x - left;
        bottom += p.y - top;
        left = p.x;
        top = p.y;
    }
    // Keeps the top-left corner, takes the new size.
    constexpr void ChangeSize(vlSize s) {
        right = left + s.cx;
        bottom = top + s.cy;
    }
    constexpr std::int32_t Width() const { return right - left; }
    constexpr std::int32_t Height() const { return bottom - top; }
    constexpr vlPoint Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
    // Inclusive of the left and top edges, exclusive of the right and bottom ones.
    constexpr bool Contient(vlPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    // The same rectangle with left <= right and top <= bottom.
    constexpr vlRect Normalise() const {
        vlRect r = *this;
        if (r.left > r.right) {
            r.left = right;
            r.right = left;
        }
        if (r.top > r.bottom) {
            r.top = bottom;
            r.bottom = top;
        }
        return r;
    }
    constexpr void Offset(vlPoint d) {
        left += d.x;
        right += d.x;
        top += d.y;
        bottom += d.y;
    }
    constexpr bool operator==(const vlRect&) const = default;
};
