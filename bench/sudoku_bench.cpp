// The sudoku engine: rating 1000 minimal 9 x 9 puzzles (the test sample, cycled) with every
// technique, and generating a component's puzzle of each size.
#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuGrille.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> echantillon() {
    const auto chemin = std::filesystem::path(__FILE__).parent_path() / ".." / "tests" / "data" /
                        "sudoku17-sample.txt";
    std::vector<std::string> puzzles;
    std::ifstream fichier(chemin);
    std::string ligne;
    while (std::getline(fichier, ligne))
        if (ligne.size() >= 81)
            puzzles.push_back(ligne.substr(0, 81));
    return puzzles;
}

void BM_Rate1000Puzzles(benchmark::State& state) {
    const auto puzzles = echantillon();
    if (puzzles.empty()) {
        state.SkipWithError("sample absent");
        return;
    }
    int resolus = 0;
    for (auto _ : state) {
        resolus = 0;
        for (int i = 0; i < 1000; ++i) {
            SudokuGrille grille;
            grille.ChargeProbleme(puzzles[size_t(i) % puzzles.size()]);
            resolus += grille.Resoudre(NiveauComplet) == ssResolu;
            benchmark::DoNotOptimize(grille.Stat);
        }
    }
    state.counters["solved"] = resolus;
    state.counters["puzzles/s"] =
        benchmark::Counter(1000.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Rate1000Puzzles)->Unit(benchmark::kMillisecond);

void BM_GeneratePuzzle(benchmark::State& state) {
    const int type = int(state.range(0));
    TRandom alea(1);
    for (auto _ : state) {
        const GrilleGeneree grille = GenereGrille(type, 3, 0, alea);
        benchmark::DoNotOptimize(grille.Cases);
    }
}
BENCHMARK(BM_GeneratePuzzle)->Arg(tg9x9)->Arg(tg6x6_3x2)->Arg(tg4x4)->Unit(benchmark::kMillisecond);

void BM_RandomFullGrid9x9(benchmark::State& state) {
    TRandom alea(1);
    for (auto _ : state) {
        SudokuGrille grille;
        grille.FixeAlea(alea);
        std::string indices, solution;
        benchmark::DoNotOptimize(grille.GenereAleatoire(indices, solution, NiveauComplet, 2000));
    }
}
BENCHMARK(BM_RandomFullGrid9x9)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
