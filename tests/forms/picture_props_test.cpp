// What the die's, the pie chart's, the clock's, the abacus's, the blocks', the thermometer's
// and the test tube's property windows do beyond showing and sending their keys.
#include "forms_test_support.h"

#include "pictures/Boulier.h"
#include "pictures/Camembert.h"
#include "pictures/Cube.h"
#include "pictures/De.h"
#include "pictures/Eprouvette.h"
#include "pictures/Montre.h"
#include "pictures/Thermometre.h"
#include "pictures/forms/TBoulierProp.h"
#include "pictures/forms/TCamembertProp.h"
#include "pictures/forms/TCubeProp.h"
#include "pictures/forms/TDeProp.h"
#include "pictures/forms/TEprouvetteProp.h"
#include "pictures/forms/TMontreProp.h"
#include "pictures/forms/TThermometreProp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

namespace {

class DeProp : public PropWindowTest<TvlDe, TDeProp> {
protected:
    DeProp() : PropWindowTest("Dé") { Regle(composant_, {"Valeur1=2", "Valeur2=5"}); }
};

// A die has one value: the second half and the swap are for dominoes. Clicking the side
// already chosen must not turn the frame back.
TEST_F(DeProp, ADominoGetsItsSecondValueAndTheOrientationTurnsTheFrameOnce) {
    EXPECT_FALSE(C<QLineEdit>("edValeur2")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("btPermuter")->isEnabled());
    Clique("rbDomino");
    EXPECT_TRUE(C<QLineEdit>("edValeur2")->isEnabled());
    Clique("btPermuter");
    EXPECT_EQ(C<QLineEdit>("edValeur1")->text(), "5");
    EXPECT_EQ(C<QLineEdit>("edValeur2")->text(), "2");
    Regle(composant_, {"Largeur=6"});
    for (const char* cote : {"rbVerticale", "rbVerticale"})
        Clique(cote);
    EXPECT_EQ(composant_.Rect.Normalise().LireSize(), (vlSize{300, 600}));
    EXPECT_EQ(C<QLineEdit>("edSizeY")->text(), "6");
    Clique("rbHorizontale");
    EXPECT_EQ(composant_.Rect.Normalise().LireSize(), (vlSize{600, 300}));
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
        MontrePage(C<QComboBox>("cbAiguille"));
        C<QComboBox>("cbAiguille")->setCurrentIndex(element);
    }
};

// The selector chooses whose pen and brush are shown and edited; the second hand is a line,
// with nothing to fill.
TEST_F(MontreProp, TheHandSelectorTheLocalTimeAndTheFont) {
    const M avant = composant_.Bloc();
    Choisit(TMontreProp::AIGUILLE_HEURES);
    EXPECT_EQ(C<TPenStyleCombo>("cbPenStyle")->currentIndex(), psDot);
    EXPECT_TRUE(C<QGroupBox>("gbFond")->isEnabled());
    C<TBrushStyleCombo>("cbBrushStyle")->setCurrentIndex(bsCross);
    Choisit(TMontreProp::AIGUILLE_SECONDES);
    EXPECT_EQ(C<TCardinalEdit>("edTaillePen")->text(), "5");
    EXPECT_FALSE(C<QGroupBox>("gbFond")->isEnabled());
    Tape("edTaillePen", "8");
    const M& b = composant_.Bloc();
    EXPECT_TRUE(b.StyleBrosse[M::HEURE] == bsCross && b.TaillePinceau[M::SECONDE] == 8);
    EXPECT_TRUE(b.TaillePinceau[M::CADRE] == avant.TaillePinceau[M::CADRE] &&
                b.StyleBrosse[M::FOND] == avant.StyleBrosse[M::FOND]);
    Regle(composant_, {"Temps=0"});
    Clique("btHeureSysteme");
    EXPECT_EQ(C<QLineEdit>("edHeure")->text(), QString::number(b.Heure));
    EXPECT_EQ(C<QLineEdit>("edMinute")->text(), QString::number(b.Minute));
    EXPECT_EQ(C<QLineEdit>("edSeconde")->text(), QString::number(b.Seconde));
    ui_.fontAnswers = {"Andika,20,0,gras"};
    Clique("btFonte");
    EXPECT_EQ(b.Police.Taille, 20);
}

class BoulierProp : public PropWindowTest<TvlBoulier, TBoulierProp> {
protected:
    BoulierProp() : PropWindowTest("Boulier") {}
};

