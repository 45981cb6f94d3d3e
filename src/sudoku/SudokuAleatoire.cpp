// The random side of the engine: completion of a grid by a randomised search, the turning of
// a solution into a puzzle, and the symmetries.
#include "sudoku/SudokuGrille.h"

#include "sudoku/SudokuMasques.h"

#include <bit>
#include <cstring>
#include <utility>

namespace {

// A search in progress: its clue string, level, draws and limits.
struct Recherche {
    std::string& indices;
    int niveau;
    TRandom& alea;
    long long noeudsRestants; // nodes still allowed; negative for no limit
    std::stop_token arret;
};

bool limiteAtteinte(const Recherche& r) {
    return r.noeudsRestants == 0 || r.arret.stop_requested();
}

// One node of the search: solve, then try each (value, cell) pair from a random start until a
// child finishes the grid. A child works on a copy of the node's grid; the clue string holds
// the digits placed on the path being tried.
int chercheNoeud(SudokuMasques& grille, Recherche& r) {
    if (r.arret.stop_requested())
        return ssContradiction;
    if (r.noeudsRestants > 0)
        --r.noeudsRestants;
    const int statut = grille.Resoudre(r.niveau);
    if (statut != ssBloque)
        return statut;
    const int n = grille.Geometrie().n;
    const int n2 = n * n;
    const int colonneDepart = r.alea.Below(n);
    const int ligneDepart = r.alea.Below(n);
    const int valeurDepart = r.alea.Below(n);
    const int caseDepart = ligneDepart * n + colonneDepart;

    SudokuMasques copie = grille;
    int dernier = ssBloque;
    for (int dv = 0; dv < n; ++dv) {
        const int v = (valeurDepart + dv) % n + 1;
        const unsigned bit = 1u << (v - 1);
        for (int dc = 0; dc < n2; ++dc) {
            const int index = (caseDepart + dc) % n2;
            const unsigned masque = grille.Masque(index);
            if (!(masque & bit) || masque == bit)
                continue;
            r.indices[size_t(index)] = char('0' + v);
            copie.FixeValeur(index, v);
            dernier = chercheNoeud(copie, r);
            if (dernier == ssResolu) {
                grille = copie;
                return ssResolu;
            }
            if (limiteAtteinte(r))
                return ssContradiction;
            r.indices[size_t(index)] = '0';
            copie = grille;
        }
    }
    return dernier;
}

} // namespace

int SudokuGrille::GenereAleatoire(std::string& indices, std::string& solution, int niveau,
                                  int limiteMs, long long limiteNoeuds, std::stop_token arret) {
    const int n2 = NbCases();
    if (int(indices.size()) < n2)
        indices.resize(size_t(n2), '0');
    Stat = {};
    ChargeProbleme(indices);
    Recherche r{indices, niveau, *alea_, -1, std::move(arret)};
    // The time limit is counted in nodes, never on the clock, so that a seed gives the same grid
    // on any machine, however loaded.
    if (limiteMs > 0)
        r.noeudsRestants = (long long)limiteMs * NoeudsParMs;
    if (limiteNoeuds >= 0)
        r.noeudsRestants = limiteNoeuds;
    SudokuMasques recherche(*this);
    const bool trouve = chercheNoeud(recherche, r) == ssResolu;
    if (trouve) {
        if (int(solution.size()) < n2)
            solution.resize(size_t(n2), '0');
        for (int i = 0; i < n2; ++i)
            solution[size_t(i)] = char('0' + recherche.Valeur(i));
    }
    ChargeProbleme(indices);
    // A stop may leave the clues of a node never solved, which the solver below could finish
    // without a solution having been found.
    if (!trouve && r.arret.stop_requested())
        return ssContradiction;
    return Resoudre(NiveauComplet);
}

