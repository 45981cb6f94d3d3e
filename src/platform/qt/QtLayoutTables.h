// Whether shaping can touch a few characters of a font, read from its layout tables.
//
// HarfBuzz changes a glyph or its advance only through a lookup of the font's GSUB or GPOS
// table (or an older 'kern', 'morx', 'kerx' or 'trak' table), and every lookup subtable acts at a
// glyph only when that glyph is in the subtable's first coverage. When no lookup of a feature
// applied by default covers any of the characters' glyphs, a text made of these characters alone
// shapes into its characters' own glyphs with their own advances, however long the text.
#pragma once

#include <QRawFont>
#include <QStringView>

// True when every character has a glyph in the font and no lookup a text is shaped with by
// default can act on any of them; false when unsure (an unknown format, a table cut short).
bool QtLayoutLeavesAlone(const QRawFont& font, QStringView characters);
