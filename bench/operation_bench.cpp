// The uniqueness searches of the multiplication and division worker on their hard cases:
// three-digit by three-digit multiplications and four-digit by two-digit divisions with two
// decimals, holes on every line (PositionTrous 7), isolated, hard. The plain search of the
// tests (every digit in every hole) against the worker's; then whole sheets.
#include "../tests/operation/RechercheSimple.h"
#include "operation/EcritureMultDiv.h"
#include "operation/Nombres.h"
#include "operation/ThreadMult.h"
#include "platform/Locale.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

constexpr int kPrecision = 2;

// Operands of so many digits, the last `decimales` of them after the separator.
TTableOperandes tableHasard(unsigned graine, int chiffresA, int chiffresB, int decimales = 0) {
    TRandom alea(graine);
    const auto tire = [&alea, decimales](int chiffres) {
        int bas = 1;
        for (int i = 1; i < chiffres; ++i)
            bas *= 10;
        double v = double(bas + alea.Below(9 * bas));
        for (int i = 0; i < decimales; ++i)
            v /= 10;
        return v;
    };
    TTableOperandes table{};
    for (TLigneOperandes& ligne : table) {
        ligne.fill(-1.0);
        ligne[0] = tire(chiffresA);
        ligne[1] = tire(chiffresB);
    }
    return table;
}

OperOptions optionsDifficiles() {
    OperOptions o{};
    o.PositionTrous[OP_MULTIPLICATION] = 7;
    o.PositionTrous[OP_DIVISION] = 7;
    o.TrousIsoles = true;
    o.OperationPosee = true;
    o.DifficulteMult = 2;
    o.DifficulteDiv = 2;
    o.PrecisionDiv = kPrecision;
    return o;
}

// The exercises of a sheet once holed: each one is a pattern with a single solution (the
// search must try everything), and the same with one more hole (usually not unique).
struct Motifs {
    std::vector<std::vector<std::string>> lignes;
    std::vector<std::array<int, 2>> decimales;
};

Motifs motifs(bool division) {
    SetDecimalSeparator(',');
    const TTableOperandes table = division ? tableHasard(7, 4, 2) : tableHasard(7, 3, 3);
    const OperOptions options = optionsDifficiles();
    ListeOperations liste =
        division ? GenereDivisions(table, false, kPrecision) : GenereMultiplications(table);
    ThreadMult worker(&liste, &options,
                      division ? ThreadMult::DIVISION : ThreadMult::MULTIPLICATION, 11);
    division ? worker.ExecuteDivision() : worker.ExecuteMultiplication();
    Motifs m;
    for (const auto& record : liste) {
        std::vector<std::string> l = division ? dynamic_cast<const Division&>(*record).Lignes
                                              : dynamic_cast<const Multiplication&>(*record).Lignes;
        std::array<int, 2> d{0, 0};
        if (!division)
            for (int j = 0; j < 2; ++j)
                d[std::size_t(j)] = SupprimeVirgule(l[std::size_t(j)]);
        m.lignes.push_back(l);
        m.decimales.push_back(d);
        // One more hole, on the first digit left of an operand.
        for (char& c : l[0])
            if (c >= '0' && c <= '9') {
                c = char(c + 10);
                break;
            }
        m.lignes.push_back(l);
        m.decimales.push_back(d);
    }
    return m;
}

const Motifs& motifsMult() {
    static const Motifs m = motifs(false);
    return m;
}

const Motifs& motifsDiv() {
    static const Motifs m = motifs(true);
    return m;
}

// One pass of a search over every pattern; returns the sum of the counts.
long passeMult(bool rapide, std::size_t limite) {
    const Motifs& m = motifsMult();
    RechercheMult recherche;
    long total = 0;
    for (std::size_t i = 0; i < std::min(limite, m.lignes.size()); ++i) {
        if (rapide) {
            const BlocLignes bloc(m.lignes[i]);
            total += recherche.Compte(bloc, m.decimales[i][0], m.decimales[i][1]);
        } else {
            std::vector<std::string> l = m.lignes[i];
            total += std::min(2, simple::compteMult(l, m.decimales[i][0], m.decimales[i][1]));
        }
    }
    return total;
}

long passeDiv(bool rapide, std::size_t limite) {
    const Motifs& m = motifsDiv();
    RechercheDiv recherche;
    CalculDivision calcul;
    long total = 0;
    for (std::size_t i = 0; i < std::min(limite, m.lignes.size()); ++i) {
        if (rapide) {
            const BlocLignes bloc(m.lignes[i]);
            total += recherche.Compte(bloc, false, kPrecision);
        } else {
            std::vector<std::string> l = m.lignes[i];
            total += std::min(2, simple::compteDiv(l, false, kPrecision, calcul));
        }
    }
    return total;
}

