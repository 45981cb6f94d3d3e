#include "sudoku/forms/TSudokuProp.h"

#include "picture_prop_support.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "platform/Random.h"
#include "platform/TempFolder.h"
#include "sudoku/Sudoku.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuDiaImages.h"
#include "sudoku/SudokuGeneration.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

std::string texte(const std::vector<std::string>& lignes) {
    std::string t;
    for (const std::string& ligne : lignes)
        t += (t.empty() ? "" : "\n") + ligne;
    return t;
}

class SudokuPropTest : public PicturePropTest {
protected:
    SudokuPropTest() {
        SeedRandom(3);
        window_.OnChange = [this] { ++changements_; };
        window_.FormCreate();
        window_.show();
    }

    // A database of generated 9 x 9 puzzles of levels 1 to 3; returns the records' keys.
    std::vector<CleBase> Base(const std::string& nom, int nombre) {
        TRandom alea(99);
        for (int i = 0; i < nombre; ++i) {
            const GrilleGeneree g = ::GenereGrille(tg9x9, 1 + i % 3, 0, alea);
            std::string probleme(81, '0');
            for (size_t k = 0; k < 81; ++k)
                if (g.Cases[k] >= 1 && g.Cases[k] <= 9)
                    probleme[k] = char('0' + g.Cases[k]);
            std::string message;
            EXPECT_TRUE(AjouteEnBase(g.Stat, nom, tg9x9, probleme, message)) << message;
        }
        std::vector<CleBase> cles;
        FichierBaseSudoku base;
        std::string message;
        EXPECT_TRUE(OuvreBaseLecture(nom, base, message)) << message;
        EnregistrementBase e;
        for (std::int64_t k = 0; base.LitEnregistrement(k, e); ++k)
            cles.push_back(e.Cle);
        return cles;
    }

    std::string Cases(const TvlSudoku& s) const {
        return std::string(reinterpret_cast<const char*>(s.Bloc().Cases), 81);
    }

    TvlSudoku& sudoku_ = Nouveau<TvlSudoku>("Sudoku");
    TSudokuProp window_{sudoku_};
    TempFolder dossier_;
    int changements_ = 0;
};

TEST_F(SudokuPropTest, ShowsTheComponentsSettings) {
    EXPECT_EQ(window_.objectName(), "SudokuProp");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edSizeX")->text(), "9");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edTaillePen")->text(), "10");
    EXPECT_EQ(Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->currentIndex(), bsClear);
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rgTypeGrille")->checkedId(), tg9x9);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNiveau")->text(), "3");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNbValeurs")->text(), "0");
    EXPECT_EQ(Ctl<TColorButton>(window_, "btCouleurCorrige")->Color(), 255);
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkAjuster")->isChecked());
    EXPECT_FALSE(Ctl<QCheckBox>(window_, "chkTransparent")->isChecked());
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkActif")->isChecked());
    EXPECT_EQ(Ctl<QPlainTextEdit>(window_, "mmInformation")->toPlainText().toStdString(),
              texte(sudoku_.Informations()));
    EXPECT_EQ(Ctl<QLabel>(window_, "lbPathBdd")->text(), "Sudoku17.dat");
    ASSERT_EQ(Ctl<QListWidget>(window_, "clbRegles")->count(), TailleCle);
    EXPECT_EQ(Ctl<QListWidget>(window_, "clbRegles")->item(1)->text(), "Cand. unique caché");
    // No search has found a record yet: nothing to move through.
    EXPECT_FALSE(Ctl<QPushButton>(window_, "btSuivant")->isEnabled());
    EXPECT_EQ(changements_, 0);
}

