#include "package/Fabrique.h"

#include "host/Composant.h"
#include "package/Paquet.h"

namespace {

// The row of the kind at a palette index, null outside 1..16.
const TypePaquet* rowAt(int index) {
    const std::span<const TypePaquet> types = TypesPaquet();
    if (index < 1 || index > int(types.size()))
        return nullptr;
    return &types[std::size_t(index) - 1];
}

} // namespace

std::unique_ptr<TComposant> CreerComposant(TCadre* cadre, int index) {
    const TypePaquet* row = rowAt(index);
    return row != nullptr ? row->cree(cadre) : nullptr;
}

TableCles ClesDuType(int index) {
    const TypePaquet* row = rowAt(index);
    return row != nullptr ? row->cles : TableCles{};
}
