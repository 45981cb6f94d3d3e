#include "pictures/forms/TDeProp.h"

#include "picture_prop_support.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/De.h"
#include "platform/Random.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

class DePropTest : public PicturePropTest {
protected:
    DePropTest() {
        Regle(de_, {"Valeur1=2", "Valeur2=5"});
        window_.FormCreate();
        window_.show();
    }

    TvlDe& de_ = Nouveau<TvlDe>("Dé");
    TDeProp window_{de_};
};

TEST_F(DePropTest, ShowsTheComponentsSettings) {
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edOrgX")->text(), "0");
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edSizeX")->text(), "3");
    EXPECT_EQ(Ctl<TCardinalEdit>(window_, "edTaillePen")->text(), "1");
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbDe")->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbHorizontale")->isChecked());
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur1")->text(), "2");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur2")->text(), "5");
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkActif")->isChecked());
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btEpreuve")->isChecked());
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
    // A die has one value: the second half and the swap are for dominoes.
    EXPECT_FALSE(Ctl<QLineEdit>(window_, "edValeur2")->isEnabled());
    EXPECT_FALSE(Ctl<QPushButton>(window_, "btPermuter")->isEnabled());
}

TEST_F(DePropTest, EditsSendTheirTextOnEnter) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edValeur1"), "4", false);
    EXPECT_EQ(de_.Bloc().Valeur1, 2);
    QTest::keyClick(Ctl<QLineEdit>(window_, "edValeur1"), Qt::Key_Return);
    EXPECT_EQ(de_.Bloc().Valeur1, 4);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur1")->selectedText(), "4");

    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TDecimalEdit>(window_, "edOrgX"), "2,5");
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TDecimalEdit>(window_, "edSizeY"), "4");
    EXPECT_EQ(de_.Rect, (vlRect{350, 100, 650, 500}));
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TCardinalEdit>(window_, "edTaillePen"), "12");
    EXPECT_EQ(de_.Bloc().TaillePinceau, 12);
}

TEST_F(DePropTest, ARefusedValueIsReportedAndTheEditShowsTheKeptOne) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edValeur1"), "7");
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_NE(ui_.Messages()[0].find("entre 0 et 6"), std::string::npos);
    EXPECT_EQ(de_.Bloc().Valeur1, 2);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur1")->text(), "2");

    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TCardinalEdit>(window_, "edTaillePen"), "1001");
    EXPECT_EQ(ui_.Messages().size(), 2u);
    EXPECT_EQ(Ctl<TCardinalEdit>(window_, "edTaillePen")->text(), "1");
}

