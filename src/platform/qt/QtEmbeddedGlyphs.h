// Glyphs of the fonts a PDF embeds, loaded without running the fonts' hinting programs.
//
// Qt's PDF writer embeds each glyph a page draws from its outline at one pixel per font unit
// (QFontEngineFT::getUnscaledGlyph). It sets that size again before every glyph and loads the
// glyph hinted, so FreeType runs the font's whole size program (its "prep") again at each
// glyph, about a third of a million instructions for Andika, to round points that at that size
// already sit on the grid. The programs define FT_Load_Glyph themselves, exported so that Qt
// binds to it: for the families sheets draw with, a glyph loaded at one pixel per font unit is
// loaded unhinted, which gives the same outline and metrics (the tests compare them glyph by
// glyph) without the program; every other load goes to FreeType as asked.
#pragma once

#include <array>
#include <string_view>

struct FT_FaceRec_;

// The families whose glyphs at one pixel per font unit are the same hinted or not.
inline constexpr std::array<std::string_view, 5> kUnhintedFamilies{
    "Andika", "Liberation Sans", "Liberation Serif", "Liberation Mono", "Comic Neue"};

// Whether FT_Load_Glyph loads the face's glyphs at its current size without hinting.
bool QtLoadsUnhinted(const FT_FaceRec_* face);
