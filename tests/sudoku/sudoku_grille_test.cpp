#include "sudoku/SudokuGrille.h"

#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>

using namespace sudoku_test;

namespace {

struct Forme {
    int type, largeur, hauteur;
};
constexpr Forme kFormes[] = {{tg9x9, 3, 3}, {tg6x6_3x2, 3, 2}, {tg6x6_2x3, 2, 3}, {tg4x4, 2, 2}};

SudokuGrille grilleDe(int type, const std::string& probleme) {
    SudokuGrille grille;
    grille.FixeType(type);
    grille.ChargeProbleme(probleme);
    return grille;
}

std::string candidats(const SudokuGrille& g, int l, int c) {
    return std::string(g.Cases[l][c], size_t(g.NbValeurs));
}

// A full valid grid of a type from the engine's own random completion.
std::string grillePleine(int type, std::uint32_t graine) {
    TRandom alea(graine);
    SudokuGrille grille;
    grille.FixeAlea(alea);
    grille.FixeType(type);
    std::string indices, solution;
    EXPECT_EQ(grille.GenereAleatoire(indices, solution, NiveauComplet), ssResolu);
    return solution;
}

// Candidates of v in the cells of unit u that are not solved.
std::vector<int> placesLibres(const SudokuGrille& g, int u, int v) {
    std::vector<int> places;
    for (int k = 0; k < g.NbValeurs; ++k) {
        int l = 0, c = 0;
        g.CaseUnite(u, k, l, c);
        if (g.NbCandidats(l, c) >= 2 && g.EstCandidat(l, c, v))
            places.push_back(k);
    }
    return places;
}

// Checks, independently of the engine's code, that a stuck 9 x 9 grid leaves nothing to
// singles, pointing, box-line reduction or naked pairs.
void verifiePointFixe(const SudokuGrille& g, const std::string& puzzle) {
    for (int u = 0; u < 27; ++u)
        for (int v = 1; v <= 9; ++v)
            EXPECT_NE(placesLibres(g, u, v).size(), 1u) << puzzle << " hidden single, unit " << u;
    for (int b = 0; b < 9; ++b) {
        const int r0 = b / 3 * 3, c0 = b % 3 * 3;
        for (int v = 1; v <= 9; ++v) {
            int lignes = 0, colonnes = 0;
            for (int k = 0; k < 9; ++k)
                if (g.EstCandidat(r0 + k / 3, c0 + k % 3, v)) {
                    lignes |= 1 << (r0 + k / 3);
                    colonnes |= 1 << (c0 + k % 3);
                }
            for (int x = 0; x < 9; ++x) {
                for (int c = 0; c < 9 && lignes == (1 << x); ++c)
                    EXPECT_TRUE(c / 3 == b % 3 || !g.EstCandidat(x, c, v)) << puzzle;
                for (int r = 0; r < 9 && colonnes == (1 << x); ++r)
                    EXPECT_TRUE(r / 3 == b / 3 || !g.EstCandidat(r, x, v)) << puzzle;
            }
        }
    }
    for (int x = 0; x < 9; ++x)
        for (int v = 1; v <= 9; ++v) {
            int boitesLigne = 0, boitesColonne = 0;
            for (int k = 0; k < 9; ++k) {
                if (g.EstCandidat(x, k, v))
                    boitesLigne |= 1 << (k / 3);
                if (g.EstCandidat(k, x, v))
                    boitesColonne |= 1 << (k / 3);
            }
            for (int b = 0; b < 3; ++b) {
                for (int r = x / 3 * 3; r < x / 3 * 3 + 3 && boitesLigne == (1 << b); ++r)
                    for (int c = b * 3; c < b * 3 + 3; ++c)
                        EXPECT_TRUE(r == x || !g.EstCandidat(r, c, v)) << puzzle;
                for (int c = x / 3 * 3; c < x / 3 * 3 + 3 && boitesColonne == (1 << b); ++c)
                    for (int r = b * 3; r < b * 3 + 3; ++r)
                        EXPECT_TRUE(c == x || !g.EstCandidat(r, c, v)) << puzzle;
            }
        }
    for (int u = 0; u < 27; ++u)
        for (int a = 0; a < 9; ++a)
            for (int b = a + 1; b < 9; ++b) {
                int la, ca, lb, cb;
                g.CaseUnite(u, a, la, ca);
                g.CaseUnite(u, b, lb, cb);
                if (g.NbCandidats(la, ca) != 2 || candidats(g, la, ca) != candidats(g, lb, cb))
                    continue;
                for (int k = 0; k < 9; ++k) {
                    int l, c;
                    g.CaseUnite(u, k, l, c);
                    if (k == a || k == b)
                        continue;
                    for (int v = 1; v <= 9; ++v)
                        EXPECT_TRUE(!g.EstCandidat(la, ca, v) || !g.EstCandidat(l, c, v))
                            << puzzle << " naked pair";
                }
            }
}

// Solves every puzzle and compares with the backtracking solver: a solved grid is the unique
// solution; a stuck grid still holds the solution's digit in every cell and is a fixed point.
void verifiePuzzles(const std::vector<std::string>& puzzles, int& resolus, int& bloques) {
    resolus = bloques = 0;
    for (const std::string& puzzle : puzzles) {
        Backtracking reference(puzzle, 3, 3);
        ASSERT_EQ(reference.NbSolutions(), 1) << puzzle;
        const std::string& solution = reference.Solution();
        SudokuGrille g = grilleDe(tg9x9, puzzle);
        const int statut = g.Resoudre(NiveauComplet);
        ASSERT_NE(statut, ssContradiction) << puzzle;
        for (int i = 0; i < 81; ++i)
            ASSERT_TRUE(g.EstCandidat(i / 9, i % 9, solution[i] - '0')) << puzzle << " cell " << i;
        if (statut == ssResolu) {
            ++resolus;
            EXPECT_EQ(g.LitSolution(), solution);
            EXPECT_TRUE(SolutionValide(g.LitSolution(), 3, 3));
        } else {
            ++bloques;
            verifiePointFixe(g, puzzle);
        }
    }
}

} // namespace

