#include "host/Conversions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A text, its bounds, and the value it gives or the message it is refused with.
struct Case {
    const char* text;
    int min, max;
    int value;           // when accepted
    std::string refusal; // empty when accepted
};

using Conversion = bool (*)(const std::string&, int&, std::string&, int, int);

void expectConversions(Conversion convert, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int v = 7;
        std::string message;
        EXPECT_EQ(convert(c.text, v, message, c.min, c.max), c.refusal.empty());
        EXPECT_EQ(v, c.refusal.empty() ? c.value : 7);
        EXPECT_EQ(message, c.refusal);
    }
}

TEST(ConvInt, AcceptsSignedWholeNumbersWithBlanksWithinInclusiveBounds) {
    std::vector<Case> cases = {{"\t-7\r\n", INT_MIN, INT_MAX, -7, ""},
                               {"+3", 3, 3, 3, ""},
                               {"-2147483648", INT_MIN, INT_MAX, INT_MIN, ""},
                               {"11", 1, 10, 0, "La valeur doit être comprise entre 1 et 10."}};
    for (const char* text : {"x", "", "4 2", "1,5", "+-1", "12a", "2147483648", "-2147483649"})
        cases.push_back({text, INT_MIN, INT_MAX, 0,
                         "\"" + std::string(text) + "\" n'est pas un nombre entier valide."});
    expectConversions([](const std::string& text, int& v, std::string& message, int min,
                         int max) { return ConvInt(text, v, message, min, max); },
                      cases);
}

TEST(ConvVirg, CentimetresBecomeTenthsOfAMillimetreWithBoundsShownInCentimetres) {
    std::vector<Case> cases = {
        {"18,5", 0, 1850, 1850, ""},
        {"18,51", 0, 1850, 0, "La valeur doit être comprise entre 0 et 18,5 cm."},
        {"-1", -5, 1234, 0, "La valeur doit être comprise entre -0,05 et 12,34 cm."},
        {"0,5", 100, 2000, 0, "La valeur doit être comprise entre 1 et 20 cm."}};
    const std::pair<const char*, int> accepted[] = {
        {"2.5", 250},     {" -1,25 ", -125},  {",5", 50},     {"12,", 1200},
        {"0,005", 1},     {"-0,005", -1},     {"0,0049", 0},  {"2,675", 268},
        {"-2,675", -268}, {"18,50000", 1850}, {"1e2", 10000}, {"2,5E-1", 25}};
    for (const auto& [text, value] : accepted)
        cases.push_back({text, INT_MIN, INT_MAX, value, ""});
    for (const char* text : {"abc", "", ",", "2,5cm", "1,2,3", "2 5", "--1", "1e", "99999999999"})
        cases.push_back({text, INT_MIN, INT_MAX, 0,
                         "\"" + std::string(text) + "\" n'est pas un nombre valide."});
    expectConversions(ConvVirg, cases);
}

TEST(ParseDecimal, CommaOrPointAndNothingElse) {
    double v = 0;
    EXPECT_TRUE(ParseDecimal("-3,25", v) && v == -3.25);
    EXPECT_TRUE(ParseDecimal("1.5e3", v) && v == 1500);
    EXPECT_TRUE(ParseDecimal(".5", v) && v == 0.5);
    for (const char* text : {" 3", "1e", "3,2,1", "", "0x10", "inf", "nan", "-", ",", "3,5 cm"})
        EXPECT_FALSE(ParseDecimal(text, v)) << text;
    EXPECT_EQ(v, 0.5);
}

TEST(ConvCouleur, NameWebOrNumberUpToWhite) {
    const std::pair<const char*, int> accepted[] = {{"0", 0},
                                                    {"255", 255},
                                                    {" 16777215 ", 0xFFFFFF},
                                                    {"0xFFCC99", 0xFFCC99},
                                                    {"0Xff", 255},
                                                    {"#FF8000", 0x0080FF},
                                                    {"#0000ff", 0xFF0000},
                                                    {"rouge", 0x0000FF},
                                                    {" Vert   CLAIR ", 0x90EE90},
                                                    {"Marron", 0x13458B},
                                                    {"BLANC", 0xFFFFFF}};
    for (const auto& [text, value] : accepted) {
        int v = -7;
        std::string message;
        EXPECT_TRUE(ConvCouleur(text, v, message)) << text;
        EXPECT_EQ(v, value) << text;
    }
    for (const char* text : {"16777216", "0x1000000", "-1", "0x", "rougeâtre", "12,5", "0xGG", "",
                             "#FF80", "#GG0000", "FF8000", "aucune", "vertclair"}) {
        int v = -7;
        std::string message;
        EXPECT_FALSE(ConvCouleur(text, v, message)) << text;
        EXPECT_EQ(v, -7);
        EXPECT_NE(message.find("de 0 à 16777215"), std::string::npos) << message;
        EXPECT_NE(message.find("vert clair"), std::string::npos) << message;
    }
    for (const char* none : {"-1", "Aucune"}) {
        int v = 0;
        std::string message;
        EXPECT_TRUE(ConvCouleur(none, v, message, -1)) << none;
        EXPECT_EQ(v, -1);
    }
}

} // namespace
