#include "package/Paquet.h"

#include "chart/GrapheFeuille.h"
#include "dots/RelierFeuille.h"
#include "fraction/FractionFeuille.h"
#include "host/Composant.h"
#include "operation/OperandesFeuille.h"
#include "package/Fabrique.h"

#include <array>

namespace {

struct PaletteKind {
    const char* nom;
    int numero;
};

// Palette order: index = position + 1.
constexpr std::array<PaletteKind, 16> kPaletteKinds{{
    {"Opération", 10},
    {"Graphe", 62},
    {"Forme", 72},
    {"Fraction", 73},
    {"Camembert", 75},
    {"Montre", 76},
    {"Dé", 77},
    {"Eprouvette", 80},
    {"Cube décimal", 94},
    {"Boulier", 95},
    {"Euro pièces", 96},
    {"Euro billets", 97},
    {"Masses marquées", 98},
    {"Points à relier", 99},
    {"Thermomètre", 127},
    {"Sudoku", 135},
}};

} // namespace

TCatalogue CataloguePaquet() {
    TCatalogue catalogue = CatalogueHote();
    for (std::size_t i = 0; i < kPaletteKinds.size(); ++i) {
        TTypeComposant type;
        type.nom = kPaletteKinds[i].nom;
        type.numero = kPaletteKinds[i].numero;
        type.indexPalette = int(i) + 1;
        if (const TableCles table = ClesDuType(type.indexPalette); !table.empty()) {
            type.table = table;
            for (const Cle& cle : table)
                type.cles.emplace_back(cle.nom);
            type.cree = [index = type.indexPalette](TCadre* cadre) {
                return CreerComposant(cadre, index);
            };
        }
        // The operand dialog's work, done from a sheet.
        if (type.nom == "Opération") {
            type.clesFeuille = ClesFeuilleOperation();
            type.appliqueCleFeuille = AppliqueCleFeuilleOperation;
        }
        // The fraction editor's work, done from a sheet.
        if (type.nom == "Fraction") {
            type.clesFeuille = ClesFeuilleFraction();
            type.appliqueCleFeuille = AppliqueCleFeuilleFraction;
        }
        // The chart data editor's work, done from a sheet.
        if (type.nom == "Graphe") {
            type.clesFeuille = ClesFeuilleGraphe();
            type.appliqueCleFeuille = AppliqueCleFeuilleGraphe;
            type.finitFeuille = FinitFeuilleGraphe;
        }
        // The points editor's and series generator's work, done from a sheet.
        if (type.nom == "Points à relier") {
            type.clesFeuille = ClesFeuilleRelier();
            type.appliqueCleFeuille = AppliqueCleFeuilleRelier;
            type.termineFeuille = TermineFeuilleRelier;
        }
        catalogue.Ajoute(std::move(type));
    }
    return catalogue;
}
