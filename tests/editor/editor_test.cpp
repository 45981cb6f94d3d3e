// The editor as a teacher uses it: every form registered, the palette, the mouse, the menus.
#include "../forms/forms_test_support.h"

#include "EditorSession.h"
#include "Forms.h"
#include "Launch.h"
#include "MainWindow.h"
#include "PageView.h"
#include "ProprietesPage.h"

#include "host/Document.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "host/forms/HelpWindow.h"
#include "host/forms/PropDock.h"
#include "host/forms/QtConversions.h"
#include "host/forms/QtUserInterface.h"
#include "operation/Operation.h"
#include "package/Paquet.h"
#include "platform/Paths.h"
#include "platform/TempFolder.h"
#include "shape/Forme.h"
#include "sheet/SheetExport.h"
#include "sheet/forms/TChoixModele.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class Editor : public ::testing::Test {
protected:
    Editor() : scoped_(ui_), window_(catalogue_, ui_) {
        FichIni() = std::string();
        SeedRandom(7); // dice draw their faces
        RegisterForms(ui_, window_.PropDock());
        window_.resize(1200, 900);
        window_.show();
    }

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
    void trigger(const char* action) {
        auto* found = window_.findChild<QAction*>(action);
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }

    TQtUserInterface ui_;
    TScopedUi scoped_;
    const TCatalogue catalogue_ = CataloguePaquet();
    MainWindow window_;
    TempFolder folder_;
    std::string path_ = folder_.file("feuille.vld");
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
    EXPECT_FALSE(undo->isEnabled());
    std::vector<std::vector<std::string>> states{stateOf(session().Document())};
    const auto step = [&](const QString& undoText) {
        states.push_back(stateOf(session().Document()));
        EXPECT_NE(states.back(), states[states.size() - 2]) << undoText.toStdString();
        EXPECT_EQ(undo->text(), undoText);
    };

    paletteButton(7)->click();
    drag({300, 400}, {700, 700});
    TComposant& die = session().Document().Composant(0);
    ASSERT_EQ(session().Document().NbComposants(), 1);
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
    auto* edit = window_.PropDock().findChild<QLineEdit*>("edValeur1"); // the die's own window
    ASSERT_NE(edit, nullptr);
    edit->setText(QString::fromStdString(face));
    QTest::keyClick(edit, Qt::Key_Return);
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
    // The display mode reaches the components.
    trigger("mode2");
    EXPECT_EQ(ModeVisu(), MODE_CORRIGE);
    trigger("mode0");
    EXPECT_EQ(ModeVisu(), MODE_EDITION);

    std::string message;
    ASSERT_TRUE(session().SaveAs(path_, message)) << message;
    EXPECT_FALSE(session().Modified());
    MainWindow reopened(catalogue_, ui_);
    ASSERT_EQ(reopened.OpenDocument(path_), MainWindow::OpenResult::Complete);
    EXPECT_EQ(stateOf(reopened.Session().Document()), states.back());
}

