// What the sudoku levels mean: over 1,000 puzzles per grid type and level (seed 1), the share
// of puzzles whose rating shows level 1 (naked singles), 2 (hidden singles) and 3 (locked
// candidates, subsets, fishes), with the component's usual draw and with the strict draw; and
// for 9 x 9 "Niveau 3" puzzles with at least 32 givens, how many the default puzzle database
// rescues when drawing fails. Run with --benchmark_filter=Strict/0/3 for the 9 x 9 "Niveau 3"
// figure alone, --benchmark_filter=Givens32 for the database's share.
#include "host/Services.h"
#include "sudoku/SudokuGeneration.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

constexpr int kPuzzles = 1000;

// Over `puzzles` draws of the type and level (seed 1), the share of each level the rating shows
// and the share of failures. The strict draw falls back on `base` when it is not empty.
void mesure(benchmark::State& state, bool strict, int puzzles, int nbValeurs,
            const std::string& base) {
    const int type = int(state.range(0));
    const int niveau = int(state.range(1));
    std::array<int, 4> parNiveau{};
    int echecs = 0;
    for (auto _ : state) {
        TRandom alea(1);
        parNiveau = {};
        echecs = 0;
        for (int k = 0; k < puzzles; ++k) {
            const GrilleGeneree grille =
                strict ? GenereGrilleStricte(type, niveau, nbValeurs, alea, base)
                       : GenereGrille(type, niveau, nbValeurs, alea);
            if (!grille.Reussi) {
                ++echecs;
                continue;
            }
            ++parNiveau[std::size_t(NiveauDeStat(grille.Stat))];
        }
    }
    for (int n = 1; n <= 3; ++n)
        state.counters["part_niveau" + std::to_string(n)] =
            double(parNiveau[std::size_t(n)]) / puzzles;
    state.counters["part_echecs"] = double(echecs) / puzzles;
}

std::string baseParDefaut() {
    return PathDonnees() + "Sudoku17.dat";
}

void BM_LevelsUsual(benchmark::State& state) {
    mesure(state, false, kPuzzles, 0, {});
}
void BM_LevelsStrict(benchmark::State& state) {
    mesure(state, true, kPuzzles, 0, baseParDefaut());
}
// With at least 32 givens a 9 x 9 draw rarely needs more than singles: what the database adds.
constexpr int kPuzzlesDonnees = 50;
void BM_StrictGivens32DrawOnly(benchmark::State& state) {
    mesure(state, true, kPuzzlesDonnees, 32, {});
}
void BM_StrictGivens32WithBase(benchmark::State& state) {
    mesure(state, true, kPuzzlesDonnees, 32, baseParDefaut());
}

void arguments(benchmark::internal::Benchmark* b) {
    for (const int type : {tg9x9, tg6x6_3x2, tg6x6_2x3, tg4x4})
        for (const int niveau : {2, 3})
            b->Args({type, niveau});
    b->Iterations(1)->Unit(benchmark::kSecond);
}
BENCHMARK(BM_LevelsUsual)->Apply(arguments);
BENCHMARK(BM_LevelsStrict)->Apply(arguments);
BENCHMARK(BM_StrictGivens32DrawOnly)->Args({tg9x9, 3})->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_StrictGivens32WithBase)->Args({tg9x9, 3})->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
