// The sudoku's dialogs: the puzzle search, with its thread, and the pictures.
#include "sudoku/forms/TSudokuDiaGenere.h"
#include "sudoku/forms/TSudokuDiaImages.h"

#include "forms_test_support.h"

#include "host/forms/ScaledImage.h"
#include "platform/TempFolder.h"
#include "sudoku/Sudoku.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuDiaImages.h"
#include "sudoku/SudokuTestSupport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>

namespace {

using Cases = std::array<std::int8_t, 81>;

// The test service, with work posted from the search thread queued to the Qt event loop as
// the editor's service does.
class QtPostUi : public TTestUi {
public:
    void Post(std::function<void()> fn) override {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(fn),
                                  Qt::QueuedConnection);
    }
    void ProcessPosted() override { QCoreApplication::processEvents(); }
};

// The rules the dialog opens with are those it closed with last; each test starts afresh.
void Memorise(std::array<bool, 5> regles = {}, int auMoins = 0) {
    SudokuDiaGenereModele::ReglesMemorisees = regles;
    SudokuDiaGenereModele::AuMoinsMemorise = auMoins;
}

class SudokuDiaGenereTest : public ::testing::Test {
protected:
    SudokuDiaGenereTest() : portee_(ui_) { Memorise(); }
    ~SudokuDiaGenereTest() override { Memorise(); }

    // A search (4 x 4 unless told) whose puzzles are counted and kept.
    std::unique_ptr<SudokuDiaGenereModele> Modele(const std::string& chemin, bool enregistre,
                                                  int type = tg4x4) {
        auto modele = std::make_unique<SudokuDiaGenereModele>(
            type, chemin, enregistre, [this](const StatRegles&, const Cases& cases) {
                ++recus_;
                cases_ = cases;
            });
        modele->FixeGraine(8);
        return modele;
    }

    QtPostUi ui_;
    TScopedUi portee_;
    TempFolder dossier_;
    int recus_ = 0;
    Cases cases_{};
};

TEST_F(SudokuDiaGenereTest, ShowsTheRememberedRulesAndKeepsTheChangedOnes) {
    Memorise({false, true, false, false, true}, 1);
    {
        const auto modele = Modele("", false);
        TSudokuDiaGenere dialogue(*modele);
        EXPECT_TRUE(dialogue.chkVerrouille->isChecked() && dialogue.rbAucuneAutre->isChecked());
        // The file only matters when results are saved.
        EXPECT_FALSE(dialogue.edNomFich->isEnabled());
        dialogue.chkEnregistre->click();
        EXPECT_TRUE(dialogue.edNomFich->isEnabled());
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
                 dialogue.btSelectAlL2, dialogue.chkUpletNu, dialogue.btInverse2,
                 dialogue.rbAutresRegles, dialogue.btFermer})
            b->click();
    }
    const auto suivant = Modele("", false);
    TSudokuDiaGenere dialogue(*suivant);
    for (QCheckBox* c : {dialogue.chkUniqueCache, dialogue.chkVerrouille, dialogue.chkUpletCache,
                         dialogue.chkAutre})
        EXPECT_FALSE(c->isChecked());
    EXPECT_TRUE(dialogue.chkUpletNu->isChecked() && dialogue.rbAutresRegles->isChecked());
    dialogue.btEfface2->click();
    EXPECT_FALSE(dialogue.chkUpletNu->isChecked());
}

// A search starts only on a file the puzzles can go to: named, not the product's own base, a
// base of the grid's type when it exists.
TEST_F(SudokuDiaGenereTest, AFileThePuzzlesCannotGoToIsRefused) {
    const auto modele = Modele("", true);
    TSudokuDiaGenere dialogue(*modele);
    for (const std::string& nom :
         {dossier_.file("sudoku17.DAT"), std::string("   "),
          dossier_.put("neuf.dat", std::string("SudokuGrille") + char(tg9x9)),
          dossier_.put("faux.dat", "rien")}) {
        dialogue.edNomFich->setText(QString::fromStdString(nom));
        dialogue.btREchercher->click();
    }
    const std::vector<std::string> attendus = {
        "Le fichier «\u00A0Sudoku17.dat\u00A0» est une base de données propre à Vorlane.\nNous ne "
        "conseillons pas d'y écrire vos données personnelles.\nVeuillez créer un nouveau "
        "fichier ou indiquer un fichier existant.",
        "Il faut indiquer le fichier dans lequel stocker les résultats",
        "Le format de grille inscrit dans le fichier est incompatible avec le format de grille "
        "actuel",
        "Le fichier ne contient pas une base de Sudokus valide"};
    EXPECT_EQ(ui_.Messages(), attendus);
    EXPECT_FALSE(modele->EnCours());
    EXPECT_FALSE(std::filesystem::exists(dossier_.file("sudoku17.DAT")));
    EXPECT_EQ(ReadBack(dossier_.file("faux.dat")), "rien");
}

