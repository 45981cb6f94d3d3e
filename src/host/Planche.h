// A page of the document: its size, margins and squared-paper grid, all in tenths of a mm.
#pragma once

#include "platform/Geometry.h"

#include <string>

class TPlanche {
public:
    enum class Format { A4, A5 };

    TPlanche() = default;
    TPlanche(Format format, bool paysage);

    vlSize Taille;                     // page size
    vlRect Marges{100, 100, 100, 100}; // left, top, right, bottom margins (widths)
    vlSize Pas{0, 0};                  // grid step; 0 when there is no grid
    vlPoint OrgGrille{0, 0};           // grid origin, page coordinates

    // Top-left corner of the printable area.
    vlPoint OrgMarges() const { return {Marges.left, Marges.top}; }
    // The printable area in page coordinates.
    vlRect ZoneUtile() const;
    vlRect Rectangle() const { return {0, 0, Taille.cx, Taille.cy}; }
    // A4 portrait: 2100 x 2970.
    static vlSize TailleFormat(Format format, bool paysage);
};
