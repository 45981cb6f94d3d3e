// What the operation's property window does beyond showing and sending its keys: the holes of
// each kind, the actions and fonts, the operand dialog, the receivers.
#include "operation/forms/TOperProp.h"

#include "forms/forms_test_support.h"
#include "operation/OperationFixture.h"
#include "operation/forms/ComboRecepteurs.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

namespace {

// An operation that records every option it receives.
class OperationEspion : public TvlOperation {
public:
    using TvlOperation::TvlOperation;
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override {
        envois.push_back(nom + "=" + valeur);
        return TvlOperation::ChangeOption(valeur, nom, message);
    }
    std::vector<std::string> envois;
};

class OperPropTest : public OperationFixture {
protected:
    OperPropTest() {
        window_.OnChange = [this] { ++redessins_; };
        window_.FormCreate();
        window_.resize(320, 700);
        window_.show();
    }

    OperationEspion& espion() {
        auto* op = static_cast<OperationEspion*>(
            document_.Ajoute(std::make_unique<OperationEspion>(&document_.Cadre(0)), 0));
        op->TermineConstruction();
        return *op;
    }

    void page(QWidget* controle) {
        auto* pages = Ctl<QTabWidget>(window_, "pcProp");
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(controle))
                pages->setCurrentIndex(i);
    }

    void coche(const char* liste, int rang, Qt::CheckState etat = Qt::Checked) {
        page(Ctl<QListWidget>(window_, liste));
        Ctl<QListWidget>(window_, liste)->item(rang)->setCheckState(etat);
    }

    void clique(const char* nom) {
        auto* bouton = Ctl<QAbstractButton>(window_, nom);
        page(bouton);
        QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier,
                          QPoint(std::min(10, bouton->width() / 2), bouton->height() / 2));
    }

    TTestUi ui_;
    TScopedUi scoped_{ui_};
    OperationEspion& op_ = espion();
    TOperProp window_{op_};
    int redessins_ = 0;
};

TEST_F(OperPropTest, EachKindHasItsPageAndItsHolesSentAsTheSumOfTheirBits) {
    // Factory holes: the sum of an addition.
    EXPECT_EQ(Ctl<QListWidget>(window_, "lbOperAdd")->item(3)->checkState(), Qt::Checked);
    coche("lbOperAdd", 3, Qt::Unchecked);
    op_.envois.clear();
    coche("lbOperAdd", 1);
    coche("lbOperAdd", 3);
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"PositionTrous=2", "PositionTrous=10"}));

    page(Ctl<QComboBox>(window_, "cbOperation"));
    Ctl<QComboBox>(window_, "cbOperation")->setCurrentIndex(OP_DIVISION);
    EXPECT_EQ(Ctl<QStackedWidget>(window_, "nbOper")->currentIndex(), OP_DIVISION);
    coche("lbOperDiv", 0);
    EXPECT_EQ(op_.Reglages().PositionTrous[OP_DIVISION], 5);
    EXPECT_EQ(op_.Reglages().PositionTrous[OP_ADDITION], 10);
}

TEST_F(OperPropTest, ActionsAndFontButtons) {
    for (const char* bouton : {"btCalculer", "SpeedButton1", "btDefinirOperande"})
        clique(bouton);
    EXPECT_EQ(op_.envois, (std::vector<std::string>{
                              "GenererCalcul=", "UtiliserCrayonGras=", "DefinirOperandes="}));
    EXPECT_NE(Ctl<QLabel>(window_, "lbFonte2")->text().indexOf("CrayonL"), -1);
    // Actions answer false without a message: nothing is shown, the document is redrawn.
    EXPECT_TRUE(ui_.Messages().empty());
    EXPECT_EQ(redessins_, 3);

    op_.envois.clear();
    ui_.fontAnswers.push_back("Arial,20,0,gras");
    clique("btFonte1");
    EXPECT_EQ(op_.envois, (std::vector<std::string>{"Fonte=Arial,20,0,gras"}));
    EXPECT_EQ(op_.Reglages().FonteCorrige.Taille, 20);
    EXPECT_NE(Ctl<QLabel>(window_, "lbFonte2")->text().indexOf("20"), -1);
    clique("btFonte2"); // the font dialog cancelled
    EXPECT_EQ(op_.envois.size(), 1u);
}

TEST_F(OperPropTest, ReceiversAreAddedMovedAndRemoved) {
    TComposant* g1 = document_.Cree("Grille", 0);
    TComposant* g2 = document_.Cree("Grille", 0);
    ASSERT_TRUE(g1 != nullptr && g2 != nullptr);
    auto* cbRec = Ctl<TComboRecepteurs>(window_, "cbRec");
    auto* lbRec = Ctl<QListWidget>(window_, "lbRec");
    page(cbRec);
    window_.cbRecDropDown();
    ASSERT_EQ(cbRec->count(), 3); // "Surface propre" and the two grids
    for (int rang : {1, 2, 2}) {  // the last one is there already
        cbRec->setCurrentIndex(rang);
        clique("btTransfere");
    }
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g1, g2}));
    EXPECT_EQ(g2->Emetteurs, (std::vector<TComposant*>{&op_}));
    ASSERT_EQ(lbRec->count(), 2);
    lbRec->item(1)->setSelected(true);
    clique("btUp");
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g2, g1}));
    clique("btDown");
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g1, g2}));
    lbRec->clearSelection();
    lbRec->item(0)->setSelected(true);
    clique("btSupprime");
    EXPECT_EQ(op_.Recepteurs, (std::vector<TComposant*>{g2}));
    EXPECT_TRUE(g1->Emetteurs.empty());
    // "Surface propre" brings the exercises back to the component.
    cbRec->setCurrentIndex(0);
    clique("btTransfere");
    EXPECT_TRUE(op_.Recepteurs.empty());
    EXPECT_GE(redessins_, 6);
    EXPECT_TRUE(op_.envois.empty());
}

} // namespace
