#include "pictures/forms/TCamembertProp.h"

#include "picture_prop_support.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/Camembert.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

namespace {

class CamembertPropTest : public PicturePropTest {
protected:
    CamembertPropTest() {
        window_.FormCreate();
        window_.show();
    }

    TvlCamembert& camembert_ = Nouveau<TvlCamembert>("Camembert");
    TCamembertProp window_{camembert_};
};

TEST_F(CamembertPropTest, ShowsTheComponentsSettings) {
    EXPECT_EQ(Ctl<TDecimalEdit>(window_, "edSizeX")->text(), "4");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNumerateur")->text(), "1");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edDenominateur")->text(), "4");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edAngle")->text(), "90");
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbAiguilles")->isChecked());
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkSecteurs")->isChecked());
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkRayon")->isChecked());
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->currentIndex(), bsClear);
    EXPECT_EQ(Ctl<TColorButton>(window_, "btCoulCamembert")->Color(), clBlue);
}

TEST_F(CamembertPropTest, TheFractionIsSentOnEnter) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edNumerateur"), "3", false);
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edDenominateur"), "8", false);
    EXPECT_EQ(camembert_.Bloc().Numerateur, 1);
    EXPECT_EQ(camembert_.Bloc().Denominateur, 4);
    QTest::keyClick(Ctl<QLineEdit>(window_, "edNumerateur"), Qt::Key_Return);
    QTest::keyClick(Ctl<QLineEdit>(window_, "edDenominateur"), Qt::Key_Return);
    EXPECT_EQ(camembert_.Bloc().Numerateur, 3);
    EXPECT_EQ(camembert_.Bloc().Denominateur, 8);
}

TEST_F(CamembertPropTest, AZeroDenominatorIsRefusedAndTheEditShowsTheKeptOne) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edDenominateur"), "0");
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0], "La valeur doit être comprise entre 1 et 1000.");
    EXPECT_EQ(ui_.shown.back().title, "ERREUR");
    EXPECT_EQ(camembert_.Bloc().Denominateur, 4);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edDenominateur")->text(), "4");
}

TEST_F(CamembertPropTest, AFullTurnShowsAsZero) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edAngle"), "360");
    EXPECT_EQ(camembert_.Bloc().Angle, 0);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edAngle")->text(), "0");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edAngle")->selectedText(), "0");

    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edAngle"), "345");
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown4")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(camembert_.Bloc().Angle, 0);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edAngle")->text(), "0");
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown4")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(camembert_.Bloc().Angle, 15);
}

TEST_F(CamembertPropTest, UpDownsKeepTheirKeysRange) {
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown3")->DownButton(), Qt::LeftButton);
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown3")->DownButton(), Qt::LeftButton);
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown3")->DownButton(), Qt::LeftButton);
    EXPECT_EQ(camembert_.Bloc().Denominateur, 1);
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown3")->DownButton(), Qt::LeftButton);
    EXPECT_EQ(camembert_.Bloc().Denominateur, 1);
    EXPECT_TRUE(ui_.Messages().empty());
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown2")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(camembert_.Bloc().Numerateur, 2);
}

TEST_F(CamembertPropTest, ListsRadiosAndChecksSendOnChange) {
    Ctl<TBrushStyleCombo>(window_, "cbStyleCamembert")->setCurrentIndex(bsCross);
    EXPECT_EQ(camembert_.Bloc().StyleBrosseCamembert, bsCross);
    Ctl<TPenStyleCombo>(window_, "cbPenStyle")->setCurrentIndex(psDash);
    EXPECT_EQ(camembert_.Bloc().StylePinceau, psDash);
    Ctl<QRadioButton>(window_, "rbInverse")->click();
    EXPECT_EQ(camembert_.Bloc().Sens, 1);
    Ctl<QRadioButton>(window_, "rbAiguilles")->click();
    EXPECT_EQ(camembert_.Bloc().Sens, 0);
    Ctl<QCheckBox>(window_, "chkSecteurs")->click();
    EXPECT_EQ(camembert_.Bloc().MontrerSecteurs, 0);
    Ctl<QCheckBox>(window_, "chkRayon")->click();
    EXPECT_EQ(camembert_.Bloc().MontrerRayon, 0);
    Ctl<QCheckBox>(window_, "chkRayon")->click();
    EXPECT_EQ(camembert_.Bloc().MontrerRayon, 1);
    ui_.colorAnswers = {0x0080FF};
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulCamembert"), Qt::LeftButton);
    EXPECT_EQ(camembert_.Bloc().CouleurCamembert, 0x0080FF);
}

TEST_F(CamembertPropTest, ModeButtonsSendOneTwoOrZero) {
    Ctl<QToolButton>(window_, "btCorrige")->click();
    EXPECT_EQ(camembert_.Bloc().Mode, 2);
    Ctl<QToolButton>(window_, "btEpreuve")->click();
    EXPECT_EQ(camembert_.Bloc().Mode, 1);
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
    Ctl<QToolButton>(window_, "btEpreuve")->click();
    EXPECT_EQ(camembert_.Bloc().Mode, 0);
}

TEST_F(CamembertPropTest, AColourOnTheClearDiscShowsItSolid) {
    ui_.colorAnswers = {0x00FFFF};
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulBrosse"), Qt::LeftButton);
    EXPECT_EQ(camembert_.Bloc().StyleBrosse, bsSolid);
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->currentIndex(), bsSolid);
}

TEST_F(CamembertPropTest, SwitchingComponentsRefreshesWithoutSending) {
    TvlCamembert& autre = Nouveau<TvlCamembert>("Camembert");
    Regle(autre, {"Numerateur=5", "Denominateur=6", "Angle=30", "Sens=1", "MontrerSecteurs=0",
                  "StyleBrosseCamembert=4", "StyleBrosseFond=0", "Mode=1"});
    const CamembertOptions avant = camembert_.Bloc();
    const CamembertOptions avantAutre = autre.Bloc();

    window_.ChangeComposant(&autre);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNumerateur")->text(), "5");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edDenominateur")->text(), "6");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edAngle")->text(), "30");
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbInverse")->isChecked());
    EXPECT_FALSE(Ctl<QCheckBox>(window_, "chkSecteurs")->isChecked());
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbStyleCamembert")->currentIndex(), 4);
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->currentIndex(), bsSolid);
    EXPECT_TRUE(Ctl<QToolButton>(window_, "btEpreuve")->isChecked());

    window_.ChangeComposant(&camembert_);
    EXPECT_TRUE(Ctl<QRadioButton>(window_, "rbAiguilles")->isChecked());
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btEpreuve")->isChecked());
    EXPECT_TRUE(Memes(camembert_.Bloc(), avant));
    EXPECT_TRUE(Memes(autre.Bloc(), avantAutre));
}

} // namespace
