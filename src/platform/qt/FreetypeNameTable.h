// The fonts the programs embed in PDF pages carry their names, not their long texts.
//
// Qt's PDF writer copies into every font subset it embeds the whole 'name' table of the font:
// in the fonts sheets are drawn with, up to 18 KB of licence text and of names of stylistic
// sets, beside a few kilobytes of glyphs, in each PDF and for each font. The programs define
// FT_Load_Sfnt_Table (FreetypeNameTable.cpp) and export it from the executable, so that Qt's
// font engine, like every library of the process, binds to it: it gives the 'name' table with
// only the records below, and everything else as FreeType's own function gives it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A 'name' table with only the records that name the font (copyright, family, style, unique
// name, full name, version, PostScript name, trademark, and the address of the licence) and
// their strings; the table as it is when it is not a well-formed table of format 0.
std::vector<std::uint8_t> NamingRecordsOnly(std::span<const std::uint8_t> table);
