#include "host/Catalogue.h"

#include "host/Grille.h"
#include "host/Liste.h"
#include "host/Texte.h"

namespace {

template <typename Kind>
TTypeComposant hostKind(const char* nom, int numero, const char* pageAide = "") {
    TTypeComposant type;
    type.nom = nom;
    type.numero = numero;
    type.indexPalette = -1;
    type.pageAide = pageAide;
    type.cree = [](TCadre* cadre) -> std::unique_ptr<TComposant> {
        return std::make_unique<Kind>(cadre);
    };
    type.cles = Kind::Cles();
    if constexpr (requires { Kind::Table(); })
        type.table = Kind::Table();
    return type;
}

} // namespace

TCatalogue CatalogueHote() {
    TCatalogue catalogue;
    catalogue.Ajoute(hostKind<TGrille>("Grille", TGrille::NUMERO));
    catalogue.Ajoute(hostKind<TListe>("Liste", TListe::NUMERO));
    catalogue.Ajoute(hostKind<TTexte>("Texte", TTexte::NUMERO, "Texte"));
    return catalogue;
}
