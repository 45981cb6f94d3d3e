#include "sudoku/forms/TSudokuDiaImages.h"

#include "picture_prop_support.h"

#include "host/forms/ScaledImage.h"
#include "platform/TempFolder.h"
#include "sudoku/Sudoku.h"
#include "sudoku/SudokuDiaImages.h"

#include <QColor>
#include <QImage>
#include <QPushButton>

namespace {

class SudokuDiaImagesTest : public PicturePropTest {
protected:
    SudokuDiaImagesTest() {
        SudokuDiaImagesModele::DossierMemorise.clear();
        rouge_ = Dessin("rouge.png", 20, 10, Qt::red);
        bleu_ = Dessin("bleu.png", 8, 8, Qt::blue);
        sudoku_.ChangeImage(1, Image(rouge_));
        sudoku_.ChangeImage(9, Image(bleu_));
    }

    // A picture file drawn for the test.
    std::string Dessin(const std::string& nom, int largeur, int hauteur, QColor couleur) {
        QImage image(largeur, hauteur, QImage::Format_RGB32);
        image.fill(couleur);
        const std::string chemin = dossier_.file(nom);
        EXPECT_TRUE(image.save(QString::fromStdString(chemin), "PNG"));
        return chemin;
    }
    static TPicture Image(const std::string& chemin) {
        TPicture image;
        EXPECT_TRUE(image.LoadFromFile(chemin));
        return image;
    }
    std::array<TPicture, 9> Images() const {
        std::array<TPicture, 9> images;
        for (int v = 1; v <= 9; ++v)
            images[size_t(v - 1)] = sudoku_.Image(v);
        return images;
    }
    static void Clique(TSudokuDiaImages& dialogue, int valeur) {
        QTest::mouseClick(dialogue.Images[size_t(valeur - 1)], Qt::LeftButton);
    }

    TempFolder dossier_;
    std::string rouge_;
    std::string bleu_;
    TvlSudoku& sudoku_ = Nouveau<TvlSudoku>("Sudoku");
};

// The dialog shows the component's pictures, edits a copy, and OK copies the nine back.
TEST_F(SudokuDiaImagesTest, AClickLoadsAFileAndOkCopiesTheNinePictures) {
    SudokuDiaImagesModele modele(&sudoku_);
    TSudokuDiaImages dialogue(modele);
    dialogue.show();
    EXPECT_EQ(dialogue.windowTitle(), "Choix des images");
    EXPECT_TRUE(dialogue.Images[1]->Empty());
    // Only a picture can be cleared; each clear button ends with its digit.
    EXPECT_FALSE(dialogue.btEfface[1]->isEnabled());
    EXPECT_EQ(dialogue.btEfface[6]->objectName(), "btEfface7");
    ui_.fileAnswers = {bleu_};
    Clique(dialogue, 4);
    EXPECT_TRUE(dialogue.btEfface[3]->isEnabled());
    EXPECT_EQ(SudokuDiaImagesModele::DossierMemorise, dossier_.path());
    EXPECT_TRUE(dialogue.btEfface[0]->isEnabled());
    dialogue.btEfface[0]->click();
    EXPECT_TRUE(dialogue.Images[0]->Empty());
    EXPECT_FALSE(dialogue.btEfface[0]->isEnabled());
    // Nothing reaches the component before OK.
    EXPECT_EQ(sudoku_.Image(1), Image(rouge_));
    EXPECT_TRUE(sudoku_.Image(4).Empty());

    dialogue.btOk->click();
    EXPECT_EQ(dialogue.result(), mrOk);
    std::array<TPicture, 9> attendues{};
    attendues[3] = Image(bleu_);
    attendues[8] = Image(bleu_);
    EXPECT_EQ(Images(), attendues);
}

// A file that is no picture, or no file chosen, keeps the picture; cancelling keeps them all.
TEST_F(SudokuDiaImagesTest, NoPictureNoFileOrCancelChangesNothing) {
    const std::array<TPicture, 9> avant = Images();
    SudokuDiaImagesModele modele(&sudoku_);
    TSudokuDiaImages dialogue(modele);
    dialogue.show();
    ui_.fileAnswers = {dossier_.put("notes.txt", "pas une image")};
    Clique(dialogue, 1);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_NE(ui_.Messages()[0].find("notes.txt"), std::string::npos);
    EXPECT_EQ(modele.Image(1), Image(rouge_));
    Clique(dialogue, 1); // the file dialog cancelled
    EXPECT_EQ(modele.Image(1), Image(rouge_));
    EXPECT_EQ(ui_.Messages().size(), 1u);

    dialogue.btAide->click();
    EXPECT_EQ(ui_.shown.back().kind, "help");
    EXPECT_NE(ui_.shown.back().text.find("136"), std::string::npos);

    ui_.fileAnswers = {rouge_};
    Clique(dialogue, 2);
    dialogue.btEfface[8]->click();
    dialogue.btAnnuler->click();
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
    EXPECT_EQ(Images(), avant);
}

} // namespace
