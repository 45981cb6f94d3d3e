// Rendering a worksheet-like page: 20 x 20 squares of 5 mm, each with a number, to PDF and
// to PNG at 150 dpi, written to a temporary folder; a page filled in each brush style; then the
// page check that follows every drawing, on pages of money and blocks components.
#include "common/CommonComponent.h"
#include "host/Document.h"
#include "package/Paquet.h"
#include "platform/Random.h"
#include "platform/qt/QtApplicationGuard.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtPageWriter.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr vlSize kA4{2100, 2970};
constexpr int kCells = 20;
constexpr int kCell = 50; // 5 mm

void DrawGrid(TCanvas& canvas) {
    canvas.Font.Name = "Andika";
    canvas.Font.Height = -35;
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_CENTER | TA_BASELINE);
    const int left = 550;
    const int top = 400;
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            const int x = left + column * kCell;
            const int y = top + row * kCell;
            canvas.Rectangle(x, y, x + kCell + 1, y + kCell + 1);
            const int number = (row * 37 + column * 11) % 100;
            canvas.TextOut(x + kCell / 2, y + 36, std::to_string(number));
        }
    }
}

void RenderTo(benchmark::State& state, const char* name) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QString::fromLatin1(name)).toStdString();
    for (auto _ : state) {
        TQtPageWriter writer(path, kA4, 150);
        DrawGrid(writer.BeginPage());
        std::string message;
        if (!writer.Finish(message))
            state.SkipWithError(message.c_str());
    }
}

void BM_RenderPdf(benchmark::State& state) {
    RenderTo(state, "grid.pdf");
}
void BM_RenderPng150(benchmark::State& state) {
    RenderTo(state, "grid.png");
}
void BM_RenderSvg(benchmark::State& state) {
    RenderTo(state, "grid.svg");
}

// Drawing alone, without encoding or writing: an A4 image at 150 dpi.
void BM_DrawOnImage150(benchmark::State& state) {
    QImage image(1240, 1754, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TQtCanvas canvas(painter, 150.0 / 254);
        DrawGrid(canvas);
    }
}

// The warnings of a document of n components (coins, notes, masses and blocks, full ones, in a
// grid of frames on 4 pages): every component drawn once more for its tags, then checked.
void BM_PageCheck(benchmark::State& state) {
    const TCatalogue catalogue = CataloguePaquet();
    SeedRandom(1);
    TDocument document(catalogue);
    const int count = int(state.range(0));
    for (int page = 0; page < 4; ++page)
        document.AjoutePage(TPlanche(TPlanche::Format::A4, false));
    const char* kinds[] = {"Euro pièces", "Euro billets", "Masses marquées", "Cube décimal"};
    const char* full[] = {"NbPieces=10,10,10,10,10,10,10,10", "NbBillets=2,2,2,2,2,2,2",
                          "NbMasses=10,10,10,10,10,10,10,10,10,10", "NombreCube=9999"};
    for (int i = 0; i < count; ++i) {
        const int page = i % 4;
        const int slot = i / 4;
        TComposant* c = document.Cree(kinds[i % 4], page);
        std::string message;
        const std::string value = full[i % 4];
        c->ChangeOption(value.substr(value.find('=') + 1), value.substr(0, value.find('=')),
                        message);
        c->ChangeCoords({slot % 4 * 450 + 100, slot / 4 % 6 * 450 + 100, slot % 4 * 450 + 500,
                         slot / 4 % 6 * 450 + 500});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(AvertissementsCadre(document));
    state.SetComplexityN(count);
}

BENCHMARK(BM_PageCheck)
    ->RangeMultiplier(4)
    ->Range(4, 64)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// A full A4 page filled in each of the eight brush styles, a rounded frame as a die's face is,
// to PDF: a hatch should cost about what a plain fill does.
void BM_FillPageInStyle(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("fill.pdf")).toStdString();
    for (auto _ : state) {
        TQtPageWriter writer(path, kA4);
        TCanvas& canvas = writer.BeginPage();
        canvas.Brush.Style = TBrushStyle(state.range(0));
        canvas.RoundRect(0, 0, kA4.cx, kA4.cy, 200, 200);
        std::string message;
        if (!writer.Finish(message))
            state.SkipWithError(message.c_str());
    }
}

BENCHMARK(BM_FillPageInStyle)->DenseRange(bsSolid, bsDiagCross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPng150)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawOnImage150)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const QtApplicationGuard application;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