// Two components of every kind around an undo and a redo, each selected in turn: the reused
// window of the kind is bound to the component selected and shows its version, never one that
// undo or redo freed (the address sanitizer build reports any read of one).
TEST_F(Editor, EveryKindsWindowFollowsItsComponentThroughUndoAndRedo) {
    TTestUi recorder;
    const TScopedUi scoped(recorder);
    QStringList tools;
    for (const TTypeComposant& type : catalogue_.Types())
        if (type.cree)
            tools << (type.indexPalette >= 0 ? QString::number(type.indexPalette)
                                             : ToQString(type.nom));
    const vlRect first{200, 300, 1000, 1300};
    const vlRect second{1100, 1500, 1900, 2500};
    // Selects the component over r; the first one alone is in the test version only.
    const auto expectShown = [&](const vlRect& r) {
        QTest::mouseClick(&view(), Qt::LeftButton, {}, view().ToWidget(r.Centre()));
        ASSERT_NE(session().Selection(), nullptr);
        TPropFormWidget* window = window_.PropDock().Courante();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Composant(), session().Selection());
        if (auto* test = window->findChild<QAbstractButton*>("btEpreuve")) {
            EXPECT_EQ(test->isChecked(), &r == &first);
        }
    };
    for (const QString& tool : tools) {
        SCOPED_TRACE(tool.toStdString());
        session().New();
        for (const vlRect* r : {&first, &second}) {
            window_.findChild<QAbstractButton*>("palette_" + tool)->click();
            drag(r->LireOrg(), {r->right, r->bottom});
            auto* test = window_.PropDock().Courante()->findChild<QAbstractButton*>("btEpreuve");
            if (test != nullptr && r == &first)
                test->click();
            trigger("annuler");
            trigger("retablir");
        }
        ASSERT_EQ(session().Document().NbComposants(), 2);
        expectShown(second);
        expectShown(first);
        expectShown(second);
        // A copy outlives the components an undo frees, and pastes whole, its instruction too.
        const std::vector<std::string> copied = session().Selection()->Description();
        std::string message;
        ASSERT_TRUE(session().Selection()->ChangeCle("Lis.", "Consigne", message)) << message;
        const vlRect r = session().Selection()->Rect;
        trigger("copier");
        trigger("annuler");
        trigger("coller");
        ASSERT_NE(session().Selection(), nullptr);
        EXPECT_EQ(session().Selection()->Rect,
                  (vlRect{r.left + 50, r.top + 50, r.right + 50, r.bottom + 50}));
        EXPECT_EQ(session().Selection()->Description().size(), copied.size());
        EXPECT_EQ(session().Selection()->Consigne(), "Lis.");
    }
}

// The page properties set the header and the ruling; a component the header now covers is
// named, and undo takes both back.
TEST_F(Editor, PagePropertiesSetTheHeaderUndoably) {
    TComposant* die = session().Document().Cree("Dé", 0);
    session().Committed();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TProprietesPage*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->edTitre->setText(QStringLiteral("Les dés"));
        dialog->cbEntete->setChecked(true);
        dialog->edNote->setValue(20);
        dialog->cbReglure->setCurrentIndex(int(TPlanche::TypeReglure::Seyes));
        dialog->cbNumeroter->setCurrentIndex(2);
        dialog->accept();
    });
    trigger("proprietesPage");
    const TPlanche& page = session().Document().Page(0);
    EXPECT_EQ(std::tuple(page.Titre, page.Entete, page.Note, page.Reglure, page.NumeroterConsignes),
              std::tuple("Les dés", true, 20, TPlanche::TypeReglure::Seyes, 2));
    view().repaint();
    // The warning whole in the status line's list and its tooltip, the page still shown.
    const QString warning = ToQString("«\u00A0" + die->Nom() + "\u00A0» empiète sur l'en-tête");
    auto* warnings = window_.findChild<QToolButton*>("avertissementsCadre");
    ASSERT_TRUE(warnings != nullptr && warnings->isVisible());
    ASSERT_EQ(warnings->menu()->actions().size(), 1);
    EXPECT_TRUE(warnings->menu()->actions()[0]->text().startsWith(warning));
    EXPECT_TRUE(warnings->toolTip().contains(warning));
    EXPECT_TRUE(window_.findChild<QLabel*>("ligneEtat")->isVisible());
    trigger("annuler");
    view().repaint();
    EXPECT_FALSE(session().Document().Page(0).AEntete());
    EXPECT_EQ(session().Document().Page(0).Reglure, TPlanche::TypeReglure::Aucune);
    EXPECT_FALSE(warnings->isVisible());
    // Undoing the addition of the page shown shows the last page left.
    trigger("ajouterPage");
    ASSERT_EQ(session().Page(), 1);
    trigger("annuler");
    EXPECT_EQ(session().Page(), 0);
    view().repaint();
}

// A kind that counts its drawings in the corrected version: in the editing view, the page
// check's.
struct Compte : TComposant {
    Compte(TCadre* cadre, int& corriges) : TComposant(cadre), corriges(corriges) {}
    void Dessine(TCanvas&, int mode, TPlanche*) override { corriges += mode == MODE_CORRIGE; }
    int& corriges;
};

