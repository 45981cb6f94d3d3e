#include "platform/qt/QtFonts.h"

#include "platform/qt/QtLayoutTables.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>

namespace {

struct FaceSubstitute {
    const char* face;
    const char* family;
};

// Faces sheets commonly name, drawn by metric-compatible (or look-alike) free families.
constexpr std::array kSubstitutes{
    FaceSubstitute{"Arial", "Liberation Sans"},
    FaceSubstitute{"Helvetica", "Liberation Sans"},
    FaceSubstitute{"MS Sans Serif", "Liberation Sans"},
    FaceSubstitute{"Tahoma", "Liberation Sans"},
    FaceSubstitute{"Verdana", "Liberation Sans"},
    FaceSubstitute{"Times New Roman", "Liberation Serif"},
    FaceSubstitute{"Times", "Liberation Serif"},
    FaceSubstitute{"Courier New", "Liberation Mono"},
    FaceSubstitute{"Courier", "Liberation Mono"},
    FaceSubstitute{"CrayonL", "Comic Neue"},
    FaceSubstitute{"Comic Sans MS", "Comic Neue"},
};

// The pixel size used to measure a family's cell-to-character ratio.
constexpr int kReferencePixelSize = 1000;

QFont baseFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(std::max(1, pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    // Qt 6 has no switch for ligatures before 6.6, but shapes without them once letters are
    // spaced: the smallest spacing it keeps (1/64 of a unit) leaves the layout as it was, and
    // every glyph drawn keeps its own character, so that the PDF's text reads whole ("fi" and
    // "fl" of some fonts have no text of their own).
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return font;
}

int roundToInt(double value) {
    return int(std::lround(value));
}

QString lookUpFamily(const std::string& face) {
    const QString name = QString::fromStdString(face).trimmed();
    for (const FaceSubstitute& substitute : kSubstitutes) {
        if (name.compare(QLatin1String(substitute.face), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(substitute.family);
    }
    if (name.isEmpty())
        return QString::fromLatin1(kGlobalFace);
    // An installed family is found in the list; only another name asks fontconfig whether it
    // is an alias of one, which costs a substitution through its whole configuration.
    if (QFontDatabase::families().contains(name, Qt::CaseInsensitive) ||
        QFontDatabase::hasFamily(name))
        return name;
    return QString::fromLatin1(kGlobalFace);
}

double measureCell(const QString& family) {
    const QFontMetricsF reference(baseFont(family, kReferencePixelSize));
    return reference.ascent() + reference.descent();
}

// What the font database says of a face, asked once: each question costs a fontconfig
// substitution, and a sheet asks for the same few faces at every piece of text. Shared by the
// threads that draw copies side by side.
class FaceMemo {
public:
    QString Family(const std::string& face) {
        return remember(families_, face, [&] { return lookUpFamily(face); });
    }

    // The database loaded and the global face measured, as one question: a thread that needs
    // the fonts meanwhile waits for all of it.
    void Prepare(const std::string& face) {
        const std::lock_guard lock(mutex_);
        Cell(Family(face));
    }

    // Whether the face of `font` shapes a text made of kUnshapedCharacters into their own
    // glyphs and advances, asked once per face, style and size (a size may find another file).
    // Read without holding the other questions up: two threads may read the same tables, to the
    // same answer.
    bool LeavesAlone(const QFont& font) {
        const QString face = font.family() + QLatin1String(font.bold() ? "/b" : "/") +
                             QLatin1String(font.italic() ? "i/" : "/") +
                             QString::number(font.pixelSize());
        {
            const std::lock_guard lock(unshapedMutex_);
            if (const auto it = unshaped_.find(face); it != unshaped_.end())
                return it->second;
        }
        const bool alone = QtLayoutLeavesAlone(QRawFont::fromFont(font), kUnshapedCharacters);
        const std::lock_guard lock(unshapedMutex_);
        unshaped_.emplace(face, alone);
        return alone;
    }

    // Ascent plus descent at the reference pixel size.
    double Cell(const QString& family) {
        return remember(cells_, family, [&] { return measureCell(family); });
    }

private:
    // The answer known, or asked now. One question to the font database at a time: the first
    // one loads it, and a thread that asks meanwhile (the sheet's own while the fonts are
    // prepared on another) waits for it rather than meeting a database half loaded.
    template <typename Map, typename Question>
    typename Map::mapped_type remember(Map& map, const typename Map::key_type& key,
                                       const Question& question) {
        const std::lock_guard lock(mutex_); // recursive: Prepare asks inside its question
        if (const auto it = map.find(key); it != map.end())
            return it->second;
        return map.emplace(key, question()).first->second;
    }

    std::recursive_mutex mutex_;
    std::map<std::string, QString> families_;
    std::map<QString, double> cells_;
    std::mutex unshapedMutex_;
    std::map<QString, bool> unshaped_;
};

// The text's glyphs as one run, placed from the left end of the baseline as the painter's own
// layout places them on `device` (letter spacing grows with the device's resolution); none when
// the painter would draw it in several pieces or decorate it.
std::optional<QGlyphRun> shapeOnBaseline(const QString& text, const QFont& font,
                                         const QPaintDevice* device) {
    if (font.underline() || font.overline() || font.strikeOut())
        return std::nullopt;
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.category() != QChar::Other_Control && c != QChar::LineSeparator &&
               c != QChar::ParagraphSeparator;
    });
    if (!plain)
        return std::nullopt;
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = line.glyphRuns();
    if (runs.size() != 1)
        return std::nullopt;
    QGlyphRun run = runs.front();
    QList<QPointF> positions = run.positions();
    for (QPointF& position : positions) {
        position.ry() -= line.ascent();
        // Glyphs off the baseline (placed marks) would land elsewhere once moved: the painter
        // rounds each glyph's own position.
        if (position.y() != 0)
            return std::nullopt;
    }
    run.setPositions(positions);
    return run;
}

// Where the painter's text layout starts a text given at `x`: on its grid of 1/64 unit,
// towards zero.
double onTextGrid(double x) {
    return std::trunc(x * 64) / 64;
}

FaceMemo& faceMemo() {
    static FaceMemo memo;
    return memo;
}

} // namespace

QString QtFamilyFor(const std::string& face) {
    return faceMemo().Family(face);
}

int QtCharacterHeight(const TFont& font) {
    if (font.Height < 0)
        return -font.Height;
    // Zero asks for the default size.
    if (font.Height == 0)
        return -TFont{}.Height;
    const double cell = faceMemo().Cell(QtFamilyFor(font.Name));
    if (cell <= 0)
        return font.Height;
    return std::max(1, roundToInt(font.Height * kReferencePixelSize / cell));
}

void QtPrepareFonts() {
    faceMemo().Prepare(kGlobalFace);
}

void QtResolveFonts(std::span<const TFont> fonts) {
    for (const TFont& font : fonts)
        QtResolvedFont{font};
}

QFont ToQFont(const TFont& font) {
    QFont result = baseFont(QtFamilyFor(font.Name), QtCharacterHeight(font));
    result.setBold((font.Style & fsBold) != 0);
    result.setItalic((font.Style & fsItalic) != 0);
    result.setUnderline((font.Style & fsUnderline) != 0);
    result.setStrikeOut((font.Style & fsStrikeOut) != 0);
    return result;
}

TTextMetric QtTextMetrics(const TFont& font) {
    return QtResolvedFont(font).Metrics();
}

vlSize QtTextExtent(const TFont& font, const std::string& text) {
    return QtResolvedFont(font).Extent(text);
}

QtResolvedFont::QtResolvedFont(const TFont& font)
    : source_(font), font_(ToQFont(font)), fontMetrics_(font_) {
    const int characterHeight = font_.pixelSize();
    metrics_.tmAscent = roundToInt(fontMetrics_.ascent());
    metrics_.tmDescent = roundToInt(fontMetrics_.descent());
    metrics_.tmHeight = metrics_.tmAscent + metrics_.tmDescent;
    metrics_.tmInternalLeading = std::max(0, metrics_.tmHeight - characterHeight);
    metrics_.tmExternalLeading = std::max(0, roundToInt(fontMetrics_.leading()));
    metrics_.tmAveCharWidth = roundToInt(fontMetrics_.averageCharWidth());
}

std::optional<double> QtResolvedFont::unshapedAdvance(const QString& text) const {
    if (text.isEmpty())
        return std::nullopt;
    double sum = 0;
    for (const QChar c : text) {
        const qsizetype index = kUnshapedCharacters.indexOf(c);
        if (index < 0)
            return std::nullopt;
        if (!unshaped())
            return std::nullopt;
        double& advance = characterAdvances_[std::size_t(index)];
        // The glyph's own advance and the letter spacing added after each glyph, both on the
        // grid of 1/64 unit that shaping keeps: sums of them are exact.
        if (advance < 0)
            advance =
                fontMetrics_.horizontalAdvance(c) + std::round(font_.letterSpacing() * 64) / 64;
        sum += advance;
    }
    return sum;
}

bool QtResolvedFont::unshaped() const {
    if (!unshaped_.has_value())
        unshaped_ = faceMemo().LeavesAlone(font_);
    return *unshaped_;
}

std::optional<QGlyphRun> QtResolvedFont::loneGlyph(const QString& text) const {
    if (text.size() != 1 || !kUnshapedCharacters.contains(text.front()) || font_.underline() ||
        font_.overline() || font_.strikeOut() || !unshaped())
        return std::nullopt;
    const QRawFont raw = QRawFont::fromFont(font_);
    const QList<quint32> glyph = raw.glyphIndexesForString(text);
    if (glyph.size() != 1 || glyph.front() == 0)
        return std::nullopt;
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyph);
    run.setPositions({QPointF(0, 0)});
    return run;
}

