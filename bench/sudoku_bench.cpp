// The sudoku engine: rating the 17-clue puzzles with every technique and generating rated
// 9 x 9 puzzles, each beside a plain reference of ours measured in the same run (a backtracking
// solver with bit sets; a generator that fills a grid by backtracking and removes clues while
// the solution stays unique).
#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuGrille.h"
#include "sudoku/SudokuMasques.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> litPuzzles(const fs::path& chemin) {
    std::vector<std::string> puzzles;
    std::ifstream fichier(chemin);
    std::string ligne;
    while (std::getline(fichier, ligne))
        if (ligne.size() >= 81)
            puzzles.push_back(ligne.substr(0, 81));
    return puzzles;
}

// The file of the 17-clue collection ($VL_SUDOKU17, else the shared data folder beside the
// sources), or the tests' sample of it when it is absent.
const fs::path& cheminCollection() {
    static const fs::path chemin = [] {
        const fs::path source = VL_SOURCE_DIR;
        const char* env = std::getenv("VL_SUDOKU17");
        const fs::path complet =
            env ? fs::path(env) : source / ".." / "shared" / "data" / "sudoku17.txt";
        std::error_code erreur;
        return fs::is_regular_file(complet, erreur)
                   ? complet
                   : source / "tests" / "data" / "sudoku17-sample.txt";
    }();
    return chemin;
}

const std::vector<std::string>& collection() {
    static const std::vector<std::string> puzzles = litPuzzles(cheminCollection());
    return puzzles;
}

// Processor seconds spent by the finished child processes.
double secondesEnfants() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto secondes = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return secondes(usage.ru_utime) + secondes(usage.ru_stime);
}

// Plain backtracking over bit sets: the cell with the fewest candidates first.
class Reference {
public:
    explicit Reference(const std::string& probleme) {
        for (int i = 0; i < 81; ++i)
            if (probleme[size_t(i)] != '0' && !pose(i, probleme[size_t(i)] - '1'))
                impossible_ = true;
    }
    // Solutions up to `limite`.
    int Compte(int limite) {
        if (impossible_)
            return 0;
        int trouvees = 0;
        cherche(limite, trouvees);
        return trouvees;
    }
    // Fills the grid at random (the first solution in a random order of digits).
    bool Remplit(TRandom& alea) {
        alea_ = &alea;
        int trouvees = 0;
        cherche(1, trouvees);
        return trouvees == 1;
    }
    const std::array<int, 81>& Valeurs() const { return valeurs_; }

private:
    static int boite(int i) { return (i / 27) * 3 + (i % 9) / 3; }
    unsigned libres(int i) const {
        return ~(lignes_[i / 9] | colonnes_[i % 9] | boites_[boite(i)]) & 0x1FFu;
    }
    bool pose(int i, int v) {
        const unsigned bit = 1u << v;
        if (!(libres(i) & bit) || valeurs_[size_t(i)] >= 0)
            return false;
        valeurs_[size_t(i)] = v;
        lignes_[i / 9] |= bit;
        colonnes_[i % 9] |= bit;
        boites_[boite(i)] |= bit;
        return true;
    }
    void enleve(int i) {
        const unsigned bit = 1u << valeurs_[size_t(i)];
        valeurs_[size_t(i)] = -1;
        lignes_[i / 9] &= ~bit;
        colonnes_[i % 9] &= ~bit;
        boites_[boite(i)] &= ~bit;
    }
    // The cells of the 27 units.
    static const std::array<std::array<int, 9>, 27>& unites() {
        static const auto table = [] {
            std::array<std::array<int, 9>, 27> u{};
            for (int x = 0; x < 9; ++x)
                for (int k = 0; k < 9; ++k) {
                    u[size_t(x)][size_t(k)] = x * 9 + k;
                    u[size_t(9 + x)][size_t(k)] = k * 9 + x;
                    u[size_t(18 + x)][size_t(k)] = (x / 3 * 3 + k / 3) * 9 + x % 3 * 3 + k % 3;
                }
            return u;
        }();
        return table;
    }

    // Branches on the cell with the fewest candidates, or on the places of a digit in a unit
    // when a digit has fewer places.
    void cherche(int limite, int& trouvees) {
        int meilleure = -1;
        int moins = 10;
        for (int i = 0; i < 81 && moins > 1; ++i) {
            if (valeurs_[size_t(i)] >= 0)
                continue;
            const int nombre = std::popcount(libres(i));
            if (nombre < moins) {
                moins = nombre;
                meilleure = i;
            }
        }
        if (meilleure < 0) {
            ++trouvees;
            return;
        }
        if (moins == 0)
            return;
        std::array<int, 9> places{};
        int nbPlaces = 0;
        int chiffre = -1;
        for (const auto& unite : unites()) {
            if (moins <= 1)
                break;
            for (int v = 0; v < 9 && moins > 1; ++v) {
                std::array<int, 9> ici{};
                int nombre = 0;
                bool posee = false;
                for (const int i : unite) {
                    posee |= valeurs_[size_t(i)] == v;
                    if (valeurs_[size_t(i)] < 0 && (libres(i) >> v & 1u))
                        ici[size_t(nombre++)] = i;
                }
                if (posee)
                    continue;
                if (nombre == 0)
                    return;
                if (nombre < moins) {
                    moins = nombre;
                    places = ici;
                    nbPlaces = nombre;
                    chiffre = v;
                }
            }
        }
        if (chiffre >= 0) {
            for (int k = 0; k < nbPlaces; ++k) {
                pose(places[size_t(k)], chiffre);
                cherche(limite, trouvees);
                if (trouvees >= limite)
                    return;
                enleve(places[size_t(k)]);
            }
            return;
        }
        std::array<int, 9> ordre;
        std::iota(ordre.begin(), ordre.end(), 0);
        if (alea_)
            for (int k = 8; k > 0; --k)
                std::swap(ordre[size_t(k)], ordre[size_t(alea_->Below(k + 1))]);
        const unsigned candidats = libres(meilleure);
        for (const int v : ordre) {
            if (!(candidats & (1u << v)))
                continue;
            pose(meilleure, v);
            cherche(limite, trouvees);
            if (trouvees >= limite)
                return; // the grid keeps the solution found
            enleve(meilleure);
        }
    }