// The page check redraws every component: once a revision of the document, not once a repaint.
TEST(EditorPageCheck, RunsOnceARevisionOfTheDocument) {
    TQtUserInterface ui;
    const TScopedUi scoped(ui);
    TCatalogue catalogue = CataloguePaquet();
    int corriges = 0;
    TTypeComposant type;
    type.nom = "Compte";
    type.cree = [&corriges](TCadre* cadre) { return std::make_unique<Compte>(cadre, corriges); };
    catalogue.Ajoute(type);
    MainWindow window(catalogue, ui);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Session().Document().Cree("Compte", 0);
    window.Session().Committed();
    for (int i = 0; i < 3; ++i)
        window.View().repaint();
    EXPECT_EQ(corriges, 1);
    window.Session().Committed();
    window.View().repaint();
    EXPECT_EQ(corriges, 2);
}

// Affichage › Rétablir la disposition docks the property window back on the right; the layout
// left on closing is the next start's; Escape closes the help window.
TEST_F(Editor, TheLayoutIsResetAndKeptBetweenRunsAndEscapeClosesTheHelp) {
    auto* dock = window_.findChild<QDockWidget*>("dockProprietes");
    dock->setFloating(true);
    trigger("retablirDisposition");
    EXPECT_FALSE(dock->isFloating());
    EXPECT_EQ(window_.dockWidgetArea(dock), Qt::RightDockWidgetArea);
    FichIni() = folder_.file("vorlane.ini");
    window_.addDockWidget(Qt::LeftDockWidgetArea, dock);
    window_.close();
    MainWindow next(catalogue_, ui_);
    FichIni() = std::string();
    EXPECT_EQ(next.dockWidgetArea(next.findChild<QDockWidget*>("dockProprietes")),
              Qt::LeftDockWidgetArea);

    ui_.ShowHelp(DossierAide() + "index.md", "");
    ASSERT_TRUE(ui_.Help()->isVisible());
    QTest::keyClick(ui_.Help(), Qt::Key_Escape);
    EXPECT_FALSE(ui_.Help()->isVisible());
}

// A font chosen in a property window and kept as the kind's preferred options is the next
// operation's after a restart on the same ini file; "Rétablir les réglages d'origine" brings the
// factory font back as a change to undo, and leaves every kind's frame where it is.
TEST_F(Editor, PreferredOptionsOutliveARestartAndTheFactoryOnesComeBack) {
    FichIni() = folder_.file("vorlane.ini");
    TTestUi answers;
    ui_.SetUnattended(&answers);
    const auto fonte = [](TComposant* c) {
        return dynamic_cast<TvlOperation&>(*c).Reglages().Fonte.ToString();
    };
    TComposant* premiere = session().Document().Cree("Opération", 0);
    const std::string usine = fonte(premiere);
    window_.MenuComposant(*premiere)->findChild<QAction*>("miProprietes")->trigger();
    answers.fontAnswers = {"Andika,16,0,normal"};
    Ctl<QAbstractButton>(*window_.PropDock().Courante(), "btFonte1")->click();
    Ctl<QAbstractButton>(window_.PropDock(), "enregistrerPreferes")->click();

    MainWindow next(catalogue_, ui_);
    RegisterForms(ui_, next.PropDock());
    TComposant* seconde = next.Session().Document().Cree("Opération", 0);
    EXPECT_EQ(fonte(seconde), "Andika,16,0,normal");
    next.MenuComposant(*seconde);
    Ctl<QAbstractButton>(next.PropDock(), "retablirOrigine")->click();
    EXPECT_EQ(fonte(seconde), usine);
    EXPECT_TRUE(next.Session().CanUndo());

    for (const TTypeComposant& type : catalogue_.Types()) {
        TComposant* c = next.Session().Document().Cree(type.nom, 0);
        ASSERT_NE(c, nullptr) << type.nom;
        c->ChangeCoords({400, 500, 1300, 1400});
        const vlRect avant = c->Rect;
        c->RestaureStandard();
        EXPECT_EQ(c->Rect, avant) << type.nom;
    }
    ui_.SetUnattended(nullptr);
    FichIni() = std::string();
}

