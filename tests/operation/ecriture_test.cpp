// Exercises written as text: the numbers' forms, additions and subtractions built from the
// operand table with their holes, multiplications and divisions posed as the pupil writes them.
// Numbers are written "1 234,5".
#include "OperationFixture.h"
#include "operation/EcritureMultDiv.h"
#include "operation/GenerateurAdditions.h"
#include "operation/Nombres.h"
#include "operation/OperGen.h"
#include "operation/OperOptions.h"

#include <cmath>
#include <set>
#include <tuple>

namespace {

using EcritureTest = SeparateursFixture;
using Lignes = std::vector<std::string>;
using Nombres6 = std::array<std::string, 6>;
using Nombres3 = std::array<std::string, 3>;

TEST_F(EcritureTest, DoubleToStringWritesPlainDecimalsWithoutTrailingZeros) {
    // Fifteen significant digits absorb the binary error of decimal sums; beyond them the
    // mantissa runs out and zeros follow.
    // clang-format off
    const std::pair<long double, std::string> cas[] = {{0, "0"}, {0.0005, "0,0005"},
        {1234567.125, "1234567,125"}, {0.1L + 0.2L, "0,3"}, {1e20L, "100000000000000000000"},
        {HUGE_VALL, "0"}};
    // clang-format on
    for (const auto& [x, texte] : cas)
        EXPECT_EQ(DoubleToString(x), texte);
    SetDecimalSeparator('.');
    EXPECT_EQ(DoubleToString(19.5), "19.5");
}

TEST_F(EcritureTest, ThousandsGroupTheIntegerDigitsAndHolesReadInBrackets) {
    std::string milliers = "1234567,8912";
    SepareMilliers(milliers, 7);
    EXPECT_EQ(milliers, "1 234 567,8912");
    std::string s = " 123,5";
    CacheNombre(s);
    EXPECT_EQ(s, " ;<=,?");
    EXPECT_EQ(NombreLisible(s), "[1][2][3],[5]");
    EXPECT_EQ(NombreLisible("1<3  "), "1[2]3");
}

const Addition& addition(const ListeOperations& liste, std::size_t i = 0) {
    return dynamic_cast<const Addition&>(*liste.at(i));
}
const Nombres3& soustraction(const ListeOperations& liste, std::size_t i = 0) {
    return dynamic_cast<const Soustraction&>(*liste.at(i)).Nombres;
}

TEST_F(EcritureTest, NumbersArePaddedToTheExerciseWidthsUntilTheTablesEnd) {
    const ListeOperations liste = GenereAdditions(
        tableOperandes({{12, 7.5}, {1.25, 2}, {1.5, 1.5}, {1, 2, 3, 4, 5}, {-1, 4}, {2, 2}}),
        {0, false});
    ASSERT_EQ(liste.size(), 4u);
    EXPECT_EQ(addition(liste).Nombres, (Nombres6{"12  ", " 7,5", "19,5", "", "", ""}));
    // Sums take the decimals of their operands.
    EXPECT_EQ(addition(liste, 1).Nombres, (Nombres6{"1,25", "2   ", "3,25", "", "", ""}));
    EXPECT_EQ(addition(liste, 2).Nombres[2], "3,0");
    EXPECT_EQ(addition(liste, 3).Nombres[5], "15");
    EXPECT_TRUE(GenereAdditions(tableOperandes({{5, -1, 3}}), {8, false}).empty());
    // Subtractions swap their operands in the table too, and write every column.
    TTableOperandes t = tableOperandes({{3, 5}, {1000, 999}, {10, 2.5}, {3, -1}});
    const ListeOperations differences = GenereSoustractions(t, {0, false});
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(t[0][0], 5);
    EXPECT_EQ(soustraction(differences, 0), (Nombres3{"5", "3", "2"}));
    EXPECT_EQ(soustraction(differences, 1), (Nombres3{"1000", " 999", "0001"}));
    EXPECT_EQ(soustraction(differences, 2), (Nombres3{"10  ", " 2,5", "07,5"}));
}

TEST_F(EcritureTest, WholeNumberHolesHideOneChosenOrDrawnNumber) {
    // Bit 8: the sum; no bit, no hole.
    EXPECT_EQ(addition(GenereAdditions(tableOperandes({{12, 7.5}}), {8, false})).Nombres,
              (Nombres6{"12  ", " 7,5", ";C,?", "", "", ""}));
    EXPECT_EQ(addition(GenereAdditions(tableOperandes({{12, 7.5}}), {0, true})).Nombres[2], "19,5");
    // Subtractions: bit 4 the difference, 2 the subtrahend.
    TTableOperandes t = tableOperandes({{1000, 999}});
    EXPECT_EQ(soustraction(GenereSoustractions(t, {4, false}))[2], ":::;");
    EXPECT_EQ(soustraction(GenereSoustractions(t, {2, false}))[1], " CCC");
    // Bit 4 of an addition: one of the three middle operands of five, drawn.
    std::set<std::size_t> caches;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        const ListeOperations liste =
            GenereAdditions(tableOperandes({{10, 21, 32, 43, 54}}), {4, false});
        const Nombres6& n = addition(liste).Nombres;
        ASSERT_EQ(std::count_if(n.begin(), n.end(), SiTrou), 1) << seed;
        caches.insert(std::size_t(std::find_if(n.begin(), n.end(), SiTrou) - n.begin()));
    }
    EXPECT_EQ(caches, (std::set<std::size_t>{1, 2, 3}));
}