int SudokuGrille::AjusteProbleme(std::string& probleme, const std::string& solution,
                                 std::string& resultat, int niveau) {
    const int n = NbValeurs;
    const int n2 = n * n;
    probleme.resize(size_t(n2), '0');
    resultat.resize(size_t(n2), '0');
    ChargeProbleme(probleme);
    SudokuMasques grille(*this);
    // The strings keep the last grid solved: the one loaded last, with what its solve changed.
    auto rend = [&](int statut) {
        grille.EcritDans(*this);
        Stat = grille.Stat;
        return statut;
    };

    // Clues from the solution until the level finishes the grid.
    for (;;) {
        const int statut = grille.Resoudre(niveau);
        if (statut == ssContradiction)
            return rend(ssContradiction);
        if (statut == ssResolu)
            break;
        const int colonne = alea_->Below(n);
        const int ligne = alea_->Below(n);
        int index = ligne * n + colonne;
        while (std::popcount(unsigned(grille.Masque(index))) == 1)
            index = (index + 1) % n2;
        const char chiffre = index < int(solution.size()) ? solution[size_t(index)] : '0';
        if (chiffre < '1' || chiffre - '0' > n)
            return rend(ssContradiction);
        grille.FixeValeur(index, chiffre - '0');
        resultat[size_t(index)] = chiffre;
    }
    probleme = resultat;

    // Every clue the level does not need goes, until a full turn removes nothing.
    std::string dernierCharge;
    int position = alea_->Below(n2);
    int decompte = n2;
    while (decompte > 0) {
        if (probleme[size_t(position)] != '0') {
            const char indice = probleme[size_t(position)];
            probleme[size_t(position)] = '0';
            dernierCharge = probleme;
            grille.ChargeProbleme(probleme);
            if (grille.Resoudre(niveau) == ssResolu) {
                decompte = n2;
            } else {
                probleme[size_t(position)] = indice;
                --decompte;
            }
        } else {
            --decompte;
        }
        position = (position + 1) % n2;
    }
    resultat = probleme;
    if (!dernierCharge.empty())
        ChargeProbleme(dernierCharge);
    return rend(ssResolu);
}

void SudokuGrille::Transforme() {
    const int n = NbValeurs;
    const int largeur = LargeurRegion;
    const int hauteur = HauteurRegion;
    char(&cases)[TailleMax][TailleMax][TailleMax + 1] = Cases;
    auto echangeColonnes = [&](int a, int b) {
        for (int l = 0; l < n; ++l)
            std::swap(cases[l][a], cases[l][b]);
    };
    auto echangeLignes = [&](int a, int b) {
        for (int c = 0; c < n; ++c)
            std::swap(cases[a][c], cases[b][c]);
    };
    // The four-way choice among three groups (nothing, 0-1, 0-2, 1-2) or the two-way one.
    auto choix = [&](int groupes, auto echange) {
        if (groupes == 3) {
            switch (alea_->Below(4)) {
            case 1:
                echange(0, 1);
                break;
            case 2:
                echange(0, 2);
                break;
            case 3:
                echange(1, 2);
                break;
            default:
                break;
            }
        } else if (alea_->Below(2) == 1) {
            echange(0, 1);
        }
    };

    if (alea_->Below(2) == 1)
        for (int c = 0; c < n / 2; ++c)
            echangeColonnes(c, n - 1 - c);
    if (alea_->Below(2) == 1)
        for (int l = 0; l < n / 2; ++l)
            echangeLignes(l, n - 1 - l);
    if (largeur == hauteur) {
        const int quarts = alea_->Below(4);
        for (int q = 0; q < quarts; ++q) {
            char tourne[TailleMax][TailleMax][TailleMax + 1];
            for (int l = 0; l < n; ++l)
                for (int c = 0; c < n; ++c)
                    std::memcpy(tourne[c][n - 1 - l], cases[l][c], TailleMax + 1);
            std::memcpy(cases, tourne, sizeof tourne);
        }
    }
    choix(n / largeur, [&](int a, int b) {
        for (int k = 0; k < largeur; ++k)
            echangeColonnes(a * largeur + k, b * largeur + k);
    });
    choix(n / hauteur, [&](int a, int b) {
        for (int k = 0; k < hauteur; ++k)
            echangeLignes(a * hauteur + k, b * hauteur + k);
    });
    for (int pile = 0; pile < n / largeur; ++pile)
        choix(largeur,
              [&](int a, int b) { echangeColonnes(pile * largeur + a, pile * largeur + b); });
    for (int bande = 0; bande < n / hauteur; ++bande)
        choix(hauteur,
              [&](int a, int b) { echangeLignes(bande * hauteur + a, bande * hauteur + b); });
}