// The right-click menu: Dupliquer gives a second die with the same settings beside the first,
// Premier plan and Arrière-plan change which one is drawn on top, Supprimer removes it; a die
// has no editor of its own to offer, an operation has.
TEST_F(Editor, TheComponentMenuDuplicatesReordersAndDeletes) {
    TDocument& document = session().Document();
    TComposant* de = document.Cree("Dé", 0);
    std::string message;
    ASSERT_TRUE(de->ChangeCle("255", "CouleurPinceauCadre", message)) << message;
    const auto choisit = [this](TComposant& c, const char* entree) {
        const std::unique_ptr<QMenu> menu = window_.MenuComposant(c);
        menu->findChild<QAction*>(entree)->trigger();
    };
    const auto reglages = [](TComposant& c) {
        std::vector<TCleValeur> r = c.ReglagesFeuille();
        std::erase_if(r, [](const TCleValeur& v) { return v.cle == "Gauche" || v.cle == "Haut"; });
        return r;
    };
    EXPECT_FALSE(window_.MenuComposant(*de)->findChild<QAction*>("miEditer")->isVisible());
    TComposant* operation = document.Cree("Opération", 0);
    EXPECT_TRUE(window_.MenuComposant(*operation)->findChild<QAction*>("miEditer")->isVisible());

    choisit(*de, "miDupliquer");
    ASSERT_EQ(document.NbComposants(), 3);
    TComposant& copie = document.Composant(2);
    EXPECT_EQ(reglages(copie), reglages(*de));
    EXPECT_EQ(copie.Rect.left, de->Rect.left + 50);
    EXPECT_EQ(session().Selection(), &copie);
    choisit(*de, "miPremierPlan");
    EXPECT_EQ(&document.Composant(2), de);
    choisit(*de, "miArrierePlan");
    EXPECT_EQ(&document.Composant(0), de);
    const std::string nom = de->Nom();
    choisit(*de, "miSupprimer");
    EXPECT_EQ(document.TrouveComposant(nom), nullptr);
}

// A shape drawn out (its points on the ellipse), a point dragged inside its rectangle and undone,
// its count chosen in its window, saved and reopened; the selected shape shows its handles.
TEST_F(Editor, AShapeIsDrawnReshapedByAHandleUndoneAndReopened) {
    paletteButton(3)->click();
    drag({300, 400}, {1100, 800});
    auto& forme = dynamic_cast<TvlForme&>(session().Document().Composant(0));
    const auto absolu = [&](int k) { return forme.Pts()[std::size_t(k)] + forme.Rect.Centre(); };
    const vlRect cadre = forme.Rect;
    EXPECT_EQ(absolu(7), (vlPoint{cadre.left, cadre.Centre().y}));
    EXPECT_EQ(absolu(3), (vlPoint{cadre.right, cadre.Centre().y}));
    EXPECT_EQ(cadre.right % 50, 0) << "5 mm squares: the dragged corner snaps to the grid";
    const QImage choisie = view().grab().toImage();
    session().Select(nullptr);
    const QImage libre = view().grab().toImage();
    const QPoint poignee = view().ToWidget(absolu(1) + vlPoint{0, 8});
    EXPECT_NE(choisie.pixel(poignee), libre.pixel(poignee)) << "the handle covers the outline";
    session().Select(&forme);
    const std::vector<std::string> avant = forme.Description();
    drag(absolu(0), {700, 600});
    EXPECT_EQ(absolu(0), (vlPoint{700, 600}));
    EXPECT_EQ(forme.Rect, cadre);
    auto* undo = window_.findChild<QAction*>("annuler");
    EXPECT_EQ(undo->text(), "&Annuler la modification");
    undo->trigger();
    EXPECT_EQ(session().Document().Composant(0).Description(), avant);
    undo->parent()->findChild<QAction*>("retablir")->trigger();
    session().Select(&session().Document().Composant(0));
    window_.PropDock().Montre(&session().Document().Composant(0));
    auto* nombre = window_.PropDock().findChild<QComboBox*>("cbNbPoints");
    ASSERT_NE(nombre, nullptr);
    QTest::keyClick(nombre, Qt::Key_Down);
    auto& seize = dynamic_cast<TvlForme&>(session().Document().Composant(0));
    EXPECT_EQ(seize.NbPoints(), 16);
    auto* arrondi = window_.PropDock().findChild<QLineEdit*>("edDistance");
    EXPECT_EQ(arrondi->text(), "10") << "tenths of a centimetre";
    arrondi->setText("25");
    QTest::keyClick(arrondi, Qt::Key_Return);
    EXPECT_EQ(seize.Bloc().Distance, 250);
    // One drawn from a point off the page starts at the page's edge.
    paletteButton(3)->click();
    drag({-80, 500}, {400, 900});
    EXPECT_EQ(session().Selection()->Rect.left, session().Document().Page(0).ZoneUtile().left);
    std::string message;
    ASSERT_TRUE(session().SaveAs(path_, message)) << message;
    MainWindow reopened(catalogue_, ui_);
    ASSERT_EQ(reopened.OpenDocument(path_), MainWindow::OpenResult::Complete);
    EXPECT_EQ(stateOf(reopened.Session().Document()), stateOf(session().Document()));
}

