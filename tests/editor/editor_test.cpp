#include "../forms/forms_test_support.h"

#include "EditorSession.h"
#include "MainWindow.h"
#include "PageView.h"

#include "host/Services.h"
#include "host/forms/ClesProp.h"
#include "host/forms/PropDock.h"
#include "host/forms/QtUserInterface.h"
#include "package/Paquet.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

namespace {

class Editor : public ::testing::Test {
protected:
    Editor() : scoped_(ui_), window_(catalogue_, ui_) {
        FichIni() = std::string();
        window_.resize(1200, 900);
        window_.show();
    }
    ~Editor() override { std::filesystem::remove(path_); }

    PageView& view() { return window_.View(); }
    // Drags with the left button from a to b (page units).
    void drag(vlPoint a, vlPoint b) {
        QTest::mousePress(&view(), Qt::LeftButton, {}, view().ToWidget(a));
        QTest::mouseMove(&view(), view().ToWidget(b));
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, view().ToWidget(b));
    }

    TQtUserInterface ui_;
    TScopedUi scoped_;
    const TCatalogue catalogue_ = CataloguePaquet();
    MainWindow window_;
    std::string path_ = (std::filesystem::temp_directory_path() /
                         ("editor_test_" + std::to_string(::getpid()) + ".vld"))
                            .string();
};

TEST_F(Editor, CreateMoveEditSaveAndReopen) {
    auto* die = window_.findChild<QAbstractButton*>("palette_7");
    ASSERT_NE(die, nullptr);
    die->click();
    ASSERT_TRUE(view().HasTool());
    drag({300, 400}, {700, 700});
    EditorSession& session = window_.Session();
    ASSERT_EQ(session.Document().NbComposants(), 1);
    TComposant& created = session.Document().Composant(0);
    EXPECT_EQ(created.NomType, "Dé");
    EXPECT_FALSE(view().HasTool());
    EXPECT_EQ(session.Selection(), &created);
    // 5 mm squares: the corners snap to the grid.
    EXPECT_EQ(created.Rect.left % 50, 0);
    EXPECT_GT(created.Rect.Width(), 300);

    const vlRect before = created.Rect;
    drag({before.left + 100, before.top + 100}, {before.left + 600, before.top + 300});
    EXPECT_EQ(created.Rect.left, before.left + 500);
    EXPECT_EQ(created.Rect.top, before.top + 200);
    EXPECT_TRUE(session.CanUndo());

    // One property through the docked window.
    auto* window = dynamic_cast<TClesProp*>(window_.PropDock().Courante());
    ASSERT_NE(window, nullptr);
    QLineEdit* valeur = window->Edit("Valeur1");
    ASSERT_NE(valeur, nullptr);
    valeur->setText("5");
    QTest::keyClick(valeur, Qt::Key_Return);
    const std::vector<std::string> description = created.Description();
    EXPECT_EQ(description.back(), "5"); // a die showing five

    std::string message;
    ASSERT_TRUE(session.SaveAs(path_, message)) << message;
    EXPECT_FALSE(session.Modified());

    MainWindow reopened(catalogue_, ui_);
    ASSERT_TRUE(reopened.OpenDocument(path_));
    ASSERT_EQ(reopened.Session().Document().NbComposants(), 1);
    const TComposant& read = reopened.Session().Document().Composant(0);
    EXPECT_EQ(read.Nom(), created.Nom());
    EXPECT_EQ(read.Rect, created.Rect);
    EXPECT_EQ(read.Description(), description);
}

TEST_F(Editor, UndoCopyPasteAndDelete) {
    EditorSession& session = window_.Session();
    TComposant* grid = session.Document().Cree("Grille", 0);
    session.Select(grid);
    session.Committed();
    session.Copy();
    TComposant* pasted = session.Paste();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(session.Document().NbComposants(), 2);
    EXPECT_NE(pasted->Nom(), grid->Nom());
    EXPECT_EQ(pasted->Rect.left, grid->Rect.left + 50);
    session.DeleteSelection();
    EXPECT_EQ(session.Document().NbComposants(), 1);
    session.Undo();
    EXPECT_EQ(session.Document().NbComposants(), 2);
    EXPECT_EQ(session.Selection(), nullptr);
}

TEST_F(Editor, DisplayModeReachesTheComponents) {
    window_.findChild<QAction*>("mode2")->trigger();
    EXPECT_EQ(window_.Session().Mode(), MODE_CORRIGE);
    EXPECT_EQ(ModeVisu(), MODE_CORRIGE);
    window_.findChild<QAction*>("mode0")->trigger();
    EXPECT_EQ(ModeVisu(), MODE_EDITION);
}

} // namespace
