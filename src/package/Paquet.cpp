#include "package/Paquet.h"

#include "host/Composant.h"

#include <array>

// The kinds' headers.
#define GENRE(...)
#include "package/Genres.def"
#undef GENRE

namespace {

template <class Composant> std::unique_ptr<TComposant> make(TCadre* cadre) {
    return std::make_unique<Composant>(cadre);
}

template <class Composant>
constexpr TypePaquet kind(const char* nom, const char* glyphe, const char* aide, TableCles cles,
                          CrochetsFeuille feuille) {
    return {nom, Composant::NUMERO, glyphe, aide, &make<Composant>, cles, feuille};
}

// One entry a row of the list; the window column belongs to the forms.
#define GENRE(Classe, nom, glyphe, aide, cles, Fenetre, ...)                                       \
    kind<Classe>(nom, glyphe, aide, cles, CrochetsFeuille{__VA_ARGS__}),
const std::array kTypes{
#include "package/Genres.def"
};
#undef GENRE

} // namespace

std::span<const TypePaquet> TypesPaquet() {
    return kTypes;
}

TCatalogue CataloguePaquet() {
    TCatalogue catalogue = CatalogueHote();
    int index = 0;
    for (const TypePaquet& row : kTypes) {
        TTypeComposant type;
        type.nom = row.nom;
        type.numero = row.numero;
        type.indexPalette = ++index;
        type.pageAide = row.aide;
        type.table = row.cles;
        for (const Cle& cle : row.cles)
            type.cles.emplace_back(cle.nom);
        type.cree = row.cree;
        if (row.feuille.cles != nullptr)
            type.clesFeuille = row.feuille.cles();
        if (row.feuille.applique != nullptr)
            type.appliqueCleFeuille = row.feuille.applique;
        if (row.feuille.debute != nullptr)
            type.debuteFeuille = row.feuille.debute;
        if (row.feuille.termine != nullptr)
            type.termineFeuille = row.feuille.termine;
        if (row.feuille.finit != nullptr)
            type.finitFeuille = row.feuille.finit;
        if (row.feuille.fenetre != nullptr) {
            type.fenetreFeuille = row.feuille.fenetre;
            type.joueFenetreFeuille = row.feuille.joue;
        }
        catalogue.Ajoute(std::move(type));
    }
    return catalogue;
}
