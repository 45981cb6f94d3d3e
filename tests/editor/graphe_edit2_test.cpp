// The chart data editor as a teacher uses it: typing in the transposed grid, the colour
// dialog, questions answered No, transfer; and in the editor, double-click, edit, save, reopen.
#include "../forms/forms_test_support.h"

#include "Forms.h"
#include "MainWindow.h"
#include "PageView.h"

#include "chart/forms/GrapheDialogues.h"
#include "chart/forms/TGrapheDialogues.h"
#include "chart/forms/TGrapheEdit2.h"
#include "host/forms/QtUserInterface.h"
#include "platform/TempFolder.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

class GrapheEdit2Test : public PicturePropTest {
protected:
    GrapheEdit2Test() { fenetre_.show(); }
    SuperGridModel& grille() { return Ctl<TSuperGrille>(fenetre_, "Grille")->Grille(); }
    void tape(GridCoord cellule, const char* texte) {
        grille().SelectCell(cellule);
        QTest::keyClicks(Ctl<TSuperGrille>(fenetre_, "Grille"), texte);
        if (grille().Editing())
            QTest::keyClick(Ctl<TSuperGrille>(fenetre_, "Grille"), Qt::Key_Return);
    }
    void action(const char* nom) { Ctl<QAction>(fenetre_, nom)->trigger(); }
    const PointEdition& point(int i) const { return modele_.series[0].points[std::size_t(i)]; }

    TvlGraphe& graphe_ = Nouveau<TvlGraphe>("Graphe"); // five bars "Vis"... at X 0..4
    GrapheEdit2Modele modele_{graphe_};
    TGrapheEdit2 fenetre_{modele_};
};

// Letters go to the label row only, the X and Y rows take numbers (a typed point becomes the
// comma), the colour row takes no typing.
TEST_F(GrapheEdit2Test, EachRowTakesWhatItHolds) {
    const struct {
        GridCoord cellule;
        const char* tape;
        std::string PointEdition::*champ;
        int point;
        const char* attendu;
    } cas[] = {{{1, kLigneX}, "x", &PointEdition::x, 0, "0"},
               {{1, kLigneLibelle}, "x", &PointEdition::libelle, 0, "x"},
               {{2, kLigneY}, "3.5e1", &PointEdition::y, 1, "3,5e1"},
               {{3, kLigneLibelle}, "3.5", &PointEdition::libelle, 2, "3.5"}};
    for (const auto& c : cas) {
        tape(c.cellule, c.tape);
        EXPECT_EQ(point(c.point).*c.champ, c.attendu) << c.tape;
    }
    tape({4, kLigneCouleur}, "7");
    EXPECT_EQ(point(3).couleur, clYellow);
    EXPECT_TRUE(fenetre_.Modifie());
}

// "Couleur..." colours the selected columns with the colour chosen, and no other.
TEST_F(GrapheEdit2Test, CouleurColoursTheSelectedPoints) {
    grille().SelectRange({2, kLigneLibelle, 3, kLigneY});
    ui_.colorAnswers = {TColor(0x123456)};
    action("acCouleur");
    const TColor attendues[] = {clRed, 0x123456, 0x123456, clYellow, clMaroon};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(point(i).couleur, attendues[i]) << i;
}

// A question answered No leaves the grid and the series as they were; Yes goes on.
TEST_F(GrapheEdit2Test, QuestionsAnsweredNoChangeNothing) {
    ui_.forms[ModeleTaille::Nom] = [](TFormModel& m) {
        dynamic_cast<ModeleTaille&>(m).colonnes = 3;
        return mrOk;
    };
    ui_.messageAnswers = {IDNO, IDNO};
    action("acRedimensionner");
    action("acSupprimerSerie");
    EXPECT_EQ(grille().ColCount(), 6);
    EXPECT_EQ(grille().Cell(5, kLigneLibelle), "Rivets");
    EXPECT_EQ(modele_.series.size(), 1u);
    std::vector<std::string> titres;
    for (const TTestUi::Shown& s : ui_.shown)
        if (s.kind == "message")
            titres.push_back(s.title);
    EXPECT_EQ(titres, (std::vector<std::string>{"SUPPRESSION DE DONNEES", "CONFIRMATION"}));
    ui_.messageAnswers = {IDYES};
    action("acRedimensionner");
    EXPECT_EQ(grille().ColCount(), 4);
    EXPECT_EQ(modele_.series[0].points.size(), 3u);
}

