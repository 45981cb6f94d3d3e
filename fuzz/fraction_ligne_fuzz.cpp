// Reads arbitrary bytes as a fraction line: the first byte chooses the mask and the mode of
// hidden parts, the rest is the text, measured and drawn as a loaded document's line would be.
// Unbalanced brackets, a lone "F", long runs of digits: nothing may crash or read past the end.
#include "fraction/DessinFraction.h"
#include "fraction/LignesFraction.h"
#include "platform/RecordingCanvas.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view texte(reinterpret_cast<const char*>(data + 1), size - 1);
    const int masque = data[0] & 7;
    const int mode = (data[0] >> 3) % 3;
    TFont police;
    TFont corrige = police;
    corrige.Color = 255;
    TRecordingCanvas canvas;
    const CellulesFraction cellules{29, 65};
    const vlSize mesure = DessinFraction(nullptr, police, corrige, cellules, mode)
                              .DessineLigne({0, 0}, texte, masque);
    const vlSize dessin = DessinFraction(&canvas, police, corrige, cellules, mode)
                              .DessineLigne({0, 0}, texte, masque);
    if (mesure != dessin)
        __builtin_trap();
    std::size_t pos = 0;
    LireDigit(texte, pos);
    LigneLisible(texte);
    return 0;
}
