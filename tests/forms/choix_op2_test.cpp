#include "operation/forms/TChoixOp2.h"

#include "common/forms/SuperGrille.h"
#include "forms/forms_test_support.h"
#include "operation/ChoixOp2Logique.h"
#include "operation/ChoixOp2Modele.h"
#include "operation/OperationFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace {

class ChoixOp2Test : public OperationFixture {
protected:
    // An addition dialog on a table of two rows.
    TChoixOp2& ouvre() {
        const TTableOperandes table = tableOperandes({{12, 7.5}, {1000, 999}});
        modele_ = std::make_unique<ChoixOp2Modele>(table, DefinitionStandard(), "Ops");
        dialogue_ = std::make_unique<TChoixOp2>(*modele_);
        dialogue_->show();
        return *dialogue_;
    }

    SuperGridModel& grille() { return dialogue_->Grille->Grille(); }

    void tapeDans(GridCoord cellule, const QString& texte) {
        grille().SelectCell(cellule);
        QTest::keyClicks(dialogue_->Grille, texte);
        QTest::keyClick(dialogue_->Grille, Qt::Key_Return);
    }

    static void remplace(QLineEdit* edit, const QString& texte) {
        edit->selectAll();
        QTest::keyClicks(edit, texte);
    }

    TTestUi ui_;
    TScopedUi scoped_{ui_};
    std::unique_ptr<ChoixOp2Modele> modele_;
    std::unique_ptr<TChoixOp2> dialogue_;
};

TEST_F(ChoixOp2Test, TypingRecomputesTheColumnAResultGivesTheOperandsGeneratingFills) {
    TChoixOp2& d = ouvre();
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Choix des opérandes\u00A0: Ops"));
    EXPECT_EQ(grille().Cell(1, 6), "19,5");
    tapeDans({3, 1}, "25.5");
    tapeDans({3, 2}, "4");
    EXPECT_EQ(grille().Cell(3, 1), "25,5");
    EXPECT_EQ(grille().Cell(3, 6), "29,5");

    tapeDans({5, 6}, "50");
    double somme = 0;
    for (int r = 1; r <= 5; ++r)
        somme += LitNombre(grille().Cell(5, r));
    EXPECT_DOUBLE_EQ(somme, 50);
    // The result row is protected from clearing.
    QTest::keyClick(d.Grille, Qt::Key_Delete);
    EXPECT_EQ(grille().Cell(5, 6), "50");

    // The clipboard is the system's.
    grille().SelectRange({1, 1, 2, 1});
    d.Grille->ActionCopierPressePapiers()->trigger();
    EXPECT_EQ(ui_.clipboard, "12\t1000\r\n");
    ui_.clipboard = "8\t9\r\n";
    grille().SelectCell({3, 1});
    d.Grille->ActionCollerPressePapiers()->trigger();
    EXPECT_EQ(grille().Cell(4, 1), "9");
    // Generating uses the edits on the selection.
    remplace(d.edMin, "200");
    remplace(d.edMax, "300");
    grille().SelectRange({3, 1, 6, 1});
    QTest::mouseClick(d.btGenerer, Qt::LeftButton);
    for (int c = 3; c <= 6; ++c)
        EXPECT_TRUE(LitNombre(grille().Cell(c, 1)) >= 200 && LitNombre(grille().Cell(c, 1)) < 300);
    EXPECT_EQ(grille().Cell(7, 1), "");
}

TEST_F(ChoixOp2Test, ABadTableKeepsTheDialogOpenAndAGoodOneIsWrittenWithTheSettings) {
    TChoixOp2& d = ouvre();
    tapeDans({4, 1}, "3");
    QTest::mouseClick(d.btValider, Qt::LeftButton);
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, "Opérande absent dans l'opération 4");
    EXPECT_TRUE(d.isVisible());

    tapeDans({4, 3}, "4");
    QTest::mouseClick(d.btAnnuler, Qt::LeftButton);
    EXPECT_EQ(d.result(), mrCancel);
    EXPECT_EQ(modele_->Table[2][0], -1.0);
    d.show();
    remplace(d.edMult1, "5");
    d.cbDec->setCurrentIndex(2);
    QTest::mouseClick(d.chkZeros, Qt::LeftButton);
    QTest::mouseClick(d.btValider, Qt::LeftButton);
    EXPECT_EQ(d.result(), mrOk);
    EXPECT_EQ(modele_->Table, tableOperandes({{12, 7.5}, {1000, 999}, {3, 4}}));
    EXPECT_EQ(modele_->Definition.Multiple1, 5);
    EXPECT_EQ(modele_->Definition.Decimales, 2);
    EXPECT_TRUE(modele_->Definition.PasDeZeros);
}

} // namespace
