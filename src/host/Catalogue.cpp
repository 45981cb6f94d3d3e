#include "host/Catalogue.h"

#include "host/Composant.h"
#include "host/Services.h"

#include <algorithm>

void TCatalogue::Ajoute(TTypeComposant type) {
    EnregistrePageAide(type.numero, type.pageAide);
    // A kind added again under the same number replaces the first (a factory arriving later).
    const auto same = std::find_if(types_.begin(), types_.end(), [&](const TTypeComposant& t) {
        return t.numero == type.numero;
    });
    if (same != types_.end())
        *same = std::move(type);
    else
        types_.push_back(std::move(type));
}

const TTypeComposant* TCatalogue::TrouveNom(const std::string& nom) const {
    const auto found = std::find_if(types_.begin(), types_.end(),
                                    [&](const TTypeComposant& t) { return t.nom == nom; });
    return found != types_.end() ? &*found : nullptr;
}

const TTypeComposant* TCatalogue::TrouveNumero(int numero) const {
    const auto found = std::find_if(types_.begin(), types_.end(),
                                    [&](const TTypeComposant& t) { return t.numero == numero; });
    return found != types_.end() ? &*found : nullptr;
}

std::unique_ptr<TComposant> TCatalogue::Cree(int numero, TCadre* cadre) const {
    const TTypeComposant* type = TrouveNumero(numero);
    if (type == nullptr || !type->cree)
        return nullptr;
    return type->cree(cadre);
}
