// What the coins' property window does beyond showing and sending its keys; the notes' and the
// masses' windows share its code.
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
    std::string Comptes() const { return ListeComptes(composant_.Comptes()); }
};

// A count typed or stepped sends every count: the others stay, and the total follows.
TEST_F(EuroPiecesProp, OneCountChangedSendsTheWholeList) {
    Tape("edNombre2", "9");
    EXPECT_EQ(Comptes(), "0,1,9,3,4,5,6,7");
    QTest::mouseClick(C<TUpDown>("UpDownNombre7")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Comptes(), "0,1,9,3,4,5,6,8");
    EXPECT_EQ(C<QLabel>("lbTotal")->text(), "Total : 26,07 €");
    EXPECT_EQ(C<QLineEdit>("edSomme")->text(), "26,07");
    Tape("edNombre0", "11");
    EXPECT_EQ(Comptes(), "0,1,9,3,4,5,6,8");
    EXPECT_EQ(C<QLineEdit>("edNombre0")->text(), "0");
}

// Each button draws with its own bound, as the key sent by hand does from the same seed.
TEST_F(EuroPiecesProp, EachDrawButtonSendsItsNumber) {
    for (const int n : {1, 2, 5, 10}) {
        TvlEuroPieces& temoin = Nouveau<TvlEuroPieces>("Euro pièces");
        std::string message;
        SeedRandom(unsigned(n));
        temoin.ChangeOption(std::to_string(n), "ChoixHasardPieces", message);
        SeedRandom(unsigned(n));
        Clique(("bt" + std::to_string(n)).c_str());
        EXPECT_EQ(Comptes(), ListeComptes(temoin.Comptes())) << n;
        EXPECT_EQ(C<QLineEdit>("edNombre7")->text().toInt(), composant_.Comptes()[7]) << n;
    }
    EXPECT_TRUE(ui_.Messages().empty());
}

// A sum taken shows its coins; a refused one shows why and the field gives the total back.
TEST_F(EuroPiecesProp, ASumIsDecomposedOrRefusedWithItsRange) {
    struct Cas {
        const char* somme;
        const char* comptes;
        const char* champ;
    };
    for (const Cas& cas :
         {Cas{"38,81", "0,1,2,3,4,5,6,7", "23,72"}, Cas{"-1", "0,1,2,3,4,5,6,7", "23,72"},
          Cas{"0,57", "0,1,1,0,0,1,0,0", "0,57"}}) {
        const std::size_t avant = ui_.Messages().size();
        Tape("edSomme", cas.somme);
        EXPECT_EQ(Comptes(), cas.comptes) << cas.somme;
        EXPECT_EQ(C<QLineEdit>("edSomme")->text(), cas.champ) << cas.somme;
        const bool refus = std::string(cas.somme) != "0,57";
        ASSERT_EQ(ui_.Messages().size(), avant + (refus ? 1 : 0)) << cas.somme;
        if (refus) {
            EXPECT_EQ(ui_.Messages().back(), "La somme doit être comprise entre 0 et 38,80 €");
        }
    }
}

} // namespace
