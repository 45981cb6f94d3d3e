#include "platform/StringList.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> items(const TStringList& list) {
    std::vector<std::string> result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list[i]);
    return result;
}

} // namespace

TEST(Text, TrimTakesOnlyTheGivenBlanksAtBothEnds) {
    using Cases = std::vector<std::pair<std::string_view, std::string_view>>;
    const std::pair<std::string_view, Cases> groups[] = {
        {kBlanks, {{" \ta b\t ", "a b"}, {"\r\n x \n", "\r\n x \n"}, {"", ""}, {" \t ", ""}}},
        {kBlanksAndLineEnds, {{"\r\n x \n", "x"}, {"x", "x"}}},
        {" ", {{"  y", "y"}, {"\tz ", "\tz"}}}};
    for (const auto& [blanks, cases] : groups)
        for (const auto& [text, trimmed] : cases)
            EXPECT_EQ(Trim(text, blanks), trimmed) << '"' << text << '"';
}

TEST(Text, SplitKeepsEmptyParts) {
    using Parts = std::vector<std::string_view>;
    const std::pair<std::string_view, Parts> cases[] = {
        {"a;b;c", {"a", "b", "c"}}, {"a;;b", {"a", "", "b"}}, {";a;", {"", "a", ""}}, {"", {""}},
        {"abc", {"abc"}},           {" a ; b", {" a ", " b"}}};
    for (const auto& [text, parts] : cases)
        EXPECT_EQ(Split(text, ';'), parts) << '"' << text << '"';
}

// Escaped separators stay inside their field, escapes survive the first of two splits, and any
// text escaped into fields, however many backslashes it holds, reads back as it was.
TEST(Text, EscapedFieldsSplitAndReadBackExactly) {
    using Parts = std::vector<std::string_view>;
    EXPECT_EQ(SplitEscaped(R"(a\;b;c\\;d\x)", ';'), (Parts{R"(a\;b)", R"(c\\)", R"(d\x)"}));
    EXPECT_EQ(SplitEscaped(R"(x;1 | y\|z;2\)", '|'), (Parts{"x;1 ", R"( y\|z;2\)"}));
    EXPECT_EQ(UnescapeField(R"(a\;b\|c\\d\xe\)"), R"(a;b|c\d\xe\)");
    const std::vector<std::string> texts = {"", "a;b", "|", "\\", "a\\", "\\;", "c;d|e\\\\f", ";;"};
    for (const std::string& first : texts)
        for (const std::string& second : texts) {
            const std::string line = EscapeField(first) + ";" + EscapeField(second);
            const std::vector<std::string_view> fields = SplitEscaped(line, ';');
            ASSERT_EQ(fields.size(), 2u) << line;
            EXPECT_EQ(UnescapeField(fields[0]), first) << line;
            EXPECT_EQ(UnescapeField(fields[1]), second) << line;
        }
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

TEST(Text, FoldAccentsAndCaseGivesPlainSmallLetters) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"TriPièces", "tripieces"},
        {"FonteCorrigÉ", "fontecorrige"},
        {"ÀÇÈÊËÎÏÔÙÛÜàçèêëîïôùûüÿ", "aceeeiiouuuaceeeiiouuuy"},
        {"3×4÷2", "3×4÷2"},
        {"Œ œ", "Œ œ"},
        {"\xC3", "\xC3"}};
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(FoldAccentsAndCase(text), folded) << text;
}

TEST(StringList, EditsKeepOrderObjectsAndBounds) {
    TStringList list;
    int object = 2;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.AddObject("c", &object), 1);
    list.Insert(0, "a");
    list.Insert(list.Count(), "c");
    EXPECT_EQ(list.IndexOf("c"), 2); // the first exact match
    list.Delete(1);
    EXPECT_EQ(items(list), (std::vector<std::string>{"a", "c", "c"}));
    EXPECT_EQ(list.IndexOfObject(&object), 1);
    EXPECT_EQ(list.Objects(2), nullptr);
    EXPECT_THROW(list.Insert(4, "x"), std::out_of_range);
    EXPECT_THROW(list.Insert(-1, "x"), std::out_of_range);
    EXPECT_THROW(list.Delete(3), std::out_of_range);
    EXPECT_EQ(list.Text(), "a\r\nc\r\nc\r\n");
}

// Lines end with CR LF on the way out; on the way in, every line end is taken.
TEST(StringList, SetTextTakesEveryLineEndAndDropsTheObjects) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\nb", {"a", "", "b"}}, // two LF: an empty line between
        {"\n\r", {"", ""}},         // LF then CR: two line ends
        {"", {}}};
    TStringList list;
    for (const auto& [text, expected] : cases) {
        list.AddObject("old", &list);
        list.SetText(text);
        EXPECT_EQ(items(list), expected) << text;
        EXPECT_TRUE(list.Count() == 0 || list.Objects(0) == nullptr) << text;
    }
}
