#include "package/Fabrique.h"

#include "host/Composant.h"
#include "operation/OperationCles.h"
#include "pictures/CamembertCles.h"
#include "pictures/DeCles.h"
#include "pictures/EprouvetteCles.h"
#include "pictures/MontreCles.h"
#include "pictures/ThermometreCles.h"
#include "sudoku/SudokuCles.h"

// Each kind adds its header here and its two cases below.

std::unique_ptr<TComposant> CreerComposant(TCadre* cadre, int index) {
    (void)cadre;
    switch (index) {
    case 1:
        return std::make_unique<TvlOperation>(cadre);
    case 5:
        return std::make_unique<TvlCamembert>(cadre);
    case 6:
        return std::make_unique<TvlMontre>(cadre);
    case 7:
        return std::make_unique<TvlDe>(cadre);
    case 8:
        return std::make_unique<TvlEprouvette>(cadre);
    case 15:
        return std::make_unique<TvlThermometre>(cadre);
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
    case 5:
        return kClesCamembert;
    case 6:
        return kClesMontre;
    case 7:
        return kClesDe;
    case 8:
        return kClesEprouvette;
    case 15:
        return kClesThermometre;
    case 16:
        return kClesSudoku;
    default:
        return {};
    }
}
