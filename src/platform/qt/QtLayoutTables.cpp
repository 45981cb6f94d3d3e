#include "platform/qt/QtLayoutTables.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <optional>
#include <set>
#include <string_view>

namespace {

// Features a text is shaped with only when asked for, or only in scripts and directions that
// digits and signs never take. Every other feature counts as applied.
constexpr std::array<std::string_view, 62> kOptionalFeatures{
    "aalt", "afrc", "c2pc", "c2sc", "case", "cpsp", "dlig", "dnom", "expt", "falt", "fin2",
    "fin3", "fina", "frac", "fwid", "halt", "hist", "hkna", "hlig", "hngl", "hojo", "hwid",
    "init", "isol", "ital", "jalt", "jp04", "jp78", "jp83", "jp90", "lnum", "med2", "medi",
    "mgrk", "nalt", "nlck", "numr", "onum", "ordn", "ornm", "palt", "pcap", "pkna", "pnum",
    "pwid", "qwid", "rtla", "rtlm", "ruby", "salt", "sinf", "smcp", "smpl", "subs", "sups",
    "swsh", "titl", "tnum", "trad", "twid", "unic", "zero"};

bool isOptional(std::string_view tag) {
    // Character variants and stylistic sets: cv01 to cv99, ss01 to ss20.
    if (tag.starts_with("cv") || tag.starts_with("ss"))
        return tag.size() == 4 && std::isdigit(static_cast<unsigned char>(tag[2])) &&
               std::isdigit(static_cast<unsigned char>(tag[3]));
    if (tag.starts_with('v')) // vertical layout
        return true;
    return std::find(kOptionalFeatures.begin(), kOptionalFeatures.end(), tag) !=
           kOptionalFeatures.end();
}

// Big-endian reads that fail, rather than read past the end, on a table cut short.
class Table {
public:
    explicit Table(QByteArray bytes) : bytes_(std::move(bytes)) {}

    bool Empty() const { return bytes_.isEmpty(); }

    std::optional<std::uint32_t> U16(std::size_t at) const { return read(at, 2); }
    std::optional<std::uint32_t> U32(std::size_t at) const { return read(at, 4); }
    std::string_view Tag(std::size_t at) const {
        if (at + 4 > std::size_t(bytes_.size()))
            return {};
        return {bytes_.constData() + at, 4};
    }

private:
    std::optional<std::uint32_t> read(std::size_t at, std::size_t size) const {
        if (at + size > std::size_t(bytes_.size()))
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes_[qsizetype(at + i)]);
        return value;
    }

    QByteArray bytes_;
};

enum class Verdict { Untouched, Touched };

// Whether the coverage table at `at` holds one of `glyphs`; nullopt when it cannot be read.
std::optional<bool> covers(const Table& table, std::size_t at, const std::set<quint32>& glyphs) {
    const auto format = table.U16(at);
    const auto count = table.U16(at + 2);
    if (!format || !count)
        return std::nullopt;
    for (std::size_t i = 0; i < *count; ++i) {
        if (*format == 1) {
            const auto glyph = table.U16(at + 4 + 2 * i);
            if (!glyph)
                return std::nullopt;
            if (glyphs.contains(*glyph))
                return true;
        } else if (*format == 2) {
            const auto first = table.U16(at + 4 + 6 * i);
            const auto last = table.U16(at + 6 + 6 * i);
            if (!first || !last)
                return std::nullopt;
            if (glyphs.lower_bound(*first) != glyphs.upper_bound(*last))
                return true;
        } else {
            return std::nullopt;
        }
    }
    return false;
}

std::optional<std::size_t> offsetFrom(const Table& table, std::size_t base, std::size_t at) {
    const auto offset = table.U16(at);
    if (!offset)
        return std::nullopt;
    return base + *offset;
}

