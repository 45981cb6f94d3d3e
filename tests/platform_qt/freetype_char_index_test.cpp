// The programs' FT_Get_Char_Index against FreeType's own, on the fonts the sheets are drawn with.
#include "platform_qt/FreetypeFace.h"

#include <dlfcn.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace {

using CharIndexFunction = FT_UInt (*)(FT_Face, FT_ULong);
const auto freetypeCharIndex =
    reinterpret_cast<CharIndexFunction>(dlsym(RTLD_NEXT, "FT_Get_Char_Index"));

// The first code point up to 0x2FFFF where the two functions differ, or -1.
long FirstDifference(FT_Face face) {
    for (FT_ULong code = 0; code <= 0x2FFFF; ++code)
        if (FT_Get_Char_Index(face, code) != freetypeCharIndex(face, code))
            return long(code);
    return -1;
}

// Font files of the sheets, as Debian installs them: cmaps of format 12, and 4 beside 6.
class FreetypeCharIndexTest : public testing::TestWithParam<std::string> {};

TEST_P(FreetypeCharIndexTest, AnswersAsFreetypeOnTwoThreadsInEveryCharmapAndWithClientDataTaken) {
    const auto face = OpenFace(GetParam()), taken = OpenFace(GetParam());
    if (!face || !taken)
        GTEST_SKIP() << GetParam() << " is not installed";
    std::jthread other([&] { EXPECT_EQ(FirstDifference(face.get()), -1); });
    EXPECT_EQ(FirstDifference(face.get()), -1);
    other.join();
    EXPECT_NE(face->generic.data, nullptr) << "no table was built";
    for (FT_Int charmap = 0; charmap < face->num_charmaps; ++charmap) {
        ASSERT_EQ(FT_Set_Charmap(face.get(), face->charmaps[charmap]), 0);
        EXPECT_EQ(FirstDifference(face.get()), -1) << "charmap " << charmap;
    }
    FT_CharMap owner[64] = {taken->charmap}; // another client's data, which may look like ours
    taken->generic = {owner, [](void*) {}};
    EXPECT_EQ(FirstDifference(taken.get()), -1);
    EXPECT_EQ(taken->generic.data, owner);
}

INSTANTIATE_TEST_SUITE_P(
    SheetFonts, FreetypeCharIndexTest,
    testing::Values("/usr/share/fonts/truetype/andika/Andika-Bold.ttf",
                    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"));

TEST(FreetypeCharIndexExportTest, LibrariesBindToTheProgramsFunction) {
    void* const ours = reinterpret_cast<void*>(&FT_Get_Char_Index);
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "FT_Get_Char_Index"), ours);
    EXPECT_NE(reinterpret_cast<void*>(freetypeCharIndex), ours);
}

} // namespace