double QtResolvedFont::Advance(const QString& text) const {
    if (const auto sum = unshapedAdvance(text))
        return *sum;
    if (const auto known = advances_.constFind(text); known != advances_.constEnd())
        return *known;
    if (advances_.size() >= kAdvancesKept)
        advances_.clear();
    return *advances_.insert(text, fontMetrics_.horizontalAdvance(text));
}

vlSize QtResolvedFont::Extent(const std::string& text) const {
    return {roundToInt(Advance(QString::fromStdString(text))), metrics_.tmHeight};
}

bool QtResolvedFont::DrawShaped(QPainter& painter, QPointF origin, const QString& text) const {
    const std::optional<QGlyphRun> glyphs = PlacedGlyphs(painter, origin, text);
    if (!glyphs)
        return false;
    painter.drawGlyphRun(QPointF(0, 0), *glyphs);
    return true;
}

std::optional<QGlyphRun> QtResolvedFont::PlacedGlyphs(const QPainter& painter, QPointF origin,
                                                      const QString& text) const {
    const QPaintDevice* device = painter.device();
    if (device == nullptr)
        return std::nullopt;
    if (device->logicalDpiY() != glyphsDpi_) {
        glyphs_.clear();
        glyphsDpi_ = device->logicalDpiY();
    }
    auto known = glyphs_.constFind(text);
    if (known == glyphs_.constEnd()) {
        if (glyphs_.size() >= kAdvancesKept)
            glyphs_.clear();
        std::optional<QGlyphRun> glyphs = loneGlyph(text);
        known = glyphs_.insert(text, glyphs ? glyphs : shapeOnBaseline(text, font_, device));
    }
    if (!known->has_value())
        return std::nullopt;
    // Where the painter puts them: each glyph's place plus the origin, the origin's x on the
    // layout's grid.
    QGlyphRun placed = **known;
    const QPointF start(onTextGrid(origin.x()), origin.y());
    QList<QPointF> positions = placed.positions();
    for (QPointF& position : positions)
        position = start + position;
    placed.setPositions(positions);
    return placed;
}
