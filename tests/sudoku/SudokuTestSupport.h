// Sudoku test helpers: puzzle files, a solver and checks written without the engine.
#pragma once

#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuGrille.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace sudoku_test {

// The four grid shapes: type, box width and height.
struct Forme {
    int type, largeur, hauteur;
};
constexpr Forme kFormes[] = {{0, 3, 3}, {1, 3, 2}, {2, 2, 3}, {3, 2, 2}};

// Every line of 81 characters of a puzzle file (empty when the file is absent).
inline std::vector<std::string> LitPuzzles(const std::string& chemin, int pas = 1) {
    std::vector<std::string> puzzles;
    std::ifstream fichier(chemin);
    std::string ligne;
    for (int numero = 0; std::getline(fichier, ligne); ++numero) {
        if (ligne.size() >= 81 && numero % pas == 0)
            puzzles.push_back(ligne.substr(0, 81));
    }
    return puzzles;
}

inline std::string CheminEchantillon() {
    return std::string(VL_TEST_DATA) + "/sudoku17-sample.txt";
}

// The full collection: $VL_SUDOKU17, else the shared data folder beside the source tree.
inline std::string CheminCollection() {
    if (const char* chemin = std::getenv("VL_SUDOKU17"))
        return chemin;
    return std::string(VL_SOURCE_DIR) + "/../shared/data/sudoku17.txt";
}

// A plain backtracking solver for an N x N grid with boxes w x h: branches on the cell, or the
// place of a digit in a unit, with the fewest choices. Counts solutions up to two.
class Backtracking {
public:
    Backtracking(const std::string& probleme, int largeur, int hauteur)
        : g_(probleme), w_(largeur), h_(hauteur), n_(largeur * hauteur) {
        for (int u = 0; u < 3 * n_; ++u)
            for (int k = 0; k < n_; ++k)
                unites_.push_back(caseUnite(u, k));
    }

    int NbSolutions() {
        compte_ = 0;
        cherche();
        return compte_;
    }
    const std::string& Solution() const { return solution_; }

private:
    int caseUnite(int u, int k) const {
        if (u < n_)
            return u * n_ + k;
        if (u < 2 * n_)
            return k * n_ + (u - n_);
        const int b = u - 2 * n_;
        const int piles = n_ / w_;
        return ((b / piles) * h_ + k / w_) * n_ + (b % piles) * w_ + k % w_;
    }
    int libres(int i) const {
        int pris = 0;
        const int r = i / n_, c = i % n_, r0 = r - r % h_, c0 = c - c % w_;
        for (int k = 0; k < n_; ++k)
            for (int j : {r * n_ + k, k * n_ + c, (r0 + k / w_) * n_ + c0 + k % w_})
                if (g_[j] != '0')
                    pris |= 1 << (g_[j] - '1');
        return ((1 << n_) - 1) & ~pris;
    }
    void cherche() {
        std::vector<int> libre(g_.size(), 0);
        int meilleur = n_ + 1;
        std::vector<std::pair<int, int>> choix;
        bool plein = true;
        for (int i = 0; i < n_ * n_; ++i) {
            if (g_[i] != '0')
                continue;
            plein = false;
            libre[i] = libres(i);
            const int nombre = __builtin_popcount(libre[i]);
            if (nombre == 0)
                return;
            if (nombre < meilleur) {
                meilleur = nombre;
                choix.clear();
                for (int d = 0; d < n_; ++d)
                    if (libre[i] >> d & 1)
                        choix.push_back({i, d});
            }
        }
        if (plein) {
            if (compte_++ == 0)
                solution_ = g_;
            return;
        }
        for (int u = 0; u < 3 * n_ && meilleur > 1; ++u)
            for (int d = 0; d < n_; ++d) {
                std::vector<int> places;
                bool posee = false;
                for (int k = 0; k < n_; ++k) {
                    const int i = unites_[size_t(u * n_ + k)];
                    if (g_[i] - '1' == d)
                        posee = true;
                    else if (g_[i] == '0' && (libre[i] >> d & 1))
                        places.push_back(i);
                }
                if (posee)
                    continue;
                if (places.empty())
                    return;
                if (int(places.size()) < meilleur) {
                    meilleur = int(places.size());
                    choix.clear();
                    for (int i : places)
                        choix.push_back({i, d});
                }
            }
        for (auto [i, d] : choix) {
            if (compte_ >= 2)
                return;
            g_[i] = char('1' + d);
            cherche();
            g_[i] = '0';
        }
    }