TEST(SudokuGrilleTest, NewGridAndTypes) {
    SudokuGrille g;
    EXPECT_EQ(g.NbValeurs, 9);
    EXPECT_EQ(g.Stat, StatRegles{});
    for (int l = 0; l < 9; ++l)
        for (int c = 0; c < 9; ++c)
            EXPECT_STREQ(g.Cases[l][c], "123456789");

    for (const Forme& f : kFormes) {
        g.Stat[5] = 3;
        g.FixeType(f.type);
        EXPECT_EQ(g.LargeurRegion, f.largeur);
        EXPECT_EQ(g.HauteurRegion, f.hauteur);
        EXPECT_EQ(g.NbValeurs, f.largeur * f.hauteur);
        EXPECT_EQ(g.NbLignes, g.NbValeurs);
        EXPECT_EQ(g.NbColonnes, g.NbValeurs);
        EXPECT_EQ(g.Stat, StatRegles{});
    }
    g.FixeType(7);
    EXPECT_EQ(g.NbValeurs, 9);
    EXPECT_EQ(g.LargeurRegion, 3);
}

TEST(SudokuGrilleTest, UnitOrderRowsColumnsThenBoxesBandByBand) {
    SudokuGrille g;
    g.FixeType(tg6x6_3x2); // boxes 3 wide, 2 high: 2 stacks, 3 bands
    int l = 0, c = 0;
    g.CaseUnite(1, 4, l, c);
    EXPECT_EQ(std::pair(l, c), std::pair(1, 4));
    g.CaseUnite(6 + 2, 5, l, c);
    EXPECT_EQ(std::pair(l, c), std::pair(5, 2));
    g.CaseUnite(12 + 3, 0, l, c); // band 1, stack 1
    EXPECT_EQ(std::pair(l, c), std::pair(2, 3));
    g.CaseUnite(12 + 3, 2, l, c);
    EXPECT_EQ(std::pair(l, c), std::pair(2, 5));
    g.CaseUnite(12 + 3, 3, l, c);
    EXPECT_EQ(std::pair(l, c), std::pair(3, 3));
    g.FixeType(tg6x6_2x3); // 3 stacks, 2 bands
    g.CaseUnite(12 + 4, 5, l, c);
    EXPECT_EQ(std::pair(l, c), std::pair(5, 3));
}

TEST(SudokuGrilleTest, LoadingAndReadingBack) {
    SudokuGrille g = grilleDe(tg4x4, "1000000000000004");
    EXPECT_EQ(candidats(g, 0, 0), "1   ");
    EXPECT_EQ(candidats(g, 0, 1), "1234");
    EXPECT_EQ(std::string(g.Cases[0][1]), "1234     ");
    EXPECT_EQ(candidats(g, 3, 3), "   4");
    EXPECT_EQ(g.LitSolution(), "1000000000000004");

    // A digit with no place in a 4 x 4 grid, or a stray symbol, leaves a cell without candidate.
    EXPECT_EQ(grilleDe(tg4x4, "5000000000000000").Resoudre(NiveauComplet), ssContradiction);
    EXPECT_EQ(grilleDe(tg4x4, "x000000000000000").Resoudre(0), ssContradiction);
    // A short text reads as unknown cells.
    EXPECT_EQ(grilleDe(tg4x4, "12").LitSolution(), "1200000000000000");
}