// The plain division search takes seconds per pattern: only the first few are timed.
constexpr std::size_t kMotifsDivSimple = 6;

void BM_RechercheMultSimple(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(passeMult(false, SIZE_MAX));
    state.counters["motifs"] = double(motifsMult().lignes.size());
}
BENCHMARK(BM_RechercheMultSimple)->Unit(benchmark::kMillisecond);

void BM_RechercheMultRapide(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(passeMult(true, SIZE_MAX));
    state.counters["motifs"] = double(motifsMult().lignes.size());
}
BENCHMARK(BM_RechercheMultRapide)->Unit(benchmark::kMillisecond);

void BM_RechercheDivSimple(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(passeDiv(false, kMotifsDivSimple));
    state.counters["motifs"] = double(kMotifsDivSimple);
}
BENCHMARK(BM_RechercheDivSimple)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RechercheDivRapide(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(passeDiv(true, kMotifsDivSimple));
    state.counters["motifs"] = double(kMotifsDivSimple);
}
BENCHMARK(BM_RechercheDivRapide)->Unit(benchmark::kMillisecond);

void BM_RechercheDivRapideTous(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(passeDiv(true, SIZE_MAX));
    state.counters["motifs"] = double(motifsDiv().lignes.size());
}
BENCHMARK(BM_RechercheDivRapideTous)->Unit(benchmark::kMillisecond);

// A whole sheet of 24 hard exercises: writing and holing, on the calling thread.
void feuille(benchmark::State& state, bool division) {
    SetDecimalSeparator(',');
    const OperOptions options = optionsDifficiles();
    unsigned graine = 1;
    for (auto _ : state) {
        const TTableOperandes table =
            division ? tableHasard(graine, 4, 2) : tableHasard(graine, 3, 3);
        ListeOperations liste =
            division ? GenereDivisions(table, false, kPrecision) : GenereMultiplications(table);
        ThreadMult worker(&liste, &options,
                          division ? ThreadMult::DIVISION : ThreadMult::MULTIPLICATION, graine++);
        division ? worker.ExecuteDivision() : worker.ExecuteMultiplication();
        benchmark::DoNotOptimize(liste.data());
    }
}

void BM_FeuilleMultiplications(benchmark::State& state) {
    feuille(state, false);
}
BENCHMARK(BM_FeuilleMultiplications)->Unit(benchmark::kMillisecond);

void BM_FeuilleDivisions(benchmark::State& state) {
    feuille(state, true);
}
BENCHMARK(BM_FeuilleDivisions)->Unit(benchmark::kMillisecond);

// The slowest sheets found over every key value with operands of eight digits (five integer
// digits and three decimals, built by mathsheet with Tirage = 1;99999;0;0;3;0): divisions
// holed on the dividend and the lines below, quotients to eight decimals, and multiplications
// holed everywhere, isolated and hard. Each iteration holes a new sheet of 24; a whole build
// regenerates once per key it sets, so its time is a few of these plus the page output.
void BM_FeuillePire(benchmark::State& state) {
    SetDecimalSeparator(',');
    const bool division = state.range(0) != 0;
    OperOptions options = optionsDifficiles();
    options.PositionTrous[OP_DIVISION] = 5;
    options.PrecisionDiv = 8;
    unsigned graine = 1;
    for (auto _ : state) {
        const TTableOperandes table = tableHasard(graine, 8, 8, 3);
        ListeOperations liste =
            division ? GenereDivisions(table, false, 8) : GenereMultiplications(table);
        ThreadMult worker(&liste, &options,
                          division ? ThreadMult::DIVISION : ThreadMult::MULTIPLICATION, graine++);
        division ? worker.ExecuteDivision() : worker.ExecuteMultiplication();
        benchmark::DoNotOptimize(liste.data());
    }
}
BENCHMARK(BM_FeuillePire)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

double secondes(const std::function<void()>& f) {
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The same answers, and how much faster.
    const double multSimple = secondes([] { passeMult(false, SIZE_MAX); });
    const double multRapide = secondes([] { passeMult(true, SIZE_MAX); });
    const double divSimple = secondes([] { passeDiv(false, kMotifsDivSimple); });
    const double divRapide = secondes([] { passeDiv(true, kMotifsDivSimple); });
    std::printf("Mêmes réponses : multiplications %s, divisions %s\n",
                passeMult(false, SIZE_MAX) == passeMult(true, SIZE_MAX) ? "oui" : "NON",
                passeDiv(false, kMotifsDivSimple) == passeDiv(true, kMotifsDivSimple) ? "oui"
                                                                                      : "NON");
    std::printf("Rapport simple / rapide : multiplications x%.0f, divisions x%.0f\n",
                multSimple / multRapide, divSimple / divRapide);
    return 0;
}
