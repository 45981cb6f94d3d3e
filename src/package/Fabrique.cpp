#include "package/Fabrique.h"

#include "host/Composant.h"
#include "operation/Operation.h"
#include "pictures/Camembert.h"
#include "pictures/De.h"
#include "pictures/Montre.h"
#include "sudoku/Sudoku.h"

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
    case 16:
        return std::make_unique<TvlSudoku>(cadre);
    default:
        return nullptr;
    }
}

const std::vector<std::string>* ClesDuType(int index) {
    switch (index) {
    case 1:
        return &TvlOperation::TableCles();
    case 5:
        return &TvlCamembert::TableCles();
    case 6:
        return &TvlMontre::TableCles();
    case 7:
        return &TvlDe::TableCles();
    case 16:
        return &TvlSudoku::TableCles();
    default:
        return nullptr;
    }
}
