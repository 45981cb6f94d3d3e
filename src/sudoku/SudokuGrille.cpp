#include "sudoku/SudokuGrille.h"

#include "sudoku/SudokuMasques.h"

#include <cstring>

namespace {

constexpr char kTousCandidats[] = "123456789";

} // namespace

SudokuGrille::SudokuGrille() : alea_(&GlobalRandom()) {
    for (auto& ligne : Cases)
        for (auto& cellule : ligne)
            std::memcpy(cellule, kTousCandidats, sizeof cellule);
}

void SudokuGrille::FixeType(int type) {
    switch (type) {
    case tg6x6_3x2:
        LargeurRegion = 3;
        HauteurRegion = 2;
        break;
    case tg6x6_2x3:
        LargeurRegion = 2;
        HauteurRegion = 3;
        break;
    case tg4x4:
        LargeurRegion = 2;
        HauteurRegion = 2;
        break;
    default:
        LargeurRegion = 3;
        HauteurRegion = 3;
        break;
    }
    NbValeurs = LargeurRegion * HauteurRegion;
    NbLignes = NbValeurs;
    NbColonnes = NbValeurs;
    Stat = {};
}

void SudokuGrille::ChargeProbleme(const std::string& probleme) {
    const int n = NbValeurs;
    for (int i = 0; i < n * n; ++i) {
        char* cellule = Cases[i / n][i % n];
        std::memset(cellule, Vide, TailleMax);
        cellule[TailleMax] = '\0';
        const char symbole = i < int(probleme.size()) ? probleme[i] : '0';
        if (symbole == '0') {
            std::memcpy(cellule, kTousCandidats, size_t(n));
        } else if (symbole >= '1' && symbole <= '9') {
            // A digit above N has no position: the cell is left without a candidate.
            cellule[symbole - '1'] = symbole;
        }
    }
}

void SudokuGrille::LitSolution(std::string& probleme) const {
    const int n = NbValeurs;
    probleme.assign(size_t(n * n), '0');
    for (int i = 0; i < n * n; ++i) {
        const int v = Valeur(i / n, i % n);
        if (v != 0)
            probleme[i] = char('0' + v);
    }
}

std::string SudokuGrille::LitSolution() const {
    std::string probleme;
    LitSolution(probleme);
    return probleme;
}

int SudokuGrille::NbCandidats(int ligne, int colonne) const {
    const char* cellule = Cases[ligne][colonne];
    int nombre = 0;
    for (int k = 0; k < NbValeurs; ++k)
        nombre += cellule[k] != Vide;
    return nombre;
}

int SudokuGrille::Valeur(int ligne, int colonne) const {
    const char* cellule = Cases[ligne][colonne];
    int valeur = 0;
    for (int k = 0; k < NbValeurs; ++k) {
        if (cellule[k] == Vide)
            continue;
        if (valeur != 0)
            return 0;
        valeur = k + 1;
    }
    return valeur;
}

void SudokuGrille::FixeValeur(int ligne, int colonne, int valeur) {
    char* cellule = Cases[ligne][colonne];
    std::memset(cellule, Vide, TailleMax);
    cellule[TailleMax] = '\0';
    cellule[valeur - 1] = char('0' + valeur);
}

int SudokuGrille::StatutCompletion() const {
    for (int c = 0; c < NbValeurs; ++c)
        for (int l = 0; l < NbValeurs; ++l) {
            const int nombre = NbCandidats(l, c);
            if (nombre != 1)
                return nombre == 0 ? ssContradiction : ssBloque;
        }
    return ssResolu;
}

// The techniques run on the bit-set form of the grid, written back into the strings.
int SudokuGrille::Resoudre(int niveau, int /*limiteSecondes*/) {
    SudokuMasques masques(*this);
    const int statut = masques.Resoudre(niveau);
    masques.EcritDans(*this);
    Stat = masques.Stat;
    return statut;
}

void SudokuGrille::EcritCaracteres(const std::string& codes) {
    const int n = NbValeurs;
    for (int i = 0; i < n * n && i < int(codes.size()); ++i)
        Cases[i / n][i % n][0] = codes[i];
}

void SudokuGrille::LitCaracteres(std::string& codes) const {
    const int n = NbValeurs;
    codes.resize(size_t(n * n));
    for (int i = 0; i < n * n; ++i)
        codes[i] = Cases[i / n][i % n][0];
}
