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

TEST(SudokuGenerationTest, EveryShapeGivesAUniquePuzzleSolvedAtItsLevel) {
    for (const Forme& f : kFormes) {
        const int n = f.largeur * f.hauteur;
        for (int niveau = 1; niveau <= 3; ++niveau) {
            const GrilleGeneree g = genere(f.type, niveau, 0, 40 + niveau);
            ASSERT_TRUE(g.Reussi) << g.Message;
            std::string donnees, solution;
            decode(g, n, donnees, solution);
            for (int i = n * n; i < 81; ++i)
                EXPECT_EQ(g.Cases[size_t(i)], 0);
            ASSERT_TRUE(SolutionValide(solution, f.largeur, f.hauteur)) << "type " << f.type;
            Backtracking reference(donnees, f.largeur, f.hauteur);
            EXPECT_EQ(reference.NbSolutions(), 1);
            EXPECT_EQ(reference.Solution(), solution);

            SudokuGrille verif;
            verif.FixeType(f.type);
            verif.ChargeProbleme(donnees);
            EXPECT_EQ(verif.Resoudre(NiveauSolveur(niveau)), ssResolu)
                << "type " << f.type << " level " << niveau;
            // The statistics are those of a full-level solve of what the pupil sees.
            verif.ChargeProbleme(donnees);
            verif.Resoudre(NiveauComplet);
            EXPECT_EQ(verif.Stat, g.Stat);
        }
    }
}

TEST(SudokuGenerationTest, FirstLevelNeedsNakedSinglesOnly) {
    for (const Forme& f : kFormes)
        for (std::uint32_t graine = 1; graine <= 3; ++graine) {
            const GrilleGeneree g = genere(f.type, 1, 0, graine);
            ASSERT_TRUE(g.Reussi);
            for (int i = 1; i <= rgSwordfish; ++i)
                EXPECT_EQ(g.Stat[i], 0) << "type " << f.type << " counter " << i;
        }
    const GrilleGeneree deux = genere(tg9x9, 2, 0, 5);
    for (int i = rgVerrouRegion; i <= rgSwordfish; ++i)
        EXPECT_EQ(deux.Stat[i], 0);
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
