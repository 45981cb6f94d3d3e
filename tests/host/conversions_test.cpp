#include "host/Conversions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A text, the bounds it is read within, and the value it gives or the message it is refused
// with.
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
        std::string message = "ancien";
        EXPECT_EQ(convert(c.text, v, message, c.min, c.max), c.refusal.empty());
        EXPECT_EQ(v, c.refusal.empty() ? c.value : 7);
        if (!c.refusal.empty()) {
            EXPECT_EQ(message, c.refusal);
        }
    }
}

// Without bounds when the case gives the whole int range.
bool convInt(const std::string& text, int& v, std::string& message, int min, int max) {
    if (min == INT_MIN && max == INT_MAX)
        return ConvInt(text, v, message);
    return ConvInt(text, v, message, min, max);
}

TEST(ConvInt, AcceptsSignedWholeNumbersWithBlanksWithinInclusiveBounds) {
    std::vector<Case> cases = {{"\t42\r\n", INT_MIN, INT_MAX, 42, ""},
                               {"-7", INT_MIN, INT_MAX, -7, ""},
                               {"+3", INT_MIN, INT_MAX, 3, ""},
                               {"2147483647", INT_MIN, INT_MAX, INT_MAX, ""},
                               {"-2147483648", INT_MIN, INT_MAX, INT_MIN, ""},
                               {"1", 1, 10, 1, ""},
                               {"10", 1, 10, 10, ""},
                               {"11", 1, 10, 0, "La valeur doit être comprise entre 1 et 10."},
                               {"-4", -3, 3, 0, "La valeur doit être comprise entre -3 et 3."}};
    for (const char* text : {"x", "", "4 2", "1,5", "-", "+-1", "12a", "2147483648", "-2147483649"})
        cases.push_back(
            {text, 1, 10, 0, "\"" + std::string(text) + "\" n'est pas un nombre entier valide."});
    expectConversions(convInt, cases);
}

TEST(ConvVirg, CentimetresBecomeTenthsOfAMillimetreWithBoundsShownInCentimetres) {
    std::vector<Case> cases;
    const std::pair<const char*, int> accepted[] = {
        {"2,5", 250},   {"2.5", 250},   {" -1,25 ", -125}, {",5", 50},
        {"12,", 1200},  {"0,005", 1},   {"-0,005", -1},    {"0,0049", 0},
        {"2,675", 268}, {"0,999", 100}, {"-2,675", -268},  {"18,50000", 1850}};
    for (const auto& [text, value] : accepted)
        cases.push_back({text, INT_MIN, INT_MAX, value, ""});
    for (const char* text : {"abc", "", ",", "2,5cm", "1,2,3", "2 5", "--1", "1e2", "99999999999"})
        cases.push_back({text, INT_MIN, INT_MAX, 0,
                         "\"" + std::string(text) + "\" n'est pas un nombre valide."});
    cases.push_back({"18,5", 0, 1850, 1850, ""});
    cases.push_back({"18,51", 0, 1850, 0, "La valeur doit être comprise entre 0 et 18,5 cm."});
    cases.push_back({"-1", -5, 1234, 0, "La valeur doit être comprise entre -0,05 et 12,34 cm."});
    cases.push_back({"0,5", 100, 2000, 0, "La valeur doit être comprise entre 1 et 20 cm."});
    expectConversions(ConvVirg, cases);
}

TEST(ParseDecimal, CommaOrPointAndNothingElse) {
    const std::pair<const char*, double> accepted[] = {
        {"3,25", 3.25}, {"-0.5", -0.5}, {"7", 7}, {",5", 0.5}};
    for (const auto& [text, value] : accepted) {
        double v = 0;
        EXPECT_TRUE(ParseDecimal(text, v)) << text;
        EXPECT_DOUBLE_EQ(v, value) << text;
    }
    for (const char* text : {" 3", "1e3", "3,2,1", "", "0x10", "inf", "nan", "-", ",", "3,5 cm"}) {
        double kept = 9;
        EXPECT_FALSE(ParseDecimal(text, kept)) << text;
        EXPECT_EQ(kept, 9) << text;
    }
}

} // namespace
