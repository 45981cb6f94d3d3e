#include "platform/Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

TEST(Text, TrimTakesOnlyTheGivenBlanksAtBothEnds) {
    struct Case {
        std::string_view text, blanks, trimmed;
    };
    // Digits, a minus sign by default, bounds inclusive; nothing but the number (no blanks,
    // letters, decimals or lone signs); a plus sign and hexadecimal only when the syntax allows,
    // hexadecimal after the sign with at least one digit; the limits, and overflow however long.
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

// Digits, a minus sign by default, bounds inclusive; nothing but the number (no blanks, letters,
// decimals or lone signs); a plus sign and hexadecimal only when the syntax allows, hexadecimal
// after the sign with at least one digit; the limits, and overflow however long the number.
TEST(Text, ParseIntegerAcceptsExactlyTheSyntaxWithinTheBounds) {
    constexpr IntegerSyntax kSigned{.minus = true, .plus = true};
    constexpr IntegerSyntax kHex{.minus = true, .plus = true, .hex = true};
    constexpr std::nullopt_t no = std::nullopt;
    struct Group {
        long long min, max;
        IntegerSyntax syntax;
        std::vector<std::pair<std::string_view, std::optional<long long>>> cases;
    };
    const Group groups[] = {
        {0, 100, {}, {{"42", 42}, {"007", 7}, {"", no}, {" 4", no}, {"4 ", no}}},
        {0, 100, {}, {{"1 2", no}, {"12a", no}, {"1,5", no}, {"0x10", no}}},
        {1, 10, {}, {{"1", 1}, {"10", 10}, {"0", no}, {"11", no}, {"-1", no}}},
        {-9, 9, {}, {{"-7", -7}, {"-0", 0}, {"-", no}, {"--1", no}, {"+3", no}}},
        {-9, 9, kSigned, {{"+3", 3}, {"-3", -3}, {"+-1", no}, {"-+1", no}}},
        {-9, 9, {.minus = false}, {{"-1", no}, {"-0", no}, {"9", 9}}},
        {0, 4294967295, {.minus = false}, {{"4294967295", 4294967295}, {"4294967296", no}}},
        {-200, 200, kHex, {{"0x1F", 31}, {"-0X10", -16}, {"+0xab", 171}, {"0x", no}}},
        {-200, 200, kHex, {{"0x1G", no}, {"1F", no}, {"0x-1", no}}},
        {INT_MIN, INT_MAX, {}, {{"2147483647", INT_MAX}, {"-2147483648", INT_MIN}}},
        {INT_MIN, INT_MAX, {}, {{"2147483648", no}, {"-2147483649", no}}},
        {0, LLONG_MAX, {}, {{"9223372036854775807", LLONG_MAX}, {"9223372036854775808", no}}},
        {0, LLONG_MAX, {}, {{"18446744073709551617", no}, {"99999999999999999999999", no}}},
        {LLONG_MIN, 0, {}, {{"-9223372036854775808", LLONG_MIN}}},
        {LLONG_MIN, 0, kHex, {{"-0x8000000000000000", LLONG_MIN}, {"0x8000000000000000", no}}}};
    for (const Group& group : groups)
        for (const auto& [text, value] : group.cases)
            EXPECT_EQ(ParseInteger(text, group.min, group.max, group.syntax), value)
                << '"' << text << "\" in " << group.min << ".." << group.max;
}