TEST_F(SudokuPropTest, EditsSendTheirTextOnEnterAndShowTheNewPuzzle) {
    const std::string avant = Cases(sudoku_);
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edNiveau"), "1", false);
    EXPECT_EQ(sudoku_.Bloc().Niveau, 3);
    QTest::keyClick(Ctl<QLineEdit>(window_, "edNiveau"), Qt::Key_Return);
    EXPECT_EQ(sudoku_.Bloc().Niveau, 1);
    EXPECT_NE(Cases(sudoku_), avant);
    EXPECT_EQ(Ctl<QPlainTextEdit>(window_, "mmInformation")->toPlainText().toStdString(),
              texte(sudoku_.Informations()));

    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edNbValeurs"), "40");
    EXPECT_EQ(sudoku_.Bloc().NbValeurs, 40);
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edTaillePen"), "25");
    EXPECT_EQ(sudoku_.Bloc().TaillePinceau, 25);
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edOrgX"), "2,5");
    EXPECT_EQ(sudoku_.Rect.Normalise().left, 350);
    EXPECT_GE(changements_, 4);
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(SudokuPropTest, ARefusedValueIsReportedAndTheEditShowsTheKeptOne) {
    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edNiveau"), "5");
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(sudoku_.Bloc().Niveau, 3);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNiveau")->text(), "3");

    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edNbValeurs"), "90");
    EXPECT_EQ(ui_.Messages().size(), 2u);
    EXPECT_EQ(sudoku_.Bloc().NbValeurs, 0);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNbValeurs")->text(), "0");

    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edEnrCourant"), "40000");
    EXPECT_EQ(ui_.Messages().size(), 3u);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edEnrCourant")->text(), "0");
}

TEST_F(SudokuPropTest, UpDownsSendTheEditWhenReleased) {
    QTest::mousePress(Ctl<TUpDown>(window_, "udNiveau")->DownButton(), Qt::LeftButton);
    EXPECT_EQ(sudoku_.Bloc().Niveau, 3);
    QTest::mouseRelease(Ctl<TUpDown>(window_, "udNiveau")->DownButton(), Qt::LeftButton);
    EXPECT_EQ(sudoku_.Bloc().Niveau, 2);
    QTest::mouseClick(Ctl<TUpDown>(window_, "udNbValeurs")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(sudoku_.Bloc().NbValeurs, 1);
}

TEST_F(SudokuPropTest, GridTypeCombosAndCheckBoxes) {
    Ctl<QButtonGroup>(window_, "rgTypeGrille")->button(tg4x4)->click();
    EXPECT_EQ(sudoku_.Bloc().TypeGrille, tg4x4);
    EXPECT_EQ(sudoku_.NbValeursGrille(), 4);
    EXPECT_EQ(Ctl<QPlainTextEdit>(window_, "mmInformation")->toPlainText().toStdString(),
              texte(sudoku_.Informations()));

    Ctl<TPenStyleCombo>(window_, "cbPenStyle")->setCurrentIndex(psDash);
    EXPECT_EQ(sudoku_.Bloc().StylePinceau, psDash);
    Ctl<TBrushStyleCombo>(window_, "cbBrushStyle")->setCurrentIndex(bsSolid);
    EXPECT_EQ(sudoku_.Bloc().StyleBrosse, bsSolid);

    Ctl<QCheckBox>(window_, "chkAjuster")->click();
    EXPECT_EQ(sudoku_.Bloc().RespecterProportions, 0);
    Ctl<QCheckBox>(window_, "chkTransparent")->click();
    EXPECT_EQ(sudoku_.Bloc().Transparent, 1);
    Ctl<QCheckBox>(window_, "chkDetachable")->click();
    EXPECT_TRUE(sudoku_.Detachable);
    Ctl<QCheckBox>(window_, "chkActif")->click();
    EXPECT_FALSE(sudoku_.Activable());
}

TEST_F(SudokuPropTest, ColourAndFontButtons) {
    ui_.colorAnswers = {0x00FF00, 0x123456};
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCouleurCorrige"), Qt::LeftButton);
    EXPECT_EQ(sudoku_.Bloc().CouleurCorrige, 0x00FF00);
    QTest::mouseClick(Ctl<TColorButton>(window_, "btCoulPinceau"), Qt::LeftButton);
    EXPECT_EQ(sudoku_.Bloc().CouleurPinceau, 0x123456);

    ui_.fontAnswers = {"Liberation Serif,20,255,italique"};
    Ctl<QPushButton>(window_, "btFonte")->click();
    EXPECT_EQ(sudoku_.Bloc().Police.NomPolice(), "Liberation Serif");
    EXPECT_EQ(sudoku_.Bloc().Police.Taille, 20);
    EXPECT_EQ(Ctl<QLabel>(window_, "lbFonteCourante")->text(),
              "Liberation Serif, 20 points, italique");

    // The cursive font keeps the colour.
    Ctl<QPushButton>(window_, "btFonteCursive")->click();
    EXPECT_EQ(sudoku_.Bloc().Police.NomPolice(), "CrayonL");
    EXPECT_EQ(sudoku_.Bloc().Police.Taille, 18);
    EXPECT_EQ(sudoku_.Bloc().Police.Style, fsBold);
    EXPECT_EQ(sudoku_.Bloc().Police.Couleur, 255);
}

TEST_F(SudokuPropTest, ActionButtonsWorkOnTheGrid) {
    const std::string avant = Cases(sudoku_);
    SeedRandom(11);
    Ctl<QPushButton>(window_, "btConstruire")->click();
    const std::string construite = Cases(sudoku_);
    EXPECT_NE(construite, avant);

    Ctl<QPushButton>(window_, "btCopier")->click();
    EXPECT_EQ(ui_.clipboard.substr(0, 13), "*-----------*");

    ui_.clipboard = "*-----*\r\n|12|34|\r\n|34|12|\r\n|--+--|\r\n|21|43|\r\n|43|2.|\r\n*-----*\r\n";
    Ctl<QPushButton>(window_, "btColler")->click();
    EXPECT_EQ(sudoku_.Bloc().TypeGrille, tg4x4);
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rgTypeGrille")->checkedId(), tg4x4);
    EXPECT_EQ(sudoku_.Bloc().Cases[15], 11) << "the hidden 1 of the last cell";

    Ctl<QPushButton>(window_, "btTransforme")->click();
    int cachees = 0;
    for (int i = 0; i < 16; ++i)
        cachees += sudoku_.Bloc().Cases[i] >= 11;
    EXPECT_EQ(cachees, 1);

    TPicture image;
    ASSERT_TRUE(image.LoadFromBytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0,
                                     0,    13,  'I', 'H', 'D',  'R',  0,    0,    0, 8,
                                     0,    0,   0,   8,   8,    2,    0,    0,    0}));
    sudoku_.ChangeImage(4, image);
    Ctl<QPushButton>(window_, "btEffacerImages")->click();
    EXPECT_TRUE(sudoku_.Image(4).Empty());
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(SudokuPropTest, AdvancedSearchButtonsOpenTheDialog) {
    std::vector<bool> enregistre;
    ui_.forms[SudokuDiaGenereModele::NomFiche] = [&](TFormModel& m) {
        enregistre.push_back(dynamic_cast<SudokuDiaGenereModele&>(m).Enregistre);
        return mrCancel;
    };
    Ctl<QPushButton>(window_, "btRechercheAvancee")->click();
    Ctl<QPushButton>(window_, "btRechercheAvancee2")->click();
    EXPECT_EQ(enregistre, (std::vector<bool>{false, true}));
}

TEST_F(SudokuPropTest, PicturesDialogOkGoesIntoTheComponent) {
    TPicture image;
    ASSERT_TRUE(image.LoadFromBytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0,
                                     0,    13,  'I', 'H', 'D',  'R',  0,    0,    0, 9,
                                     0,    0,   0,   9,   8,    2,    0,    0,    0}));
    int reponse = mrCancel;
    ui_.forms[SudokuDiaImagesModele::NomFiche] = [&](TFormModel& m) {
        auto& modele = dynamic_cast<SudokuDiaImagesModele&>(m);
        modele.ChangeImage(7, image);
        if (reponse == mrOk)
            modele.Valide();
        return reponse;
    };
    Ctl<QPushButton>(window_, "btChargerImages")->click();
    EXPECT_TRUE(sudoku_.Image(7).Empty());
    EXPECT_EQ(changements_, 0);
    reponse = mrOk;
    Ctl<QPushButton>(window_, "btChargerImages")->click();
    EXPECT_EQ(sudoku_.Image(7), image);
    EXPECT_EQ(changements_, 1);
}

