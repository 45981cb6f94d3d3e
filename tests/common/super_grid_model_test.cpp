#include "common/SuperGridModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Key = SuperGridModel::Key;

// A grid of 5 x 5 data cells whose texts name their cell ("c1r1").
SuperGridModel named() {
    SuperGridModel m(6, 6);
    for (int r = 1; r < 6; ++r)
        for (int c = 1; c < 6; ++c)
            m.SetCell(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
    return m;
}

// The texts of a row's data cells, from column 1.
std::vector<std::string> row(const SuperGridModel& m, int r) {
    std::vector<std::string> texts;
    for (int c = 1; c < m.ColCount(); ++c)
        texts.push_back(m.Cell(c, r));
    return texts;
}
using Row = std::vector<std::string>;

TEST(SuperGridModel, ClipboardTextPastesOnlyIntoTheSelection) {
    SuperGridModel m = named();
    m.SelectRange({2, 1, 3, 3});
    EXPECT_EQ(m.SelectionText(), "c2r1\tc3r1\r\nc2r2\tc3r2\r\nc2r3\tc3r3\r\n");
    m.SelectRange({4, 1, 4, 2});
    m.PasteText("a\tb\nc\td\ne\tf\n");
    EXPECT_EQ(row(m, 1), (Row{"c1r1", "c2r1", "c3r1", "a", "c5r1"}));
    EXPECT_EQ(row(m, 2), (Row{"c1r2", "c2r2", "c3r2", "c", "c5r2"}));
    EXPECT_EQ(m.Cell(4, 3), "c4r3");
}

TEST(SuperGridModel, ProtectedCellsAndCopyCutPasteWithinTheSelectionAndTheGrid) {
    SuperGridModel m = named();
    m.SelectCell({1, 1});
    m.Paste(); // nothing copied yet
    EXPECT_EQ(m.Cell(1, 1), "c1r1");
    m.SelectRange({1, 1, 4, 4});
    m.Copy();
    m.SetProtected(3, 3, true);
    m.SetCell(3, 3, "=");
    m.SelectRange({2, 2, 3, 3}); // only as much as the selection holds
    m.Paste();
    EXPECT_EQ(row(m, 2), (Row{"c1r2", "c1r1", "c2r1", "c4r2", "c5r2"}));
    EXPECT_EQ(row(m, 3), (Row{"c1r3", "c1r2", "=", "c4r3", "c5r3"}));
    EXPECT_EQ(row(m, 4), (Row{"c1r4", "c2r4", "c3r4", "c4r4", "c5r4"}));

    // A protected cell takes no typing, editing or clearing.
    m.SelectCell({3, 3});
    EXPECT_FALSE(m.CharTyped("3"));
    EXPECT_FALSE(m.KeyPress(Key::F2));
    EXPECT_FALSE(m.KeyPress(Key::Delete));
    m.SelectRange({2, 3, 3, 3});
    m.ClearSelection();
    EXPECT_EQ(row(m, 3), (Row{"c1r3", "", "=", "c4r3", "c5r3"}));

    m.SelectRange({1, 1, 2, 1});
    m.Cut();
    EXPECT_EQ(row(m, 1), (Row{"", "", "c3r1", "c4r1", "c5r1"}));
    m.SelectCell({4, 5});
    m.Paste(); // from one cell to the last column: only what fits
    EXPECT_EQ(row(m, 5), (Row{"c1r5", "c2r5", "c3r5", "c1r1", "c2r1"}));
}

TEST(SuperGridModel, EditingKeysAndAcceptedCharacters) {
    SuperGridModel m(4, 4);
    m.SetCell(2, 2, "avant");
    m.SelectCell({2, 2});
    EXPECT_TRUE(m.KeyPress(Key::F2));
    EXPECT_EQ(m.EditText(), "avant");
    m.KeyPress(Key::Backspace);
    m.CharTyped("é");
    EXPECT_EQ(m.EditText(), "avané");
    m.KeyPress(Key::Left);
    m.KeyPress(Key::Backspace);
    EXPECT_EQ(m.EditText(), "avaé");
    m.KeyPress(Key::Escape);
    EXPECT_FALSE(m.Editing());
    EXPECT_EQ(m.Cell(2, 2), "avant");

    int changes = 0;
    m.onCellsChanged = [&] { ++changes; };
    m.SetAcceptedCharacters("0123456789", true);
    EXPECT_FALSE(m.CharTyped("x")); // a refused character opens no editor
    EXPECT_FALSE(m.Editing());
    m.CharTyped("7");
    m.KeyPress(Key::Down); // arrows close the editor, keeping the text
    EXPECT_EQ(m.Cell(2, 2), "7");
    m.KeyPress(Key::Enter); // opens
    m.SetAcceptedCharactersOn(false);
    m.CharTyped("x");
    m.KeyPress(Key::Tab);
    EXPECT_EQ(m.Cell(2, 2), "7x");
    EXPECT_EQ(changes, 2);
}

} // namespace
