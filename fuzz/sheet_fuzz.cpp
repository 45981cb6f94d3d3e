// Feeds arbitrary bytes to the sheet reader and builder: they must refuse bad sheets with a
// message, never crash or hang.
#include "Sheet.h"
#include "SheetBuilder.h"

#include "host/Document.h"
#include "package/Paquet.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TCatalogue catalogue = CataloguePaquet();
    const std::string text(reinterpret_cast<const char*>(data), size);
    Sheet sheet;
    std::string error;
    if (!ParseSheet(text, "fuzz", sheet, error))
        return 0;
    TDocument document(catalogue);
    BuildDocument(sheet, document, error);
    return 0;
}