TEST_F(SudokuPropTest, DatabasePageOpensFiltersAndMoves) {
    const std::string nom = dossier_.file("grilles.dat");
    const std::vector<CleBase> cles = Base(nom, 8);
    ui_.fileAnswers = {nom};
    Ctl<QPushButton>(window_, "btOuvrirBdd")->click();
    EXPECT_EQ(std::string(sudoku_.Bloc().PathBdd), nom);
    EXPECT_EQ(Ctl<QLabel>(window_, "lbPathBdd")->text(), "grilles.dat");
    EXPECT_EQ(sudoku_.Bloc().PremierTrouve, 0);
    EXPECT_TRUE(Ctl<QPushButton>(window_, "btSuivant")->isEnabled());

    // Records that use hidden singles (counter 1).
    std::vector<int> trouves;
    for (int k = 0; k < int(cles.size()); ++k)
        if (cles[size_t(k)][1] != 0)
            trouves.push_back(k);
    ASSERT_GE(trouves.size(), 3u);
    Ctl<QListWidget>(window_, "clbRegles")->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(sudoku_.Bloc().Filtre[1], 1);
    EXPECT_EQ(sudoku_.Bloc().EnrCourant, trouves[0]);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edEnrCourant")->text(), QString::number(trouves[0]));

    Ctl<QPushButton>(window_, "btSuivant")->click();
    EXPECT_EQ(sudoku_.Bloc().EnrCourant, trouves[1]);
    Ctl<QPushButton>(window_, "btDernier")->click();
    EXPECT_EQ(sudoku_.Bloc().EnrCourant, trouves.back());
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edEnrCourant")->text(), QString::number(trouves.back()));
    Ctl<QPushButton>(window_, "btPrecedent")->click();
    EXPECT_EQ(sudoku_.Bloc().EnrCourant, trouves[trouves.size() - 2]);
    Ctl<QPushButton>(window_, "btPremier")->click();
    EXPECT_EQ(sudoku_.Bloc().EnrCourant, trouves[0]);

    Tape(Ctl<QTabWidget>(window_, "pcProp"), Ctl<QLineEdit>(window_, "edEnrCourant"), "5");
    EXPECT_EQ(sudoku_.Bloc().EnrCourant, 5);
    EXPECT_EQ(CleDeStat(sudoku_.Bloc().Stat), cles[5]);
    EXPECT_EQ(Ctl<QPlainTextEdit>(window_, "mmInformation")->toPlainText().toStdString(),
              texte(sudoku_.Informations()));
    EXPECT_TRUE(ui_.Messages().empty());

    // Unchecking searches again with the filter left.
    Ctl<QListWidget>(window_, "clbRegles")->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(sudoku_.Bloc().Filtre[1], 0);
    EXPECT_EQ(sudoku_.Bloc().EnrCourant, 0);
}