TEST(SudokuGrilleTest, CompletionStatusAndContradictions) {
    EXPECT_EQ(grilleDe(tg9x9, "55" + std::string(79, '0')).Resoudre(0), ssContradiction);
    // Same digit twice in a box, not in a line.
    std::string boite(81, '0');
    boite[0] = '7';
    boite[10] = '7';
    EXPECT_EQ(grilleDe(tg9x9, boite).Resoudre(NiveauComplet), ssContradiction);

    SudokuGrille vide = grilleDe(tg9x9, "");
    EXPECT_EQ(vide.Resoudre(NiveauComplet), ssBloque);
    EXPECT_EQ(vide.Stat[rgCellulesOpaques], 81);

    const std::string pleine = grillePleine(tg9x9, 5);
    SudokuGrille g = grilleDe(tg9x9, pleine);
    EXPECT_EQ(g.Resoudre(0), ssResolu);
    EXPECT_EQ(g.Stat, StatRegles{});
}

TEST(SudokuGrilleTest, LevelsLimitTheTechniquesAndCountThem) {
    const auto puzzles = LitPuzzles(CheminEchantillon());
    ASSERT_GE(puzzles.size(), 300u);
    int besoinUnique = 0;
    for (const std::string& puzzle : puzzles) {
        SudokuGrille n0 = grilleDe(tg9x9, puzzle);
        const int statut0 = n0.Resoudre(0);
        int resoluesNaives = 0;
        for (int i = 0; i < 81; ++i)
            resoluesNaives += n0.NbCandidats(i / 9, i % 9) == 1;
        for (int i = 1; i < StatRegles::Taille; ++i)
            ASSERT_EQ(n0.Stat[i], 0) << puzzle;
        ASSERT_EQ(n0.Stat[rgCellulesOpaques], 81 - resoluesNaives);

        SudokuGrille n1 = grilleDe(tg9x9, puzzle);
        const int statut1 = n1.Resoudre(1);
        for (int i = 2; i < StatRegles::Taille; ++i)
            ASSERT_EQ(n1.Stat[i], 0) << puzzle;
        // Counter 0 is taken on the first pass only, whatever the level.
        ASSERT_EQ(n1.Stat[rgCellulesOpaques], n0.Stat[rgCellulesOpaques]);
        if (statut0 != ssResolu && statut1 == ssResolu) {
            ++besoinUnique;
            // Each hidden single places one cell: at least one was needed.
            EXPECT_GE(n1.Stat[rgUniqueCache], 1);
            EXPECT_LE(n1.Stat[rgUniqueCache], n1.Stat[rgCellulesOpaques]);
        }

        SudokuGrille n10 = grilleDe(tg9x9, puzzle);
        const int statut10 = n10.Resoudre(NiveauComplet);
        ASSERT_EQ(n10.Stat[rgCellulesOpaques], n0.Stat[rgCellulesOpaques]);
        if (statut1 == ssResolu) {
            ASSERT_EQ(statut10, ssResolu);
            // The higher techniques come after hidden singles: not needed here.
            EXPECT_EQ(n10.Stat, n1.Stat) << puzzle;
        }
        // Stuck at level 1 but solved at level 10: some technique beyond singles was counted.
        if (statut1 != ssResolu && statut10 == ssResolu) {
            int autres = 0;
            for (int i = rgVerrouRegion; i <= rgSwordfish; ++i)
                autres += n10.Stat[i];
            EXPECT_GT(autres, 0) << puzzle;
        }
    }
    EXPECT_GT(besoinUnique, 0);
}

TEST(SudokuGrilleTest, SolverAgreesWithBacktrackingOnTheSample) {
    const auto puzzles = LitPuzzles(CheminEchantillon());
    ASSERT_GE(puzzles.size(), 300u);
    int resolus = 0, bloques = 0;
    verifiePuzzles(puzzles, resolus, bloques);
    // The techniques finish most of these minimal puzzles; the rest need search.
    EXPECT_GT(resolus, 200);
    EXPECT_GT(bloques, 0);
    EXPECT_EQ(resolus + bloques, int(puzzles.size()));
}

