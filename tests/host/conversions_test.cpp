#include "host/Conversions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ConvInt, AcceptsSignedWholeNumbersWithBlanks) {
    const std::pair<const char*, int> cases[] = {{"42", 42},
                                                 {" 42 ", 42},
                                                 {"-7", -7},
                                                 {"+3", 3},
                                                 {"007", 7},
                                                 {"2147483647", INT_MAX},
                                                 {"-2147483648", INT_MIN}};
    for (const auto& [text, expected] : cases) {
        int v = 0;
        std::string message;
        EXPECT_TRUE(ConvInt(text, v, message)) << text;
        EXPECT_EQ(v, expected) << text;
        EXPECT_TRUE(message.empty());
    }
}

TEST(ConvInt, RefusesWhatIsNotAWholeNumber) {
    for (const char* text : {"abc", "", " ", "4 2", "1,5", "1.5", "-", "+-1", "12a", "2147483648",
                             "-2147483649", "99999999999999999999"}) {
        int v = 5;
        std::string message;
        EXPECT_FALSE(ConvInt(text, v, message)) << text;
        EXPECT_EQ(v, 5) << text;
        EXPECT_EQ(message, "\"" + std::string(text) + "\" n'est pas un nombre entier valide.");
    }
}

TEST(ConvInt, BoundsAreInclusive) {
    int v = 0;
    std::string message;
    EXPECT_TRUE(ConvInt("1", v, message, 1, 10));
    EXPECT_TRUE(ConvInt("10", v, message, 1, 10));
    EXPECT_EQ(v, 10);
    EXPECT_FALSE(ConvInt("11", v, message, 1, 10));
    EXPECT_EQ(message, "La valeur doit être comprise entre 1 et 10.");
    EXPECT_FALSE(ConvInt("-4", v, message, -3, 3));
    EXPECT_EQ(message, "La valeur doit être comprise entre -3 et 3.");
    EXPECT_EQ(v, 10);
    EXPECT_FALSE(ConvInt("x", v, message, 1, 10));
    EXPECT_EQ(message, "\"x\" n'est pas un nombre entier valide.");
}

TEST(ConvVirg, CentimetresBecomeTenthsOfAMillimetre) {
    const std::pair<const char*, int> cases[] = {
        {"2,5", 250},   {"2.5", 250},   {" -1,25 ", -125}, {"3", 300},
        {",5", 50},     {"12,", 1200},  {"+0,1", 10},      {"0,005", 1},
        {"-0,005", -1}, {"0,0049", 0},  {"1,005", 101},    {"1,004", 100},
        {"2,675", 268}, {"0,999", 100}, {"-2,675", -268},  {"18,50000", 1850}};
    for (const auto& [text, expected] : cases) {
        int v = 0;
        std::string message;
        EXPECT_TRUE(ConvVirg(text, v, message, INT_MIN, INT_MAX)) << text;
        EXPECT_EQ(v, expected) << text;
    }
}

TEST(ConvVirg, RefusesWhatIsNotANumber) {
    for (const char* text :
         {"abc", "", ",", "2,5cm", "1,2,3", "1.2,3", "2 5", "--1", "1e2", "99999999999"}) {
        int v = 7;
        std::string message;
        EXPECT_FALSE(ConvVirg(text, v, message, INT_MIN, INT_MAX)) << text;
        EXPECT_EQ(v, 7);
        EXPECT_EQ(message, "\"" + std::string(text) + "\" n'est pas un nombre valide.");
    }
}

TEST(ConvVirg, BoundsAreShownInCentimetres) {
    int v = 7;
    std::string message;
    EXPECT_TRUE(ConvVirg("18,5", v, message, 0, 1850));
    EXPECT_EQ(v, 1850);
    EXPECT_FALSE(ConvVirg("18,51", v, message, 0, 1850));
    EXPECT_EQ(message, "La valeur doit être comprise entre 0 et 18,5 cm.");
    EXPECT_EQ(v, 1850);
    EXPECT_FALSE(ConvVirg("-1", v, message, -5, 1234));
    EXPECT_EQ(message, "La valeur doit être comprise entre -0,05 et 12,34 cm.");
    EXPECT_FALSE(ConvVirg("0,5", v, message, 100, 2000));
    EXPECT_EQ(message, "La valeur doit être comprise entre 1 et 20 cm.");
}

TEST(ParseDecimal, CommaOrPointAndNothingElse) {
    double v = 0;
    EXPECT_TRUE(ParseDecimal("3,25", v));
    EXPECT_DOUBLE_EQ(v, 3.25);
    EXPECT_TRUE(ParseDecimal("-0.5", v));
    EXPECT_DOUBLE_EQ(v, -0.5);
    EXPECT_TRUE(ParseDecimal("7", v));
    EXPECT_DOUBLE_EQ(v, 7);
    EXPECT_TRUE(ParseDecimal(",5", v));
    EXPECT_DOUBLE_EQ(v, 0.5);
    for (const char* text :
         {" 3", "3 ", "1e3", "3,2,1", "", "abc", "0x10", "inf", "nan", "-", ",", "3,5 cm"}) {
        double kept = 9;
        EXPECT_FALSE(ParseDecimal(text, kept)) << text;
        EXPECT_EQ(kept, 9);
    }
}

} // namespace