// A series without a type is refused with nothing changed; once it is gone "Transfère les
// données et ferme" writes the chart and closes. Closing with changes asks first.
TEST_F(GrapheEdit2Test, TransferWritesTheChartAndCloses) {
    EXPECT_FALSE(Ctl<QLineEdit>(fenetre_, "edMaxY")->isEnabled()) << "automatic axis";
    tape({1, kLigneY}, "42");
    action("acNouvelleSerie");
    action("acTransferer");
    EXPECT_TRUE(fenetre_.isVisible());
    EXPECT_EQ(ui_.shown.back().text, "Série 2\u00A0: le type de série n'est pas défini");
    EXPECT_NE(graphe_.Donnees().series[0].points[0].y, 42);
    action("acSupprimerSerie"); // empty: no question
    ui_.messageAnswers = {IDNO};
    fenetre_.reject();
    EXPECT_TRUE(fenetre_.isVisible());
    EXPECT_EQ(ui_.shown.back().text,
              "Les modifications n'ont pas été transférées au graphe. Les abandonner\u00A0?");
    Ctl<QPushButton>(fenetre_, "btTransferer")->click();
    EXPECT_FALSE(fenetre_.isVisible());
    EXPECT_EQ(fenetre_.result(), mrOk);
    EXPECT_EQ(graphe_.Donnees().series.size(), 1u);
    EXPECT_EQ(graphe_.Donnees().series[0].points[0].y, 42);
}

// The import dialog offers the document's grids by name; after OK the editor shows the linked
// cells at once and keeps the link by the grid's identifier.
TEST_F(GrapheEdit2Test, ImportOffersTheGridsAndShowsTheLinkedCells) {
    TComposant* source = document_.Cree("Grille", 0);
    Regle(*source, {"Colonnes=3", "Lignes=1", "Texte=1;1;8", "Texte=2;1;9,5", "Texte=3;1;7"});
    const std::uint64_t id = source->Identifiant();
    const std::string quatrieme = grille().Cell(4, kLigneY);
    std::vector<std::string> offertes;
    ui_.forms[ModeleImport::Nom] = [&offertes, id](TFormModel& m) {
        auto& d = dynamic_cast<ModeleImport&>(m);
        for (const GrilleSource& g : d.grilles)
            offertes.push_back(g.nom + "=" + std::to_string(g.id));
        d.lien.Source[2] = id; // Y from row 0
        return mrOk;
    };
    action("acImporter");
    EXPECT_EQ(offertes, std::vector<std::string>{source->Nom() + "=" + std::to_string(id)});
    EXPECT_EQ(grille().Cell(1, kLigneY), "8");
    EXPECT_EQ(grille().Cell(2, kLigneY), "9,5");
    EXPECT_EQ(grille().Cell(4, kLigneY), quatrieme);
    EXPECT_EQ(modele_.series[0].lien.Source[2], id);
}

