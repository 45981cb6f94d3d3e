#include "sudoku/forms/TSudokuDiaImages.h"

#include "forms_test_support.h"

#include "host/forms/ScaledImage.h"
#include "platform/TempFolder.h"
#include "sudoku/Sudoku.h"
#include "sudoku/SudokuDiaImages.h"

#include <QImage>
#include <QPushButton>

namespace {

// The dialog shows the component's pictures and edits a copy; OK copies the nine back.
class SudokuDiaImagesTest : public PicturePropTest {
protected:
    SudokuDiaImagesTest() {
        SudokuDiaImagesModele::DossierMemorise.clear();
        dialogue_.show();
    }

    // A picture file drawn for the test.
    std::string Dessin(const std::string& nom, int largeur, QColor couleur) {
        QImage image(largeur, 8, QImage::Format_RGB32);
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
    TvlSudoku& AvecImages(TvlSudoku& sudoku) const {
        sudoku.ChangeImage(1, Image(rouge_));
        sudoku.ChangeImage(9, Image(bleu_));
        return sudoku;
    }
    void Clique(int valeur) {
        QTest::mouseClick(dialogue_.Images[size_t(valeur - 1)], Qt::LeftButton);
    }

    TempFolder dossier_;
    std::string rouge_ = Dessin("rouge.png", 20, Qt::red);
    std::string bleu_ = Dessin("bleu.png", 8, Qt::blue);
    TvlSudoku& sudoku_ = AvecImages(Nouveau<TvlSudoku>("Sudoku"));
    SudokuDiaImagesModele modele_{&sudoku_};
    TSudokuDiaImages dialogue_{modele_};
};

TEST_F(SudokuDiaImagesTest, AClickLoadsAFileAndOkCopiesTheNinePictures) {
    // Only a picture can be cleared.
    EXPECT_FALSE(dialogue_.btEfface[1]->isEnabled());
    ui_.fileAnswers = {bleu_};
    Clique(4);
    EXPECT_TRUE(dialogue_.btEfface[3]->isEnabled());
    EXPECT_EQ(SudokuDiaImagesModele::DossierMemorise, dossier_.path());
    dialogue_.btEfface[0]->click();
    EXPECT_TRUE(dialogue_.Images[0]->Empty());
    EXPECT_FALSE(dialogue_.btEfface[0]->isEnabled());
    EXPECT_EQ(sudoku_.Image(1), Image(rouge_)) << "nothing reaches the component before OK";

    dialogue_.btOk->click();
    EXPECT_EQ(dialogue_.result(), mrOk);
    std::array<TPicture, 9> attendues{};
    attendues[3] = Image(bleu_);
    attendues[8] = Image(bleu_);
    EXPECT_EQ(Images(), attendues);
}

// A file that is no picture, or no file chosen, keeps the picture; cancelling keeps them all.
TEST_F(SudokuDiaImagesTest, NoPictureNoFileOrCancelChangesNothing) {
    const std::array<TPicture, 9> avant = Images();
    ui_.fileAnswers = {dossier_.put("notes.txt", "pas une image")};
    Clique(1);
    Clique(1); // the file dialog cancelled
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_NE(ui_.Messages()[0].find("notes.txt"), std::string::npos);
    EXPECT_EQ(modele_.Image(1), Image(rouge_));

    dialogue_.btAide->click();
    EXPECT_NE(ui_.shown.back().text.find("136"), std::string::npos);
    ui_.fileAnswers = {rouge_};
    Clique(2);
    dialogue_.btEfface[8]->click();
    dialogue_.btAnnuler->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_EQ(Images(), avant);
}

} // namespace
