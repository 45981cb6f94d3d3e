// Multiplications and divisions written out as the pupil poses them: partial products, the
// division's lines, the comma moved with the divisor, the records' layout values, remainders.
#include "operation/EcritureMultDiv.h"

#include "OperationFixture.h"

#include <tuple>

namespace {

using Lignes = std::vector<std::string>;
using EcritureTest = SeparateursFixture;

Lignes division(double a, double b, bool longue, int precision, std::int16_t* supprimes = nullptr) {
    Lignes l;
    std::int16_t zeros = -1;
    EcrireDivision(a, b, l, longue, precision, zeros);
    if (supprimes != nullptr)
        *supprimes = zeros;
    return l;
}

TEST_F(EcritureTest, MultiplicationsWriteTheirPartialProducts) {
    // A zero digit of the multiplier moves onto the next partial product; one partial product
    // alone would repeat the product, and is left out with its zeros.
    const std::vector<std::tuple<double, double, Lignes>> cas{
        {123, 4, {"123", "4", "492"}},
        {123, 45, {"123", "45", "615", "492", "5535"}},
        {203, 12, {"203", "12", "406", "203", "2436"}},
        {12, 203, {"12", "203", "36", "240", "2436"}},
        {12, 20301, {"12", "20301", "12", "360", "240", "243612"}},
        {123, 20, {"123", "20", "2460"}},
        {1.5, 2, {"1,5", "2", "3,0"}},
        {0.05, 0.5, {"0,05", "0,5", "0,025"}},
        {4, 0.25, {"4", "0,25", "20", "8", "1,00"}},
        {0, 45, {"0", "45", "0"}},
        {37, 0, {"37", "0", "0"}},
    };
    for (const auto& [a, b, attendu] : cas) {
        Lignes l;
        EcrireMultiplication(a, b, l);
        EXPECT_EQ(l, attendu) << a << " x " << b;
    }
}

TEST_F(EcritureTest, DivisionsWriteQuotientAndLines) {
    // Short form: zero digits of the quotient bring digits down onto the same line; a divisor
    // of 0 is written as a division by 1. Long form: each product and partial dividend, a
    // partial dividend below 10 reading "0x", the quotient's leading zero with its product.
    const std::vector<std::tuple<double, double, bool, int, Lignes>> cas{
        {1, 3, false, 2, {"1", "3", "0,33", "10", "1"}},
        {10, 4, false, 8, {"10", "4", "2,5", "20", "0"}},
        {1234, 56, false, 0, {"1234", "56", "22", "114", "02"}},
        {12121, 12, false, 0, {"12121", "12", "1010", "0012", "001"}},
        {1260, 12, false, 0, {"1260", "12", "105", "0060", "00"}},
        {3.6, 1.2, false, 2, {"3,6", "1,2", "3", "00"}},
        {7, 0, false, 2, {"7", "1", "7", "0"}},
        {2, 7, false, 0, {"2", "7", "0"}},
        {1234, 56, true, 0, {"1234", "56", "22", "112", "114", "112", "2"}},
        {1, 3, true, 2, {"1", "3", "0,33", "0", "10", "9", "10", "9", "1"}},
        {105, 5, true, 0, {"105", "5", "21", "10", "05", "5", "0"}},
    };
    for (const auto& [a, b, longue, precision, attendu] : cas)
        EXPECT_EQ(division(a, b, longue, precision), attendu) << a << " : " << b;
}

TEST_F(EcritureTest, TheCommaMovesWithTheDivisorsZerosAndDecimals) {
    std::int16_t supprimes = -1;
    // 50 : 10 is 5 : 1, the zero of 50 crossed out with the divisor's.
    EXPECT_EQ(division(50, 10, false, 2, &supprimes), (Lignes{"50", "10", "5", "0"}));
    EXPECT_EQ(supprimes, 1);
    // Given back when the quotient needs it: 500 : 200 = 5,0 : 2 = 2,5.
    EXPECT_EQ(division(500, 200, false, 2, &supprimes)[2], "2,5");
    EXPECT_EQ(supprimes, 1);
    // Not beyond the precision: with none, 5 : 10 stays 5 : 10.
    EXPECT_EQ(division(5, 10, false, 0)[2], "0");
    EXPECT_EQ(division(5, 10, false, 1)[2], "0,5");
    EXPECT_EQ(division(7, 0.25, false, 2)[2], "28");
    EXPECT_EQ(division(0.1, 2, false, 2)[2], "0,05");
}

TEST_F(EcritureTest, RecordsGetTheirLayoutValues) {
    const ListeOperations divisions =
        GenereDivisions(tableOperandes({{3.6, 1.2}, {5, 200}, {1, 3}, {36, 1.2}}), false, 2);
    // ZerosAjoutes, ZerosTete, DecalageVirgule.
    const std::vector<std::array<int, 3>> attendu{{0, 0, 1}, {0, 2, -2}, {2, 0, 0}, {1, 0, 1}};
    ASSERT_EQ(divisions.size(), attendu.size());
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        const auto& d = dynamic_cast<const Division&>(*divisions[i]);
        EXPECT_EQ((std::array<int, 3>{d.ZerosAjoutes, d.ZerosTete, d.DecalageVirgule}), attendu[i])
            << i;
    }
    // The table ends at its first row with a negative operand.
    const ListeOperations multiplications =
        GenereMultiplications(tableOperandes({{12.5, 203}, {-1, 1}, {1, 1}}));
    ASSERT_EQ(multiplications.size(), 1u);
    const auto& m = dynamic_cast<const Multiplication&>(*multiplications[0]);
    EXPECT_EQ(m.Lignes.back(), "2537,5");
    EXPECT_EQ(m.IndiceResultat, std::int16_t(m.Lignes.size() - 1));
    EXPECT_EQ(m.LargeurEntiere, 4);
    EXPECT_EQ(m.LargeurDecimale, 1);
}

TEST_F(EcritureTest, RemainderOfAWrittenDivision) {
    // Holes are read as their digits; an exact division has none.
    const std::vector<std::array<std::string, 4>> cas{{"1", "3", "0,33", "0,01"},
                                                      {"3,7", "1,2", "3,08", "0,004"},
                                                      {"60", "22", "2,72", "0,16"},
                                                      {"17", "5", "3", "2"},
                                                      {"1<", "4", "=", ""}};
    for (const auto& [a, b, q, reste] : cas)
        EXPECT_EQ(ResteDivision(a, b, q), reste) << a << " : " << b;
}

} // namespace