// Each radio button sends its place; any working mode but the first two shows as colouring.
TEST_F(BoulierProp, TypeAndWorkingModeGroupsSendTheirPlaces) {
    EXPECT_EQ(C<QRadioButton>("rbFonct1")->text(), "déplacer les boules ");
    for (const auto& [bouton, type, fonctionnement] :
         {std::tuple("rbType4", 4, 1), {"rbFonct2", 4, 2}, {"rbType2", 2, 2}, {"rbFonct0", 2, 0}}) {
        Clique(bouton);
        EXPECT_EQ(std::tuple(composant_.Bloc().TypeBoulier, composant_.Bloc().Fonctionnement),
                  std::tuple(type, fonctionnement));
    }
    Regle(composant_, {"Fonctionnement=7"});
    window_.Rafraichir();
    EXPECT_TRUE(C<QRadioButton>("rbFonct2")->isChecked());
}

class CubeProp : public PropWindowTest<TvlCube, TCubeProp> {
protected:
    CubeProp() : PropWindowTest("Cube décimal") {}
};

// The sizes are typed in half millimetres; fitting the frame shows its new size.
TEST_F(CubeProp, SizesInHalfMillimetresAndFittingTheFrame) {
    Regle(composant_, {"NombreCube=1234"});
    Tape("edTaille", "4");
    Tape("edIntervalle", "4");
    EXPECT_EQ(C<QLineEdit>("edTaille")->text(), "4");
    Clique("btAjusterTaille");
    // (200 + 20) + 100 + 2 (200 + 20) + 7 (20 + 20) + 6
    EXPECT_EQ(composant_.Rect.Normalise().LireSize(), (vlSize{1046, 300}));
    EXPECT_EQ(C<QLineEdit>("edSizeX")->text(), "10,46");
}

class ThermometreProp : public PropWindowTest<TvlThermometre, TThermometreProp> {
protected:
    ThermometreProp() : PropWindowTest("Thermomètre") {}
};

// Each unit button sends its code; the arrows of one end of the scale stop before the other.
TEST_F(ThermometreProp, UnitsAndTheEndsOfTheScale) {
    const ThermometreOptions& b = composant_.Bloc();
    for (const auto& [bouton, gauche, droite] :
         {std::tuple("rbGaucheFahrenheit", 1, 3), std::tuple("rbDroiteKelvin", 1, 2),
          std::tuple("rbGaucheAucun", 3, 2), std::tuple("rbDroiteCelsius", 3, 0)}) {
        Clique(bouton);
        EXPECT_EQ(std::pair(int(b.LibelleTemperatureGauche), int(b.LibelleTemperatureDroite)),
                  std::pair(gauche, droite))
            << bouton;
    }
    Tape("edMaximum", "-10");
    Tape("edMinimum", "-12");
    QTest::mouseClick(C<TUpDown>("UpDown2")->UpButton(), Qt::LeftButton);
    QTest::mouseClick(C<TUpDown>("UpDown2")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(C<QLineEdit>("edMinimum")->text(), "-11");
    EXPECT_TRUE(ui_.Messages().empty());
}

class EprouvetteProp : public PropWindowTest<TvlEprouvette, TEprouvetteProp> {
protected:
    EprouvetteProp() : PropWindowTest("Eprouvette") {}
};

// The window gives the tube's inside in centimetres and the volumes in millilitres; a volume
// computed from the size is shown, not typed.
TEST_F(EprouvetteProp, SizesInCentimetresAndVolumesInMillilitres) {
    Tape("edSizeX", "2");
    Tape("edSizeY", "10");
    EXPECT_EQ(C<QLabel>("lbLargeurInterieure")->text(), "Largeur\u00A0: 1,43 cm");
    EXPECT_EQ(C<QLabel>("lbHauteurGraduee")->text(), "Hauteur graduée\u00A0: 9,27 cm");
    Tape("edVolumeLiquide", "6,5");
    Clique("rbDl");
    EXPECT_EQ(std::pair(composant_.Bloc().VolumeLiquide, composant_.Bloc().Libelles),
              std::pair(650, 2));
    Clique("rbRecalcule");
    EXPECT_TRUE(C<QLineEdit>("edVolume")->isHidden());
    EXPECT_EQ(C<QLabel>("lbVolumeCalcule")->text(), "14,85 (calculé)");
    Clique("rbForce");
    Tape("edVolume", "12,5");
    EXPECT_EQ(composant_.Bloc().Volume, 1250);
}

} // namespace