TEST_F(EcritureTest, SingleHolesTakeOneDigitPerColumnAmongTheCandidatesThatHaveOne) {
    // Bits 9: the first operand and the sum, "123" and "168", both with a digit in every
    // column; bits 10: the last operand " 45", without hundreds, and the sum.
    const Nombres6 clairs{"123", " 45", "168", "", "", ""};
    for (const auto& [positions, candidats] :
         std::vector<std::pair<int, std::set<std::size_t>>>{{9, {0, 2}}, {10, {1, 2}}}) {
        std::set<std::string> vus;
        for (std::uint32_t seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE(std::to_string(positions) + " seed " + std::to_string(seed));
            SeedRandom(seed);
            const ListeOperations liste =
                GenereAdditions(tableOperandes({{123, 45}}), {positions, true});
            const Addition& a = addition(liste);
            for (std::size_t colonne = 0; colonne < 3; ++colonne) {
                int trous = 0;
                for (std::size_t j = 0; j < 3; ++j) {
                    const char c = a.Nombres[j][colonne];
                    const char clair = clairs[j][colonne];
                    EXPECT_TRUE(c == clair || (candidats.count(j) > 0 && c == Trou(clair)));
                    trous += c > '9' ? 1 : 0;
                }
                EXPECT_EQ(trous, 1) << "column " << colonne;
            }
            vus.insert(a.Nombres[*candidats.begin()]);
        }
        EXPECT_GT(vus.size(), 1u) << positions; // drawn, not fixed
    }
    // "2" padded on the right never takes single holes: they all go to "1,25".
    const ListeOperations liste = GenereAdditions(tableOperandes({{1.25, 2}}), {3, true});
    EXPECT_EQ(addition(liste).Nombres[0], ";,<?");
    EXPECT_EQ(addition(liste).Nombres[1], "2   ");
}

Lignes division(double a, double b, bool longue, int precision, std::int16_t* supprimes = nullptr) {
    Lignes l;
    std::int16_t zeros = -1;
    EcrireDivision(a, b, l, longue, precision, zeros);
    if (supprimes != nullptr)
        *supprimes = zeros;
    return l;
}

// The written forms of ordinary operands are checked against an independent writer over
// thousands of exercises; these are the cases that sweep does not draw.
TEST_F(EcritureTest, ZeroOperandsAndSeveralDecimalsAreWrittenOut) {
    // One partial product alone would repeat the product, and is left out with its zeros.
    const std::vector<std::tuple<double, double, Lignes>> produits{
        {0.05, 0.5, {"0,05", "0,5", "0,025"}},
        {4, 0.25, {"4", "0,25", "20", "8", "1,00"}},
        {0, 45, {"0", "45", "0"}},
        {37, 0, {"37", "0", "0"}}};
    for (const auto& [a, b, attendu] : produits) {
        Lignes l;
        EcrireMultiplication(a, b, l);
        EXPECT_EQ(l, attendu) << a << " x " << b;
    }
}

TEST_F(EcritureTest, DivisionsMoveTheCommaWithTheDivisorsZerosAndDecimals) {
    // A divisor of 0 is written as a division by 1; a quotient of 0 has no line.
    EXPECT_EQ(division(7, 0, false, 2), (Lignes{"7", "1", "7", "0"}));
    EXPECT_EQ(division(2, 7, false, 0), (Lignes{"2", "7", "0"}));
    std::int16_t supprimes = -1;
    // 50 : 10 is 5 : 1, the zero of 50 crossed out with the divisor's.
    EXPECT_EQ(division(50, 10, false, 2, &supprimes), (Lignes{"50", "10", "5", "0"}));
    EXPECT_EQ(supprimes, 1);
    // Given back when the quotient needs it: 500 : 200 = 5,0 : 2 = 2,5.
    EXPECT_EQ(division(500, 200, false, 2, &supprimes)[2], "2,5");
    EXPECT_EQ(supprimes, 1);
    // Not beyond the precision: with none, 5 : 10 stays 5 : 10.
    EXPECT_EQ(division(5, 10, false, 0)[2], "0");
    // The records keep the zeros written before 5 : 200's quotient and after 1 : 3's dividend.
    const ListeOperations d = GenereDivisions(tableOperandes({{5, 200}, {1, 3}}), false, 2);
    EXPECT_EQ(dynamic_cast<const Division&>(*d.at(0)).ZerosTete, 2);
    EXPECT_EQ(dynamic_cast<const Division&>(*d.at(1)).ZerosAjoutes, 2);
}

} // namespace
