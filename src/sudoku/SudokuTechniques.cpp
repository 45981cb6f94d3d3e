// The solver's techniques beyond singles, each reporting whether it removed candidates.
#include "sudoku/SudokuGrille.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace {

int bits(unsigned masque) {
    return std::popcount(masque);
}

} // namespace

// A candidate of a box confined to one column (row) of the box leaves the rest of that column
// (row) outside the box.
SudokuGrille::Effet SudokuGrille::pointage() {
    const int n = NbValeurs;
    bool change = false;
    for (int region = 0; region < n; ++region) {
        const int unite = 2 * n + region;
        for (int k = 0; k < n; ++k) {
            int l = 0;
            int c = 0;
            CaseUnite(unite, k, l, c);
            if (NbCandidats(l, c) < 2)
                continue;
            for (int v = 1; v <= n; ++v) {
                if (!EstCandidat(l, c, v))
                    continue;
                bool autreColonne = false;
                bool autreLigne = false;
                for (int j = 0; j < n; ++j) {
                    int lj = 0;
                    int cj = 0;
                    CaseUnite(unite, j, lj, cj);
                    if (!EstCandidat(lj, cj, v))
                        continue;
                    autreColonne |= cj != c;
                    autreLigne |= lj != l;
                }
                if (!autreColonne)
                    for (int lx = 0; lx < n; ++lx)
                        if (!memeRegion(lx, c, l, c))
                            change |= retire(lx, c, v);
                if (!autreLigne)
                    for (int cx = 0; cx < n; ++cx)
                        if (!memeRegion(l, cx, l, c))
                            change |= retire(l, cx, v);
            }
        }
    }
    if (contradiction_)
        return efContradiction;
    if (!change)
        return efRien;
    ++Stat[rgVerrouRegion];
    return efChange;
}

// A candidate of a column (row) confined to one box leaves the other columns (rows) of the box.
SudokuGrille::Effet SudokuGrille::reductionBoiteLigne() {
    const int n = NbValeurs;
    bool change = false;
    for (int region = 0; region < n; ++region) {
        const int unite = 2 * n + region;
        for (int k = 0; k < n; ++k) {
            int l = 0;
            int c = 0;
            CaseUnite(unite, k, l, c);
            if (NbCandidats(l, c) < 2)
                continue;
            for (int v = 1; v <= n; ++v) {
                if (!EstCandidat(l, c, v))
                    continue;
                bool horsColonne = false;
                bool horsLigne = false;
                for (int x = 0; x < n; ++x) {
                    horsColonne |= !memeRegion(x, c, l, c) && EstCandidat(x, c, v);
                    horsLigne |= !memeRegion(l, x, l, c) && EstCandidat(l, x, v);
                }
                for (int j = 0; j < n; ++j) {
                    int lj = 0;
                    int cj = 0;
                    CaseUnite(unite, j, lj, cj);
                    if (!horsColonne && cj != c)
                        change |= retire(lj, cj, v);
                    if (!horsLigne && lj != l)
                        change |= retire(lj, cj, v);
                }
            }
        }
    }
    if (contradiction_)
        return efContradiction;
    if (!change)
        return efRien;
    ++Stat[rgVerrouLigne];
    return efChange;
}

SudokuGrille::Effet SudokuGrille::sousEnsemblesNus() {
    bool change = false;
    for (int u = 0; u < NbUnites(); ++u)
        if (sousEnsemblesNusUnite(u, change) == efContradiction)
            return efContradiction;
    return change ? efChange : efRien;
}

// k cells of a unit holding the same k candidates leave those candidates to the other cells.
SudokuGrille::Effet SudokuGrille::sousEnsemblesNusUnite(int unite, bool& change) {
    struct Entree {
        int position; // index in the unit's walk
        int nombre;
        std::uint16_t masque;
    };
    const int n = NbValeurs;
    std::vector<Entree> entrees;
    entrees.reserve(size_t(n));
    for (int k = 0; k < n; ++k) {
        int l = 0;
        int c = 0;
        CaseUnite(unite, k, l, c);
        const int nombre = NbCandidats(l, c);
        if (nombre >= 2 && nombre < n)
            entrees.push_back({k, nombre, masque(l, c)});
    }
    std::stable_sort(entrees.begin(), entrees.end(),
                     [](const Entree& a, const Entree& b) { return a.nombre > b.nombre; });

    for (int i = int(entrees.size()) - 1; i >= 1; --i) {
        const Entree& entree = entrees[size_t(i)];
        if (entree.nombre > i + 1)
            continue;
        std::uint32_t membres = 1u << entree.position;
        for (int j = 0; j < i; ++j)
            if ((entrees[size_t(j)].masque & ~entree.masque) == 0)
                membres |= 1u << entrees[size_t(j)].position;
        const int taille = bits(membres);
        if (taille != entree.nombre || taille < 2 || taille > 4)
            continue;
        bool retiree = false;
        for (int k = 0; k < n; ++k) {
            if (membres & (1u << k))
                continue;
            int l = 0;
            int c = 0;
            CaseUnite(unite, k, l, c);
            for (int v = 1; v <= n; ++v)
                if (entree.masque & (1u << (v - 1)))
                    retiree |= retire(l, c, v);
        }
        if (contradiction_)
            return efContradiction;
        if (retiree) {
            ++Stat[rgPaireNue + taille - 2];
            change = true;
            return efChange;
        }
    }
    return efRien;
}

