#include "pictures/forms/TMontreProp.h"

#include "picture_prop_support.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/Montre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

#include <ctime>

namespace {

using M = MontreOptions;

// Seconds since midnight, local time.
int SecondesLocales() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
}

class MontrePropTest : public PicturePropTest {
protected:
    MontrePropTest() {
        Regle(montre_, {"Temps=45296", // 12:34:56
                        "StylePinceauHeure=2", "CouleurBrosseHeure=255",
                        "CouleurPinceauMinute=65280", "TaillePinceauSeconde=5"});
        window_.FormCreate();
        window_.show();
    }

    void Choisit(TMontreProp::Element element) {
        Page(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QComboBox>(window_, "cbAiguille"));
        Ctl<QComboBox>(window_, "cbAiguille")->setCurrentIndex(element);
    }

    TvlMontre& montre_ = Nouveau<TvlMontre>("Montre");
    TMontreProp window_{montre_};
};

TEST_F(MontrePropTest, ShowsTheTimeAndTheDialsSettings) {
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edHeure")->text(), "12");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edMinute")->text(), "34");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edSeconde")->text(), "56");
    EXPECT_EQ(Ctl<QComboBox>(window_, "cbAiguille")->currentIndex(), TMontreProp::MONTRE);
    EXPECT_EQ(Ctl<TPenStyleCombo>(window_, "cbPenStyle")->currentIndex(), psSolid);
    EXPECT_EQ(Ctl<TColorButton>(window_, "btCoulBrosse")->Color(), clWhite);
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkChiffres")->isChecked());
}

TEST_F(MontrePropTest, TimeFieldsSendOnEnterAndWithTheirArrows) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edHeure"), "7");
    EXPECT_EQ(montre_.Bloc().Heure, 7);
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edMinute"), "5", false);
    EXPECT_EQ(montre_.Bloc().Minute, 34);
    QTest::keyClick(Ctl<QLineEdit>(window_, "edMinute"), Qt::Key_Enter);
    EXPECT_EQ(montre_.Bloc().Minute, 5);
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown4")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(montre_.Bloc().Seconde, 57);
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown2")->DownButton(), Qt::LeftButton);
    EXPECT_EQ(montre_.Bloc().Heure, 6);
}

TEST_F(MontrePropTest, AnHourOutOfRangeIsRefusedAndTheFieldShowsTheKeptOne) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edHeure"), "24");
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0], "La valeur doit être comprise entre 0 et 23.");
    EXPECT_EQ(montre_.Bloc().Heure, 12);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edHeure")->text(), "12");
}

TEST_F(MontrePropTest, TheLocalTimeButtonSetsTheClockAndShowsIt) {
    const int avant = SecondesLocales();
    Ctl<QPushButton>(window_, "btHeureSysteme")->click();
    const int apres = SecondesLocales();
    const M& b = montre_.Bloc();
    const int t = b.Heure * 3600 + b.Minute * 60 + b.Seconde;
    // Around midnight the two readings may fall on either side of it.
    if (avant <= apres) {
        EXPECT_GE(t, avant);
        EXPECT_LE(t, apres);
    }
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edHeure")->text(), QString::number(b.Heure));
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edMinute")->text(), QString::number(b.Minute));
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edSeconde")->text(), QString::number(b.Seconde));
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(MontrePropTest, TheSelectorChoosesWhosePenAndBrushAreShown) {
    const M avant = montre_.Bloc();
    Choisit(TMontreProp::AIGUILLE_HEURES);
    EXPECT_EQ(Ctl<TPenStyleCombo>(window_, "cbPenStyle")->currentIndex(), psDot);
    EXPECT_EQ(Ctl<TColorButton>(window_, "btCoulBrosse")->Color(), 255);
    EXPECT_TRUE(Ctl<QGroupBox>(window_, "gbFond")->isEnabled());
    Choisit(TMontreProp::AIGUILLE_MINUTES);
    EXPECT_EQ(Ctl<TPenStyleCombo>(window_, "cbPenStyle")->currentIndex(), psSolid);
    EXPECT_EQ(Ctl<TColorButton>(window_, "btCoulPinceau")->Color(), 65280);
    Choisit(TMontreProp::AIGUILLE_SECONDES);
    EXPECT_EQ(Ctl<TCardinalEdit>(window_, "edTaillePen")->text(), "5");
    // The second hand is a line: nothing to fill.
    EXPECT_FALSE(Ctl<QGroupBox>(window_, "gbFond")->isEnabled());
    Choisit(TMontreProp::MONTRE);
    EXPECT_EQ(Ctl<TCardinalEdit>(window_, "edTaillePen")->text(), "1");
    EXPECT_TRUE(Memes(montre_.Bloc(), avant));
}

TEST_F(MontrePropTest, TheStyleControlsEditTheChosenPart) {
    Choisit(TMontreProp::AIGUILLE_MINUTES);
    Ctl<TPenStyleCombo>(window_, "cbPenStyle")->setCurrentIndex(psDash);
    Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->setCurrentIndex(bsCross);
    ui_.colorAnswers = {0x0000FF};
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulBrosse"), Qt::LeftButton);
    EXPECT_EQ(montre_.Bloc().StylePinceau[M::MINUTE], psDash);
    EXPECT_EQ(montre_.Bloc().StyleBrosse[M::MINUTE], bsCross);
    EXPECT_EQ(montre_.Bloc().CouleurBrosse[M::MINUTE], 0x0000FF);
    EXPECT_EQ(montre_.Bloc().StylePinceau[M::CADRE], psSolid);
    EXPECT_EQ(montre_.Bloc().CouleurBrosse[M::FOND], clWhite);

    Choisit(TMontreProp::AIGUILLE_SECONDES);
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TCardinalEdit>(window_, "edTaillePen"), "8");
    EXPECT_EQ(montre_.Bloc().TaillePinceau[M::SECONDE], 8);
    EXPECT_EQ(Ctl<TCardinalEdit>(window_, "edTaillePen")->selectedText(), "8");

    Choisit(TMontreProp::MONTRE);
    QTest::mouseClick(Ctl<TUpDown>(window_, "UpDown1")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(montre_.Bloc().TaillePinceau[M::CADRE], 2);
    EXPECT_EQ(montre_.Bloc().TaillePinceau[M::SECONDE], 8);
    EXPECT_EQ(montre_.Bloc().TaillePinceau[M::HEURE], 1);
}

TEST_F(MontrePropTest, TheFrameWidthKeepsItsRangeCheck) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<TCardinalEdit>(window_, "edTaillePen"), "2000");
    EXPECT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(Ctl<TCardinalEdit>(window_, "edTaillePen")->text(), "1");
    EXPECT_EQ(montre_.Bloc().TaillePinceau[M::CADRE], 1);
    EXPECT_EQ(Ctl<QComboBox>(window_, "cbAiguille")->currentIndex(), TMontreProp::MONTRE);
}