    std::array<int, 81> valeurs_ = [] {
        std::array<int, 81> a{};
        a.fill(-1);
        return a;
    }();
    std::array<unsigned, 9> lignes_{}, colonnes_{}, boites_{};
    TRandom* alea_ = nullptr;
    bool impossible_ = false;
};

void BM_RateCollection(benchmark::State& state) {
    const auto& puzzles = collection();
    int resolus = 0;
    for (auto _ : state) {
        resolus = 0;
        SudokuGrille grille;
        for (const std::string& p : puzzles) {
            grille.ChargeProbleme(p);
            resolus += grille.Resoudre(NiveauComplet) == ssResolu;
        }
        benchmark::DoNotOptimize(resolus);
    }
    state.counters["puzzles"] = double(puzzles.size());
    state.counters["solved"] = resolus;
    state.counters["puzzles/s"] = benchmark::Counter(
        double(puzzles.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RateCollection)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What "sudoku rate" runs: the candidate sets alone, without the grid's candidate strings.
void BM_RateCollectionMasques(benchmark::State& state) {
    const auto& puzzles = collection();
    const GeometrieSudoku& geometrie = GeometrieSudoku::De(3, 3);
    int resolus = 0;
    for (auto _ : state) {
        resolus = 0;
        for (const std::string& p : puzzles) {
            SudokuMasques masques(geometrie);
            masques.ChargeProbleme(p);
            resolus += masques.Resoudre(NiveauComplet) == ssResolu;
        }
        benchmark::DoNotOptimize(resolus);
    }
    state.counters["solved"] = resolus;
    state.counters["puzzles/s"] = benchmark::Counter(
        double(puzzles.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RateCollectionMasques)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The anchor on the same file, run as its own process: "qqwing --solve --stats", its processor
// time (user and system) as the time of an iteration. Beside BM_RateCollectionMasques in one run,
// the two figures are measured on the same machine under the same load.
void BM_RateCollectionQQWing(benchmark::State& state) {
    if (std::system("command -v qqwing > /dev/null 2>&1") != 0) {
        state.SkipWithError("qqwing n'est pas installé (apt-get install qqwing)");
        return;
    }
    const std::string commande =
        "qqwing --solve --stats < '" + cheminCollection().string() + "' > /dev/null";
    for (auto _ : state) {
        const double avant = secondesEnfants();
        if (std::system(commande.c_str()) != 0) {
            state.SkipWithError("qqwing a échoué");
            return;
        }
        state.SetIterationTime(secondesEnfants() - avant);
    }
    state.counters["puzzles/s"] = benchmark::Counter(
        double(collection().size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RateCollectionQQWing)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_RateCollectionReference(benchmark::State& state) {
    const auto& puzzles = collection();
    int uniques = 0;
    for (auto _ : state) {
        uniques = 0;
        for (const std::string& p : puzzles)
            uniques += Reference(p).Compte(2) == 1;
        benchmark::DoNotOptimize(uniques);
    }
    state.counters["unique"] = uniques;
    state.counters["puzzles/s"] = benchmark::Counter(
        double(puzzles.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RateCollectionReference)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A component's 9 x 9 puzzle at "Niveau" 3, rated.
void BM_Generate9x9(benchmark::State& state) {
    TRandom alea(1);
    for (auto _ : state) {
        const GrilleGeneree grille = GenereGrille(tg9x9, 3, 0, alea);
        benchmark::DoNotOptimize(grille.Cases);
    }
    state.counters["puzzles/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Generate9x9)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The reference: a random full grid, then clues removed in random order while unique.
void BM_Generate9x9Reference(benchmark::State& state) {
    TRandom alea(1);
    for (auto _ : state) {
        Reference pleine(std::string(81, '0'));
        pleine.Remplit(alea);
        std::string probleme(81, '0');
        for (int i = 0; i < 81; ++i)
            probleme[size_t(i)] = char('1' + pleine.Valeurs()[size_t(i)]);
        std::array<int, 81> ordre;
        std::iota(ordre.begin(), ordre.end(), 0);
        for (int k = 80; k > 0; --k)
            std::swap(ordre[size_t(k)], ordre[size_t(alea.Below(k + 1))]);
        for (const int i : ordre) {
            const char indice = probleme[size_t(i)];
            probleme[size_t(i)] = '0';
            if (Reference(probleme).Compte(2) != 1)
                probleme[size_t(i)] = indice;
        }
        benchmark::DoNotOptimize(probleme);
    }
    state.counters["puzzles/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Generate9x9Reference)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_GenerateSmall(benchmark::State& state) {
    const int type = int(state.range(0));
    TRandom alea(1);
    for (auto _ : state) {
        const GrilleGeneree grille = GenereGrille(type, 3, 0, alea);
        benchmark::DoNotOptimize(grille.Cases);
    }
}
BENCHMARK(BM_GenerateSmall)->Arg(tg6x6_3x2)->Arg(tg4x4)->Unit(benchmark::kMillisecond);

// One try of the random completion of a 9 x 9 grid with the search's time limit.
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