TEST(SudokuGrilleTest, SolverAgreesWithBacktrackingOnTheCollection) {
    const auto puzzles = LitPuzzles(CheminCollection(), 97);
    if (puzzles.empty())
        GTEST_SKIP() << "collection absent: " << CheminCollection();
    int resolus = 0, bloques = 0;
    verifiePuzzles(puzzles, resolus, bloques);
    EXPECT_GT(resolus, int(puzzles.size()) * 3 / 4);
}

TEST(SudokuGrilleTest, TransformeKeepsSolutionsValidAndDrawsAsListed) {
    // Draws: two mirrors, a quarter-turn count for square boxes, stacks, bands, then one
    // draw for each stack and each band.
    const int tirages[] = {11, 9, 9, 9};
    for (const Forme& f : kFormes) {
        const std::string solution = grillePleine(f.type, 3);
        ASSERT_TRUE(SolutionValide(solution, f.largeur, f.hauteur));
        for (std::uint32_t graine = 1; graine <= 60; ++graine) {
            TRandom alea(graine), temoin(graine);
            SudokuGrille g = grilleDe(f.type, solution);
            g.FixeAlea(alea);
            g.Transforme();
            for (int i = 0; i < tirages[f.type]; ++i)
                temoin.Next();
            ASSERT_EQ(alea.Next(), temoin.Next()) << "type " << f.type;
            const std::string melangee = g.LitSolution();
            // A rotation of a 6 x 6 grid would turn its boxes: the solution would break.
            ASSERT_TRUE(SolutionValide(melangee, f.largeur, f.hauteur))
                << "type " << f.type << " seed " << graine;
            std::string a = solution, b = melangee;
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            ASSERT_EQ(a, b); // digits never relabelled
        }
    }
}

TEST(SudokuGrilleTest, CodesTravelThroughTransformeTogether) {
    const std::string solution = grillePleine(tg9x9, 11);
    std::string codes = solution;
    for (int i = 0; i < 81; i += 3)
        codes[i] = char(codes[i] + 10); // hidden cells
    std::string melange(codes);
    TRandom alea(77);
    SudokuGrille g;
    g.FixeAlea(alea);
    g.EcritCaracteres(codes);
    g.Transforme();
    g.LitCaracteres(melange);
    EXPECT_NE(melange, codes);
    std::string valeurs = melange;
    for (char& v : valeurs)
        if (v > '9')
            v = char(v - 10);
    EXPECT_TRUE(SolutionValide(valeurs, 3, 3));
    EXPECT_EQ(std::count_if(melange.begin(), melange.end(), [](char v) { return v > '9'; }), 27);
}

TEST(SudokuGrilleTest, RatingIsStableUnderTransforme) {
    const auto puzzles = LitPuzzles(CheminEchantillon(), 1);
    for (const std::string& puzzle : puzzles) {
        SudokuGrille avant = grilleDe(tg9x9, puzzle);
        const int statut = avant.Resoudre(NiveauComplet);
        SudokuGrille unique = grilleDe(tg9x9, puzzle);
        const int statutUnique = unique.Resoudre(1);
        for (std::uint32_t graine = 1; graine <= 6; ++graine) {
            TRandom alea(graine);
            SudokuGrille m;
            m.FixeAlea(alea);
            m.EcritCaracteres(puzzle);
            m.Transforme();
            std::string melange;
            m.LitCaracteres(melange);
            SudokuGrille apres = grilleDe(tg9x9, melange);
            EXPECT_EQ(apres.Resoudre(NiveauComplet), statut) << puzzle;
            // Singles reach the same fixed point in any order.
            EXPECT_EQ(apres.Stat[rgCellulesOpaques], avant.Stat[rgCellulesOpaques]);
            SudokuGrille apresUnique = grilleDe(tg9x9, melange);
            EXPECT_EQ(apresUnique.Resoudre(1), statutUnique);
            for (int i = 1; i < StatRegles::TailleProfil; ++i)
                EXPECT_EQ(apres.Stat[i] > 0, avant.Stat[i] > 0) << puzzle << " counter " << i;
        }
    }
}

TEST(SudokuGrilleTest, RandomCompletionGivesCluesOfItsSolution) {
    for (const Forme& f : kFormes) {
        TRandom alea(123);
        SudokuGrille g;
        g.FixeAlea(alea);
        g.FixeType(f.type);
        std::string indices, solution;
        ASSERT_EQ(g.GenereAleatoire(indices, solution, NiveauComplet), ssResolu);
        const int n2 = g.NbCases();
        ASSERT_EQ(int(indices.size()), n2);
        EXPECT_TRUE(SolutionValide(solution, f.largeur, f.hauteur));
        EXPECT_TRUE(Compatible(indices, solution));
        EXPECT_LT(std::count(indices.begin(), indices.end(), '0'), n2);
        // The clues alone let the full-level solver finish, on the same solution.
        SudokuGrille verif = grilleDe(f.type, indices);
        EXPECT_EQ(verif.Resoudre(NiveauComplet), ssResolu);
        EXPECT_EQ(verif.LitSolution(), solution);
        EXPECT_EQ(g.Stat, verif.Stat);
        Backtracking reference(indices, f.largeur, f.hauteur);
        EXPECT_EQ(reference.NbSolutions(), 1);
    }
}

