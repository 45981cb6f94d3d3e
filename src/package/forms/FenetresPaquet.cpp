#include "package/forms/FenetresPaquet.h"

#include "chart/Graphe.h"
#include "chart/forms/TGrapheProp.h"
#include "dots/Relier.h"
#include "dots/forms/TRelierProp.h"
#include "fraction/Fraction.h"
#include "fraction/forms/TFractionProp.h"
#include "host/forms/PropDock.h"
#include "money/EuroBillets.h"
#include "money/EuroPieces.h"
#include "money/Masses.h"
#include "money/forms/TEuroBilletsProp.h"
#include "money/forms/TEuroPiecesProp.h"
#include "money/forms/TMassesProp.h"
#include "operation/Operation.h"
#include "operation/forms/TOperProp.h"
#include "pictures/Boulier.h"
#include "pictures/Camembert.h"
#include "pictures/Cube.h"
#include "pictures/De.h"
#include "pictures/Eprouvette.h"
#include "pictures/Montre.h"
#include "pictures/Thermometre.h"
#include "pictures/forms/TBoulierProp.h"
#include "pictures/forms/TCamembertProp.h"
#include "pictures/forms/TCubeProp.h"
#include "pictures/forms/TDeProp.h"
#include "pictures/forms/TEprouvetteProp.h"
#include "pictures/forms/TMontreProp.h"
#include "pictures/forms/TThermometreProp.h"
#include "shape/Forme.h"
#include "shape/forms/TFormeProp.h"
#include "sudoku/Sudoku.h"
#include "sudoku/forms/TSudokuProp.h"

#include <array>

namespace {

struct Fenetre {
    const char* nom; // as the component's CreerFenetreProp asks for it
    TPropDockWidget::Factory (*cree)();
};

template <class Window, class Composant> TPropDockWidget::Factory window() {
    return [](TComposant& composant, QWidget* parent) -> TPropFormWidget* {
        return new Window(dynamic_cast<Composant&>(composant), parent);
    };
}

// One row a kind, in palette order.
constexpr std::array<Fenetre, 16> kFenetres{{
    {"OperProp", window<TOperProp, TvlOperation>},
    {"GrapheProp", window<TGrapheProp, TvlGraphe>},
    {"FormeProp", window<TFormeProp, TvlForme>},
    {"FractionProp", window<TFractionProp, TvlFraction>},
    {"CamembertProp", window<TCamembertProp, TvlCamembert>},
    {"MontreProp", window<TMontreProp, TvlMontre>},
    {"DeProp", window<TDeProp, TvlDe>},
    {"EprouvetteProp", window<TEprouvetteProp, TvlEprouvette>},
    {"CubeProp", window<TCubeProp, TvlCube>},
    {"BoulierProp", window<TBoulierProp, TvlBoulier>},
    {"EuroPiecesProp", window<TEuroPiecesProp, TvlEuroPieces>},
    {"EuroBilletsProp", window<TEuroBilletsProp, TvlEuroBillets>},
    {"MassesProp", window<TMassesProp, TvlMasses>},
    {"RelierProp", window<TRelierProp, TvlRelier>},
    {"ThermometreProp", window<TThermometreProp, TvlThermometre>},
    {"SudokuProp", window<TSudokuProp, TvlSudoku>},
}};

} // namespace

void EnregistreFenetresPaquet(TPropDockWidget& dock) {
    for (const Fenetre& fenetre : kFenetres)
        dock.RegisterPropForm(fenetre.nom, fenetre.cree());
}