// Each dialog writes back what was chosen on its controls, and only that.
TEST(GrapheDialogues, OkWritesTheChosenSettings) {
    ModeleOrdre ordre;
    ordre.noms = {"A", "B", "C"};
    ordre.visibles = {true, true, false};
    TGrapheOrdre o(ordre);
    auto* liste = Ctl<QListWidget>(o, "lstSeries");
    liste->setCurrentRow(2);
    o.Deplace(-1);
    o.Deplace(-1);
    o.Deplace(-1);                                // already first
    liste->item(2)->setCheckState(Qt::Unchecked); // B
    o.btOkClick();
    EXPECT_EQ(ordre.ordre, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(ordre.visibles, (std::vector<bool>{true, false, false}));

    ModeleSuite suite;
    TGrapheSuites s(suite);
    Ctl<QAbstractButton>(s, "rbSuite4")->click();
    Ctl<QAbstractButton>(s, "rbCasse2")->click();
    Ctl<QLineEdit>(s, "edDebut")->setText("13");
    s.btOkClick();
    EXPECT_EQ(suite.reglages.choix, 4);
    EXPECT_EQ(suite.reglages.casse, 2);
    EXPECT_EQ(suite.reglages.depart, 13);

    ModeleAleatoire aleatoire;
    TGrapheAleatoire a(aleatoire);
    Ctl<QAbstractButton>(a, "rbDiviser")->click();
    Ctl<QLineEdit>(a, "edFacteur")->setText("2,5");
    Ctl<QLineEdit>(a, "edMax")->setText("30");
    a.btOkClick();
    EXPECT_FALSE(aleatoire.reglages.multiplier);
    EXPECT_EQ(aleatoire.reglages.facteur, 2.5);
    EXPECT_EQ(aleatoire.reglages.maximum, 30);
    EXPECT_EQ(aleatoire.reglages.minimum, 0);

    ModeleImport import;
    import.grilles = {{"G1", 101}, { "G2", 102 }};
    import.lien.Source[0] = 101;
    TGrapheImport i(import);
    auto* couleur = Ctl<QWidget>(i, "Lien3");
    Ctl<QComboBox>(*couleur, "cbSource")->setCurrentIndex(2);
    Ctl<QAbstractButton>(*couleur, "rbColonne")->click();
    Ctl<QSpinBox>(*couleur, "edNumero")->setValue(4);
    i.btOkClick();
    EXPECT_EQ(import.lien.Source[0], 101u);
    EXPECT_EQ(import.lien.Source[3], 102u);
    EXPECT_EQ(import.lien.Colonne[3], 1);
    EXPECT_EQ(import.lien.Numero[3], 4);
    EXPECT_EQ(import.lien.Source[1] + import.lien.Source[2], 0u);
}

// In the editor: double-click the chart, type a value, apply, close; the chart keeps it through
// save and reopen.
TEST(GrapheEdit2Editor, DoubleClickEditSaveReopen) {
    FichIni() = std::string();
    SeedRandom(5);
    TQtUserInterface ui;
    TScopedUi scoped(ui);
    const TCatalogue catalogue = CataloguePaquet();
    MainWindow fenetre(catalogue, ui);
    RegisterForms(ui, fenetre.PropDock());
    fenetre.resize(1200, 900);
    fenetre.show();
    TComposant* cree = fenetre.Session().Document().Cree("Graphe", 0);
    ASSERT_NE(cree, nullptr);
    bool vu = false;
    QTimer::singleShot(0, [&vu] {
        auto* editeur = qobject_cast<TGrapheEdit2*>(QApplication::activeModalWidget());
        ASSERT_NE(editeur, nullptr);
        vu = true;
        auto* g = Ctl<TSuperGrille>(*editeur, "Grille");
        g->Grille().SelectCell({2, kLigneY});
        QTest::keyClicks(g, "17,5");
        QTest::keyClick(g, Qt::Key_Return);
        ASSERT_TRUE(editeur->AppliquerClick());
        EXPECT_TRUE(editeur->isVisible());
        editeur->reject(); // nothing left to transfer: no question
    });
    PageView& vue = fenetre.View();
    QTest::mouseDClick(&vue, Qt::LeftButton, {}, vue.ToWidget(cree->Rect.Centre()));
    ASSERT_TRUE(vu);
    EXPECT_TRUE(fenetre.Session().Modified()) << "the change is recorded, undoable";
    TempFolder dossier;
    std::string message;
    ASSERT_TRUE(fenetre.Session().SaveAs(dossier.file("graphe.vld"), message)) << message;
    MainWindow relue(catalogue, ui);
    ASSERT_EQ(relue.OpenDocument(dossier.file("graphe.vld")), MainWindow::OpenResult::Complete);
    const auto& graphe = dynamic_cast<const TvlGraphe&>(relue.Session().Document().Composant(0));
    EXPECT_EQ(graphe.Donnees().series[0].points[1].y, 17.5);
    EXPECT_EQ(graphe.Donnees().series[0].points[1].libelle, "Boulons");
}

} // namespace
