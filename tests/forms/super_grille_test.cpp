#include "forms_test_support.h"

#include "common/forms/SuperGrille.h"
#include "platform/UserInterface.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

TEST(SuperGrille, TypingEditsInPlaceAndEnterKeepsTheText) {
    TSuperGrille grid;
    grid.Grille().SetSize(4, 4);
    grid.Grille().SetAcceptedCharacters("0123456789.,", true);
    grid.resize(400, 200);
    grid.show();
    grid.Grille().SelectCell({2, 1});
    int changes = 0;
    QObject::connect(&grid, &TSuperGrille::cellsChanged, [&] { ++changes; });
    QTest::keyClicks(&grid, "1x2.5");
    EXPECT_TRUE(grid.Grille().Editing());
    EXPECT_EQ(grid.Grille().EditText(), "12,5");
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.Grille().Cell(2, 1), "12,5");
    EXPECT_EQ(changes, 1);
    // Not editing, the arrows move the current cell.
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Grille().Current(), (GridCoord{2, 2}));
}

TEST(SuperGrille, ClipboardActionsUseTheSystemClipboard) {
    TTestUi ui;
    TScopedUi scoped(ui);
    TSuperGrille grid;
    grid.Grille().SetSize(5, 5);
    grid.Grille().SelectCell({1, 1});
    ui.clipboard = "a\tb\r\nc\td\r\n";
    grid.ActionCollerPressePapiers()->trigger();
    EXPECT_EQ(grid.Grille().Cell(2, 2), "d");
    grid.Grille().SelectRange({1, 1, 2, 1});
    grid.ActionCopierPressePapiers()->trigger();
    EXPECT_EQ(ui.clipboard, "a\tb\r\n");

    EXPECT_EQ(grid.ActionToutSelectionner()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(grid.MenuContextuel()->actions().size(), 7);
}

TEST(SuperGrille, ClickingTheCornerSelectsEverything) {
    TSuperGrille grid;
    grid.Grille().SetSize(4, 6);
    grid.resize(400, 300);
    grid.show();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(grid.Grille().Selection(), (GridRange{1, 1, 3, 5}));
}

} // namespace