// Every registered window and every kind of the palette has its page; every link (the guides
// included) leads to a page, and every page can be reached from the contents.
TEST_F(Editor, EveryWindowAndKindHasAHelpPageReachableFromTheContents) {
    const std::filesystem::path folder = std::string(VL_SOURCE_DIR) + "/data/help";
    std::vector<std::string> pages = ui_.FormNames();
    std::ranges::copy(window_.PropDock().PropFormNames(), std::back_inserter(pages));
    for (std::string& name : pages)
        name += ".md";
    for (const TTypeComposant& type : catalogue_.Types())
        if (type.indexPalette >= 0)
            pages.push_back(PageAide(type.numero, 0));
    for (const std::string& page : pages)
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / page)) << page << " is missing";
    const std::regex link(R"(\]\(([^)#:]+\.md)(#[^)]*)?\))");
    std::set<std::string> reached{"index.md"};
    std::vector<std::string> toRead{"index.md"};
    while (!toRead.empty()) {
        const std::string page = toRead.back();
        toRead.pop_back();
        std::string text;
        if (!ReadWholeFile((folder / page).string(), text))
            continue; // reported above, or below as a broken link
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / target))
                << page << " links to " << target;
            if (reached.insert(target).second)
                toRead.push_back(target);
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(reached.count(entry.path().filename().string()), 1u)
            << entry.path().filename() << " cannot be reached from index.md";
}

// The "Aide" button and F1 of every dialog, F1 and the help button of every property window
// and the help menu ask for the right page.
TEST_F(Editor, AideButtonsF1AndTheHelpMenuAskForThePageOfTheirWindow) {
    TTestUi recorder;
    const TScopedUi scoped(recorder);
    const auto asked = [&recorder](auto&& act) {
        recorder.shown.clear();
        act();
        return recorder.shown.size() == 1 ? recorder.shown[0].text : std::string("?");
    };
    // F1 of a window, activated as the key would.
    const auto f1 = [](QWidget& window) {
        for (QShortcut* shortcut : window.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
            if (shortcut->key() == QKeySequence(Qt::Key_F1))
                emit shortcut->activated();
    };
    for (const std::string& name : ui_.FormNames()) {
        std::unique_ptr<TFormModel> model;
        const std::unique_ptr<QDialog> dialog = ui_.MakeSampleForm(name, model);
        ASSERT_NE(dialog, nullptr) << name;
        const std::string page = DossierAide() + name + ".md";
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text().remove('&') == "Aide") {
                EXPECT_EQ(asked([button] { button->click(); }), page) << name;
            }
        EXPECT_EQ(asked([&] { f1(*dialog); }), page) << name << " F1";
    }
    for (const TTypeComposant& type : catalogue_.Types()) {
        TComposant* composant =
            type.cree && type.indexPalette >= 0 ? session().Document().Cree(type.nom, 0) : nullptr;
        if (composant == nullptr)
            continue;
        EXPECT_TRUE(window_.PropDock().HasPropForm(composant->NomProp())) << type.nom;
        window_.PropDock().Montre(composant);
        ASSERT_NE(window_.PropDock().Courante(), nullptr) << type.nom;
        const std::string page = DossierAide() + composant->NomProp() + ".md";
        EXPECT_EQ(asked([&] { f1(*window_.PropDock().Courante()); }), page) << type.nom;
        EXPECT_EQ(asked([this] { window_.findChild<QPushButton*>("aideFenetre")->click(); }), page);
    }
    EXPECT_EQ(asked([this] { trigger("aide_PremiersPas"); }), DossierAide() + "PremiersPas.md");
    EXPECT_EQ(asked([this] { QTest::keyClick(&view(), Qt::Key_F1); }), DossierAide() + "index.md");
}