TEST_F(DePropTest, UpDownsSendTheEditWhenReleased) {
    QTest::mousePress(Ctl<TUpDown>(window_, "UpDown2")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(de_.Bloc().Valeur1, 2);
    QTest::mouseRelease(Ctl<TUpDown>(window_, "UpDown2")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(de_.Bloc().Valeur1, 3);
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown1")->DownButton(), Qt::LeftButton);
    EXPECT_EQ(de_.Bloc().TaillePinceau, 0);
}

TEST_F(DePropTest, CombosSendTheirIndexAndColourButtonsTheColour) {
    Ctl<TPenStyleCombo>(window_, "cbPenStyle")->setCurrentIndex(2);
    Ctl<TBrushStyleCombo>(window_, "cbStylePoint")->setCurrentIndex(4);
    EXPECT_EQ(de_.Bloc().StylePinceau, psDot);
    EXPECT_EQ(de_.Bloc().StyleBrossePoint, 4);
    ui_.colorAnswers = {0x0000FF, 0x00FF00};
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulPoint"), Qt::LeftButton);
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulPinceau"), Qt::LeftButton);
    EXPECT_EQ(de_.Bloc().CouleurPoint, 0x0000FF);
    EXPECT_EQ(de_.Bloc().CouleurPinceau, 0x00FF00);
}

TEST_F(DePropTest, AColourOnAClearFaceShowsItSolid) {
    Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->setCurrentIndex(bsClear);
    ASSERT_EQ(de_.Bloc().StyleBrosse, bsClear);
    ui_.colorAnswers = {0x00FFFF};
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulBrosse"), Qt::LeftButton);
    EXPECT_EQ(de_.Bloc().CouleurBrosse, 0x00FFFF);
    EXPECT_EQ(de_.Bloc().StyleBrosse, bsSolid);
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->currentIndex(), bsSolid);
}

TEST_F(DePropTest, CheckBoxesSendOneOrZero) {
    Ctl<QCheckBox>(window_, "chkDetachable")->click();
    EXPECT_TRUE(de_.Detachable);
    Ctl<QCheckBox>(window_, "chkDetachable")->click();
    EXPECT_FALSE(de_.Detachable);
    Ctl<QCheckBox>(window_, "chkActif")->click();
    EXPECT_FALSE(de_.Activable());
}

TEST_F(DePropTest, ModeButtonsSendOneTwoOrZero) {
    Ctl<QToolButton>(window_, "btEpreuve")->click();
    EXPECT_EQ(de_.Bloc().Mode, 1);
    Ctl<QToolButton>(window_, "btCorrige")->click();
    EXPECT_EQ(de_.Bloc().Mode, 2);
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btEpreuve")->isChecked());
    EXPECT_TRUE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
    Ctl<QToolButton>(window_, "btCorrige")->click();
    EXPECT_EQ(de_.Bloc().Mode, 0);
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
}

TEST_F(DePropTest, ADominoGetsItsSecondValueAndTheActions) {
    Ctl<QRadioButton>(window_, "rbDomino")->click();
    EXPECT_EQ(de_.Bloc().Aspect, 1);
    EXPECT_TRUE(Ctl<QLineEdit>(window_, "edValeur2")->isEnabled());
    EXPECT_TRUE(Ctl<QPushButton>(window_, "btPermuter")->isEnabled());

    Ctl<QPushButton>(window_, "btPermuter")->click();
    EXPECT_EQ(de_.Bloc().Valeur1, 5);
    EXPECT_EQ(de_.Bloc().Valeur2, 2);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur1")->text(), "5");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur2")->text(), "2");

    SeedRandom(11);
    Ctl<QPushButton>(window_, "btAleatoire")->click();
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur1")->text(), QString::number(de_.Bloc().Valeur1));
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur2")->text(), QString::number(de_.Bloc().Valeur2));
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(DePropTest, OrientationTurnsTheFrameOncePerChange) {
    Regle(de_, {"Largeur=6"});
    window_.ChangeComposant(&de_);
    Ctl<QRadioButton>(window_, "rbVerticale")->click();
    EXPECT_EQ(de_.Bloc().Orientation, 1);
    EXPECT_EQ(de_.Rect.Normalise().LireSize(), (vlSize{300, 600}));
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edSizeX")->text(), "3");
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edSizeY")->text(), "6");
    // Clicking the side already chosen must not turn the frame back.
    Ctl<QRadioButton>(window_, "rbVerticale")->click();
    EXPECT_EQ(de_.Rect.Normalise().LireSize(), (vlSize{300, 600}));
    Ctl<QRadioButton>(window_, "rbHorizontale")->click();
    EXPECT_EQ(de_.Bloc().Orientation, 0);
    EXPECT_EQ(de_.Rect.Normalise().LireSize(), (vlSize{600, 300}));
}

TEST_F(DePropTest, SwitchingComponentsRefreshesWithoutSending) {
    TvlDe& autre = Nouveau<TvlDe>("Dé");
    Regle(autre, {"Aspect=1", "Orientation=1", "Valeur1=0", "Valeur2=6", "Mode=2",
                  "StylePinceauCadre=3", "StyleBrossePoint=6", "Detachable=1", "Actif=0"});
    const DeOptions avantDe = de_.Bloc();
    const DeOptions avantAutre = autre.Bloc();
    const vlRect rectDe = de_.Rect;
    const vlRect rectAutre = autre.Rect;

    window_.ChangeComposant(&autre);
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbDomino")->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbVerticale")->isChecked());
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur1")->text(), "0");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edValeur2")->text(), "6");
    EXPECT_TRUE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
    EXPECT_EQ(Ctl<TPenStyleCombo>(window_, "cbPenStyle")->currentIndex(), 3);
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbStylePoint")->currentIndex(), 6);
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkDetachable")->isChecked());
    EXPECT_FALSE(Ctl<QCheckBox>(window_, "chkActif")->isChecked());
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edSizeY")->text(), "3");

    window_.ChangeComposant(&de_);
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbHorizontale")->isChecked());
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
    EXPECT_TRUE(Memes(de_.Bloc(), avantDe));
    EXPECT_TRUE(Memes(autre.Bloc(), avantAutre));
    EXPECT_EQ(de_.Rect, rectDe);
    EXPECT_EQ(autre.Rect, rectAutre);
    EXPECT_FALSE(de_.Detachable);
    EXPECT_TRUE(autre.Detachable);
    EXPECT_FALSE(autre.Activable());
}

} // namespace
