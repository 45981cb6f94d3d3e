// A FreeType face of a font file, for the tests of the programs' own FreeType functions.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

// The face of `file`, null when the file is missing.
inline std::shared_ptr<FT_FaceRec> OpenFace(const std::string& file) {
    static FT_Library library = nullptr;
    FT_Face face = nullptr;
    if ((library == nullptr && FT_Init_FreeType(&library) != 0) ||
        FT_New_Face(library, file.c_str(), 0, &face) != 0)
        return nullptr;
    return {face, FT_Done_Face};
}
