// What the die's, the pie chart's and the clock's property windows do beyond showing and
// sending their keys.
#include "forms_test_support.h"

#include "pictures/Camembert.h"
#include "pictures/De.h"
#include "pictures/Montre.h"
#include "pictures/forms/TCamembertProp.h"
#include "pictures/forms/TDeProp.h"
#include "pictures/forms/TMontreProp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

class DeProp : public PropWindowTest<TvlDe, TDeProp> {
protected:
    DeProp() : PropWindowTest("Dé") { Regle(composant_, {"Valeur1=2", "Valeur2=5"}); }
};

TEST_F(DeProp, ADominoGetsItsSecondValueAndTheActions) {
    // A die has one value: the second half and the swap are for dominoes.
    EXPECT_FALSE(C<QLineEdit>("edValeur2")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("btPermuter")->isEnabled());
    C<QRadioButton>("rbDomino")->click();
    EXPECT_TRUE(C<QLineEdit>("edValeur2")->isEnabled());
    C<QPushButton>("btPermuter")->click();
    EXPECT_EQ(C<QLineEdit>("edValeur1")->text(), "5");
    EXPECT_EQ(C<QLineEdit>("edValeur2")->text(), "2");
}

TEST_F(DeProp, OrientationTurnsTheFrameOncePerChangeAndModesAreNeverBothDown) {
    Regle(composant_, {"Largeur=6"});
    // Clicking the side already chosen must not turn the frame back.
    for (const char* cote : {"rbVerticale", "rbVerticale"})
        C<QRadioButton>(cote)->click();
    EXPECT_EQ(composant_.Rect.Normalise().LireSize(), (vlSize{300, 600}));
    EXPECT_EQ(C<QLineEdit>("edSizeY")->text(), "6");
    C<QRadioButton>("rbHorizontale")->click();
    EXPECT_EQ(composant_.Rect.Normalise().LireSize(), (vlSize{600, 300}));

    C<QToolButton>("btEpreuve")->click();
    C<QToolButton>("btCorrige")->click();
    EXPECT_FALSE(C<QToolButton>("btEpreuve")->isChecked());
    C<QToolButton>("btCorrige")->click(); // raised: the answer is shown in neither
    EXPECT_EQ(composant_.Bloc().Mode, 0);
}

class CamembertProp : public PropWindowTest<TvlCamembert, TCamembertProp> {
protected:
    CamembertProp() : PropWindowTest("Camembert") {}
};

TEST_F(CamembertProp, TheArrowsTurnTheStartByATwentyFourthOfATurn) {
    Tape("edAngle", "345");
    QTest::mouseClick(C<TUpDown>("UpDown4")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(C<QLineEdit>("edAngle")->text(), "0");
    QTest::mouseClick(C<TUpDown>("UpDown4")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(composant_.Bloc().Angle, 15);
}

class MontreProp : public PropWindowTest<TvlMontre, TMontreProp> {
protected:
    using M = MontreOptions;
    MontreProp() : PropWindowTest("Montre") {
        Regle(composant_, {"StylePinceauHeure=2", "TaillePinceauSeconde=5"});
    }
    void Choisit(TMontreProp::Element element) {
        Page(C<QComboBox>("cbAiguille"));
        C<QComboBox>("cbAiguille")->setCurrentIndex(element);
    }
};

TEST_F(MontreProp, TheSelectorChoosesWhosePenAndBrushAreShownAndEdited) {
    const M avant = composant_.Bloc();
    Choisit(TMontreProp::AIGUILLE_HEURES);
    EXPECT_EQ(C<TPenStyleCombo>("cbPenStyle")->currentIndex(), psDot);
    EXPECT_TRUE(C<QGroupBox>("gbFond")->isEnabled());
    C<TBrushStyleCombo>("cbBrushStyle")->setCurrentIndex(bsCross);
    Choisit(TMontreProp::AIGUILLE_SECONDES);
    EXPECT_EQ(C<TCardinalEdit>("edTaillePen")->text(), "5");
    // The second hand is a line: nothing to fill.
    EXPECT_FALSE(C<QGroupBox>("gbFond")->isEnabled());
    Tape("edTaillePen", "8");
    Choisit(TMontreProp::MONTRE);
    EXPECT_EQ(composant_.Bloc().StyleBrosse[M::HEURE], bsCross);
    EXPECT_EQ(composant_.Bloc().TaillePinceau[M::SECONDE], 8);
    EXPECT_EQ(composant_.Bloc().TaillePinceau[M::CADRE], avant.TaillePinceau[M::CADRE]);
    EXPECT_EQ(composant_.Bloc().StyleBrosse[M::FOND], avant.StyleBrosse[M::FOND]);
}

TEST_F(MontreProp, TheLocalTimeAndTheFontButtons) {
    Regle(composant_, {"Temps=0"});
    C<QPushButton>("btHeureSysteme")->click();
    const M& b = composant_.Bloc();
    EXPECT_EQ(C<QLineEdit>("edHeure")->text(), QString::number(b.Heure));
    EXPECT_EQ(C<QLineEdit>("edMinute")->text(), QString::number(b.Minute));
    EXPECT_EQ(C<QLineEdit>("edSeconde")->text(), QString::number(b.Seconde));
    ui_.fontAnswers = {"Andika,20,0,gras"};
    C<QPushButton>("btFonte")->click();
    EXPECT_EQ(b.Police.Taille, 20);
}

} // namespace
