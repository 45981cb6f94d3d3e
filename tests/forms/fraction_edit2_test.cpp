#include "fraction/forms/TFractionEdit2.h"

#include "common/forms/SuperGrille.h"
#include "forms/forms_test_support.h"
#include "fraction/FractionEdit2Logique.h"

#include <QPushButton>

namespace {

class FractionEdit2Test : public ::testing::Test {
protected:
    FractionEdit2Test() { dialogue_.show(); }
    // Every line 1/2 and 3/4.
    static FractionDonnees nombres() {
        FractionDonnees d;
        d.A.fill(1), d.B.fill(2), d.C.fill(3), d.D.fill(4);
        return d;
    }
    SuperGridModel& grille() { return dialogue_.findChild<TSuperGrille*>("Grille")->Grille(); }
    void tape(GridCoord cellule, const char* texte) {
        auto* g = dialogue_.findChild<TSuperGrille*>("Grille");
        grille().SelectCell(cellule);
        QTest::keyClicks(g, texte);
        QTest::keyClick(g, Qt::Key_Return);
    }

    TTestUi ui_;
    TScopedUi scoped_{ui_};
    FractionEdit2Modele modele_{nombres(), FR_DIVISION, "Fraction1"};
    TFractionEdit2 dialogue_{modele_};
};

// Only digits are typed; "Valider" refuses a 0 denominator or divisor naming line and column
// and stays open; closing with changes asks: Annuler stays, Non drops, Oui transfers.
TEST_F(FractionEdit2Test, ValidationRefusesAndClosingAsks) {
    grille().SelectCell({1, 1});
    QTest::keyClicks(dialogue_.findChild<TSuperGrille*>("Grille"), "x");
    EXPECT_FALSE(grille().Editing());
    EXPECT_EQ(grille().Cell(1, 1), "1");
    const auto valide = [this] { dialogue_.findChild<QPushButton*>("btValider")->click(); };
    for (const auto& [cellule, message] :
         {std::pair{GridCoord{2, 3},
                    "Ligne 3, colonne B\u00A0: un dénominateur ne peut pas être 0."},
          {GridCoord{3, 10}, "Ligne 10, colonne C\u00A0: on ne peut pas diviser par 0."}}) {
        tape(cellule, "0");
        valide();
        EXPECT_TRUE(dialogue_.isVisible());
        ASSERT_FALSE(ui_.shown.empty());
        EXPECT_EQ(ui_.shown.back().title, "ERREUR");
        EXPECT_EQ(ui_.shown.back().text, message);
        tape(cellule, "7");
    }
    EXPECT_EQ(modele_.Donnees.B[2], 2);

    ui_.messageAnswers = {IDCANCEL, IDNO};
    dialogue_.reject();
    EXPECT_TRUE(dialogue_.isVisible());
    EXPECT_EQ(ui_.shown.back().text, "Transférer les modifications vers le composant\u00A0?");
    dialogue_.reject();
    EXPECT_EQ(dialogue_.result(), mrCancel);
    EXPECT_EQ(modele_.Donnees.B[2], 2);

    dialogue_.show();
    ui_.messageAnswers = {IDYES};
    dialogue_.reject();
    EXPECT_EQ(dialogue_.result(), mrOk);
    EXPECT_EQ(modele_.Donnees.B[2], 7);
    EXPECT_EQ(modele_.Donnees.C[9], 7);
}

} // namespace
