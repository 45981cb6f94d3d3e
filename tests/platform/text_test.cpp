#include "platform/Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TEST(Text, TrimTakesOnlyTheGivenBlanksAtBothEnds) {
    struct Case {
        std::string_view text, blanks, trimmed;
    };
    const Case cases[] = {{" \ta b\t ", kBlanks, "a b"},
                          {"\r\n x \n", kBlanks, "\r\n x \n"},
                          {"\r\n x \n", kBlanksAndLineEnds, "x"},
                          {"", kBlanks, ""},
                          {" \t ", kBlanks, ""},
                          {"x", kBlanks, "x"},
                          {"  y", " ", "y"},
                          {"\tz ", " ", "\tz"}};
    for (const Case& c : cases)
        EXPECT_EQ(Trim(c.text, c.blanks), c.trimmed) << '"' << c.text << '"';
}

TEST(Text, SplitKeepsEmptyParts) {
    using Parts = std::vector<std::string_view>;
    const std::pair<std::string_view, Parts> cases[] = {
        {"a;b;c", {"a", "b", "c"}}, {"a;;b", {"a", "", "b"}}, {";a;", {"", "a", ""}}, {"", {""}},
        {"abc", {"abc"}},           {" a ; b", {" a ", " b"}}};
    for (const auto& [text, parts] : cases)
        EXPECT_EQ(Split(text, ';'), parts) << '"' << text << '"';
}

struct IntegerCase {
    std::string_view text;
    long long min, max;
    IntegerSyntax syntax;
    std::optional<long long> value;
};

constexpr IntegerSyntax kSigned{.minus = true, .plus = true};
constexpr IntegerSyntax kUnsigned{.minus = false};
constexpr IntegerSyntax kHex{.minus = true, .plus = true, .hex = true};

class ParseIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTest, AcceptsExactlyTheSyntaxWithinTheBounds) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(ParseInteger(c.text, c.min, c.max, c.syntax), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Text, ParseIntegerTest,
    ::testing::Values(
        // Digits, a minus sign by default, bounds inclusive.
        IntegerCase{"42", 0, 100, {}, 42}, IntegerCase{"007", 0, 100, {}, 7},
        IntegerCase{"-7", -10, 10, {}, -7}, IntegerCase{"-0", 0, 0, {}, 0},
        IntegerCase{"1", 1, 10, {}, 1}, IntegerCase{"10", 1, 10, {}, 10},
        IntegerCase{"0", 1, 10, {}, std::nullopt}, IntegerCase{"11", 1, 10, {}, std::nullopt},
        // Nothing but the number: no blanks, letters, decimals or lone signs.
        IntegerCase{"", 0, 100, {}, std::nullopt}, IntegerCase{" 4", 0, 100, {}, std::nullopt},
        IntegerCase{"4 ", 0, 100, {}, std::nullopt}, IntegerCase{"1 2", 0, 100, {}, std::nullopt},
        IntegerCase{"12a", 0, 100, {}, std::nullopt}, IntegerCase{"1,5", 0, 100, {}, std::nullopt},
        IntegerCase{"-", -9, 9, {}, std::nullopt}, IntegerCase{"--1", -9, 9, {}, std::nullopt},
        IntegerCase{"0x10", 0, 100, {}, std::nullopt},
        // Signs as the syntax allows.
        IntegerCase{"+3", 0, 9, {}, std::nullopt}, IntegerCase{"+3", 0, 9, kSigned, 3},
        IntegerCase{"+-1", -9, 9, kSigned, std::nullopt},
        IntegerCase{"-1", -9, 9, kUnsigned, std::nullopt},
        IntegerCase{"4294967295", 0, 4294967295, kUnsigned, 4294967295},
        // Hexadecimal only when allowed, after the sign, with at least one digit.
        IntegerCase{"0x1F", 0, 100, kHex, 31}, IntegerCase{"-0X10", -100, 0, kHex, -16},
        IntegerCase{"0xab", 0, 200, kHex, 171}, IntegerCase{"0x", 0, 100, kHex, std::nullopt},
        IntegerCase{"0x1G", 0, 100, kHex, std::nullopt},
        IntegerCase{"1F", 0, 100, kHex, std::nullopt},
        // The int limits, and overflow however long the number.
        IntegerCase{"2147483647", INT_MIN, INT_MAX, {}, INT_MAX},
        IntegerCase{"-2147483648", INT_MIN, INT_MAX, {}, INT_MIN},
        IntegerCase{"2147483648", INT_MIN, INT_MAX, {}, std::nullopt},
        IntegerCase{"-2147483649", INT_MIN, INT_MAX, {}, std::nullopt},
        IntegerCase{"9223372036854775807", 0, LLONG_MAX, {}, LLONG_MAX},
        IntegerCase{"-9223372036854775808", LLONG_MIN, 0, {}, LLONG_MIN},
        IntegerCase{"9223372036854775808", 0, LLONG_MAX, {}, std::nullopt},
        IntegerCase{"18446744073709551617", 0, LLONG_MAX, {}, std::nullopt},
        IntegerCase{"99999999999999999999999", LLONG_MIN, LLONG_MAX, {}, std::nullopt},
        IntegerCase{"0x8000000000000000", LLONG_MIN, LLONG_MAX, kHex, std::nullopt},
        IntegerCase{"-0x8000000000000000", LLONG_MIN, LLONG_MAX, kHex, LLONG_MIN}));

} // namespace
