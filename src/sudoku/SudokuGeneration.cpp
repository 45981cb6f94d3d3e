#include "sudoku/SudokuGeneration.h"

#include <algorithm>

namespace {

GrilleGeneree echec(const char* message) {
    GrilleGeneree resultat;
    resultat.Message = message;
    return resultat;
}

// From an adjusted puzzle C and its solution S: the per-cell codes, the extra givens, the
// symmetry, and the rating of what the component will show.
GrilleGeneree termine(SudokuGrille& grille, const std::string& solution,
                      const std::string& probleme, int nbValeurs) {
    const int n2 = grille.NbCases();
    std::string codes(size_t(n2), '0');
    int donnees = 0;
    for (int i = 0; i < n2; ++i) {
        if (probleme[i] != '0') {
            codes[i] = probleme[i];
            ++donnees;
        } else {
            codes[i] = char(solution[i] + 10);
        }
    }
    const int voulues = std::min(nbValeurs, n2);
    while (donnees < voulues) {
        int index = grille.Alea().Below(n2);
        while (codes[index] <= '9')
            index = (index + 1) % n2;
        codes[index] = char(codes[index] - 10);
        ++donnees;
    }

    grille.EcritCaracteres(codes);
    grille.Transforme();
    grille.LitCaracteres(codes);

    GrilleGeneree resultat;
    std::string visible(codes);
    for (int i = 0; i < n2; ++i) {
        resultat.Cases[size_t(i)] = std::int8_t(codes[i] - '0');
        if (visible[i] > '9')
            visible[i] = '0';
    }
    grille.ChargeProbleme(visible);
    grille.Resoudre(NiveauComplet);
    resultat.Stat = grille.Stat;
    resultat.Reussi = true;
    return resultat;
}

} // namespace

int NiveauSolveur(int niveau) {
    const int niveauSolveur = niveau - 1;
    if (niveauSolveur < 0)
        return 0;
    return niveauSolveur >= 2 ? NiveauComplet : niveauSolveur;
}

GrilleGeneree GenereGrille9x9(int niveau, int nbValeurs, TRandom& alea) {
    SudokuGrille grille;
    grille.FixeAlea(alea);
    grille.FixeType(tg9x9);
    const int n2 = grille.NbCases();
    std::string indices(size_t(n2), '0');
    std::string solution(size_t(n2), '0');
    while (grille.GenereAleatoire(indices, solution, NiveauComplet, LimiteRecherche9x9Ms) !=
           ssResolu)
        indices.assign(size_t(n2), '0');

    std::string resultat = indices;
    if (grille.AjusteProbleme(indices, solution, resultat, NiveauSolveur(niveau)) != ssResolu)
        return echec("Problème à la résolution d'une grille");
    return termine(grille, solution, resultat, nbValeurs);
}

namespace {

GrilleGeneree generePetite(int type, const char* erreurGrille, const char* erreurAjustement,
                           int niveau, int nbValeurs, TRandom& alea) {
    SudokuGrille grille;
    grille.FixeAlea(alea);
    grille.FixeType(type);
    const int n2 = grille.NbCases();
    std::string indices(size_t(n2), '0');
    std::string solution(size_t(n2), '0');
    if (grille.GenereAleatoire(indices, solution, NiveauComplet) != ssResolu)
        return echec(erreurGrille);

    indices.assign(size_t(n2), '0');
    std::string resultat = indices;
    if (grille.AjusteProbleme(indices, solution, resultat, NiveauSolveur(niveau)) != ssResolu)
        return echec(erreurAjustement);
    return termine(grille, solution, resultat, nbValeurs);
}

} // namespace

GrilleGeneree GenereGrille6x6(int largeurRegion, int niveau, int nbValeurs, TRandom& alea) {
    return generePetite(largeurRegion == 2 ? tg6x6_2x3 : tg6x6_3x2,
                        "Problème à la résolution d'une grille (Erreur 1)",
                        "Problème à la résolution d'une grille (Erreur 2)", niveau, nbValeurs,
                        alea);
}

GrilleGeneree GenereGrille4x4(int niveau, int nbValeurs, TRandom& alea) {
    return generePetite(tg4x4, "Problème à la résolution d'une grille (1)",
                        "Problème à la résolution d'une grille (2)", niveau, nbValeurs, alea);
}

GrilleGeneree GenereGrille(int type, int niveau, int nbValeurs, TRandom& alea) {
    switch (type) {
    case tg6x6_3x2:
        return GenereGrille6x6(3, niveau, nbValeurs, alea);
    case tg6x6_2x3:
        return GenereGrille6x6(2, niveau, nbValeurs, alea);
    case tg4x4:
        return GenereGrille4x4(niveau, nbValeurs, alea);
    default:
        return GenereGrille9x9(niveau, nbValeurs, alea);
    }
}

std::array<std::int8_t, 81> CodesCases(const std::string& probleme, const std::string& solution,
                                       int nombre) {
    std::array<std::int8_t, 81> cases{};
    for (int i = 0; i < nombre && i < 81; ++i) {
        const char donne = i < int(probleme.size()) ? probleme[i] : '0';
        const char valeur = i < int(solution.size()) ? solution[i] : '0';
        cases[size_t(i)] = donne != '0' ? std::int8_t(donne - '0') : std::int8_t(valeur - '0' + 10);
    }
    return cases;
}
