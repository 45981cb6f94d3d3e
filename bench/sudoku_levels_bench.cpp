// What the sudoku levels mean: over 1,000 puzzles per grid type and level (seed 1), the share
// of puzzles whose rating shows level 1 (naked singles), 2 (hidden singles) and 3 (locked
// candidates, subsets, fishes), with the component's usual draw and with the strict draw.
// Run with --benchmark_filter=Strict/0/3 for the 9 x 9 "Niveau 3" figure alone.
#include "host/Services.h"
#include "sudoku/SudokuGeneration.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int kPuzzles = 1000;

void mesure(benchmark::State& state, bool strict) {
    const int type = int(state.range(0));
    const int niveau = int(state.range(1));
    std::array<int, 4> parNiveau{};
    int echecs = 0;
    for (auto _ : state) {
        TRandom alea(1);
        parNiveau = {};
        echecs = 0;
        for (int k = 0; k < kPuzzles; ++k) {
            const GrilleGeneree grille =
                strict ? GenereGrilleStricte(type, niveau, 0, alea, PathDonnees() + "Sudoku17.dat")
                       : GenereGrille(type, niveau, 0, alea);
            if (!grille.Reussi) {
                ++echecs;
                continue;
            }
            ++parNiveau[std::size_t(NiveauDeStat(grille.Stat))];
        }
    }
    for (int n = 1; n <= 3; ++n)
        state.counters["part_niveau" + std::to_string(n)] =
            double(parNiveau[std::size_t(n)]) / kPuzzles;
    state.counters["echecs"] = echecs;
}

void BM_LevelsUsual(benchmark::State& state) {
    mesure(state, false);
}
void BM_LevelsStrict(benchmark::State& state) {
    mesure(state, true);
}

void arguments(benchmark::internal::Benchmark* b) {
    for (const int type : {tg9x9, tg6x6_3x2, tg6x6_2x3, tg4x4})
        for (const int niveau : {2, 3})
            b->Args({type, niveau});
    b->Iterations(1)->Unit(benchmark::kSecond);
}
BENCHMARK(BM_LevelsUsual)->Apply(arguments);
BENCHMARK(BM_LevelsStrict)->Apply(arguments);

} // namespace

BENCHMARK_MAIN();