TEST(SudokuGrilleTest, RandomCompletionIsReproducibleFromASeed) {
    for (const Forme& f : kFormes) {
        std::string clues[2], solutions[2];
        for (int essai = 0; essai < 2; ++essai) {
            TRandom alea(2024);
            SudokuGrille g;
            g.FixeAlea(alea);
            g.FixeType(f.type);
            g.GenereAleatoire(clues[essai], solutions[essai], NiveauComplet);
        }
        EXPECT_EQ(clues[0], clues[1]);
        EXPECT_EQ(solutions[0], solutions[1]);
        TRandom autre(2025);
        SudokuGrille g;
        g.FixeAlea(autre);
        g.FixeType(f.type);
        std::string clue, solution;
        g.GenereAleatoire(clue, solution, NiveauComplet);
        EXPECT_NE(solution, solutions[0]);
    }
}

TEST(SudokuGrilleTest, RandomCompletionStopsAtItsTimeLimit) {
    // A wrong digit added to a minimal puzzle: no solution, and the techniques do not see it
    // at once, so the search would run long.
    const std::string puzzle = LitPuzzles(CheminEchantillon()).at(0);
    Backtracking reference(puzzle, 3, 3);
    ASSERT_EQ(reference.NbSolutions(), 1);
    std::string faux;
    for (int i = 0; i < 81 && faux.empty(); ++i) {
        if (puzzle[i] != '0')
            continue;
        for (char d = '1'; d <= '9' && faux.empty(); ++d) {
            std::string essai = puzzle;
            essai[i] = d;
            if (d != reference.Solution()[i] &&
                grilleDe(tg9x9, essai).Resoudre(NiveauComplet) == ssBloque)
                faux = essai;
        }
    }
    ASSERT_FALSE(faux.empty());
    TRandom alea(9);
    SudokuGrille g;
    g.FixeAlea(alea);
    std::string indices = faux, solution(81, '0');
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_NE(g.GenereAleatoire(indices, solution, NiveauComplet, 100), ssResolu);
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(20));
    EXPECT_EQ(solution, std::string(81, '0'));
}

TEST(SudokuGrilleTest, AdjustmentGivesAMinimalPuzzleForItsLevel) {
    for (const Forme& f : kFormes) {
        for (int niveau : {0, 1, NiveauComplet}) {
            TRandom alea(31 + niveau);
            SudokuGrille g;
            g.FixeAlea(alea);
            g.FixeType(f.type);
            const int n2 = g.NbCases();
            std::string indices, solution;
            ASSERT_EQ(g.GenereAleatoire(indices, solution, NiveauComplet), ssResolu);
            std::string probleme(size_t(n2), '0'), resultat(size_t(n2), '0');
            ASSERT_EQ(g.AjusteProbleme(probleme, solution, resultat, niveau), ssResolu);
            EXPECT_EQ(probleme, resultat);
            EXPECT_TRUE(Compatible(resultat, solution));
            SudokuGrille verif = grilleDe(f.type, resultat);
            ASSERT_EQ(verif.Resoudre(niveau), ssResolu);
            EXPECT_EQ(verif.LitSolution(), solution);
            // Every clue is needed at this level.
            for (int i = 0; i < n2; ++i) {
                if (resultat[i] == '0')
                    continue;
                std::string moins = resultat;
                moins[i] = '0';
                EXPECT_NE(grilleDe(f.type, moins).Resoudre(niveau), ssResolu)
                    << "type " << f.type << " level " << niveau << " clue " << i;
            }
        }
    }
}

TEST(SudokuGrilleTest, AdjustmentReportsAContradiction) {
    const std::string solution = grillePleine(tg4x4, 8);
    std::string probleme = solution;
    probleme[0] = solution[1]; // a clue that disagrees with its row
    std::string resultat = probleme;
    SudokuGrille g;
    g.FixeType(tg4x4);
    EXPECT_EQ(g.AjusteProbleme(probleme, solution, resultat, NiveauComplet), ssContradiction);
}