    std::string g_;
    int w_, h_, n_;
    std::vector<int> unites_;
    int compte_ = 0;
    std::string solution_;
};

// Whether a full grid (no '0') has every value once in each row, column and box.
inline bool SolutionValide(const std::string& g, int largeur, int hauteur) {
    const int n = largeur * hauteur;
    if (int(g.size()) < n * n)
        return false;
    for (int u = 0; u < n; ++u) {
        int ligne = 0, colonne = 0, boite = 0;
        const int r0 = (u / (n / largeur)) * hauteur, c0 = (u % (n / largeur)) * largeur;
        for (int k = 0; k < n; ++k) {
            const char a = g[u * n + k], b = g[k * n + u],
                       c = g[(r0 + k / largeur) * n + c0 + k % largeur];
            if (a < '1' || a > '0' + n || b < '1' || b > '0' + n || c < '1' || c > '0' + n)
                return false;
            ligne |= 1 << (a - '1');
            colonne |= 1 << (b - '1');
            boite |= 1 << (c - '1');
        }
        const int tous = (1 << n) - 1;
        if (ligne != tous || colonne != tous || boite != tous)
            return false;
    }
    return true;
}

// Whether every given of a puzzle (codes or digits, '0' unknown) agrees with a solution.
inline bool Compatible(const std::string& probleme, const std::string& solution) {
    for (size_t i = 0; i < probleme.size() && i < solution.size(); ++i)
        if (probleme[i] != '0' && probleme[i] != solution[i])
            return false;
    return true;
}

// Givens ('0' elsewhere) and solution from cell codes: givens 1..9, hidden values 11..19.
struct Contenu {
    std::string donnees, solution;
};
inline Contenu Decode(const std::int8_t* cases, int n) {
    Contenu c{std::string(size_t(n * n), '0'), std::string(size_t(n * n), '0')};
    for (int i = 0; i < n * n; ++i) {
        const int code = cases[i];
        if (code >= 1 && code <= 9)
            c.donnees[size_t(i)] = c.solution[size_t(i)] = char('0' + code);
        else if (code >= 11 && code <= 19)
            c.solution[size_t(i)] = char('0' + code - 10);
    }
    return c;
}

inline int NbDonnees(const std::string& donnees) {
    return int(std::count_if(donnees.begin(), donnees.end(), [](char c) { return c != '0'; }));
}

// Whether cell codes hold a valid solution that their givens alone determine.
inline bool CasesValides(const std::array<std::int8_t, 81>& cases, int largeur, int hauteur) {
    const Contenu c = Decode(cases.data(), largeur * hauteur);
    return SolutionValide(c.solution, largeur, hauteur) &&
           Backtracking(c.donnees, largeur, hauteur).NbSolutions() == 1;
}

inline SudokuGrille GrilleDe(int type, const std::string& probleme) {
    SudokuGrille grille;
    grille.FixeType(type);
    grille.ChargeProbleme(probleme);
    return grille;
}

// The level a full solve of the givens rates them at, 0 when it does not finish them.
inline int NiveauNote(int type, const std::string& donnees) {
    SudokuGrille grille = GrilleDe(type, donnees);
    return grille.Resoudre(NiveauComplet) == ssResolu ? NiveauDeStat(grille.Stat) : 0;
}

} // namespace sudoku_test
