#include "platform/StringList.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<std::string> items(const TStringList& list) {
    std::vector<std::string> result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list[i]);
    return result;
}

} // namespace

TEST(StringList, EditsKeepOrderObjectsAndBounds) {
    TStringList list;
    int first = 1;
    int second = 2;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.AddObject("c", &second), 1);
    list.Insert(0, "a");
    list.Insert(list.Count(), "c");
    EXPECT_EQ(items(list), (std::vector<std::string>{"a", "b", "c", "c"}));
    EXPECT_EQ(list.Objects(0), nullptr);
    EXPECT_EQ(list.IndexOfObject(&first), -1);
    EXPECT_EQ(list.IndexOf("c"), 2); // the first exact match
    EXPECT_EQ(list.IndexOf("A"), -1);
    list.Delete(1);
    EXPECT_EQ(items(list), (std::vector<std::string>{"a", "c", "c"}));
    EXPECT_EQ(list.IndexOfObject(&second), 1);
    EXPECT_THROW(list.Insert(4, "x"), std::out_of_range);
    EXPECT_THROW(list.Insert(-1, "x"), std::out_of_range);
    EXPECT_THROW(list.Delete(3), std::out_of_range);
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, TextEndsLinesWithCrLfAndSetTextTakesEveryLineEnd) {
    TStringList list;
    list.Add("a");
    list.Add("");
    list.Add("é");
    EXPECT_EQ(list.Text(), "a\r\n\r\né\r\n");
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\nb", {"a", "", "b"}}, // two LF: an empty line between
        {"\n\r", {"", ""}},         // LF then CR: two line ends
        {"", {}}};
    for (const auto& [text, expected] : cases) {
        list.AddObject("old", &list);
        list.SetText(text);
        EXPECT_EQ(items(list), expected) << text;
        EXPECT_TRUE(list.Count() == 0 || list.Objects(0) == nullptr) << text;
    }
    EXPECT_EQ(list.Text(), "");
}
