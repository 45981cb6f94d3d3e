#include "platform/qt/QtEmbeddedGlyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <dlfcn.h>

#include <algorithm>

bool QtLoadsUnhinted(const FT_FaceRec_* face) {
    if (face == nullptr || face->size == nullptr || face->family_name == nullptr)
        return false;
    const FT_Size_Metrics& size = face->size->metrics;
    if (size.x_ppem != face->units_per_EM || size.y_ppem != face->units_per_EM)
        return false;
    return std::find(kUnhintedFamilies.begin(), kUnhintedFamilies.end(),
                     std::string_view(face->family_name)) != kUnhintedFamilies.end();
}

// Replaces FreeType's own for the whole program (see QtEmbeddedGlyphs.h), then calls it.
extern "C" FT_Error FT_Load_Glyph(FT_Face face, FT_UInt glyph_index, FT_Int32 load_flags) {
    using LoadGlyph = FT_Error (*)(FT_Face, FT_UInt, FT_Int32);
    static const auto freeType = reinterpret_cast<LoadGlyph>(dlsym(RTLD_NEXT, "FT_Load_Glyph"));
    if (freeType == nullptr)
        return FT_Err_Unimplemented_Feature;
    if ((load_flags & FT_LOAD_NO_SCALE) == 0 && QtLoadsUnhinted(face))
        load_flags |= FT_LOAD_NO_HINTING;
    return freeType(face, glyph_index, load_flags);
}
