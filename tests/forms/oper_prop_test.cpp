// What the operation's property window does beyond showing and sending its keys: the holes of
// each kind, the actions and fonts, the receivers.
#include "operation/forms/TOperProp.h"

#include "forms/forms_test_support.h"
#include "operation/Operation.h"
#include "operation/forms/ComboRecepteurs.h"
#include "platform/Random.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

namespace {

class OperPropTest : public PropWindowTest<TvlOperation, TOperProp> {
protected:
    OperPropTest() : PropWindowTest("Opération") {
        SeedRandom(2024);
        window_.OnChange = [this] { ++redessins_; };
        window_.resize(320, 700);
    }

    void coche(const char* liste, int rang, Qt::CheckState etat = Qt::Checked) {
        Page(C<QListWidget>(liste));
        C<QListWidget>(liste)->item(rang)->setCheckState(etat);
    }
    void clique(const char* nom) {
        auto* bouton = C<QAbstractButton>(nom);
        Page(bouton);
        // Near the left edge: a wide check box only takes clicks on its box and caption.
        QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier,
                          QPoint(std::min(10, bouton->width() / 2), bouton->height() / 2));
    }
    int trous(int type) const { return composant_.Reglages().PositionTrous[type]; }

    int redessins_ = 0;
};

TEST_F(OperPropTest, EachKindHasItsPageAndItsHolesSentAsTheSumOfTheirBits) {
    EXPECT_EQ(C<QListWidget>("lbOperAdd")->item(3)->checkState(), Qt::Checked); // the sum
    coche("lbOperAdd", 3, Qt::Unchecked);
    coche("lbOperAdd", 1);
    EXPECT_EQ(trous(OP_ADDITION), 2);
    coche("lbOperAdd", 3);
    EXPECT_EQ(trous(OP_ADDITION), 10);
    Page(C<QComboBox>("cbOperation"));
    C<QComboBox>("cbOperation")->setCurrentIndex(OP_DIVISION);
    EXPECT_EQ(C<QStackedWidget>("nbOper")->currentIndex(), OP_DIVISION);
    coche("lbOperDiv", 0);
    EXPECT_EQ(trous(OP_DIVISION), 5);
    EXPECT_EQ(trous(OP_ADDITION), 10);
}

TEST_F(OperPropTest, ActionsAndFontButtons) {
    int dialogues = 0;
    ui_.forms["ChoixOp2"] = [&dialogues](TFormModel&) {
        ++dialogues;
        return int(mrCancel);
    };
    for (TLigneOperandes& ligne : composant_.TableOperandes)
        ligne.fill(-1.0);
    composant_.TableOperandes[0] = {40, 2, -1, -1, -1};
    clique("btCalculer");
    EXPECT_EQ(composant_.Description().back(), "40 + 2 = [4][2]") << "exercises from the table";
    clique("SpeedButton1");
    EXPECT_EQ(composant_.Reglages().Fonte.NomPolice(), "CrayonL");
    EXPECT_NE(C<QLabel>("lbFonte2")->text().indexOf("CrayonL"), -1);
    clique("btDefinirOperande");
    EXPECT_EQ(dialogues, 1);
    // Actions answer false without a message: nothing is shown, the document is redrawn.
    EXPECT_TRUE(ui_.Messages().empty());
    EXPECT_EQ(redessins_, 3);

    ui_.fontAnswers.push_back("Arial,20,0,gras");
    clique("btFonte1");
    EXPECT_EQ(composant_.Reglages().Fonte.NomPolice(), "Arial");
    EXPECT_EQ(composant_.Reglages().FonteCorrige.Taille, 20) << "both fonts keep one size";
    EXPECT_NE(C<QLabel>("lbFonte2")->text().indexOf("20"), -1);
    clique("btFonte2"); // the font dialog cancelled
    EXPECT_EQ(redessins_, 4);
}

TEST_F(OperPropTest, ReceiversAreAddedMovedAndRemoved) {
    TComposant* g1 = document_.Cree("Grille", 0);
    TComposant* g2 = document_.Cree("Grille", 0);
    auto* cbRec = C<TComboRecepteurs>("cbRec");
    auto* lbRec = C<QListWidget>("lbRec");
    Page(cbRec);
    window_.cbRecDropDown();
    ASSERT_EQ(cbRec->count(), 3); // "Surface propre" and the two grids
    for (int rang : {1, 2, 2}) {  // the last one is there already
        cbRec->setCurrentIndex(rang);
        clique("btTransfere");
    }
    EXPECT_EQ(g2->Emetteurs, (std::vector<TComposant*>{&composant_}));
    lbRec->item(1)->setSelected(true);
    clique("btUp");
    EXPECT_EQ(composant_.Recepteurs, (std::vector<TComposant*>{g2, g1}));
    clique("btDown");
    EXPECT_EQ(composant_.Recepteurs, (std::vector<TComposant*>{g1, g2}));
    lbRec->clearSelection();
    lbRec->item(0)->setSelected(true);
    clique("btSupprime");
    EXPECT_EQ(composant_.Recepteurs, (std::vector<TComposant*>{g2}));
    // "Surface propre" brings the exercises back to the component.
    cbRec->setCurrentIndex(0);
    clique("btTransfere");
    EXPECT_TRUE(composant_.Recepteurs.empty());
}

} // namespace