TEST_F(MontrePropTest, AColourOnAClearBackgroundShowsItSolid) {
    Choisit(TMontreProp::MONTRE);
    Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->setCurrentIndex(bsClear);
    ui_.colorAnswers = {0x00FFFF};
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulBrosse"), Qt::LeftButton);
    EXPECT_EQ(montre_.Bloc().StyleBrosse[M::FOND], bsSolid);
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->currentIndex(), bsSolid);
}

TEST_F(MontrePropTest, ChecksFontAndModeButtons) {
    Ctl<QCheckBox>(window_, "chkSeconde")->click();
    Ctl<QCheckBox>(window_, "chkChiffres")->click();
    EXPECT_EQ(montre_.Bloc().MontrerSeconde, 0);
    EXPECT_EQ(montre_.Bloc().MontrerChiffres, 0);
    EXPECT_EQ(montre_.Bloc().MontrerHeure, 1);

    ui_.fontAnswers = {"Andika,20,0,gras"};
    Ctl<QPushButton>(window_, "btFonte")->click();
    EXPECT_EQ(montre_.Bloc().Police.NomPolice(), "Andika");
    EXPECT_EQ(montre_.Bloc().Police.Taille, 20);

    Ctl<QToolButton>(window_, "btEpreuve")->click();
    EXPECT_EQ(montre_.Bloc().Mode, 1);
    Ctl<QToolButton>(window_, "btCorrige")->click();
    EXPECT_EQ(montre_.Bloc().Mode, 2);
    Ctl<QToolButton>(window_, "btCorrige")->click();
    EXPECT_EQ(montre_.Bloc().Mode, 0);
}

TEST_F(MontrePropTest, SwitchingComponentsRefreshesWithoutSending) {
    TvlMontre& autre = Nouveau<TvlMontre>("Montre");
    Regle(autre,
          {"Temps=3600", "MontrerMinute=0", "Mode=2", "StylePinceauCadre=1", "StyleBrosseFond=1"});
    Choisit(TMontreProp::AIGUILLE_HEURES);
    const M avant = montre_.Bloc();
    const M avantAutre = autre.Bloc();

    window_.ChangeComposant(&autre);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edHeure")->text(), "1");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edMinute")->text(), "0");
    EXPECT_FALSE(Ctl<QCheckBox>(window_, "chkMinute")->isChecked());
    EXPECT_TRUE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
    Choisit(TMontreProp::MONTRE);
    EXPECT_EQ(Ctl<TPenStyleCombo>(window_, "cbPenStyle")->currentIndex(), psDash);
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->currentIndex(), bsClear);

    window_.ChangeComposant(&montre_);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edHeure")->text(), "12");
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkMinute")->isChecked());
    EXPECT_FALSE(Ctl<QToolButton>(window_, "btCorrige")->isChecked());
    EXPECT_TRUE(Memes(montre_.Bloc(), avant));
    EXPECT_TRUE(Memes(autre.Bloc(), avantAutre));
}

} // namespace
