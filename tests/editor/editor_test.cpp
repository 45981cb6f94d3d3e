// The editor as a teacher uses it: every form registered, the palette, the mouse, the menus.
#include "../forms/forms_test_support.h"

#include "EditorSession.h"
#include "Forms.h"
#include "Launch.h"
#include "MainWindow.h"
#include "PageView.h"

#include "host/Services.h"
#include "host/forms/PropDock.h"
#include "host/forms/QtUserInterface.h"
#include "package/Paquet.h"
#include "platform/Random.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;

fs::path scratch(const std::string& name) {
    return fs::temp_directory_path() / ("editor_test_" + std::to_string(::getpid()) + name);
}

class Editor : public ::testing::Test {
protected:
    Editor() : scoped_(ui_), window_(catalogue_, ui_) {
        FichIni() = std::string();
        SeedRandom(7); // dice draw their faces
        RegisterForms(ui_, window_.PropDock());
        window_.resize(1200, 900);
        window_.show();
    }
    ~Editor() override { fs::remove(path_); }

    PageView& view() { return window_.View(); }
    EditorSession& session() { return window_.Session(); }
    QAbstractButton* paletteButton(int tag) {
        return window_.findChild<QAbstractButton*>("palette_" + QString::number(tag));
    }
    // Drags with the left button from a to b (page units).
    void drag(vlPoint a, vlPoint b) {
        QTest::mousePress(&view(), Qt::LeftButton, {}, view().ToWidget(a));
        QTest::mouseMove(&view(), view().ToWidget(b));
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, view().ToWidget(b));
    }
    // Draws a die with the palette.
    TComposant& drawDie(vlPoint a, vlPoint b) {
        paletteButton(7)->click();
        drag(a, b);
        return session().Document().Composant(session().Document().NbComposants() - 1);
    }
    // Types a value into a control of the property window shown, then Enter.
    void typeProperty(const char* control, const QString& value) {
        auto* edit = window_.PropDock().findChild<QLineEdit*>(control);
        ASSERT_NE(edit, nullptr) << control;
        edit->setText(value);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void trigger(const char* action) {
        auto* found = window_.findChild<QAction*>(action);
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }
    QString status() { return window_.statusBar()->findChild<QLabel*>()->text(); }

    TQtUserInterface ui_;
    TScopedUi scoped_;
    const TCatalogue catalogue_ = CataloguePaquet();
    MainWindow window_;
    std::string path_ = scratch(".vld").string();
};

// What a step leaves: the components' names, places and settings.
std::vector<std::string> stateOf(const TDocument& document) {
    std::vector<std::string> state;
    for (int i = 0; i < document.NbComposants(); ++i) {
        const TComposant& c = document.Composant(i);
        std::ostringstream line;
        line << c.Nom() << " " << c.Rect.left << "," << c.Rect.top << "," << c.Rect.right << ","
             << c.Rect.bottom;
        for (const std::string& setting : c.Description())
            line << " " << setting;
        state.push_back(line.str());
    }
    return state;
}