TEST_F(SudokuDiaGenereTest, ASavingSearchShowsWhatItSavedUntilStopped) {
    const std::string nom = dossier_.file("trouvees.dat");
    const auto modele = Modele(nom, true);
    TSudokuDiaGenere dialogue(*modele);
    dialogue.show();
    dialogue.btREchercher->click();
    EXPECT_FALSE(dialogue.btREchercher->isEnabled() || dialogue.chkAutre->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogue.lb2->text().mid(13).toInt() >= 2; }, 30000));
    dialogue.btArreter->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogue.isVisible(); }, 30000));
    FichierBaseSudoku base;
    std::string message;
    ASSERT_TRUE(OuvreBaseLecture(nom, base, message)) << message;
    EXPECT_GE(base.NbEnregistrements(), dialogue.lb2->text().mid(13).toInt());
    // Every 4 x 4 attempt is accepted: the last one is the component's.
    EXPECT_EQ(recus_, 1);
    EXPECT_TRUE(sudoku_test::CasesValides(cases_, 2, 2));
}

// A 9 x 9 search for puzzles that need X-wings and nothing else beyond naked singles finds
// none: closing the dialog stops it in the middle of an attempt, without freezing the window.
TEST_F(SudokuDiaGenereTest, ClosingDuringASearchEndsItAtOnce) {
    Memorise({false, false, false, false, true}, 1);
    const auto modele = Modele(dossier_.file("fermee.dat"), true, tg9x9);
    {
        TSudokuDiaGenere dialogue(*modele);
        dialogue.show();
        dialogue.btREchercher->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialogue.lb->text().toInt() >= 2; }, 30000));
        QElapsedTimer chrono;
        chrono.start();
        dialogue.btFermer->click();
        EXPECT_LT(chrono.elapsed(), 50);
        EXPECT_FALSE(modele->EnCours());
    }
    // Updates still queued find no dialog to refresh.
    QCoreApplication::processEvents();
    EXPECT_EQ(recus_, 0);
    EXPECT_TRUE(ui_.Messages().empty());
}

// Without saving, the search ends at the first puzzle: the dialog closes by itself, its count
// of grids studied having come through the posted updates.
TEST_F(SudokuDiaGenereTest, WithoutSavingTheFirstPuzzleFoundClosesTheDialog) {
    const auto modele = Modele("", false, tg6x6_3x2);
    TSudokuDiaGenere dialogue(*modele);
    QTimer::singleShot(0, dialogue.btREchercher, &QPushButton::click);
    QTimer::singleShot(60000, &dialogue, &QDialog::reject);
    EXPECT_EQ(dialogue.exec(), QDialog::Accepted);
    EXPECT_GE(dialogue.lb->text().toInt(), 1);
    EXPECT_EQ(recus_, 1);
    EXPECT_TRUE(sudoku_test::CasesValides(cases_, 3, 2));
    EXPECT_TRUE(ui_.Messages().empty());
}

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

// Only a picture can be cleared; a file that is no picture, or no file chosen, keeps the
// picture; nothing reaches the component before OK, which copies the nine; cancel keeps them.
TEST_F(SudokuDiaImagesTest, AClickLoadsAFileAndOkCopiesTheNinePictures) {
    const std::array<TPicture, 9> avant = Images();
    EXPECT_FALSE(dialogue_.btEfface[1]->isEnabled());
    ui_.fileAnswers = {dossier_.put("notes.txt", "pas une image"), bleu_};
    Clique(1);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_NE(ui_.Messages()[0].find("notes.txt"), std::string::npos);
    Clique(4);
    Clique(4); // the file dialog cancelled
    EXPECT_TRUE(dialogue_.btEfface[3]->isEnabled());
    EXPECT_EQ(SudokuDiaImagesModele::DossierMemorise, dossier_.path());
    EXPECT_EQ(modele_.Image(1), Image(rouge_));
    dialogue_.btEfface[0]->click();
    EXPECT_TRUE(dialogue_.Images[0]->Empty());
    EXPECT_FALSE(dialogue_.btEfface[0]->isEnabled());
    dialogue_.btAnnuler->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_EQ(Images(), avant);
    dialogue_.btOk->click();
    EXPECT_EQ(dialogue_.result(), mrOk);
    std::array<TPicture, 9> attendues{};
    attendues[3] = Image(bleu_);
    attendues[8] = Image(bleu_);
    EXPECT_EQ(Images(), attendues);
}

} // namespace
