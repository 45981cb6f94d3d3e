// The text forms of an exercise's numbers: plain decimals, digit counts, padding, holes on a
// column, separators taken off and put back, thousands groups and the readable form.
#include "operation/Nombres.h"

#include "OperationFixture.h"

namespace {

using NombresTest = SeparateursFixture; // "1 234,5"

TEST_F(NombresTest, DoubleToStringWritesPlainDecimalsWithoutTrailingZeros) {
    // Fifteen significant digits absorb the binary error of decimal sums; beyond them the
    // mantissa runs out and zeros follow.
    const std::vector<std::pair<long double, std::string>> cas{
        {0, "0"},
        {2.5, "2,5"},
        {100, "100"},
        {0.05, "0,05"},
        {0.0005, "0,0005"},
        {1234567.125, "1234567,125"},
        {0.1L + 0.2L, "0,3"},
        {static_cast<long double>(5.3) - 2.1, "3,2"},
        {1e20L, "100000000000000000000"}};
    for (const auto& [x, texte] : cas)
        EXPECT_EQ(DoubleToString(x), texte);
    SetDecimalSeparator('.');
    EXPECT_EQ(DoubleToString(19.5), "19.5");
}

TEST_F(NombresTest, NbDigitCountsHolesAsDigitsAndSkipsPadding) {
    // ":" hides 0, "C" hides 9; "$" only keeps room.
    const std::vector<std::tuple<std::string, int, int>> cas{{"  12", 2, 0}, {"12  ", 2, 0},
                                                             {" 7,5", 1, 1}, {"1:,C5", 2, 2},
                                                             {"1$25", 3, 0}, {"", 0, 0}};
    for (const auto& [texte, entiers, decimales] : cas) {
        std::int16_t e = -1, d = -1;
        NbDigit(texte, e, d);
        EXPECT_EQ(std::make_pair(int(e), int(d)), std::make_pair(entiers, decimales)) << texte;
    }
}

TEST_F(NombresTest, FormatePadsBothPartsAndTheMissingSeparator) {
    const std::vector<std::tuple<std::string, int, int, std::string>> cas{
        {"12", 2, 1, "12  "},   {"7,5", 2, 1, " 7,5"},   {"2", 1, 2, "2   "},
        {"3,25", 1, 2, "3,25"}, {"4,5", 3, 2, "  4,5 "}, {"999", 4, 0, " 999"}};
    for (const auto& [texte, e, d, attendu] : cas)
        EXPECT_EQ(Formate(texte, std::int16_t(e), std::int16_t(d)), attendu) << texte;
}

TEST_F(NombresTest, PlaceTrousHidesTheDigitOfAColumnOrNothing) {
    // Leading blanks do not shift the columns.
    const std::vector<std::tuple<std::string, int, std::string>> places{
        {"123", 0, "12="},      {"123", 2, ";23"},      {" 999", 2, " C99"},
        {"19,25", -1, "19,<5"}, {"19,25", -2, "19,2?"}, {"19,25", 1, ";9,25"}};
    for (const auto& [texte, position, attendu] : places) {
        std::string s = texte;
        EXPECT_TRUE(PlaceTrous(s, position)) << texte << " @" << position;
        EXPECT_EQ(s, attendu);
    }
    // No digit there, one already hidden, or a number padded on the right (counting from its
    // end would pick the wrong column).
    const std::vector<std::pair<std::string, int>> refuses{
        {"123", 3},  {"19,5", -2}, {"12=", 0},    {"2   ", -2},  {"2   ", -1},
        {"2   ", 0}, {"12  ", 1},  {"  4,5 ", 0}, {"  4,5 ", -1}};
    for (const auto& [texte, position] : refuses) {
        std::string s = texte;
        EXPECT_FALSE(PlaceTrous(s, position)) << texte << " @" << position;
        EXPECT_EQ(s, texte);
    }
}

TEST_F(NombresTest, SiTrouLooksPastTheSeparatorAndPlaceholder) {
    EXPECT_FALSE(SiTrou("12,5"));
    EXPECT_FALSE(SiTrou(" 1$2 "));
    EXPECT_TRUE(SiTrou("1:"));
    EXPECT_TRUE(SiTrou("C"));
    SetDecimalSeparator('.');
    EXPECT_FALSE(SiTrou("1.5"));
    EXPECT_TRUE(SiTrou("1.@"));
}

TEST_F(NombresTest, SeparatorsComeOffAndGoBackIn) {
    std::string s = "12,345";
    EXPECT_EQ(SupprimeVirgule(s), 3);
    EXPECT_EQ(s, "12345");
    s = "125";
    EXPECT_EQ(SupprimeVirgule(s), 0);
    EXPECT_EQ(NombreSansVirgule("0,05"), "005");
    const std::vector<std::tuple<std::string, int, std::string>> cas{
        {"125", 2, "1,25"}, {"5", 2, "0,05"}, {"25", 2, "0,25"}, {"25", 0, "25"}};
    for (const auto& [chiffres, n, attendu] : cas) {
        s = chiffres;
        AjouteVirgule(s, n);
        EXPECT_EQ(s, attendu);
    }
}

TEST_F(NombresTest, SepareMilliersGroupsTheIntegerDigitsOnly) {
    const std::vector<std::tuple<std::string, int, std::string>> cas{
        {"1234567", 7, "1 234 567"},
        {"123456", 6, "123 456"},
        {"123", 3, "123"},
        {"12345,6789", 5, "12 345,6789"}};
    for (auto [s, n, attendu] : cas) {
        SepareMilliers(s, n);
        EXPECT_EQ(s, attendu);
    }
    SetThousandSeparator('.');
    std::string s = "1234";
    SepareMilliers(s, 4);
    EXPECT_EQ(s, "1.234");
}

TEST_F(NombresTest, ReadableFormShowsHiddenDigitsInBrackets) {
    std::string s = " 123,5";
    CacheNombre(s);
    EXPECT_EQ(s, " ;<=,?");
    EXPECT_EQ(NombreLisible(s), "[1][2][3],[5]");
    EXPECT_EQ(NombreLisible("1<3  "), "1[2]3");
}

} // namespace
