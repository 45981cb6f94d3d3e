// Arbitrary bytes as a sheet: refused with a message, or built (fixed seed), drawn, saved and
// read back, the document read saving to the same bytes and drawing again; its export is a sheet
// that builds again. Never a crash.
#include "sheet/Sheet.h"
#include "sheet/SheetBuilder.h"
#include "sheet/SheetExport.h"

#include "host/Document.h"
#include "host/Stream.h"
#include "package/Paquet.h"
#include "platform/Random.h"
#include "platform/RecordingCanvas.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TCatalogue catalogue = CataloguePaquet();
    SeedRandom(5);
    const std::string text(reinterpret_cast<const char*>(data), size);
    Sheet sheet;
    std::string error;
    TDocument document(catalogue), read(catalogue);
    if (!ParseSheet(text, "fuzz", sheet, error) || !BuildDocument(sheet, document, error))
        return 0;
    const auto draw = [](const TDocument& doc) {
        for (int page = 0; page < doc.NbPages(); ++page) {
            TRecordingCanvas canvas;
            doc.DessinePage(canvas, page, MODE_CORRIGE, true);
        }
    };
    draw(document);
    TMemoryStream saved, again;
    std::vector<std::string> ignores;
    if (!document.Ecrit(saved) || !read.Lit(saved, error, ignores) || !ignores.empty() ||
        !read.Ecrit(again) || again.Bytes() != saved.Bytes())
        __builtin_trap();
    draw(read);
    Sheet exported;
    TDocument rebuilt(catalogue);
    if (!ParseSheet(ExportSheet(document), "export", exported, error) ||
        !BuildDocument(exported, rebuilt, error))
        __builtin_trap();
    return 0;
}
