// Documents of many components: each one created nameless and named by the document, and a
// saved document read back whose records carry no name and no identifier. Both grow linearly
// with the count.
#include "host/Document.h"
#include "host/Stream.h"
#include "package/Paquet.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void Fill(TDocument& document, int count) {
    document.AjoutePage(TPlanche(TPlanche::Format::A4, false));
    for (int i = 0; i < count; ++i)
        document.Cree("Dé", 0);
}

void BM_NameNewComponents(benchmark::State& state) {
    const TCatalogue catalogue = CataloguePaquet();
    SeedRandom(1);
    for (auto _ : state) {
        TDocument document(catalogue);
        Fill(document, int(state.range(0)));
        benchmark::DoNotOptimize(document.Composant(document.NbComposants() - 1).Nom());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NameNewComponents)
    ->RangeMultiplier(4)
    ->Range(1250, 20000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

void BM_ReadNamelessRecords(benchmark::State& state) {
    const TCatalogue catalogue = CataloguePaquet();
    SeedRandom(1);
    TDocument source(catalogue);
    Fill(source, int(state.range(0)));
    for (int i = 0; i < source.NbComposants(); ++i) {
        source.Composant(i).ChangeNom("");
        source.Composant(i).ChangeIdentifiant(0);
    }
    TMemoryStream saved;
    if (!source.Ecrit(saved)) {
        state.SkipWithError("the document could not be written");
        return;
    }
    for (auto _ : state) {
        TMemoryStream input(saved.Bytes());
        TDocument document(catalogue);
        std::string message;
        std::vector<std::string> skipped;
        if (!document.Lit(input, message, skipped))
            state.SkipWithError(message.c_str());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadNamelessRecords)
    ->RangeMultiplier(4)
    ->Range(1250, 20000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
