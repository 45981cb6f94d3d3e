#include "common/forms/SuperGrille.h"
#include "dots/GenSeries.h"
#include "dots/RelierEditLogique.h"
#include "dots/forms/TGenSeries.h"
#include "dots/forms/TRelierEdit.h"
#include "dots/forms/TZoneRelier.h"
#include "forms/forms_test_support.h"

#include <QComboBox>
#include <QPushButton>

namespace {

// The result window accepted at once, as a click on "Appliquer" would.
class GenSeriesAppliquee : public TGenSeries {
public:
    using TGenSeries::TGenSeries;
    bool MontreResultat(const std::vector<PaireSerie>&) override { return true; }
};

class RelierFormsTest : public ::testing::Test {
protected:
    RelierFormsTest() {
        dialogue_.resize(700, 700);
        dialogue_.show();
        zone_ = dialogue_.findChild<TZoneRelier*>("PaintBox");
    }
    void clic(const char* bouton) { Ctl<QAbstractButton>(dialogue_, bouton)->click(); }

    TTestUi ui_;
    TScopedUi scoped_{ui_};
    static JeuPoints unPoint() {
        JeuPoints jeu;
        jeu.Points = {{0.5, 0.5, "1+1", "2"}};
        return jeu;
    }

    JeuPoints jeu_ = unPoint();
    RelierEditLogique modele_{jeu_, 96, 96};
    TRelierEdit dialogue_{modele_};
    TZoneRelier* zone_ = nullptr;
};

TEST_F(RelierFormsTest, MouseModesGridAndClosing) {
    const auto [x, y] = modele_.Pixels(modele_.Places[0]);
    QTest::mouseClick(zone_, Qt::LeftButton, {}, {20, 30});
    QTest::mouseClick(zone_, Qt::LeftButton, {}, {60, 30});
    QTest::mouseClick(zone_, Qt::RightButton, {}, {0, 0});
    ASSERT_EQ(modele_.Places.size(), 2u);
    clic("btDeplace");
    QTest::mousePress(zone_, Qt::LeftButton, {}, {x + 3, y});
    QTest::mouseMove(zone_, {10, 10});
    QTest::mouseRelease(zone_, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(modele_.Pixels(modele_.Places[0]), std::pair(10, 10));
    clic("btSupprime");
    QTest::mouseClick(zone_, Qt::LeftButton, {}, {20, 30});
    EXPECT_EQ(modele_.Places.size(), 1u);

    auto* grille = dialogue_.findChild<TSuperGrille*>("Grille");
    MontrePage(grille);
    grille->Grille().SelectCell({1, 1});
    QTest::keyClicks(grille, "7");
    QTest::keyClick(grille, Qt::Key_Return);
    ui_.messageAnswers = {mrCancel};
    dialogue_.reject();
    EXPECT_TRUE(dialogue_.isVisible());
    EXPECT_EQ(ui_.shown.back().title, "FERMETURE");
    clic("btSortie");
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    modele_.Transfere(jeu_);
    EXPECT_EQ(jeu_.Points[0].Etiquette, "7");
}

// "Calculer" with a predefined series, accepted: the grid takes the pairs.
TEST_F(RelierFormsTest, GeneratorFillsTheGrid) {
    ui_.forms["GenSeries"] = [](TFormModel& m) {
        GenSeriesAppliquee generateur(dynamic_cast<GenSeries&>(m));
        auto* liste = Ctl<QComboBox>(generateur, "cbPredefinies");
        liste->setCurrentIndex(2);
        emit liste->activated(2);
        return mrOk;
    };
    SeedRandom(8);
    clic("btGenerateur");
    const SuperGridModel& g = dialogue_.findChild<TSuperGrille*>("Grille")->Grille();
    EXPECT_EQ(g.Cell(2, 1), "2");
    EXPECT_EQ(g.Cell(1, 1), "1 + 1");
    EXPECT_EQ(modele_.Generateur.Formule, "a + b");
}

TEST(GenSeriesForm, SyntaxErrorKeepsTheDialogOpen) {
    TTestUi ui;
    TScopedUi scoped{ui};
    GenSeries modele(JeuPoints{}, 3);
    TGenSeries dialogue(modele);
    dialogue.show();
    Ctl<QLineEdit>(dialogue, "edFormule")->setText("(1 + 2");
    Ctl<QAbstractButton>(dialogue, "btDefinir")->click();
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown.back().title, "ERREUR");
    EXPECT_NE(ui.shown.back().text.find("(1 + 2 [<>] "), std::string::npos);
    EXPECT_TRUE(dialogue.isVisible());
    EXPECT_EQ(Ctl<QLineEdit>(dialogue, "edFormule")->text(), "(1 + 2");
}

} // namespace
