// The sudoku's property window: position and size, lines and background; the grid type,
// level and number of givens with the actions on the grid and what solving it takes; the
// digits' font and the pictures that replace them; the puzzle database with its filter and
// navigation.
#pragma once

#include "host/forms/KindPropForm.h"

#include <memory>

class TvlSudoku;

namespace Forms::Ui {
class TSudokuProp;
}

class TSudokuProp : public TKindPropForm<TvlSudoku, Forms::Ui::TSudokuProp> {
    Q_OBJECT
public:
    explicit TSudokuProp(TvlSudoku& composant, QWidget* parent = nullptr);

public slots:
    void btFonteCursiveClick();
    void btChargerImagesClick();
    void btOuvrirBddClick();
    void clbReglesClickCheck();

protected:
    void RemplirControles() override;

private:
    // A button that sends a fixed value.
    void lieValeur(QAbstractButton* bouton, int index, const std::string& valeur);
    // The filter string of the check list: '1' for each rule checked.
    std::string filtre() const;
};