TEST_F(Editor, DrawMoveResizeEditPasteDeleteUndoRedoSaveAndReopen) {
    auto* undo = window_.findChild<QAction*>("annuler");
    auto* redo = window_.findChild<QAction*>("retablir");
    ASSERT_TRUE(undo != nullptr && redo != nullptr);
    EXPECT_TRUE(undo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_FALSE(undo->isEnabled());
    std::vector<std::vector<std::string>> states{stateOf(session().Document())};
    const auto step = [&](const QString& undoText) {
        states.push_back(stateOf(session().Document()));
        EXPECT_NE(states.back(), states[states.size() - 2]) << undoText.toStdString();
        EXPECT_EQ(undo->text(), undoText);
    };

    TComposant& die = drawDie({300, 400}, {700, 700});
    ASSERT_EQ(session().Document().NbComposants(), 1);
    EXPECT_EQ(die.NomType, "Dé");
    EXPECT_FALSE(view().HasTool());
    EXPECT_EQ(session().Selection(), &die);
    EXPECT_EQ(die.Rect.left % 50, 0) << "5 mm squares: the corners snap to the grid";
    step("&Annuler la création");
    const vlRect r = die.Rect;
    drag({r.left + 100, r.top + 100}, {r.left + 600, r.top + 300});
    EXPECT_EQ(die.Rect, (vlRect{r.left + 500, r.top + 200, r.right + 500, r.bottom + 200}));
    step("&Annuler le déplacement");
    drag({die.Rect.right, die.Rect.bottom}, {die.Rect.right + 200, die.Rect.bottom + 100});
    step("&Annuler le changement de taille");
    const std::string face = die.Description().back() == "4" ? "5" : "4";
    typeProperty("edValeur1", QString::fromStdString(face)); // the die's own window
    EXPECT_EQ(die.Description().back(), face);
    step("&Annuler le changement de propriété");
    trigger("copier");
    trigger("coller");
    step("&Annuler le collage");
    trigger("supprimer");
    step("&Annuler la suppression");

    for (std::size_t back = states.size() - 1; back-- > 0;) {
        undo->trigger();
        EXPECT_EQ(stateOf(session().Document()), states[back]) << "undo to step " << back;
    }
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(session().Modified());
    for (std::size_t forward = 1; forward < states.size(); ++forward) {
        redo->trigger();
        EXPECT_EQ(stateOf(session().Document()), states[forward]) << "redo to step " << forward;
    }
    EXPECT_FALSE(redo->isEnabled());

    std::string message;
    ASSERT_TRUE(session().SaveAs(path_, message)) << message;
    EXPECT_FALSE(session().Modified());
    MainWindow reopened(catalogue_, ui_);
    ASSERT_TRUE(reopened.OpenDocument(path_));
    EXPECT_EQ(stateOf(reopened.Session().Document()), states.back());
}

TEST_F(Editor, TheHistoryKeepsTheLastHundredChanges) {
    for (int i = 0; i < EditorSession::kUndoLimit + 5; ++i) {
        session().Document().Cree("Grille", 0);
        session().Committed();
    }
    int undone = 0;
    for (; session().CanUndo(); ++undone)
        session().Undo();
    EXPECT_EQ(undone, EditorSession::kUndoLimit);
    EXPECT_EQ(session().Document().NbComposants(), 5);
}

TEST_F(Editor, ThePaletteGreysTheKindsNotBuiltAndSaysWhyNothingIsDrawn) {
    QAbstractButton* chart = paletteButton(2); // Graphe
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->isEnabled());
    EXPECT_EQ(chart->toolTip(), "Pas encore disponible");
    EXPECT_TRUE(paletteButton(7)->isEnabled());
    EXPECT_EQ(paletteButton(7)->toolTip(), "Dé");

    chart->setEnabled(true); // as if the kind had been announced before its factory
    chart->click();
    drag({300, 400}, {700, 700});
    EXPECT_EQ(session().Document().NbComposants(), 0);
    EXPECT_TRUE(status().contains("« Graphe »")) << status().toStdString();
    EXPECT_TRUE(status().contains("pas encore disponible")) << status().toStdString();
}

TEST_F(Editor, DisplayModeReachesTheComponents) {
    trigger("mode2");
    EXPECT_EQ(session().Mode(), MODE_CORRIGE);
    EXPECT_EQ(ModeVisu(), MODE_CORRIGE);
    trigger("mode0");
    EXPECT_EQ(ModeVisu(), MODE_EDITION);
}

TEST(EditorCommandLine, PicturesOfTheWindowAndOfOneForm) {
    FichIni() = std::string();
    const std::string picture = scratch(".png").string();
    struct Case {
        QStringList args;
        int code;
    };
    const std::vector<Case> cases{
        {{"--show-form", "DeProp", "--screenshot", QString::fromStdString(picture)}, 0},
        {{"--show-form", "OperationConfig", "--screenshot", QString::fromStdString(picture)}, 0},
        {{"--screenshot", QString::fromStdString(picture)}, 0},
        {{"--show-form", "Inconnue", "--screenshot", QString::fromStdString(picture)}, 2},
        {{"--show-form", "DeProp"}, 1},
        {{"--screenshot"}, 1},
    };
    for (const Case& c : cases) {
        fs::remove(picture);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunEditor(c.args, out, err), c.code) << c.args.join(' ').toStdString();
        const QImage image(QString::fromStdString(picture));
        EXPECT_EQ(!image.isNull() && image.width() > 100, c.code == 0)
            << c.args.join(' ').toStdString();
    }
    fs::remove(picture);
}

} // namespace
