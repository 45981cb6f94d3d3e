// Reads arbitrary bytes as a document through the full catalogue: every registered kind's reader
// and drawing, the kinds to come as soon as they register. Whatever is read must write back and
// draw without crashing; a file that is refused must leave nothing behind.
#include "host/Document.h"
#include "host/Stream.h"
#include "package/Paquet.h"
#include "platform/RecordingCanvas.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TCatalogue catalogue = CataloguePaquet();
    TDocument doc(catalogue);
    TMemoryStream in(std::vector<std::uint8_t>(data, data + size));
    std::string message;
    std::vector<std::string> ignores;
    if (!doc.Lit(in, message, ignores)) {
        if (doc.NbPages() != 0 || doc.NbComposants() != 0)
            __builtin_trap();
        return 0;
    }
    TMemoryStream out;
    doc.Ecrit(out);
    for (int page = 0; page < doc.NbPages(); ++page) {
        TRecordingCanvas canvas;
        doc.DessinePage(canvas, page, MODE_CORRIGE, true);
    }
    return 0;
}
