#include "sudoku/SudokuGeneration.h"

#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

using namespace sudoku_test;

namespace {

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

// Extra givens up to the number asked (all of them for 81), none below the puzzle's own
// count; one seed gives one puzzle.
TEST(SudokuGenerationTest, MinimumNumberOfGivensAndSeeds) {
    for (const Forme& f : kFormes) {
        const int n = f.largeur * f.hauteur;
        const GrilleGeneree naturel = genere(f.type, 3, 0, 77);
        std::string donnees, solution;
        decode(naturel, n, donnees, solution);
        const int nombre = nbDonnees(donnees);
        EXPECT_EQ(genere(f.type, 3, 0, 77).Cases, naturel.Cases);
        EXPECT_NE(genere(f.type, 3, 0, 78).Cases, naturel.Cases);
        const GrilleGeneree meme = genere(f.type, 3, nombre, 77);
        EXPECT_EQ(meme.Cases, naturel.Cases);
        EXPECT_EQ(meme.Stat, naturel.Stat);
        decode(genere(f.type, 3, nombre + 3, 77), n, donnees, solution);
        EXPECT_EQ(nbDonnees(donnees), nombre + 3);
        const GrilleGeneree toutes = genere(f.type, 3, 81, 77);
        decode(toutes, n, donnees, solution);
        EXPECT_EQ(donnees, solution);
        EXPECT_EQ(toutes.Stat[rgCellulesOpaques], 0);
    }
}

TEST(SudokuGenerationTest, LevelsAndCodes) {
    const std::pair<int, int> niveaux[] = {
        {-3, 0}, {1, 0}, {2, 1}, {3, NiveauComplet}, {7, NiveauComplet}};
    for (auto [niveau, solveur] : niveaux)
        EXPECT_EQ(NiveauSolveur(niveau), solveur) << niveau;
    const auto cases = CodesCases("1020", "1324", 81);
    EXPECT_EQ(std::vector<int>(cases.begin(), cases.begin() + 5),
              (std::vector<int>{1, 13, 2, 14, 10})); // beyond the grid: no value
    EXPECT_EQ(CodesCases("1020", "1324", 2)[2], 0);
}
