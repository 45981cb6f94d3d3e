#include "package/Fabrique.h"

#include "chart/GrapheCles.h"
#include "dots/RelierCles.h"
#include "fraction/FractionCles.h"
#include "host/Composant.h"
#include "money/EuroBilletsCles.h"
#include "money/EuroPiecesCles.h"
#include "money/MassesCles.h"
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

// Each kind adds its header here and its two cases below.

std::unique_ptr<TComposant> CreerComposant(TCadre* cadre, int index) {
    (void)cadre;
    switch (index) {
    case 1:
        return std::make_unique<TvlOperation>(cadre);
    case 3:
        return std::make_unique<TvlForme>(cadre);
    case 2:
        return std::make_unique<TvlGraphe>(cadre);
    case 4:
        return std::make_unique<TvlFraction>(cadre);
    case 5:
        return std::make_unique<TvlCamembert>(cadre);
    case 6:
        return std::make_unique<TvlMontre>(cadre);
    case 7:
        return std::make_unique<TvlDe>(cadre);
    case 8:
        return std::make_unique<TvlEprouvette>(cadre);
    case 9:
        return std::make_unique<TvlCube>(cadre);
    case 10:
        return std::make_unique<TvlBoulier>(cadre);
    case 11:
        return std::make_unique<TvlEuroPieces>(cadre);
    case 12:
        return std::make_unique<TvlEuroBillets>(cadre);
    case 13:
        return std::make_unique<TvlMasses>(cadre);
    case 15:
        return std::make_unique<TvlThermometre>(cadre);
    case 14:
        return std::make_unique<TvlRelier>(cadre);
    case 16:
        return std::make_unique<TvlSudoku>(cadre);
    default:
        return nullptr;
    }
}

TableCles ClesDuType(int index) {
    switch (index) {
    case 1:
        return kClesOperation;
    case 3:
        return kClesForme;
    case 2:
        return kClesGraphe;
    case 4:
        return kClesFraction;
    case 5:
        return kClesCamembert;
    case 6:
        return kClesMontre;
    case 7:
        return kClesDe;
    case 8:
        return kClesEprouvette;
    case 9:
        return kClesCube;
    case 10:
        return kClesBoulier;
    case 11:
        return kClesEuroPieces;
    case 12:
        return kClesEuroBillets;
    case 13:
        return kClesMasses;
    case 15:
        return kClesThermometre;
    case 14:
        return kClesRelier;
    case 16:
        return kClesSudoku;
    default:
        return {};
    }
}
