#include "sudoku/SudokuGeneration.h"

#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

using namespace sudoku_test;

namespace {

struct Forme {
    int type, largeur, hauteur;
};
constexpr Forme kFormes[] = {{tg9x9, 3, 3}, {tg6x6_3x2, 3, 2}, {tg6x6_2x3, 2, 3}, {tg4x4, 2, 2}};

GrilleGeneree genere(int type, int niveau, int nbValeurs, std::uint32_t graine) {
    TRandom alea(graine);
    return GenereGrille(type, niveau, nbValeurs, alea);
}

// The givens ('0' elsewhere) and the full solution of a generated grid.
void decode(const GrilleGeneree& g, int n, std::string& donnees, std::string& solution) {
    donnees.assign(size_t(n * n), '0');
    solution.assign(size_t(n * n), '0');
    for (int i = 0; i < n * n; ++i) {
        const int code = g.Cases[size_t(i)];
        if (code >= 1 && code <= 9)
            donnees[i] = solution[i] = char('0' + code);
        else if (code >= 11 && code <= 19)
            solution[i] = char('0' + code - 10);
    }
}

int nbDonnees(const std::string& donnees) {
    return int(donnees.size()) - int(std::count(donnees.begin(), donnees.end(), '0'));
}

} // namespace

TEST(SudokuGenerationTest, LevelMapping) {
    EXPECT_EQ(NiveauSolveur(-3), 0);
    EXPECT_EQ(NiveauSolveur(0), 0);
    EXPECT_EQ(NiveauSolveur(1), 0);
    EXPECT_EQ(NiveauSolveur(2), 1);
    EXPECT_EQ(NiveauSolveur(3), NiveauComplet);
    EXPECT_EQ(NiveauSolveur(7), NiveauComplet);
}

// Hundreds of puzzles of each shape and level, checked by a backtracking solver of our own:
// exactly one solution, the one handed out; solved by the techniques of the level, so that
// level 1 needs naked singles alone and level 2 nothing beyond hidden singles; rated by a
// full-level solve of what the pupil sees.
TEST(SudokuGenerationTest, EveryPuzzleIsUniqueAndSolvedAtItsLevel) {
    constexpr int kParNiveau = 100;
    for (const Forme& f : kFormes) {
        const int n = f.largeur * f.hauteur;
        for (int niveau = 1; niveau <= 3; ++niveau) {
            TRandom alea(std::uint32_t(40 + niveau + 10 * f.type));
            for (int essai = 0; essai < kParNiveau; ++essai) {
                const GrilleGeneree g = GenereGrille(f.type, niveau, 0, alea);
                ASSERT_TRUE(g.Reussi) << g.Message;
                std::string donnees, solution;
                decode(g, n, donnees, solution);
                for (int i = n * n; i < 81; ++i)
                    ASSERT_EQ(g.Cases[size_t(i)], 0);
                ASSERT_TRUE(SolutionValide(solution, f.largeur, f.hauteur)) << "type " << f.type;
                Backtracking reference(donnees, f.largeur, f.hauteur);
                ASSERT_EQ(reference.NbSolutions(), 1) << donnees;
                ASSERT_EQ(reference.Solution(), solution);

                SudokuGrille verif;
                verif.FixeType(f.type);
                verif.ChargeProbleme(donnees);
                ASSERT_EQ(verif.Resoudre(NiveauSolveur(niveau)), ssResolu)
                    << "type " << f.type << " level " << niveau << " " << donnees;
                verif.ChargeProbleme(donnees);
                verif.Resoudre(NiveauComplet);
                ASSERT_EQ(verif.Stat, g.Stat);
                const int premierInterdit = niveau == 1 ? rgUniqueCache : rgVerrouRegion;
                for (int i = premierInterdit; i <= rgSwordfish && niveau < 3; ++i)
                    ASSERT_EQ(g.Stat[i], 0) << "type " << f.type << " counter " << i;
            }
        }
    }
}

TEST(SudokuGenerationTest, MinimumNumberOfGivens) {
    for (const Forme& f : kFormes) {
        const int n = f.largeur * f.hauteur;
        const GrilleGeneree naturel = genere(f.type, 3, 0, 77);
        std::string donnees, solution;
        decode(naturel, n, donnees, solution);
        const int nombre = nbDonnees(donnees);
        // Up to the adjusted puzzle's own count, nothing changes.
        const GrilleGeneree meme = genere(f.type, 3, nombre, 77);
        EXPECT_EQ(meme.Cases, naturel.Cases);
        EXPECT_EQ(meme.Stat, naturel.Stat);

        const GrilleGeneree plus = genere(f.type, 3, nombre + 3, 77);
        std::string donneesPlus, solutionPlus;
        decode(plus, n, donneesPlus, solutionPlus);
        EXPECT_EQ(nbDonnees(donneesPlus), nombre + 3);

        const GrilleGeneree toutes = genere(f.type, 3, 81, 77);
        std::string donneesToutes, solutionToutes;
        decode(toutes, n, donneesToutes, solutionToutes);
        EXPECT_EQ(donneesToutes, solutionToutes);
        EXPECT_EQ(toutes.Stat[rgCellulesOpaques], 0);
    }
}

TEST(SudokuGenerationTest, ReproducibleFromASeed) {
    for (const Forme& f : kFormes) {
        const GrilleGeneree a = genere(f.type, 3, 0, 2718);
        const GrilleGeneree b = genere(f.type, 3, 0, 2718);
        const GrilleGeneree c = genere(f.type, 3, 0, 2719);
        EXPECT_EQ(a.Cases, b.Cases) << "type " << f.type;
        EXPECT_EQ(a.Stat, b.Stat);
        EXPECT_NE(a.Cases, c.Cases);
    }
}

TEST(SudokuGenerationTest, CodesOfAProblemAndItsSolution) {
    const auto cases = CodesCases("1020", "1324", 81);
    EXPECT_EQ(cases[0], 1);
    EXPECT_EQ(cases[1], 13);
    EXPECT_EQ(cases[2], 2);
    EXPECT_EQ(cases[3], 14);
    EXPECT_EQ(cases[4], 10); // beyond the grid: no value
    EXPECT_EQ(CodesCases("1020", "1324", 2)[2], 0);
}
