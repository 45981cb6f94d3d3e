// The palette buttons' glyphs: 16 × 16 pixel pictures in the classic 16 colours, read by the
// bitmap names of the palette table ("BM_FLECHE", "BM_OPERATION"...).
#pragma once

#include "platform/Picture.h"

#include <string>
#include <vector>

// Fills `glyphe` with the PNG of the named glyph; false, leaving it as it was, for an unknown
// name. The background is transparent.
bool ChargeGlyphe(const std::string& nom, TPicture& glyphe);

// The names of every glyph, in palette order.
std::vector<std::string> NomsGlyphes();
