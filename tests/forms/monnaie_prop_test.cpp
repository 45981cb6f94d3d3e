// The coins' window beyond showing and sending its keys; the notes' and masses' share its code.
#include "forms_test_support.h"

#include "money/EuroPieces.h"
#include "money/forms/TEuroPiecesProp.h"

#include <QLabel>

namespace {

class EuroPiecesProp : public PropWindowTest<TvlEuroPieces, TEuroPiecesProp> {
protected:
    EuroPiecesProp() : PropWindowTest("Euro pièces") {
        Regle(composant_, {"NbPieces=0,1,2,3,4,5,6,7"}); // 23,72 €
        window_.Rafraichir();
    }
};

// Counts go as one list and the total follows; a refused sum says why and shows the total again.
TEST_F(EuroPiecesProp, CountsGoAsOneListAndARefusedSumGivesTheTotalBack) {
    Tape("edNombre2", "9");
    QTest::mouseClick(C<TUpDown>("UpDownNombre7")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(ListeComptes(composant_.Comptes()), "0,1,9,3,4,5,6,8");
    EXPECT_EQ(C<QLabel>("lbTotal")->text(), "Total\u00A0: 26,07 €");
    Tape("edSomme", "38,81");
    EXPECT_EQ(ui_.Messages(),
              std::vector<std::string>{"La somme doit être comprise entre 0 et 38,80 €"});
    EXPECT_EQ(C<QLineEdit>("edSomme")->text(), "26,07");
}

// The button "5" draws as the key sent by hand with 5 does from the same seed.
TEST_F(EuroPiecesProp, TheButtonFiveDrawsAtMostFiveOfEach) {
    TvlEuroPieces& temoin = Nouveau<TvlEuroPieces>("Euro pièces");
    SeedRandom(5);
    temoin.ChoixHasardPieces(5);
    SeedRandom(5);
    Clique("bt5");
    EXPECT_EQ(ListeComptes(composant_.Comptes()), ListeComptes(temoin.Comptes()));
}

} // namespace