// A built sheet changed in the editor is no longer what its command rebuilds: the key's foot
// drops the command, and undo brings it back.
TEST_F(Editor, AChangedSheetNoLongerNamesTheCommandThatBuiltIt) {
    const TOrigine origine{7, "mathsheet build f.txt --seed 7"};
    session().Document().ChangeOrigine(origine);
    std::string message;
    ASSERT_TRUE(session().SaveAs(path_, message)) << message;
    ASSERT_EQ(window_.OpenDocument(path_), MainWindow::OpenResult::Complete);
    ASSERT_NE(session().Document().TextePied().find(origine.Commande), std::string::npos);
    session().Document().Cree("Dé", 0);
    session().Committed();
    EXPECT_EQ(session().Document().TextePied(), "");
    trigger("annuler");
    EXPECT_EQ(session().Document().Origine(), origine);
}

// A sheet text becomes a document that exports back to the same text; a refused sheet names its
// line and leaves the open document as it was.
TEST_F(Editor, ImportedSheetExportsBackAndARefusedOneChangesNothing) {
    std::string message;
    ASSERT_TRUE(session().Import("[Page]\nCarreau = 0,5\n[Dé]\nNom = D\nValeur1 = 3\n[Grille]\n"
                                 "Texte = 1;1;x\n[Opération]\nHaut = 6\n",
                                 "f.txt", message))
        << message;
    ASSERT_EQ(session().Document().NbComposants(), 3);
    const std::string text = ExportSheet(session().Document());
    EXPECT_FALSE(session().Import("[Dé]\nValeur1 = 3\nValeur9 = 1\n", "g.txt", message));
    EXPECT_EQ(message.rfind("g.txt:3: clé inconnue «\u00A0Valeur9\u00A0»", 0), 0u) << message;
    EXPECT_EQ(ExportSheet(session().Document()), text);
    ASSERT_TRUE(session().Import(text, "h.txt", message)) << message;
    EXPECT_EQ(ExportSheet(session().Document()), text);
    EXPECT_FALSE(session().Modified());
}

// Fichier › Nouveau d'après un modèle: the sheet chosen in the dialog becomes a new, unnamed
// document with its title, the frame of its first instruction and its clocks.
TEST_F(Editor, ANewDocumentFromTheChosenReadyMadeSheet) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TChoixModele*>(QApplication::activeModalWidget());
        auto* liste = dialog->findChild<QListWidget*>("lbModeles");
        const auto rows = liste->findItems("ce1-heures", Qt::MatchStartsWith);
        liste->setCurrentItem(rows.value(0));
        dialog->btOkClick();
        if (dialog->isVisible()) // no such sheet: the dialog would wait for a choice
            dialog->reject();
    });
    trigger("nouveauModele");
    const TDocument& document = session().Document();
    EXPECT_EQ(std::tuple(document.Page(0).Titre, document.NbComposants(), session().Path()),
              std::tuple("Lire l'heure", 11, ""));
    EXPECT_EQ(std::pair(document.Composant(0).NomType, document.Composant(1).NomType),
              std::pair(std::string("Texte"), std::string("Montre")));
}

