#include "sudoku/SudokuGeneration.h"

#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

using namespace sudoku_test;

namespace {

const std::string kBase = VL_SOURCE_DIR "/data/Sudoku17.dat";

GrilleGeneree genere(int type, int niveau, int nbValeurs, std::uint32_t graine) {
    TRandom alea(graine);
    return GenereGrille(type, niveau, nbValeurs, alea);
}

} // namespace

// Hundreds of puzzles a shape and level, each with one solution (the one handed out), solved by
// its level's techniques alone, every given needed, rated by a full solve of what pupils see.
TEST(SudokuGenerationTest, EveryPuzzleIsUniqueAndSolvedAtItsLevel) {
    for (const Forme& f : kFormes) {
        const int n = f.largeur * f.hauteur;
        for (int niveau = 1; niveau <= 3; ++niveau) {
            TRandom alea(std::uint32_t(40 + niveau + 10 * f.type));
            for (int essai = 0; essai < 100; ++essai) {
                const GrilleGeneree g = GenereGrille(f.type, niveau, 0, alea);
                ASSERT_TRUE(g.Reussi) << g.Message;
                for (int i = n * n; i < 81; ++i)
                    ASSERT_EQ(g.Cases[size_t(i)], 0);
                const auto [donnees, solution] = Decode(g.Cases.data(), n);
                ASSERT_TRUE(SolutionValide(solution, f.largeur, f.hauteur)) << "type " << f.type;
                Backtracking reference(donnees, f.largeur, f.hauteur);
                ASSERT_EQ(reference.NbSolutions(), 1) << donnees;
                ASSERT_EQ(reference.Solution(), solution);

                SudokuGrille verif = GrilleDe(f.type, donnees);
                ASSERT_EQ(verif.Resoudre(NiveauSolveur(niveau)), ssResolu)
                    << "type " << f.type << " level " << niveau << " " << donnees;
                verif.ChargeProbleme(donnees);
                verif.Resoudre(NiveauComplet);
                ASSERT_EQ(verif.Stat, g.Stat);
                const int premierInterdit = niveau == 1 ? rgUniqueCache : rgVerrouRegion;
                for (int i = premierInterdit; i <= rgSwordfish && niveau < 3; ++i)
                    ASSERT_EQ(g.Stat[i], 0) << "type " << f.type << " counter " << i;
                for (int i = 0; i < n * n && essai == 0; ++i) { // every given is needed
                    std::string moins = donnees;
                    moins[size_t(i)] = '0';
                    EXPECT_TRUE(donnees[size_t(i)] == '0' ||
                                GrilleDe(f.type, moins).Resoudre(NiveauSolveur(niveau)) != ssResolu)
                        << "type " << f.type << " level " << niveau << " given " << i;
                }
            }
        }
    }
}

// Extra givens up to the number asked (all of them for 81), none below the puzzle's own count.
TEST(SudokuGenerationTest, MinimumNumberOfGivens) {
    const auto nbDonnees = [](const GrilleGeneree& g, int n) {
        return NbDonnees(Decode(g.Cases.data(), n).donnees);
    };
    for (const Forme& f : kFormes) {
        const int n = f.largeur * f.hauteur;
        const GrilleGeneree naturel = genere(f.type, 3, 0, 77);
        const int nombre = nbDonnees(naturel, n);
        const GrilleGeneree meme = genere(f.type, 3, nombre, 77);
        EXPECT_EQ(meme.Cases, naturel.Cases);
        EXPECT_EQ(meme.Stat, naturel.Stat);
        EXPECT_EQ(nbDonnees(genere(f.type, 3, nombre + 3, 77), n), nombre + 3);
        const GrilleGeneree toutes = genere(f.type, 3, 81, 77);
        EXPECT_EQ(nbDonnees(toutes, n), n * n);
        EXPECT_EQ(toutes.Stat[rgCellulesOpaques], 0);
    }
}