TEST_F(SudokuPropTest, SwitchingComponentsRefreshesWithoutSending) {
    TvlSudoku& autre = Nouveau<TvlSudoku>("Sudoku");
    Regle(autre,
          {"TypeGrille=2", "Niveau=1", "NbValeurs=20", "CouleurCorrigé=65280", "Transparent=1",
           "RespecterProportions=0", "StylePinceauCadre=3", "Detachable=1"});
    const SudokuOptions avantSudoku = sudoku_.Bloc();
    const SudokuOptions avantAutre = autre.Bloc();
    const int changements = changements_;

    window_.ChangeComposant(&autre);
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rgTypeGrille")->checkedId(), tg6x6_2x3);
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNiveau")->text(), "1");
    EXPECT_EQ(Ctl<QLineEdit>(window_, "edNbValeurs")->text(), "20");
    EXPECT_EQ(Ctl<TColorButton>(window_, "btCouleurCorrige")->Color(), 0x00FF00);
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkTransparent")->isChecked());
    EXPECT_FALSE(Ctl<QCheckBox>(window_, "chkAjuster")->isChecked());
    EXPECT_EQ(Ctl<TPenStyleCombo>(window_, "cbPenStyle")->currentIndex(), 3);
    EXPECT_TRUE(Ctl<QCheckBox>(window_, "chkDetachable")->isChecked());
    EXPECT_EQ(Ctl<QPlainTextEdit>(window_, "mmInformation")->toPlainText().toStdString(),
              texte(autre.Informations()));

    window_.ChangeComposant(&sudoku_);
    EXPECT_EQ(Ctl<QButtonGroup>(window_, "rgTypeGrille")->checkedId(), tg9x9);
    EXPECT_TRUE(Memes(sudoku_.Bloc(), avantSudoku));
    EXPECT_TRUE(Memes(autre.Bloc(), avantAutre));
    EXPECT_FALSE(sudoku_.Detachable);
    EXPECT_EQ(changements_, changements);
    EXPECT_TRUE(ui_.Messages().empty());
}

} // namespace
