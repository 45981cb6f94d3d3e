// The fraction editor's work as plain code: a grid of ten rows (the lines) and four columns
// A, B, C, D (first numerator and denominator, second numerator and denominator), random
// numbers for the selected cells from the two ranges, and "Valider", which checks every cell
// before the component takes them. The form only shows it; sheets use it directly.
#pragma once

#include "common/SuperGridModel.h"
#include "fraction/LignesFraction.h"
#include "platform/UserInterface.h"

#include <string>

// What the editor "FractionEdit2" works on: a copy of the component's numbers and ranges, its
// kind of operation (a divisor cannot be 0) and its name.
class FractionEdit2Modele : public TFormModel {
public:
    FractionEdit2Modele(const FractionDonnees& donnees, int operation, std::string nom)
        : Donnees(donnees), Operation(operation), Nom(std::move(nom)) {}

    FractionDonnees Donnees;
    int Operation;
    std::string Nom;
};

// A range as the editor shows it: its two ends.
struct PlageFraction {
    int min = 0;
    int max = 0;
};

class FractionEdit2Logique {
public:
    static constexpr int COL_A = 1, COL_B = 2, COL_C = 3, COL_D = 4;

    // Sets the grid up (headers, accepted characters, column margin) and fills it.
    FractionEdit2Logique(SuperGridModel& grille, const FractionDonnees& donnees, int operation);

    // The ranges, each within its limits; a reversed range is swapped. False with a French
    // message naming the range when a value is out of its limits.
    bool ChangePlages(PlageFraction numerateurs, PlageFraction denominateurs, std::string& message);
    PlageFraction Numerateurs() const { return {donnees_.NumMin, donnees_.NumMax}; }
    PlageFraction Denominateurs() const { return {donnees_.DenMin, donnees_.DenMax}; }

    // Random numbers in the selected cells: numerator columns from the numerators' range,
    // denominator columns from the denominators'.
    void GenererNombres(GridRange selection);

    // Every cell a whole number up to 32767, denominators (and a division's divisor) not 0:
    // the numbers then go into `donnees`. False with the message naming the line and column.
    bool Valider(FractionDonnees& donnees, std::string& message);

    // Whether the grid or the ranges changed since the last "Valider" (or the start).
    bool Modifie() const { return modifie_; }
    void MarqueModifie() { modifie_ = true; }

private:
    void remplit();

    SuperGridModel& grille_;
    FractionDonnees donnees_;
    int operation_;
    bool modifie_ = false;
};
