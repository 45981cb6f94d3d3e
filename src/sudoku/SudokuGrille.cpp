#include "sudoku/SudokuGrille.h"

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

std::uint16_t SudokuGrille::masque(int ligne, int colonne) const {
    const char* cellule = Cases[ligne][colonne];
    std::uint16_t bits = 0;
    for (int k = 0; k < NbValeurs; ++k)
        if (cellule[k] != Vide)
            bits |= std::uint16_t(1u << k);
    return bits;
}

bool SudokuGrille::retire(int ligne, int colonne, int valeur) {
    char& position = Cases[ligne][colonne][valeur - 1];
    if (position == Vide)
        return false;
    position = Vide;
    if (NbCandidats(ligne, colonne) == 0)
        contradiction_ = true;
    return true;
}

bool SudokuGrille::memeRegion(int l1, int c1, int l2, int c2) const {
    return l1 / HauteurRegion == l2 / HauteurRegion && c1 / LargeurRegion == c2 / LargeurRegion;
}

void SudokuGrille::CaseUnite(int unite, int k, int& ligne, int& colonne) const {
    const int n = NbValeurs;
    if (unite < n) {
        ligne = unite;
        colonne = k;
        return;
    }
    if (unite < 2 * n) {
        ligne = k;
        colonne = unite - n;
        return;
    }
    const int region = unite - 2 * n;
    const int piles = n / LargeurRegion;
    ligne = (region / piles) * HauteurRegion + k / LargeurRegion;
    colonne = (region % piles) * LargeurRegion + k % LargeurRegion;
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

// Removes each solved cell's value from its row, column and box until nothing changes.
int SudokuGrille::singletonsNus() {
    const int n = NbValeurs;
    for (int c = 0; c < n; ++c)
        for (int l = 0; l < n; ++l)
            if (NbCandidats(l, c) == 0)
                return ssContradiction;
    bool change = true;
    while (change) {
        change = false;
        for (int c = 0; c < n; ++c) {
            for (int l = 0; l < n; ++l) {
                const int v = Valeur(l, c);
                if (v == 0)
                    continue;
                contradiction_ = false;
                for (int k = 0; k < n; ++k) {
                    if (k != c)
                        change |= retire(l, k, v);
                    if (k != l)
                        change |= retire(k, c, v);
                }
                const int l0 = l - l % HauteurRegion;
                const int c0 = c - c % LargeurRegion;
                for (int dl = 0; dl < HauteurRegion; ++dl)
                    for (int dc = 0; dc < LargeurRegion; ++dc) {
                        const int lr = l0 + dl;
                        const int cr = c0 + dc;
                        if (lr != l && cr != c)
                            change |= retire(lr, cr, v);
                    }
                if (contradiction_)
                    return ssContradiction;
            }
        }
    }
    return ssBloque;
}

// Places the first value that only one unsolved cell of a unit can hold.
bool SudokuGrille::singletonCache() {
    const int n = NbValeurs;
    for (int u = 0; u < NbUnites(); ++u) {
        for (int v = 1; v <= n; ++v) {
            int nombre = 0;
            int ligneTrouvee = 0;
            int colonneTrouvee = 0;
            for (int k = 0; k < n && nombre < 2; ++k) {
                int l = 0;
                int c = 0;
                CaseUnite(u, k, l, c);
                if (NbCandidats(l, c) >= 2 && EstCandidat(l, c, v)) {
                    ++nombre;
                    ligneTrouvee = l;
                    colonneTrouvee = c;
                }
            }
            if (nombre == 1) {
                FixeValeur(ligneTrouvee, colonneTrouvee, v);
                return true;
            }
        }
    }
    return false;
}

int SudokuGrille::Resoudre(int niveau, int /*limiteSecondes*/) {
    Stat = {};
    bool premierPassage = true;
    for (;;) {
        if (singletonsNus() == ssContradiction)
            return ssContradiction;
        if (premierPassage) {
            int resolues = 0;
            for (int l = 0; l < NbValeurs; ++l)
                for (int c = 0; c < NbValeurs; ++c)
                    resolues += NbCandidats(l, c) == 1;
            Stat[rgCellulesOpaques] = std::uint16_t(NbCases() - resolues);
            premierPassage = false;
        }
        if (niveau <= 0)
            return StatutCompletion();
        if (singletonCache()) {
            ++Stat[rgUniqueCache];
            continue;
        }
        if (niveau == 1)
            return StatutCompletion();

        contradiction_ = false;
        Effet effet = pointage();
        if (effet == efRien)
            effet = reductionBoiteLigne();
        if (effet == efRien)
            effet = sousEnsemblesNus();
        for (int taille = 2; taille <= 5 && effet == efRien; ++taille)
            effet = sousEnsemblesCaches(taille);
        for (int taille = 2; taille <= 3 && effet == efRien; ++taille)
            effet = poisson(taille);
        if (effet == efContradiction)
            return ssContradiction;
        if (effet == efRien)
            return StatutCompletion();
    }
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
