#include "package/StringTable.h"

#include "package/Paquet.h"

namespace {

// The palette's page, and its first record: the arrow tool, which makes nothing.
constexpr const char* kPage = "Math";
constexpr const char* kArrowCaption = "Sélection";
constexpr const char* kArrowGlyph = "BM_FLECHE";

} // namespace

// Records of four strings from 10, stepping by 10: palette page, caption (the kind name),
// glyph name, palette index; the arrow tool first, then a record for each row of the table of
// kinds. A "*" page ends the list.
bool ChargeChaine(int id, std::string& texte) {
    if (id < 10)
        return false;
    const int record = id / 10 - 1; // 0: the arrow tool
    const int field = id % 10;
    const std::span<const TypePaquet> types = TypesPaquet();
    const int end = int(types.size()) + 1;
    if (record > end)
        return false;
    if (record == end) {
        if (field != 0)
            return false;
        texte = "*";
        return true;
    }
    const TypePaquet* row = record > 0 ? &types[std::size_t(record) - 1] : nullptr;
    switch (field) {
    case 0:
        texte = kPage;
        return true;
    case 1:
        texte = row != nullptr ? row->nom : kArrowCaption;
        return true;
    case 2:
        texte = row != nullptr ? row->glyphe : kArrowGlyph;
        return true;
    case 3:
        texte = std::to_string(record);
        return true;
    default:
        return false;
    }
}
