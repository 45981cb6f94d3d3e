#include "fraction/FractionEdit2Logique.h"

#include "platform/Random.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<const char*, 5> kEntetes{"", "A", "B", "C", "D"};

bool estDenominateur(int colonne) {
    return colonne == FractionEdit2Logique::COL_B || colonne == FractionEdit2Logique::COL_D;
}

// A range within [limite min, limite max], swapped when reversed.
bool litPlage(PlageFraction& p, int limiteMin, int limiteMax, const char* nom,
              std::string& message) {
    if (p.min > p.max)
        std::swap(p.min, p.max);
    if (p.min >= limiteMin && p.max <= limiteMax)
        return true;
    message = std::string("Les ") + nom + " doivent être compris entre " +
              std::to_string(limiteMin) + " et " + std::to_string(limiteMax) + ".";
    return false;
}

} // namespace

FractionEdit2Logique::FractionEdit2Logique(SuperGridModel& grille, const FractionDonnees& donnees,
                                           int operation)
    : grille_(grille), donnees_(donnees), operation_(operation) {
    grille_.SetSize(5, FractionDonnees::LIGNES + 1);
    grille_.SetAcceptedCharacters("0123456789", true);
    grille_.decimalInput = false;
    grille_.columnMargin = 4;
    for (int c = 1; c < 5; ++c)
        grille_.SetCell(c, 0, kEntetes[std::size_t(c)]);
    for (int l = 1; l <= FractionDonnees::LIGNES; ++l)
        grille_.SetCell(0, l, std::to_string(l));
    remplit();
    // The grid's own listener (the widget's) still hears of every change.
    grille_.onCellsChanged = [this, avant = grille_.onCellsChanged] {
        modifie_ = true;
        if (avant)
            avant();
    };
}

void FractionEdit2Logique::remplit() {
    for (std::size_t i = 0; i < FractionDonnees::LIGNES; ++i) {
        const int l = int(i) + 1;
        grille_.SetCell(COL_A, l, std::to_string(donnees_.A[i]));
        grille_.SetCell(COL_B, l, std::to_string(donnees_.B[i]));
        grille_.SetCell(COL_C, l, std::to_string(donnees_.C[i]));
        grille_.SetCell(COL_D, l, std::to_string(donnees_.D[i]));
    }
}

bool FractionEdit2Logique::ChangePlages(PlageFraction numerateurs, PlageFraction denominateurs,
                                        std::string& message) {
    if (!litPlage(numerateurs, 0, NUMERATEUR_MAX, "numérateurs", message) ||
        !litPlage(denominateurs, 1, DENOMINATEUR_MAX, "dénominateurs", message) ||
        !DiviseursPossibles(numerateurs.max, operation_, message))
        return false;
    if (numerateurs.min != donnees_.NumMin || numerateurs.max != donnees_.NumMax ||
        denominateurs.min != donnees_.DenMin || denominateurs.max != donnees_.DenMax)
        modifie_ = true;
    donnees_.NumMin = numerateurs.min;
    donnees_.NumMax = numerateurs.max;
    donnees_.DenMin = denominateurs.min;
    donnees_.DenMax = denominateurs.max;
    return true;
}

void FractionEdit2Logique::GenererNombres(GridRange selection) {
    for (int l = std::max(selection.top, 1);
         l <= std::min(selection.bottom, grille_.RowCount() - 1); ++l)
        for (int c = std::max(selection.left, 1);
             c <= std::min(selection.right, grille_.ColCount() - 1); ++c) {
            PlageFraction p = estDenominateur(c) ? Denominateurs() : Numerateurs();
            // A division's divisor among the range's non-zero numerators (the ranges refuse a
            // division whose numerators are all 0).
            if (c == COL_C && operation_ == FR_DIVISION)
                p.min = std::max(p.min, 1);
            const int n = p.max >= p.min ? Random() % (p.max - p.min + 1) + p.min : 1;
            grille_.SetCell(c, l, std::to_string(n));
        }
    modifie_ = true;
}

bool FractionEdit2Logique::Valider(FractionDonnees& donnees, std::string& message) {
    FractionDonnees lues = donnees_;
    lues.Masque = donnees.Masque;
    for (int l = 1; l <= FractionDonnees::LIGNES; ++l)
        for (int c = COL_A; c <= COL_D; ++c) {
            const std::string& texte = grille_.Cell(c, l);
            const std::string ou =
                "Ligne " + std::to_string(l) + ", colonne " + kEntetes[std::size_t(c)] + "\u00A0: ";
            std::size_t pos = 0;
            const std::int64_t n = LireDigit(texte, pos);
            if (texte.empty()) {
                message = ou + "la case est vide.";
                return false;
            }
            if (n < 0 || pos != texte.size() || texte.size() > 5 || n > NOMBRE_MAX) {
                message = ou + "«\u00A0" + texte + "\u00A0» n'est pas un nombre entier de 0 à " +
                          std::to_string(NOMBRE_MAX) + ".";
                return false;
            }
            if (n == 0 && estDenominateur(c)) {
                message = ou + "un dénominateur ne peut pas être 0.";
                return false;
            }
            if (n == 0 && c == COL_C && operation_ == FR_DIVISION) {
                message = ou + "on ne peut pas diviser par 0.";
                return false;
            }
            const std::size_t i = std::size_t(l - 1);
            (c == COL_A   ? lues.A
             : c == COL_B ? lues.B
             : c == COL_C ? lues.C
                          : lues.D)[i] = std::int16_t(n);
        }
    donnees = lues;
    donnees_ = lues;
    modifie_ = false;
    return true;
}
