// Pens, brushes and fonts: plain values that a canvas draws with.
#pragma once

#include "platform/Color.h"

#include <cstdint>
#include <string>

// Pen styles, in the order the worksheet options store them (0..6).
enum TPenStyle : std::uint8_t {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6,
};

// How a pen combines with what is already drawn. Not and not-xor invert, so drawing a rubber
// band twice erases it.
enum TPenMode : std::uint8_t { pmCopy = 0, pmNot = 1, pmNotXor = 2 };

// Brush styles, in the order the worksheet options store them (0..7).
enum TBrushStyle : std::uint8_t {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7,
};

// Font style flags, combined with |.
enum TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = std::uint8_t;

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
    bool operator==(const TPen&) const = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    bool operator==(const TBrush&) const = default;
};

// A font as the canvas takes it. Height is in canvas units: negative for the character height
// (the usual case, -(points x PixelsPerInch / 72)), positive for the cell height.
// PixelsPerInch is the canvas's: 254 for tenths of a millimetre.
struct TFont {
    std::string Name = "Andika";
    int Height = -49;
    TColor Color = clBlack;
    TFontStyles Style = 0;
    int PixelsPerInch = 254;

    // Size in points, derived from Height as the class library does.
    int Size() const;
    void SetSize(int points);
    bool operator==(const TFont&) const = default;
};

// Font metrics in canvas units.
struct TTextMetric {
    int tmHeight = 0;          // ascent + descent
    int tmAscent = 0;          // baseline to the top of the cell
    int tmDescent = 0;         // baseline to the bottom of the cell
    int tmInternalLeading = 0; // cell height minus character height
    int tmExternalLeading = 0; // room the font advises between lines
    int tmAveCharWidth = 0;
};

// Text alignment flags, combined with |: one horizontal and one vertical choice.
enum : unsigned {
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};
constexpr unsigned TA_HORIZONTAL_MASK = 6;
constexpr unsigned TA_VERTICAL_MASK = 24;

// Background modes for text and hatched brushes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
