// Fonts for the Qt canvas: which installed family draws a face name, and metrics in canvas
// units.
//
// Metrics are measured once per font on a QFont whose pixel size is the character height in
// canvas units, with hinting off, and never on the paint device. A sheet therefore lays out
// identically in PDF, SVG, PNG and on screen at any zoom: the painter only scales the result.
// A QGuiApplication must exist (see QtApplicationGuard).
#pragma once

#include "platform/Geometry.h"
#include "platform/Graphics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string>

class QPainter;

// The face drawn when a name is neither installed nor a known substitute.
inline constexpr const char* kGlobalFace = "Andika";

// The installed family that draws `face`: the usual Windows faces map to metric-compatible
// free ones, an installed face is used as is, anything else falls back to kGlobalFace.
QString QtFamilyFor(const std::string& face);

// The character height in canvas units: -Height, or for a positive (cell) height the
// character height whose ascent plus descent make that cell.
int QtCharacterHeight(const TFont& font);

// Loads the font database and measures the global face now, so that the first text does not
// wait for them: a thread can do it while a sheet is built.
void QtPrepareFonts();

// Resolves each font on the calling thread, so that its first text there finds it ready: Qt
// loads a face at a size once per thread, when it is first measured.
void QtResolveFonts(std::span<const TFont> fonts);

QFont ToQFont(const TFont& font);
TTextMetric QtTextMetrics(const TFont& font);
vlSize QtTextExtent(const TFont& font, const std::string& text);

// The characters numbers and their signs are written with, measured without shaping in fonts
// whose layout leaves them alone. Not the spaces: some faces join them to their neighbours.
inline constexpr QStringView kUnshapedCharacters = u"0123456789,.:+-=\u00D7\u00F7\u2212";

// A canvas font resolved once: the QFont, its metrics and text measures in canvas units.
class QtResolvedFont {
public:
    explicit QtResolvedFont(const TFont& font);

    const TFont& Source() const { return source_; }
    const QFont& Font() const { return font_; }
    const TTextMetric& Metrics() const { return metrics_; }
    // The unrounded advance of a text, in canvas units. A text is shaped once: a sheet measures
    // and draws the same digits and words again and again. A number in a font whose layout
    // leaves its characters alone is the sum of its characters' advances, unshaped.
    double Advance(const QString& text) const;
    vlSize Extent(const std::string& text) const;
    // Draws the text as QPainter::drawText(origin, text) draws it on a PDF page, the same glyphs
    // at the same places, from glyphs shaped once for this font. `origin`: the left end of the
    // baseline. False, drawing nothing, when the text needs the painter's own layout (more than
    // one font, a tab or a line break, a line under, over or through it).
    bool DrawShaped(QPainter& painter, QPointF origin, const QString& text) const;
    // The glyphs DrawShaped draws, at their places on the device of `painter`; none when it
    // would draw nothing.
    std::optional<QGlyphRun> PlacedGlyphs(const QPainter& painter, QPointF origin,
                                          const QString& text) const;

private:
    bool unshaped() const;
    std::optional<double> unshapedAdvance(const QString& text) const;
    // A lone character of kUnshapedCharacters in a face that leaves it alone: its own glyph at
    // the origin, found without shaping.
    std::optional<QGlyphRun> loneGlyph(const QString& text) const;

    // Texts whose advance or glyphs are kept; past that, the cache starts again.
    static constexpr qsizetype kAdvancesKept = 1024;

    TFont source_;
    QFont font_;
    QFontMetricsF fontMetrics_;
    TTextMetric metrics_;
    mutable QHash<QString, double> advances_;
    // Whether the face leaves kUnshapedCharacters alone, asked at the first number measured or
    // drawn.
    mutable std::optional<bool> unshaped_;
    // Each of kUnshapedCharacters' advance with its letter spacing; negative until measured.
    mutable std::array<double, kUnshapedCharacters.size()> characterAdvances_ = [] {
        std::array<double, kUnshapedCharacters.size()> unknown{};
        unknown.fill(-1);
        return unknown;
    }();
    // The glyphs of texts drawn, shaped for a device of glyphsDpi_.
    mutable QHash<QString, std::optional<QGlyphRun>> glyphs_;
    mutable int glyphsDpi_ = 0;
};