// Where a subtable keeps the coverage of the glyph it acts at: at +2 in every format but the
// third of the contextual ones, which list a coverage per glyph of the context.
std::optional<std::size_t> firstCoverage(const Table& table, std::size_t subtable, bool contextual,
                                         bool chained) {
    const auto format = table.U16(subtable);
    if (!format)
        return std::nullopt;
    if (!(contextual || chained) || *format != 3)
        return offsetFrom(table, subtable, subtable + 2);
    if (contextual)
        return offsetFrom(table, subtable, subtable + 6);
    const auto backtrack = table.U16(subtable + 2);
    if (!backtrack)
        return std::nullopt;
    const std::size_t input = subtable + 4 + 2 * *backtrack;
    return offsetFrom(table, subtable, input + 2);
}

// The lookups of `table` (GSUB or GPOS) that a default shaping can apply, each checked.
Verdict readLayout(const Table& table, bool positioning, const std::set<quint32>& glyphs) {
    if (table.Empty())
        return Verdict::Untouched;
    const auto minor = table.U16(2);
    const auto features = table.U16(6);
    const auto lookups = table.U16(8);
    if (!minor || !features || !lookups)
        return Verdict::Touched;
    // Variations swap feature tables for others: not read, so not trusted.
    if (*minor >= 1 && table.U32(10).value_or(1) != 0)
        return Verdict::Touched;
    std::set<std::uint32_t> applied;
    const std::size_t featureCount = table.U16(*features).value_or(0);
    for (std::size_t f = 0; f < featureCount; ++f) {
        const std::size_t record = *features + 2 + 6 * f;
        const auto offset = table.U16(record + 4);
        if (!offset)
            return Verdict::Touched;
        if (isOptional(table.Tag(record)))
            continue;
        const std::size_t feature = *features + *offset;
        const std::size_t count = table.U16(feature + 2).value_or(0);
        for (std::size_t i = 0; i < count; ++i) {
            const auto index = table.U16(feature + 4 + 2 * i);
            if (!index)
                return Verdict::Touched;
            applied.insert(*index);
        }
    }
    const std::uint32_t lookupCount = table.U16(*lookups).value_or(0);
    const std::uint32_t extension = positioning ? 9 : 7;
    const std::uint32_t contextual = positioning ? 7 : 5;
    for (const std::uint32_t index : applied) {
        if (index >= lookupCount)
            return Verdict::Touched;
        const auto lookupOffset = table.U16(*lookups + 2 + 2 * index);
        if (!lookupOffset)
            return Verdict::Touched;
        const std::size_t lookup = *lookups + *lookupOffset;
        const auto type = table.U16(lookup);
        const auto subtables = table.U16(lookup + 4);
        if (!type || !subtables)
            return Verdict::Touched;
        for (std::size_t s = 0; s < *subtables; ++s) {
            const auto subtableOffset = table.U16(lookup + 6 + 2 * s);
            if (!subtableOffset)
                return Verdict::Touched;
            std::size_t subtable = lookup + *subtableOffset;
            std::uint32_t kind = *type;
            if (kind == extension) {
                const auto wrapped = table.U16(subtable + 2);
                const auto offset = table.U32(subtable + 4);
                if (!wrapped || !offset)
                    return Verdict::Touched;
                kind = *wrapped;
                subtable += *offset;
            }
            const auto coverage =
                firstCoverage(table, subtable, kind == contextual, kind == contextual + 1);
            const auto touched = coverage ? covers(table, *coverage, glyphs) : std::nullopt;
            if (touched.value_or(true))
                return Verdict::Touched;
        }
    }
    return Verdict::Untouched;
}

} // namespace

bool QtLayoutLeavesAlone(const QRawFont& font, QStringView characters) {
    if (!font.isValid())
        return false;
    for (const char* other : {"kern", "morx", "mort", "kerx", "trak"}) {
        if (!font.fontTable(other).isEmpty())
            return false;
    }
    const QList<quint32> indexes = font.glyphIndexesForString(characters.toString());
    if (indexes.size() != characters.size() || indexes.contains(0u))
        return false;
    const std::set<quint32> glyphs(indexes.begin(), indexes.end());
    return readLayout(Table(font.fontTable("GSUB")), false, glyphs) == Verdict::Untouched &&
           readLayout(Table(font.fontTable("GPOS")), true, glyphs) == Verdict::Untouched;
}
