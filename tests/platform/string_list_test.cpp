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
    int object = 2;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.AddObject("c", &object), 1);
    list.Insert(0, "a");
    list.Insert(list.Count(), "c");
    EXPECT_EQ(list.IndexOf("c"), 2); // the first exact match
    EXPECT_EQ(list.IndexOf("A"), -1);
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
