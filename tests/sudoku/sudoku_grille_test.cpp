#include "sudoku/SudokuGrille.h"

#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <stop_token>
#include <thread>
#include <tuple>

using namespace sudoku_test;

namespace {

// Checks, independently of the engine's code, that a stuck 9 x 9 grid leaves nothing to
// hidden singles, pointing, box-line reduction or naked pairs.
void verifiePointFixe(const SudokuGrille& g, const std::string& puzzle) {
    std::vector<std::vector<int>> unites(27); // rows, columns, boxes: cells row * 9 + column
    for (int x = 0; x < 9; ++x)
        for (int k = 0; k < 9; ++k) {
            unites[size_t(x)].push_back(x * 9 + k);
            unites[size_t(9 + x)].push_back(k * 9 + x);
            unites[size_t(18 + x)].push_back((x / 3 * 3 + k / 3) * 9 + x % 3 * 3 + k % 3);
        }
    const auto candidat = [&](int i, int v) { return g.EstCandidat(i / 9, i % 9, v); };
    const auto texte = [&](int i) {
        return std::string(g.Cases[i / 9][i % 9], size_t(g.NbValeurs));
    };
    const auto dans = [&](int i, size_t w) {
        return std::find(unites[w].begin(), unites[w].end(), i) != unites[w].end();
    };
    for (size_t u = 0; u < 27; ++u) {
        for (int v = 1; v <= 9; ++v) {
            int libres = 0;
            for (int i : unites[u])
                libres += candidat(i, v) && g.NbCandidats(i / 9, i % 9) >= 2;
            EXPECT_NE(libres, 1) << puzzle << " hidden single, unit " << u;
            // v held in u only where u crosses a unit w of the other kind (box or line): w
            // holds v nowhere else.
            for (size_t w = 0; w < 27; ++w) {
                bool toutDans = (u >= 18) != (w >= 18);
                for (int i : unites[u])
                    toutDans &= !candidat(i, v) || dans(i, w);
                for (int i : unites[w])
                    EXPECT_TRUE(!toutDans || dans(i, u) || !candidat(i, v))
                        << puzzle << " locked candidate " << v << ", units " << u << " " << w;
            }
        }
        for (int a : unites[u])
            for (int b : unites[u]) {
                if (a >= b || g.NbCandidats(a / 9, a % 9) != 2 || texte(a) != texte(b))
                    continue;
                for (int i : unites[u])
                    for (int v = 1; v <= 9; ++v)
                        EXPECT_TRUE(i == a || i == b || !candidat(a, v) || !candidat(i, v))
                            << puzzle << " naked pair";
            }
    }
}

// Solves every puzzle against the backtracking solver: a solved grid is the unique solution; a
// stuck one still holds the solution's digits and is a fixed point. Returns the number solved.
int verifiePuzzles(const std::vector<std::string>& puzzles) {
    int resolus = 0;
    for (const std::string& puzzle : puzzles) {
        Backtracking reference(puzzle, 3, 3);
        EXPECT_EQ(reference.NbSolutions(), 1) << puzzle;
        const std::string& solution = reference.Solution();
        SudokuGrille g = GrilleDe(tg9x9, puzzle);
        const int statut = g.Resoudre(NiveauComplet);
        EXPECT_NE(statut, ssContradiction) << puzzle;
        for (int i = 0; i < 81; ++i)
            EXPECT_TRUE(g.EstCandidat(i / 9, i % 9, solution[i] - '0')) << puzzle << " cell " << i;
        if (statut == ssResolu) {
            ++resolus;
            EXPECT_EQ(g.LitSolution(), solution);
        } else {
            verifiePointFixe(g, puzzle);
        }
    }
    return resolus;
}

SudokuGrille aleatoire(int type, TRandom& alea) {
    SudokuGrille g;
    g.FixeAlea(alea);
    g.FixeType(type);
    return g;
}

// A full valid grid of a type from the engine's own random completion.
std::string grillePleine(int type, std::uint32_t graine) {
    TRandom alea(graine);
    std::string indices, solution;
    EXPECT_EQ(aleatoire(type, alea).GenereAleatoire(indices, solution, NiveauComplet), ssResolu);
    return solution;
}

// A mixing of a string of one character a cell by the symmetry the seed draws.
std::string melange(const std::string& cases, int type, std::uint32_t graine) {
    TRandom alea(graine);
    SudokuGrille g = aleatoire(type, alea);
    g.EcritCaracteres(cases);
    g.Transforme();
    std::string resultat(cases);
    g.LitCaracteres(resultat);
    return resultat;
}

} // namespace

TEST(SudokuGrilleTest, StatusOfFullEmptyAndContradictoryGrids) {
    std::string boite(81, '0');
    boite[0] = boite[10] = '7'; // twice in a box, not in a line
    // A digit with no place in a 4 x 4 grid, or a stray symbol, leaves a cell without candidate.
    const std::tuple<int, std::string, int, int> cas[] = {
        {tg9x9, "55", 0, ssContradiction},
        {tg9x9, boite, NiveauComplet, ssContradiction},
        {tg4x4, "5", NiveauComplet, ssContradiction},
        {tg4x4, "x", 0, ssContradiction},
        {tg9x9, "", NiveauComplet, ssBloque},
        {tg9x9, grillePleine(tg9x9, 5), 0, ssResolu},
    };
    for (const auto& [type, probleme, niveau, statut] : cas) {
        SudokuGrille g = GrilleDe(type, probleme);
        EXPECT_EQ(g.Resoudre(niveau), statut) << probleme;
        EXPECT_TRUE(statut != ssResolu || g.Stat == StatRegles{});
        EXPECT_TRUE(statut != ssBloque || g.Stat[rgCellulesOpaques] == 81);
    }
}