// A strict draw's rating, made again on what pupils see, shows the level asked, lowered to the
// shape's reach; one that cannot succeed gives up with a message.
TEST(SudokuGenerationTest, StrictDrawReachesItsLevel) {
    for (const Forme& f : kFormes) {
        TRandom alea(std::uint32_t(90 + f.type));
        for (const int niveau : {2, 3}) {
            const GrilleGeneree g = GenereGrilleStricte(f.type, niveau, 0, alea, "");
            ASSERT_TRUE(g.Reussi) << g.Message;
            const std::string donnees = Decode(g.Cases.data(), f.largeur * f.hauteur).donnees;
            EXPECT_EQ(NiveauNote(f.type, donnees), f.type == tg4x4 ? 1 : niveau)
                << "type " << f.type;
        }
    }
    // A count no puzzle of the level keeps: the count holds, the level is the hardest found.
    TRandom alea(5);
    const GrilleGeneree pleine = GenereGrilleStricte(tg9x9, 3, 45, alea, kBase);
    ASSERT_TRUE(pleine.Reussi) << pleine.Message;
    EXPECT_EQ(pleine.Avertissement, "niveau 3 introuvable avec au moins 45 valeurs données en 200 "
                                    "essais ni dans la base\u00A0: la grille tirée est de niveau " +
                                        std::to_string(NiveauDeStat(pleine.Stat)));
    const std::string donnees = Decode(pleine.Cases.data(), 9).donnees;
    EXPECT_EQ(NbDonnees(donnees), 45);
    EXPECT_EQ(NiveauNote(tg9x9, donnees), NiveauDeStat(pleine.Stat));
}

// Every strict level-3 grid of a long run is finished by the full solver with a level-3
// technique, as the rater sees it (the command line's draws for seed 3).
TEST(SudokuGenerationTest, StrictLevelThreeGridsAreAllFinishedByTheRater) {
    TRandom alea(3);
    for (int k = 0; k < 200; ++k) {
        const GrilleGeneree g = GenereGrilleStricte(tg9x9, 3, 0, alea, kBase);
        ASSERT_TRUE(g.Reussi) << g.Message;
        EXPECT_TRUE(g.Avertissement.empty()) << g.Avertissement;
        const std::string donnees = Decode(g.Cases.data(), 9).donnees;
        EXPECT_EQ(NiveauNote(tg9x9, donnees), 3) << k << " " << donnees;
    }
}

// Where drawing fails, a puzzle of the level comes from the database: unique, rated at that level
// with its extra givens; or a refusal that says why.
TEST(SudokuGenerationTest, StrictLevelFromTheDatabase) {
    struct Cas {
        std::string base;
        int type, niveau, nbValeurs;
        std::string refus; // empty: a puzzle is expected
    };
    const Cas cas[] = {
        {kBase, tg9x9, 3, 0, ""},
        {kBase, tg9x9, 2, 0, ""},
        {kBase, tg9x9, 3, 32, ""},
        {kBase, tg9x9, 3, 81, "aucune de ses grilles ne garde ce niveau avec au moins 81"},
        {kBase, tg4x4, 1, 0, "elle ne contient que des grilles 9 × 9"},
        {kBase + ".absent", tg9x9, 3, 0, "il n'existe pas"},
    };
    for (const Cas& c : cas) {
        TRandom alea(std::uint32_t(7 + c.nbValeurs));
        const GrilleGeneree g = GrilleDeBase(c.base, c.type, c.niveau, c.nbValeurs, alea);
        SCOPED_TRACE(c.niveau * 100 + c.nbValeurs);
        EXPECT_EQ(g.Reussi, c.refus.empty());
        EXPECT_NE(g.Message.find(c.refus), std::string::npos) << g.Message;
        if (!g.Reussi)
            continue;
        const std::string donnees = Decode(g.Cases.data(), 9).donnees;
        EXPECT_GE(NbDonnees(donnees), c.nbValeurs);
        EXPECT_EQ(Backtracking(donnees, 3, 3).NbSolutions(), 1) << donnees;
        EXPECT_EQ(NiveauNote(tg9x9, donnees), c.niveau) << donnees;
    }
}

TEST(SudokuGenerationTest, LevelSentenceNamesTheTechniques) {
    StatRegles stat{};
    EXPECT_EQ(PhraseNiveau(stat), "Niveau 1\u00A0: les candidats uniques suffisent.");
    stat[rgUniqueCache] = stat[rgPaireNue] = stat[rgPaireCachee] = 2;
    EXPECT_EQ(PhraseNiveau(stat),
              "Niveau 3\u00A0: il faut les candidats uniques cachés, les paires "
              "nues et les paires cachées.");
}
