// What the operation's property window does beyond showing and sending its keys: the holes of
// each kind, the actions and fonts, the receivers.
#include "operation/forms/TOperProp.h"

#include "forms/forms_test_support.h"
#include "operation/Operation.h"
#include "operation/forms/ComboRecepteurs.h"

#include <QComboBox>
#include <QListWidget>
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
        MontrePage(C<QListWidget>(liste));
        C<QListWidget>(liste)->item(rang)->setCheckState(etat);
    }
    int trous(int type) const { return composant_.Reglages().PositionTrous[type]; }

    int redessins_ = 0;
};

TEST_F(OperPropTest, HolesOfEachKindActionsAndFonts) {
    coche("lbOperAdd", 3, Qt::Unchecked);
    coche("lbOperAdd", 1);
    EXPECT_EQ(trous(OP_ADDITION), 2);
    coche("lbOperAdd", 3);
    EXPECT_EQ(trous(OP_ADDITION), 10);
    MontrePage(C<QComboBox>("cbOperation"));
    C<QComboBox>("cbOperation")->setCurrentIndex(OP_DIVISION);
    EXPECT_EQ(C<QStackedWidget>("nbOper")->currentIndex(), OP_DIVISION);
    coche("lbOperDiv", 0);
    EXPECT_EQ(trous(OP_DIVISION), 5);
    EXPECT_EQ(trous(OP_ADDITION), 10);
    redessins_ = 0;
    int dialogues = 0;
    ui_.forms["ChoixOp2"] = [&dialogues](TFormModel&) {
        ++dialogues;
        return int(mrCancel);
    };
    for (TLigneOperandes& ligne : composant_.TableOperandes)
        ligne.fill(-1.0);
    composant_.TableOperandes[0] = {40, 2, -1, -1, -1};
    Clique("btCalculer");
    EXPECT_EQ(composant_.Description().back(), "40 : 2 = [2][0]\u00A0; [0][0]")
        << "from the table";
    Clique("SpeedButton1");
    EXPECT_EQ(composant_.Reglages().Fonte.NomPolice(), "CrayonL");
    Clique("btDefinirOperande");
    EXPECT_EQ(dialogues, 1);
    // Actions answer false without a message: nothing is shown, the document is redrawn.
    EXPECT_TRUE(ui_.Messages().empty());
    EXPECT_EQ(redessins_, 3);
    ui_.fontAnswers.push_back("Arial,20,0,gras");
    Clique("btFonte1");
    EXPECT_EQ(composant_.Reglages().Fonte.NomPolice(), "Arial");
    EXPECT_EQ(composant_.Reglages().FonteCorrige.Taille, 20) << "both fonts keep one size";
    Clique("btFonte2"); // the font dialog cancelled
    EXPECT_EQ(redessins_, 4);
}

TEST_F(OperPropTest, ReceiversAreAddedMovedAndRemoved) {
    TComposant* g1 = document_.Cree("Grille", 0);
    TComposant* g2 = document_.Cree("Grille", 0);
    auto* cbRec = C<TComboRecepteurs>("cbRec");
    MontrePage(cbRec);
    window_.cbRecDropDown();
    // "Surface propre", then the two grids; the last one added twice is kept once; "Surface
    // propre" brings the exercises back to the component.
    for (const auto& [rang, bouton, attendus] :
         std::vector<std::tuple<int, const char*, std::vector<TComposant*>>>{
             {1, "btTransfere", {g1}},
             {2, "btTransfere", {g1, g2}},
             {2, "btTransfere", {g1, g2}},
             {1, "btUp", {g2, g1}},
             {0, "btDown", {g1, g2}},
             {0, "btSupprime", {g2}},
             {0, "btTransfere", {}}}) {
        cbRec->setCurrentIndex(rang);
        C<QListWidget>("lbRec")->setCurrentRow(rang);
        Clique(bouton);
        EXPECT_EQ(composant_.Recepteurs, attendus) << bouton << rang;
        EXPECT_EQ(g1->Emetteurs.size(), size_t(std::count(attendus.begin(), attendus.end(), g1)));
    }
}

} // namespace
