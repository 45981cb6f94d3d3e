// The geometry of the page check: boxes of ink that cover each other, boxes that leave a frame.
#pragma once

#include "platform/Geometry.h"

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

// Whether two boxes cover each other: their common part is more than a tenth of the smaller
// box's width and of its height, so that touching edges and a rounded corner over another's
// corner do not count.
bool SeCouvrent(const vlRect& a, const vlRect& b);

// Whether two frames share more than a millimetre each way.
bool Empietent(const vlRect& a, const vlRect& b);

// The pairs (i < j) of boxes that cover each other by the rule given, found by a sweep along
// x: each box meets only the boxes still open at its left edge.
std::vector<std::pair<std::size_t, std::size_t>>
Recouvrements(std::span<const vlRect> boxes,
              bool (*couvre)(const vlRect&, const vlRect&) = SeCouvrent);

// Whether a box reaches beyond the frame by more than the tolerance (tenths of a millimetre).
bool SortDuCadre(const vlRect& box, const vlRect& frame, int tolerance = 5);