// k values of a unit confined to k cells leave those cells no other candidate.
SudokuGrille::Effet SudokuGrille::sousEnsemblesCaches(int taille) {
    const int n = NbValeurs;
    for (int u = 0; u < NbUnites(); ++u) {
        // Positions of each value, the first cell of the walk on the highest bit.
        unsigned positions[TailleMax + 1] = {};
        for (int k = 0; k < n; ++k) {
            int l = 0;
            int c = 0;
            CaseUnite(u, k, l, c);
            if (NbCandidats(l, c) < 2)
                continue;
            for (int v = 1; v <= n; ++v)
                if (EstCandidat(l, c, v))
                    positions[v] |= 1u << (n - 1 - k);
        }

        // Combinations of values in lexicographic order, each member with a position at least.
        int membres[5] = {};
        unsigned unions[6] = {};
        int profondeur = 0;
        membres[0] = 0;
        bool trouve = false;
        while (profondeur >= 0 && !trouve) {
            int& v = membres[profondeur];
            ++v;
            if (v > n) {
                --profondeur;
                continue;
            }
            const unsigned reunion = unions[profondeur] | positions[v];
            if (positions[v] == 0 || bits(reunion) > taille)
                continue;
            if (profondeur + 1 < taille) {
                unions[profondeur + 1] = reunion;
                membres[profondeur + 1] = v;
                ++profondeur;
                continue;
            }
            if (bits(reunion) != taille)
                continue;
            bool autreValeur = false;
            for (int w = v + 1; w <= n && !autreValeur; ++w)
                autreValeur = positions[w] != 0 && (positions[w] & ~reunion) == 0;
            if (autreValeur)
                continue;
            unions[taille] = reunion;
            trouve = true;
        }
        if (!trouve)
            continue;

        unsigned valeurs = 0;
        for (int m = 0; m < taille; ++m)
            valeurs |= 1u << (membres[m] - 1);
        bool retiree = false;
        for (int k = 0; k < n; ++k) {
            if (!(unions[taille] & (1u << (n - 1 - k))))
                continue;
            int l = 0;
            int c = 0;
            CaseUnite(u, k, l, c);
            for (int v = 1; v <= n; ++v)
                if (!(valeurs & (1u << (v - 1))))
                    retiree |= retire(l, c, v);
        }
        if (contradiction_)
            return efContradiction;
        if (retiree) {
            ++Stat[rgPaireCachee + taille - 2];
            return efChange;
        }
    }
    return efRien;
}

// Fish of size k: a value confined to k positions in k parallel lines leaves those positions
// in every other line.
SudokuGrille::Effet SudokuGrille::poisson(int taille) {
    for (int sens = 0; sens < 2; ++sens) {
        const bool lignes = sens == 0;
        for (int base = 0; base < NbValeurs; ++base) {
            bool change = false;
            const Effet effet = poissonBase(taille, lignes, base, change);
            if (effet != efRien)
                return effet;
        }
    }
    return efRien;
}

SudokuGrille::Effet SudokuGrille::poissonBase(int taille, bool lignes, int base, bool& change) {
    const int n = NbValeurs;
    auto cellule = [&](int ligne, int position, int& l, int& c) {
        l = lignes ? ligne : position;
        c = lignes ? position : ligne;
    };
    // The positions of v in a line, and whether v is solved there.
    auto positions = [&](int ligne, int v, bool& resolue) {
        unsigned masqueLigne = 0;
        resolue = false;
        for (int p = 0; p < n; ++p) {
            int l = 0;
            int c = 0;
            cellule(ligne, p, l, c);
            if (!EstCandidat(l, c, v))
                continue;
            masqueLigne |= 1u << p;
            resolue |= NbCandidats(l, c) == 1;
        }
        return masqueLigne;
    };

    for (int v = 1; v <= n; ++v) {
        bool resolue = false;
        const unsigned depart = positions(base, v, resolue);
        const int nombre = bits(depart);
        if (nombre < 2 || nombre > taille)
            continue;

        // The further lines, in increasing order, depth first.
        int choisies[3] = {base, 0, 0};
        unsigned unions[4] = {depart, 0, 0, 0};
        int profondeur = 1;
        choisies[1] = base;
        bool trouve = false;
        while (profondeur >= 1 && !trouve) {
            int& ligne = choisies[profondeur];
            ++ligne;
            if (ligne >= n) {
                --profondeur;
                continue;
            }
            const unsigned masqueLigne = positions(ligne, v, resolue);
            if (resolue || masqueLigne == 0)
                continue;
            const unsigned reunion = unions[profondeur - 1] | masqueLigne;
            if (bits(reunion) > taille)
                continue;
            if (profondeur + 1 < taille) {
                unions[profondeur] = reunion;
                choisies[profondeur + 1] = ligne;
                ++profondeur;
                continue;
            }
            bool autreLigne = false;
            for (int suivante = ligne + 1; suivante < n && !autreLigne; ++suivante) {
                const unsigned autre = positions(suivante, v, resolue);
                autreLigne = !resolue && (autre & ~reunion) == 0;
            }
            if (autreLigne)
                continue;
            unions[taille - 1] = reunion;
            trouve = true;
        }
        if (!trouve)
            continue;

        const unsigned reunion = unions[taille - 1];
        for (int ligne = 0; ligne < n; ++ligne) {
            if (std::find(choisies, choisies + taille, ligne) != choisies + taille)
                continue;
            for (int p = 0; p < n; ++p) {
                if (!(reunion & (1u << p)))
                    continue;
                int l = 0;
                int c = 0;
                cellule(ligne, p, l, c);
                change |= retire(l, c, v);
            }
        }
        if (contradiction_)
            return efContradiction;
        if (!change)
            return efRien;
        ++Stat[rgXWing + taille - 2];
        return efChange;
    }
    return efRien;
}
