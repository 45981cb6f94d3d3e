#include "operation/EcritureMultDiv.h"

#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Lignes = std::vector<std::string>;

class EcritureTest : public ::testing::Test {
protected:
    EcritureTest() : decimal_(DecimalSeparator()) { SetDecimalSeparator(','); }
    ~EcritureTest() override { SetDecimalSeparator(decimal_); }

    static Lignes multiplication(double a, double b) {
        Lignes l;
        EcrireMultiplication(a, b, l);
        return l;
    }
    static Lignes division(double a, double b, bool longue, int precision,
                           std::int16_t* supprimes = nullptr) {
        Lignes l;
        std::int16_t zeros = -1;
        EcrireDivision(a, b, l, longue, precision, zeros);
        if (supprimes != nullptr)
            *supprimes = zeros;
        return l;
    }

private:
    char decimal_;
};

TEST_F(EcritureTest, MultiplicationsWriteTheirPartialProducts) {
    const std::vector<std::tuple<double, double, Lignes>> cas{
        {123, 4, {"123", "4", "492"}},
        {123, 45, {"123", "45", "615", "492", "5535"}},
        {203, 12, {"203", "12", "406", "203", "2436"}},
        // The zero digit of the multiplier moves onto the next partial product.
        {12, 203, {"12", "203", "36", "240", "2436"}},
        {12, 20301, {"12", "20301", "12", "360", "240", "243612"}},
        // One partial product only would repeat the product; its zeros go with it.
        {123, 20, {"123", "20", "2460"}},
        {1.5, 2, {"1,5", "2", "3,0"}},
        {0.05, 0.5, {"0,05", "0,5", "0,025"}},
        {4, 0.25, {"4", "0,25", "20", "8", "1,00"}},
        {0, 45, {"0", "45", "0"}},
        {37, 0, {"37", "0", "0"}},
    };
    for (const auto& [a, b, attendu] : cas)
        EXPECT_EQ(multiplication(a, b), attendu) << a << " x " << b;
}

TEST_F(EcritureTest, DivisionsWriteQuotientAndShortLines) {
    const std::vector<std::tuple<double, double, int, Lignes>> cas{
        {1, 3, 2, {"1", "3", "0,33", "10", "1"}},
        {10, 4, 8, {"10", "4", "2,5", "20", "0"}},
        {1234, 56, 0, {"1234", "56", "22", "114", "02"}},
        // Zero digits of the quotient bring digits down onto the same line.
        {12121, 12, 0, {"12121", "12", "1010", "0012", "001"}},
        {1260, 12, 0, {"1260", "12", "105", "0060", "00"}},
        {3.6, 1.2, 2, {"3,6", "1,2", "3", "00"}},
        // A divisor of 0 is written as a division by 1.
        {7, 0, 2, {"7", "1", "7", "0"}},
        {2, 7, 0, {"2", "7", "0"}},
    };
    for (const auto& [a, b, precision, attendu] : cas)
        EXPECT_EQ(division(a, b, false, precision), attendu) << a << " : " << b;
}

TEST_F(EcritureTest, LongDivisionsWriteProductsPartialDividendsAndRemainder) {
    EXPECT_EQ(division(1234, 56, true, 0), (Lignes{"1234", "56", "22", "112", "114", "112", "2"}));
    // The quotient's leading zero has its product; a partial dividend below 10 reads "0x".
    EXPECT_EQ(division(1, 3, true, 2), (Lignes{"1", "3", "0,33", "0", "10", "9", "10", "9", "1"}));
    EXPECT_EQ(division(105, 5, true, 0), (Lignes{"105", "5", "21", "10", "05", "5", "0"}));
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

TEST_F(EcritureTest, DivisionRecordsGetTheirLayoutValues) {
    TTableOperandes table{};
    for (TLigneOperandes& ligne : table)
        ligne.fill(-1.0);
    const std::vector<std::pair<double, double>> operandes{{3.6, 1.2}, {5, 200}, {1, 3}, {36, 1.2}};
    for (std::size_t i = 0; i < operandes.size(); ++i)
        std::tie(table[i][0], table[i][1]) = operandes[i];
    const ListeOperations liste = GenereDivisions(table, false, 2);
    ASSERT_EQ(liste.size(), 4u);
    // ZerosAjoutes, ZerosTete, DecalageVirgule.
    const std::vector<std::array<int, 3>> attendu{{0, 0, 1}, {0, 2, -2}, {2, 0, 0}, {1, 0, 1}};
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        const auto& d = dynamic_cast<const Division&>(*liste[i]);
        EXPECT_EQ(d.ZerosAjoutes, attendu[i][0]) << i;
        EXPECT_EQ(d.ZerosTete, attendu[i][1]) << i;
        EXPECT_EQ(d.DecalageVirgule, attendu[i][2]) << i;
    }
}

TEST_F(EcritureTest, MultiplicationRecordsTakeTheWidthsOfFactorsAndProduct) {
    TTableOperandes table{};
    for (TLigneOperandes& ligne : table)
        ligne.fill(-1.0);
    table[0] = {12.5, 203, -1, -1, -1};
    table[2] = {1, 1, -1, -1, -1}; // after the end of the table
    const ListeOperations liste = GenereMultiplications(table);
    ASSERT_EQ(liste.size(), 1u);
    const auto& m = dynamic_cast<const Multiplication&>(*liste[0]);
    EXPECT_EQ(m.Lignes.back(), "2537,5");
    EXPECT_EQ(m.IndiceResultat, std::int16_t(m.Lignes.size() - 1));
    EXPECT_EQ(m.LargeurEntiere, 4);
    EXPECT_EQ(m.LargeurDecimale, 1);
}

TEST_F(EcritureTest, RemainderOfAWrittenDivision) {
    EXPECT_EQ(ResteDivision("1", "3", "0,33"), "0,01");
    EXPECT_EQ(ResteDivision("3,7", "1,2", "3,08"), "0,004");
    EXPECT_EQ(ResteDivision("60", "22", "2,72"), "0,16");
    EXPECT_EQ(ResteDivision("17", "5", "3"), "2");
    // Holes are read as their digits; an exact division has none.
    EXPECT_EQ(ResteDivision("1<", "4", "="), "");
}

} // namespace
