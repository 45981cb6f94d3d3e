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

TEST(StringList, AddInsertDeleteKeepOrderAndObjects) {
    TStringList list;
    int first = 1;
    int second = 2;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.AddObject("c", &second), 1);
    list.Insert(0, "a");
    list.Insert(list.Count(), "d");
    EXPECT_EQ(items(list), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Objects(2), &second);
    EXPECT_EQ(list.Objects(0), nullptr);
    EXPECT_EQ(list.IndexOfObject(&second), 2);
    EXPECT_EQ(list.IndexOfObject(&first), -1);
    list.Delete(1);
    EXPECT_EQ(items(list), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(list.IndexOfObject(&second), 1);
    EXPECT_THROW(list.Insert(4, "x"), std::out_of_range);
    EXPECT_THROW(list.Insert(-1, "x"), std::out_of_range);
    EXPECT_THROW(list.Delete(3), std::out_of_range);
    EXPECT_EQ(list.Count(), 3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexOfFindsTheFirstExactMatch) {
    TStringList list;
    list.Add("Un");
    list.Add("deux");
    list.Add("deux");
    EXPECT_EQ(list.IndexOf("deux"), 1);
    EXPECT_EQ(list.IndexOf("un"), -1);
    EXPECT_EQ(list.IndexOf(""), -1);
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("a");
    list.Add("");
    list.Add("é");
    EXPECT_EQ(list.Text(), "a\r\n\r\né\r\n");
}

TEST(StringList, SetTextAcceptsEveryLineEnd) {
    TStringList list;
    list.AddObject("old", &list);
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(items(list), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Objects(0), nullptr);
    list.SetText("a\n\r\nb\r\n");
    EXPECT_EQ(items(list), (std::vector<std::string>{"a", "", "b"}));
    list.SetText("\r\n\r\n");
    EXPECT_EQ(items(list), (std::vector<std::string>{"", ""}));
    list.SetText("\n\r"); // LF then CR: two line ends
    EXPECT_EQ(items(list), (std::vector<std::string>{"", ""}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}
