// What the sudoku's property window does beyond showing and sending its keys: the puzzle shown
// anew, the actions, the fonts, the dialogs it opens, the database page.
#include "sudoku/forms/TSudokuProp.h"

#include "forms_test_support.h"

#include "sudoku/Sudoku.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuDiaImages.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class SudokuPropTest : public PropWindowTest<TvlSudoku, TSudokuProp> {
protected:
    SudokuPropTest() : PropWindowTest("Sudoku") {
        SeedRandom(3);
        window_.OnChange = [this] { ++changements_; };
    }

    std::string Cases() const {
        return std::string(reinterpret_cast<const char*>(composant_.Bloc().Cases), 81);
    }

    int changements_ = 0;
};

// An 8 x 8 picture.
TPicture Image() {
    TPicture image;
    EXPECT_TRUE(image.LoadFromBytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0,
                                     0,    13,  'I', 'H', 'D',  'R',  0,    0,    0, 8,
                                     0,    0,   0,   8,   8,    2,    0,    0,    0}));
    return image;
}

// The actions work on the grid; a new puzzle shows its information; the cursive keeps the colour.
TEST_F(SudokuPropTest, ActionsNewPuzzlesAndTheCursiveFont) {
    const std::string avant = Cases();
    SeedRandom(12); // not the creation's seed: another puzzle
    Clique("btConstruire");
    EXPECT_NE(Cases(), avant);
    Clique("btCopier");
    EXPECT_EQ(ui_.clipboard.substr(0, 13), "*-----------*");
    ui_.clipboard = "*-----*\r\n|12|34|\r\n|34|12|\r\n|--+--|\r\n|21|43|\r\n|43|2.|\r\n*-----*\r\n";
    Clique("btColler");
    EXPECT_EQ(C<QButtonGroup>("rgTypeGrille")->checkedId(), tg4x4);
    EXPECT_FALSE(C<QLabel>("lbNoteNiveau")->isHidden()) << "level 3 is out of a 4 x 4's reach";
    EXPECT_EQ(composant_.Bloc().Cases[15], 11) << "the hidden 1 of the last cell";
    Clique("btTransforme");
    const std::string quatre = Cases();
    EXPECT_EQ(std::count_if(quatre.begin(), quatre.begin() + 16, [](char v) { return v >= 11; }),
              1);
    const int redessins = changements_;
    Tape("edNiveau", "1");
    EXPECT_NE(Cases(), quatre);
    EXPECT_TRUE(C<QLabel>("lbNoteNiveau")->isHidden());
    C<QButtonGroup>("rgTypeGrille")->button(tg9x9)->click();
    EXPECT_EQ(composant_.NbValeursGrille(), 9);
    std::string informations;
    for (const std::string& ligne : composant_.Informations())
        informations += (informations.empty() ? "" : "\n") + ligne;
    // The plain text of a text edit gives its no-break spaces as blanks.
    EXPECT_EQ(C<QPlainTextEdit>("mmInformation")->toPlainText(),
              QString::fromStdString(informations).replace(QChar::Nbsp, u' '));
    EXPECT_EQ(changements_, redessins + 2);
    composant_.ChangeImage(4, Image());
    Clique("btEffacerImages");
    EXPECT_TRUE(composant_.Image(4).Empty());
    ui_.fontAnswers = {"Liberation Serif,20,255,italique"};
    Clique("btFonte");
    Clique("btFonteCursive");
    const Fonte& police = composant_.Bloc().Police;
    EXPECT_EQ(police.NomPolice(), "CrayonL");
    EXPECT_TRUE(police.Taille == 18 && police.Style == fsBold && police.Couleur == 255);
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(SudokuPropTest, DialogsAndTheDatabasePage) {
    std::vector<bool> enregistre;
    ui_.forms[SudokuDiaGenereModele::NomFiche] = [&](TFormModel& m) {
        enregistre.push_back(dynamic_cast<SudokuDiaGenereModele&>(m).Enregistre);
        return mrCancel;
    };
    Clique("btRechercheAvancee");
    Clique("btRechercheAvancee2");
    EXPECT_EQ(enregistre, (std::vector<bool>{false, true}));
    const int changements = changements_;
    ui_.forms[SudokuDiaImagesModele::NomFiche] = [](TFormModel& m) {
        auto& modele = dynamic_cast<SudokuDiaImagesModele&>(m);
        modele.ChangeImage(7, Image());
        modele.Valide();
        return mrOk;
    };
    Clique("btChargerImages");
    EXPECT_FALSE(composant_.Image(7).Empty());
    EXPECT_EQ(changements_, changements + 1);
    // The database page: no search has found a record yet, nothing to move through.
    EXPECT_FALSE(C<QPushButton>("btSuivant")->isEnabled());
    ui_.fileAnswers = {std::string(composant_.Bloc().PathBdd)};
    Clique("btOuvrirBdd");
    EXPECT_TRUE(C<QPushButton>("btSuivant")->isEnabled());
    // Records that use hidden singles (counter 1), then moves through them.
    C<QListWidget>("clbRegles")->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(composant_.Bloc().Filtre[1], 1);
    std::vector<int> vus = {composant_.Bloc().EnrCourant};
    for (const char* bouton : {"btSuivant", "btDernier", "btPrecedent", "btPremier"}) {
        Clique(bouton);
        vus.push_back(composant_.Bloc().EnrCourant);
        EXPECT_EQ(C<QLineEdit>("edEnrCourant")->text(), QString::number(vus.back())) << bouton;
    }
    EXPECT_TRUE(vus[0] < vus[1] && vus[1] < vus[2] && vus[3] < vus[2] && vus[4] == vus[0]);
    EXPECT_TRUE(ui_.Messages().empty());
    C<QListWidget>("clbRegles")->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(composant_.Bloc().Filtre[1], 0);
}

} // namespace
