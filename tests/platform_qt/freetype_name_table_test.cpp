// The programs' FT_Load_Sfnt_Table against FreeType's own: the 'name' table keeps the records
// that name the font, every other table is FreeType's.
#include "platform/qt/FreetypeNameTable.h"

#include "platform_qt/FreetypeFace.h"

#include <dlfcn.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using LoadTableFunction = FT_Error (*)(FT_Face, FT_ULong, FT_Long, FT_Byte*, FT_ULong*);
const auto freetypeLoadTable =
    reinterpret_cast<LoadTableFunction>(dlsym(RTLD_NEXT, "FT_Load_Sfnt_Table"));

// A table asked as Qt asks: its size, then its bytes.
Bytes Table(LoadTableFunction load, FT_Face face, FT_ULong tag) {
    FT_ULong size = 0;
    EXPECT_EQ(load(face, tag, 0, nullptr, &size), 0);
    Bytes table(size);
    EXPECT_EQ(load(face, tag, 0, table.data(), &size), 0);
    return table;
}

std::uint16_t Read16(const Bytes& bytes, std::size_t at) {
    return std::uint16_t(bytes.at(at) << 8 | bytes.at(at + 1));
}

// The strings of a 'name' table of format 0 by platform, encoding, language and name.
using NameKey = std::tuple<int, int, int, int>;
std::map<NameKey, std::string> Names(const Bytes& table) {
    std::map<NameKey, std::string> names;
    const std::size_t strings = Read16(table, 4);
    for (std::size_t i = 0; i < Read16(table, 2); ++i) {
        const std::size_t r = 6 + 12 * i;
        const std::size_t from = strings + Read16(table, r + 10);
        names[{Read16(table, r), Read16(table, r + 2), Read16(table, r + 4),
               Read16(table, r + 6)}] =
            std::string(table.begin() + std::ptrdiff_t(from),
                        table.begin() + std::ptrdiff_t(from + Read16(table, r + 8)));
    }
    return names;
}

class FreetypeNameTableTest : public testing::TestWithParam<std::string> {};

TEST_P(FreetypeNameTableTest, KeepsTheNamingRecordsAndGivesEveryOtherTableAsFreetype) {
    const auto face = OpenFace(GetParam());
    if (!face)
        GTEST_SKIP() << GetParam() << " is not installed";
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "FT_Load_Sfnt_Table"),
              reinterpret_cast<void*>(&FT_Load_Sfnt_Table));
    const Bytes whole = Table(freetypeLoadTable, face.get(), TTAG_name);
    const Bytes kept = Table(FT_Load_Sfnt_Table, face.get(), TTAG_name);
    EXPECT_LT(kept.size(), whole.size());
    std::map<NameKey, std::string> expected = Names(whole);
    // Copyright, family, style, unique name, full name, version, PostScript name, trademark and
    // the licence's address; not the licence's text, descriptions or names of features.
    std::erase_if(expected, [](const auto& name) {
        const int id = std::get<3>(name.first);
        return id > 7 && id != 14;
    });
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(Names(kept), expected);
    // A part of it, and the whole of it without a size.
    FT_ULong four = 4;
    Bytes part(4);
    EXPECT_EQ(FT_Load_Sfnt_Table(face.get(), TTAG_name, 2, part.data(), &four), 0);
    EXPECT_EQ(part, Bytes(kept.begin() + 2, kept.begin() + 6));
    Bytes all(kept.size());
    EXPECT_EQ(FT_Load_Sfnt_Table(face.get(), TTAG_name, 0, all.data(), nullptr), 0);
    EXPECT_EQ(all, kept);
    FT_ULong tooMany = kept.size() + 1;
    Bytes over(tooMany);
    EXPECT_NE(FT_Load_Sfnt_Table(face.get(), TTAG_name, 0, over.data(), &tooMany), 0);
    for (const FT_ULong tag : {TTAG_OS2, TTAG_head, TTAG_cmap})
        EXPECT_EQ(Table(FT_Load_Sfnt_Table, face.get(), tag),
                  Table(freetypeLoadTable, face.get(), tag));
}

INSTANTIATE_TEST_SUITE_P(
    SheetFonts, FreetypeNameTableTest,
    testing::Values("/usr/share/fonts/truetype/andika/Andika-Regular.ttf",
                    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"));

// What is not a well-formed table of format 0 is given as it is.
TEST(FreetypeNameTable, LeavesWhatItCannotReadAsItIs) {
    // Format 0, one record (platform 3, encoding 1, language 0x409, name 13) of 2 bytes at 0.
    const Bytes licence{0, 0, 0, 1, 0, 18, 0, 3, 0, 1, 4, 9, 0, 13, 0, 2, 0, 0, 'L', 'i'};
    EXPECT_EQ(NamingRecordsOnly(licence), (Bytes{0, 0, 0, 0, 0, 6}));
    Bytes family = licence;
    family[13] = 1;
    EXPECT_EQ(NamingRecordsOnly(family), family);
    const std::vector<Bytes> unreadable{
        {},
        {0, 0, 0},
        Bytes(licence.begin(), licence.end() - 1),       // the string runs past the end
        Bytes(licence.begin(), licence.begin() + 16),    // so does the record
        {0, 1, 0, 1, 0, 18, 0, 3, 0, 1, 4, 9, 0, 13, 0}, // format 1
    };
    for (const Bytes& table : unreadable)
        EXPECT_EQ(NamingRecordsOnly(table), table) << table.size();
    // Four family records sharing one string of 30,000 bytes: copied for each, the last one
    // would start past what 16 bits can say.
    Bytes shared{0, 0, 0, 4, 0, 54};
    for (int i = 0; i < 4; ++i)
        shared.insert(shared.end(), {0, 3, 0, 1, 4, 9, 0, 1, 0x75, 0x30, 0, 0});
    shared.resize(shared.size() + 30000, 'x');
    EXPECT_EQ(NamingRecordsOnly(shared), shared);
}

} // namespace
