#include "platform/Numbers.h"

#include "platform/FrenchLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

TEST(Numbers, NumberLengthStopsWhereTheNumberEnds) {
    const std::pair<std::string_view, std::size_t> rows[] = {
        {"12", 2}, {"-2,5x", 4}, {"+.5", 3},   {"5.", 2},      {"1e3+", 3}, {"1E-3", 4},
        {"2e", 1}, {"2e+", 1},   {"1,2,3", 3}, {"1.5e2.5", 5}, {"", 0},     {"-", 0},
        {",", 0},  {"e5", 0},    {" 5", 0},    {"abc", 0}};
    for (const auto& [text, length] : rows)
        EXPECT_EQ(NumberLength(text), length) << '"' << text << '"';
}

// clang-format off
TEST(Numbers, ReadNumberTakesCommaPointAndExponentAndNothingElse) {
    const std::pair<std::string_view, std::optional<double>> rows[] = {
        {"2,5", 2.5}, {"2.5", 2.5}, {"-0,25", -0.25}, {"+7", 7}, {",5", 0.5}, {"3.", 3},
        {"1e3", 1000}, {"2,5E-2", 0.025}, {"-1.5e+2", -150}, {"0,1", 0.1}, {"1e308", 1e308},
        {"4,9e-324", 4.9e-324}, {"123456789012345678901234567890", 1.2345678901234568e29},
        {"", {}}, {" 2", {}}, {"2 ", {}}, {"2,5,1", {}}, {"1.5.", {}}, {"1e", {}}, {"1e+", {}},
        {"e3", {}}, {"--1", {}}, {"+-1", {}}, {"1 000", {}}, {"0x10", {}}, {"inf", {}},
        {"nan", {}}, {"2,5€", {}}, {"douze", {}}, {"1e309", {}}, {"-1e400", {}}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ReadNumber(text), value) << '"' << text << '"';
}

TEST(Numbers, ReadExactDecimalKeepsEveryDigitOrRefuses) {
    const std::pair<std::string_view, std::optional<ExactDecimal>> rows[] = {
        {"2,5", {{25, 1}}}, {"20.05", {{2005, 2}}}, {"-0,250", {{-250, 3}}},
        {"1000000000.3", {{10000000003, 1}}}, {"2,5e-3", {{25, 4}}}, {"1.5e3", {{1500, 0}}},
        {"12e+2", {{1200, 0}}}, {"0", {{0, 0}}}, {"-0,00", {{0, 0}}},
        {"999999999999999999", {{999999999999999999, 0}}}, {"0,000000000000000001", {{1, 18}}},
        {"1,50000000000000000000", {{150000000000000000, 17}}},
        {"1000000000000000000", {}}, {"0,0000000000000000001", {}}, {"1e18", {}},
        {"1e99999", {}}, {"1,5x", {}}, {"", {}}, {"1e", {}}, {".", {}}};
    for (const auto& [text, value] : rows)
        EXPECT_TRUE(ReadExactDecimal(text) == value) << '"' << text << '"';
}
// clang-format on

TEST(Numbers, ScaledDigitsRoundHalfAwayFromZero) {
    const struct {
        ExactDecimal d;
        int decimals;
        std::optional<std::int64_t> scaled;
    } rows[] = {// clang-format off
        {{2345, 3}, 2, 235}, {{-25, 1}, 0, -3}, {{2344999, 6}, 2, 234}, {{15, 1}, 3, 1500},
        {{0, 0}, 5, 0}, {{4, 1}, 0, 0}, {{123456789012345678, 0}, 0, 123456789012345678},
        {{123456789012345678, 0}, 1, std::nullopt}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(ScaledDigits(row.d, row.decimals), row.scaled) << WriteDecimal(row.d);
}

TEST(Numbers, WriteDecimalWritesEveryDigitWithAComma) {
    const struct {
        std::int64_t digits;
        int decimals;
        NumberStyle style;
        std::string_view text;
    } rows[] = {// clang-format off
        {215, 2, {}, "2,15"}, {250, 2, {}, "2,5"}, {-5, 2, {}, "-0,05"}, {300, 2, {}, "3"},
        {0, 3, {}, "0"}, {7, 0, {}, "7"}, {1234567, 0, {',', ' '}, "1 234 567"},
        {-123456789, 3, {',', ' '}, "-123 456,789"}, {1234, 0, {',', ' '}, "1 234"},
        {123, 0, {',', ' '}, "123"}, {25, 1, {'.', 0}, "2.5"}, {250, 2, {',', 0, true}, "2,50"},
        {-5, 3, {',', 0, true}, "-0,005"}, {0, 2, {',', 0, true}, "0,00"},
        {std::numeric_limits<std::int64_t>::min(), 0, {}, "-9223372036854775808"}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(WriteDecimal(row.digits, row.decimals, row.style), row.text) << row.digits;
}

TEST(Numbers, WriteNumberRoundsTheDecimalTextHalfUp) {
    const struct {
        double value;
        int decimals;
        std::string_view text;
    } rows[] = {// clang-format off
        {2.5, 6, "2,5"}, {2.675, 2, "2,68"}, {-2.675, 2, "-2,68"}, {0.1234565, 6, "0,123457"},
        {886, 6, "886"}, {0.1 + 0.2, 6, "0,3"}, {999.9996, 3, "1000"}, {-0.0000001, 6, "0"},
        {1e21, 0, "1000000000000000000000"}, {12345.5, 0, "12346"}, {0.125, 2, "0,13"},
        {-0.125, 2, "-0,13"}, {std::nan(""), 2, "0"}, {INFINITY, 2, "0"}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(WriteNumber(row.value, row.decimals), row.text) << row.value;
    EXPECT_EQ(WriteNumber(1234567.891, 2, {',', ' '}), "1 234 567,89");
}

TEST(Numbers, WriteShortestReadsBackToTheSameDouble) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 15);
    for (int i = 0; i < 2000; ++i) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = WriteShortest(v);
        EXPECT_EQ(text.find_first_of(".eE"), std::string::npos) << text;
        EXPECT_EQ(ReadNumber(text), v) << text;
    }
    EXPECT_EQ(WriteShortest(0.1), "0,1");
    EXPECT_EQ(WriteShortest(-0.0), "0");
    EXPECT_EQ(WriteShortest(1e20), "100000000000000000000");
}

TEST(Numbers, ExactDecimalsRoundTripThroughText) {
    std::mt19937_64 random(11);
    std::uniform_int_distribution<std::int64_t> digits(-999999999999999999, 999999999999999999);
    std::uniform_int_distribution<int> decimals(0, 18);
    for (int i = 0; i < 2000; ++i) {
        const ExactDecimal d{digits(random), decimals(random)};
        const auto back = ReadExactDecimal(WriteDecimal(d));
        ASSERT_TRUE(back) << WriteDecimal(d);
        // Trailing zeros are not written: compare the values.
        EXPECT_EQ(ScaledDigits(*back, d.decimals), d.digits) << WriteDecimal(d);
    }
}

TEST_F(FrenchLocale, ReadingAndWritingIgnoreTheCLocale) {
    EXPECT_EQ(ReadNumber("2.5"), ReadNumber("2,5"));
    EXPECT_EQ(ReadNumber("1.5e3"), 1500);
    EXPECT_EQ(WriteNumber(886, 6) + " " + WriteNumber(2.5, 6) + " " + WriteShortest(0.125) + " " +
                  WriteDecimal(-1205, 2),
              "886 2,5 0,125 -12,05");
    EXPECT_EQ(ReadExactDecimal("20.05"), (ExactDecimal{2005, 2}));
}