TEST(SudokuGrilleTest, SolverAgreesWithBacktrackingOnTheSample) {
    const auto puzzles = LitPuzzles(CheminEchantillon());
    ASSERT_GE(puzzles.size(), 300u);
    const int resolus = verifiePuzzles(puzzles);
    // The techniques finish most of these minimal puzzles; the rest need search.
    EXPECT_GT(resolus, 200);
    EXPECT_LT(resolus, int(puzzles.size()));
}

TEST(SudokuGrilleTest, SolverAgreesWithBacktrackingOnTheCollection) {
    const auto puzzles = LitPuzzles(CheminCollection(), 97);
    if (puzzles.empty())
        GTEST_SKIP() << "the full 17-clue collection is not installed: no file "
                     << CheminCollection() << " (set VL_SUDOKU17 to its path)";
    EXPECT_GT(verifiePuzzles(puzzles), int(puzzles.size()) * 3 / 4);
}

// The same draws mix a puzzle and its solution alike: the mixed puzzle's one solution is the
// mixed solution, valid for its shape (a 6 x 6 quarter turn would turn its boxes).
TEST(SudokuGrilleTest, TheSolutionIsTransformedWithThePuzzle) {
    for (const Forme& f : kFormes) {
        TRandom tirage(3);
        std::string probleme, solution;
        ASSERT_EQ(aleatoire(f.type, tirage).GenereAleatoire(probleme, solution, NiveauComplet),
                  ssResolu);
        for (std::uint32_t graine = 1; graine <= 60; ++graine) {
            SCOPED_TRACE(::testing::Message() << "type " << f.type << " seed " << graine);
            TRandom alea(graine);
            SudokuGrille g = GrilleDe(f.type, solution);
            g.FixeAlea(alea);
            g.Transforme();
            const std::string melangee = g.LitSolution();
            ASSERT_EQ(melange(solution, f.type, graine), melangee);
            ASSERT_TRUE(SolutionValide(melangee, f.largeur, f.hauteur));
            Backtracking reference(melange(probleme, f.type, graine), f.largeur, f.hauteur);
            ASSERT_EQ(reference.NbSolutions(), 1);
            ASSERT_EQ(reference.Solution(), melangee);
        }
    }
}

// A wrong digit added to a minimal puzzle: no solution, and the techniques do not see it at
// once, so the search would run long; its time limit, or a stop request, ends it.
TEST(SudokuGrilleTest, RandomCompletionStopsAtItsTimeLimitOrWhenAsked) {
    const std::string puzzle = LitPuzzles(CheminEchantillon()).at(0);
    Backtracking reference(puzzle, 3, 3);
    ASSERT_EQ(reference.NbSolutions(), 1);
    std::string faux;
    for (int i = 0; i < 81 && faux.empty(); ++i)
        for (char d = '1'; d <= '9' && faux.empty() && puzzle[i] == '0'; ++d) {
            std::string essai = puzzle;
            essai[i] = d;
            if (d != reference.Solution()[i] &&
                GrilleDe(tg9x9, essai).Resoudre(NiveauComplet) == ssBloque)
                faux = essai;
        }
    ASSERT_FALSE(faux.empty());
    std::stop_source arret;
    arret.request_stop();
    for (const auto& [limiteMs, jeton] :
         {std::pair{100, std::stop_token{}}, std::pair{0, arret.get_token()}}) {
        TRandom alea(9);
        SudokuGrille g = aleatoire(tg9x9, alea);
        std::string indices = faux, solution(81, '0');
        const auto debut = std::chrono::steady_clock::now();
        EXPECT_NE(g.GenereAleatoire(indices, solution, NiveauComplet, limiteMs, -1, jeton),
                  ssResolu);
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(20));
        EXPECT_EQ(solution, std::string(81, '0'));
    }
}

// A try stopped at any moment that says it is solved gives a whole grid and clues of it. (A stop
// between a clue and its solve is rare: many tries, stopped at spread moments, meet it.)
TEST(SudokuGrilleTest, AStopDuringATryNeverGivesAFalseSolution) {
    for (std::uint32_t graine = 1; graine <= 300; ++graine) {
        TRandom alea(graine);
        SudokuGrille g = aleatoire(tg9x9, alea);
        std::string indices, solution(81, '0');
        std::stop_source arret;
        std::jthread minuterie([&arret, graine] {
            std::this_thread::sleep_for(std::chrono::microseconds(graine % 60 * 15));
            arret.request_stop();
        });
        if (g.GenereAleatoire(indices, solution, NiveauComplet, 0, -1, arret.get_token()) ==
            ssResolu) {
            EXPECT_TRUE(SolutionValide(solution, 3, 3)) << graine;
            EXPECT_TRUE(Compatible(indices, solution)) << graine;
        }
    }
}
