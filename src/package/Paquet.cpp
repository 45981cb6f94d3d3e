#include "package/Paquet.h"

#include "chart/GrapheCles.h"
#include "chart/GrapheFeuille.h"
#include "dots/RelierCles.h"
#include "dots/RelierFeuille.h"
#include "fraction/FractionCles.h"
#include "fraction/FractionFeuille.h"
#include "host/Composant.h"
#include "money/EuroBilletsCles.h"
#include "money/EuroPiecesCles.h"
#include "money/MassesCles.h"
#include "operation/CogitoModele.h"
#include "operation/OperandesFeuille.h"
#include "operation/OperationCles.h"
#include "pictures/BoulierCles.h"
#include "pictures/CamembertCles.h"
#include "pictures/CubeCles.h"
#include "pictures/DeCles.h"
#include "pictures/EprouvetteCles.h"
#include "pictures/MontreCles.h"
#include "pictures/ThermometreCles.h"
#include "shape/FormeCles.h"
#include "sudoku/SudokuCles.h"

#include <array>

namespace {

template <class Composant> std::unique_ptr<TComposant> make(TCadre* cadre) {
    return std::make_unique<Composant>(cadre);
}

template <class Composant>
constexpr TypePaquet kind(const char* nom, const char* glyphe, const char* aide, TableCles cles,
                          CrochetsFeuille feuille = {}) {
    return {nom, Composant::NUMERO, glyphe, aide, &make<Composant>, cles, feuille};
}

// A new kind is its folder plus one row here (and its window's row on the forms side).
// clang-format off
const std::array kTypes{
    kind<TvlOperation>("Opération", "BM_OPERATION", "Operation", kClesOperation,
                       {.cles = ClesFeuilleOperation, .applique = AppliqueCleFeuilleOperation,
                        .debute = DebuteFeuilleOperation, .termine = TermineFeuilleOperation,
                        .fenetre = "Cogito", .joue = CogitoModele::JoueSansFenetre}),
    kind<TvlGraphe>("Graphe", "BM_GRAPHE", "Graphe", kClesGraphe,
                    {.cles = ClesFeuilleGraphe, .applique = AppliqueCleFeuilleGraphe,
                     .finit = FinitFeuilleGraphe}),
    kind<TvlForme>("Forme", "BM_FORME", "Forme", kClesForme),
    kind<TvlFraction>("Fraction", "BM_FRACTION", "Fraction", kClesFraction,
                      {.cles = ClesFeuilleFraction, .applique = AppliqueCleFeuilleFraction}),
    kind<TvlCamembert>("Camembert", "BM_CAMEMBERT", "Camembert", kClesCamembert),
    kind<TvlMontre>("Montre", "BM_MONTRE", "Montre", kClesMontre),
    kind<TvlDe>("Dé", "BM_DE", "De", kClesDe),
    kind<TvlEprouvette>("Eprouvette", "BM_EPROUVETTE", "Eprouvette", kClesEprouvette),
    kind<TvlCube>("Cube décimal", "BM_CUBE", "Cube", kClesCube),
    kind<TvlBoulier>("Boulier", "BM_BOULIER", "Boulier", kClesBoulier),
    kind<TvlEuroPieces>("Euro pièces", "BM_EUROPIECES", "EuroPieces", kClesEuroPieces),
    kind<TvlEuroBillets>("Euro billets", "BM_EUROBILLETS", "EuroBillets", kClesEuroBillets),
    kind<TvlMasses>("Masses marquées", "BM_MASSE", "Masses", kClesMasses),
    kind<TvlRelier>("Points à relier", "BM_RELIER", "Relier", kClesRelier,
                    {.cles = ClesFeuilleRelier, .applique = AppliqueCleFeuilleRelier,
                     .termine = TermineFeuilleRelier}),
    kind<TvlThermometre>("Thermomètre", "BM_THERMOMETRE", "Thermometre", kClesThermometre),
    kind<TvlSudoku>("Sudoku", "BM_SUDOKU", "Sudoku", kClesSudoku),
};
// clang-format on

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