// The editor's saves and exports are staged: a full disk, a pipe, or the open document as an
// export's target leaves every old file byte for byte and no temporary, and the box says why.
TEST_F(Editor, SavesAndExportsAreAllOrNothingAndNeverReplaceTheOpenDocument) {
    std::signal(SIGXFSZ, SIG_IGN); // a write past the file size limit fails as on a full disk
    session().Document().Cree("Dé", 0);
    session().Committed();
    std::string message;
    ASSERT_TRUE(session().SaveAs(path_, message)) << message;
    const std::string document = ReadBack(path_);
    const std::string pipe = folder_.file("tube.vld");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((pipe + ".pdf").c_str(), 0600), 0);
    const std::string old = folder_.file("ancien");
    const std::string link = folder_.file("lien.pdf"); // to the open document
    std::filesystem::create_symlink(path_, link);
    struct Row {
        const char* action;
        std::string target, named; // no target: no dialog; nothing named: no message
        rlim_t fullAt;             // bytes a file may reach; 0 for no limit
    };
    const Row rows[] = {
        {"enregistrer", "", "n'a pas pu être enregistré", 40},
        {"enregistrerSous", old, "l'ancien fichier est intact", 40},
        {"enregistrerSous", pipe, "pas un fichier ordinaire", 0},
        {"exporterPdf", old + ".pdf", "Impossible d'écrire", 40},
        {"exporterPdf", pipe + ".pdf", "pas un fichier ordinaire", 0},
        {"exporterPdf", link, "est aussi une entrée", 0},
        {"exporterPdf", folder_.file("neuf.pdf"), "", 0},
        {"exporterFeuille", old, "Impossible d'écrire", 40},
        {"exporterFeuille", pipe, "pas un fichier ordinaire", 0},
        {"exporterFeuille", path_, "est aussi une entrée", 0},
        {"exporterFeuille", folder_.file("neuf.txt"), "", 0},
    };
    TTestUi answers;
    ui_.SetUnattended(&answers);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.action) + " " + row.target);
        folder_.put("ancien", "old");
        folder_.put("ancien.pdf", "old");
        answers.fileAnswers = {row.target};
        const std::size_t shown = answers.Messages().size();
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{row.fullAt == 0 ? saved.rlim_cur : row.fullAt, saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        trigger(row.action);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        const std::vector<std::string> messages = answers.Messages();
        EXPECT_EQ(messages.size(), shown + (row.named.empty() ? 0 : 1));
        if (!row.named.empty() && messages.size() > shown) {
            EXPECT_NE(messages.back().find(row.named), std::string::npos) << messages.back();
        }
        EXPECT_EQ(ReadBack(path_), document);
        EXPECT_EQ(ReadBack(old), "old");
        EXPECT_EQ(ReadBack(old + ".pdf"), "old");
        EXPECT_EQ(session().Path(), path_);
    }
    EXPECT_EQ(ReadBack(folder_.file("neuf.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(ReadBack(folder_.file("neuf.txt")), ExportSheet(session().Document()));
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".vl-")) << entry.path();
    }
    ui_.SetUnattended(nullptr);
}

// Nobody at the screen: a document not read whole is named on the error stream and gives 2.
TEST(EditorCommandLine, PicturesOfTheWindowAndOfOneForm) {
    FichIni() = std::string();
    TempFolder folder;
    const std::string picture = folder.file("capture.png");
    const QString png = QString::fromStdString(picture);
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    document.AjoutePage(TPlanche(TPlanche::Format::A4, false));
    document.Cree("Dé", 0);
    TMemoryStream bytes;
    ASSERT_TRUE(document.Ecrit(bytes));
    const std::string cut(bytes.Bytes().begin(), bytes.Bytes().begin() + 99);
    const std::string whole(bytes.Bytes().begin(), bytes.Bytes().end());
    const QString vld = QString::fromStdString(folder.put("d.vld", whole));
    const QString fifo = QString::fromStdString(folder.file("f.png"));
    ASSERT_EQ(::mkfifo(fifo.toStdString().c_str(), 0600), 0);
    const std::tuple<QStringList, int, std::string> cases[] = {
        {{"--show-form", "DeProp", "--screenshot", png}, 0, ""},
        {{"--screenshot", png}, 0, ""},
        {{"--show-form", "Inconnue", "--screenshot", png}, 2, "Inconnue"},
        {{"--screenshot"}, 1, "Utilisation"},
        {{"--screenshot", png, QString::fromStdString(folder.put("coupe.vld", cut))}, 2, "coupe"},
        {{"--screenshot", png, QString::fromStdString(folder.path())}, 2, folder.path()},
        {{"--screenshot", vld, vld}, 3, "est aussi une entrée"},
        {{"--screenshot", fifo}, 3, "pas un fichier ordinaire"},
    };
    for (const auto& [args, code, named] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        std::filesystem::remove(picture);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunEditor(args, out, err), code);
        EXPECT_NE(err.str().find(named), std::string::npos) << err.str();
        const QImage image(png);
        EXPECT_EQ(!image.isNull() && image.width() > 100, code == 0);
    }
    EXPECT_EQ(ReadBack(vld.toStdString()), whole);
}

} // namespace
