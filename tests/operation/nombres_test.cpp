#include "operation/Nombres.h"

#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace {

// Numbers written with a given pair of separators for the duration of a test.
class NombresTest : public ::testing::Test {
protected:
    NombresTest() : decimal_(DecimalSeparator()), thousands_(ThousandSeparator()) {
        SetDecimalSeparator(',');
        SetThousandSeparator(' ');
    }
    ~NombresTest() override {
        SetDecimalSeparator(decimal_);
        SetThousandSeparator(thousands_);
    }

    static std::pair<int, int> digits(const std::string& s) {
        std::int16_t e = 0;
        std::int16_t d = 0;
        NbDigit(s, e, d);
        return {e, d};
    }
    static std::string holed(std::string s, int position, bool* placed = nullptr) {
        const bool ok = PlaceTrous(s, position);
        if (placed != nullptr)
            *placed = ok;
        return s;
    }

private:
    char decimal_;
    char thousands_;
};

TEST_F(NombresTest, DoubleToStringWritesPlainDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(DoubleToString(0), "0");
    EXPECT_EQ(DoubleToString(2.5), "2,5");
    EXPECT_EQ(DoubleToString(100), "100");
    EXPECT_EQ(DoubleToString(0.05), "0,05");
    EXPECT_EQ(DoubleToString(0.0005), "0,0005");
    EXPECT_EQ(DoubleToString(1234567.125), "1234567,125");
    // Fifteen significant digits absorb the binary error of decimal sums.
    EXPECT_EQ(DoubleToString(0.1L + 0.2L), "0,3");
    EXPECT_EQ(DoubleToString(static_cast<long double>(5.3) - 2.1), "3,2");
    // Beyond fifteen digits the mantissa runs out and zeros follow.
    EXPECT_EQ(DoubleToString(1e20L), "100000000000000000000");
    SetDecimalSeparator('.');
    EXPECT_EQ(DoubleToString(19.5), "19.5");
}

TEST_F(NombresTest, NbDigitCountsHolesAsDigitsAndSkipsPadding) {
    EXPECT_EQ(digits("  12"), std::make_pair(2, 0));
    EXPECT_EQ(digits("12  "), std::make_pair(2, 0));
    EXPECT_EQ(digits(" 7,5"), std::make_pair(1, 1));
    EXPECT_EQ(digits("1:,C5"), std::make_pair(2, 2)); // ":" hides 0, "C" hides 9
    EXPECT_EQ(digits("1$25"), std::make_pair(3, 0));  // "$" only keeps room
    EXPECT_EQ(digits(""), std::make_pair(0, 0));
}

TEST_F(NombresTest, FormatePadsBothPartsAndTheMissingSeparator) {
    EXPECT_EQ(Formate("12", 2, 1), "12  ");
    EXPECT_EQ(Formate("7,5", 2, 1), " 7,5");
    EXPECT_EQ(Formate("2", 1, 2), "2   ");
    EXPECT_EQ(Formate("3,25", 1, 2), "3,25");
    EXPECT_EQ(Formate("4,5", 3, 2), "  4,5 ");
    EXPECT_EQ(Formate("999", 4, 0), " 999");
}

TEST_F(NombresTest, PlaceTrousHidesTheDigitOfAColumn) {
    EXPECT_EQ(holed("123", 0), "12=");
    EXPECT_EQ(holed("123", 2), ";23");
    EXPECT_EQ(holed(" 999", 2), " C99"); // leading blanks do not shift the columns
    EXPECT_EQ(holed("19,25", -1), "19,<5");
    EXPECT_EQ(holed("19,25", -2), "19,2?");
    EXPECT_EQ(holed("19,25", 1), ";9,25");

    bool placed = true;
    EXPECT_EQ(holed("123", 3, &placed), "123");
    EXPECT_FALSE(placed);
    EXPECT_EQ(holed("19,5", -2, &placed), "19,5");
    EXPECT_FALSE(placed);
    // An already hidden digit is no target.
    EXPECT_EQ(holed("12=", 0, &placed), "12=");
    EXPECT_FALSE(placed);
}

TEST_F(NombresTest, NumbersPaddedOnTheRightNeverTakeSingleHoles) {
    bool placed = true;
    for (const int position : {-2, -1, 0}) {
        EXPECT_EQ(holed("2   ", position, &placed), "2   ") << position;
        EXPECT_FALSE(placed) << position;
    }
    // Counting from the end would put these tens and units in the wrong column.
    EXPECT_EQ(holed("12  ", 1, &placed), "12  ");
    EXPECT_FALSE(placed);
    EXPECT_EQ(holed("  4,5 ", 0, &placed), "  4,5 ");
    EXPECT_FALSE(placed);
    EXPECT_EQ(holed("  4,5 ", -1, &placed), "  4,5 ");
    EXPECT_FALSE(placed);
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

    s = "125";
    AjouteVirgule(s, 2);
    EXPECT_EQ(s, "1,25");
    s = "5";
    AjouteVirgule(s, 2);
    EXPECT_EQ(s, "0,05");
    s = "25";
    AjouteVirgule(s, 2);
    EXPECT_EQ(s, "0,25");
    s = "25";
    AjouteVirgule(s, 0);
    EXPECT_EQ(s, "25");
}

TEST_F(NombresTest, SepareMilliersGroupsTheIntegerDigitsOnly) {
    std::string s = "1234567";
    SepareMilliers(s, 7);
    EXPECT_EQ(s, "1 234 567");
    s = "123456";
    SepareMilliers(s, 6);
    EXPECT_EQ(s, "123 456");
    s = "123";
    SepareMilliers(s, 3);
    EXPECT_EQ(s, "123");
    s = "12345,6789";
    SepareMilliers(s, 5);
    EXPECT_EQ(s, "12 345,6789");
    SetThousandSeparator('.');
    s = "1234";
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
