#include "sudoku/Sudoku.h"

#include "host/Document.h"
#include "host/HostFixtures.h"
#include "host/Liste.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "package/Paquet.h"
#include "platform/RecordingCanvas.h"
#include "platform/TempFolder.h"
#include "platform/TestPng.h"
#include "platform/UserInterface.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <thread>

using namespace sudoku_test;

namespace {

using Op = TDrawCall::Op;

// A header-only PNG file of a size: enough for a picture to know its size.
std::string png(int largeur, int hauteur) {
    const Bytes octets = PngHeader(std::uint32_t(largeur), std::uint32_t(hauteur));
    return {octets.begin(), octets.end()};
}

class SudokuTest : public ::testing::Test {
protected:
    SudokuTest() : portee_(ui_) {
        document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        SeedRandom(7);
    }
    ~SudokuTest() override { ModeVisu() = savedMode_; }

    TvlSudoku& Nouveau() {
        TComposant* c = document_.Cree("Sudoku", 0);
        EXPECT_NE(c, nullptr);
        return dynamic_cast<TvlSudoku&>(*c);
    }

    static bool Change(TComposant& c, const std::string& cle, const std::string& valeur,
                       std::string* message = nullptr) {
        std::string ignore;
        return c.ChangeOption(valeur, cle, message ? *message : ignore);
    }

    // Givens and full solution of the component's grid.
    static Contenu Grille(const TvlSudoku& s) {
        return Decode(s.Bloc().Cases, s.NbValeursGrille());
    }
    // Whether the component's givens have one solution, the full grid it holds.
    static bool Unique(const TvlSudoku& s, int largeur, int hauteur) {
        const Contenu c = Grille(s);
        Backtracking reference(c.donnees, largeur, hauteur);
        return SolutionValide(c.solution, largeur, hauteur) && reference.NbSolutions() == 1 &&
               reference.Solution() == c.solution;
    }

    TTestUi ui_;
    TScopedUi portee_;
    TempFolder dossier_;
    TCatalogue catalogue_ = CataloguePaquet();
    TDocument document_{catalogue_};
    ScopedIniFile ini_;
    int savedMode_ = ModeVisu();
};

} // namespace

// A new component holds a puzzle; the shape, level and number of givens draw a new one.
TEST_F(SudokuTest, GenerationKeysDrawANewPuzzle) {
    TvlSudoku& s = Nouveau();
    EXPECT_TRUE(Unique(s, 3, 3));
    // A new component draws strictly: its level 3 puzzle needs more than singles.
    EXPECT_EQ(s.Informations().back().rfind("Niveau 3\u00A0: il faut ", 0), 0u);
    Regle(s, {"TypeGrille=3", "Niveau=1"});
    EXPECT_TRUE(Unique(s, 2, 2));

    Regle(s, {"TypeGrille=2", "NbValeurs=81"});
    EXPECT_TRUE(Unique(s, 2, 3));
    EXPECT_EQ(Grille(s).donnees, Grille(s).solution);
    // An action that ran: false and no message.
    std::string message;
    EXPECT_FALSE(Change(s, "CalculerGrille", "", &message));
    EXPECT_TRUE(message.empty());
    EXPECT_TRUE(s.AvertissementCadre().empty());

    // A count no level-3 puzzle keeps: the count holds, the frame says which level was taken.
    TvlSudoku& t = Nouveau();
    ASSERT_TRUE(Change(t, "NbValeurs", "45"));
    const Contenu c = Grille(t);
    EXPECT_EQ(NbDonnees(c.donnees), 45);
    EXPECT_EQ(
        t.AvertissementCadre().rfind(t.Nom() + "\u00A0: niveau 3 introuvable avec au moins 45", 0),
        0u);
    EXPECT_NE(t.AvertissementCadre().find("la grille tirée est de niveau " +
                                          t.Informations().back().substr(7, 1)),
              std::string::npos);
}

// One exact layout, properties for the rest: hidden digits and pictures in the corrected
// version only, pictures in their cell with their proportions unless told otherwise.
TEST_F(SudokuTest, DrawingFollowsTheGridLayout) {
    TvlSudoku& s = Nouveau();
    std::memset(s.Bloc().Cases, 0, sizeof s.Bloc().Cases);
    s.Bloc().Cases[0] = 5;       // given, row 0 column 0
    s.Bloc().Cases[1] = 10 + 3;  // hidden, drawn as a 200 x 100 picture
    s.Bloc().Cases[40] = 10 + 7; // hidden, no picture
    TPicture image;
    ASSERT_TRUE(image.LoadFromBytes(PngHeader(200, 100)));
    s.ChangeImage(3, image);
    const auto dessin = [&](int mode) {
        ModeVisu() = mode;
        TRecordingCanvas canvas;
        s.Dessine(canvas, mode, nullptr);
        return canvas;
    };
    for (int mode : {MODE_EDITION, MODE_EPREUVE}) {
        const TRecordingCanvas canvas = dessin(mode);
        EXPECT_EQ(canvas.Texts(), std::vector<std::string>{"5"});
        EXPECT_TRUE(canvas.Of(Op::StretchDraw).empty());
    }
    const TRecordingCanvas corrige = dessin(MODE_CORRIGE);
    // Frame 900 x 900 at (100, 100), P = 10, t = 1: cells of (900 - 40 - 6) / 9 = 94 from 111.
    const auto textes = corrige.Of(Op::TextOut);
    ASSERT_EQ(textes.size(), 2u);
    const int largeur = TRecordingCanvas::CharWidth(textes[0].font);
    const int hauteur = TRecordingCanvas::MetricsOf(textes[0].font).tmHeight;
    EXPECT_EQ(textes[0].args[0], 111 + (94 - largeur) / 2);
    EXPECT_EQ(textes[0].args[1], 111 + (94 - hauteur) / 2);
    EXPECT_EQ(textes[0].bkMode, TRANSPARENT);
    EXPECT_EQ(textes[1].text, "7");
    EXPECT_EQ(textes[1].font.Color, TColor(255));
    EXPECT_NE(textes[0].font.Color, TColor(255));
    const auto images = corrige.Of(Op::StretchDraw);
    ASSERT_EQ(images.size(), 1u);
    const std::vector<int>& r = images[0].args; // left, top, right, bottom
    EXPECT_EQ(std::pair(r[2] - r[0], r[3] - r[1]), std::pair(94, 47));
    EXPECT_LE(std::abs((r[1] - 111) - (111 + 94 - r[3])), 1); // centred in row 0
    ASSERT_TRUE(Change(s, "RespecterProportions", "0"));
    EXPECT_EQ(dessin(MODE_CORRIGE).Of(Op::StretchDraw).at(0).args,
              (std::vector<int>{r[0], 111, r[2], 111 + 94}));

    // Box boundaries with the frame pen at thirds, offset by P / 2; the other separators thin.
    std::map<std::pair<int, int>, int> traits; // pen width and thick position: count
    for (const TDrawCall& l : corrige.Of(Op::Line)) {
        const int position = l.args[0] == l.args[2] ? l.args[0] : l.args[1];
        ++traits[{l.pen.Width, l.pen.Width == 1 ? 0 : position}];
    }
    EXPECT_EQ(traits,
              (std::map<std::pair<int, int>, int>{{{1, 0}, 12}, {{10, 405}, 2}, {{10, 705}, 2}}));

    // A frame wider than the grid: the border is the grid's square, centred across the frame.
    s.Rect.right += 400;
    EXPECT_EQ(dessin(MODE_EPREUVE).Of(Op::Rectangle).at(0).args,
              (std::vector<int>{300, 100, 1200, 1000}));
}

// Copy writes the drawn grid; paste reads it back, or 81 digits on a line, finds the boxes
// from the first inner bar, and refuses what it cannot use without touching the component.
TEST_F(SudokuTest, CopyAndPasteThroughTheClipboard) {
    TvlSudoku& s = Nouveau();
    ASSERT_TRUE(Change(s, "TypeGrille", "3"));
    EXPECT_FALSE(Change(s, "Copier", ""));
    TvlSudoku& autre = Nouveau();
    EXPECT_FALSE(Change(autre, "Coller", ""));
    EXPECT_EQ(autre.Bloc().TypeGrille, 3);
    EXPECT_EQ(Grille(autre).donnees, Grille(s).donnees);
    EXPECT_EQ(Grille(autre).solution, Grille(s).solution);
    EXPECT_EQ(autre.Bloc().Stat[rgAutre], 0);

    const std::string puzzle = LitPuzzles(CheminEchantillon()).at(3);
    ui_.clipboard = "  " + puzzle + "\n";
    ASSERT_FALSE(Change(autre, "Coller", ""));
    EXPECT_EQ(autre.Bloc().TypeGrille, 0);
    EXPECT_EQ(Grille(autre).donnees, puzzle);
    EXPECT_TRUE(Unique(autre, 3, 3));

    ui_.clipboard = "*--------*\n|12|34|56|\n|..|..|..|\n|..|..|..|\n|--+--+--|\n"
                    "|..|..|..|\n|..|..|..|\n|..|..|..|\n*--------*\n";
    ASSERT_FALSE(Change(autre, "Coller", ""));
    EXPECT_EQ(autre.Bloc().TypeGrille, 2);
    // Too few clues for the techniques: completed with extra clues, and said so.
    EXPECT_EQ(autre.Bloc().Stat[rgAutre], 1);
    EXPECT_EQ(Grille(autre).donnees.substr(0, 6), "123456");
    EXPECT_TRUE(SolutionValide(Grille(autre).solution, 2, 3));

    const auto avant = autre.Bloc();
    for (const char* refuse : {"12345\n12345\n", "12|3456789\n", "1100\n0000\n0000\n0000\n"}) {
        ui_.clipboard = refuse;
        Change(autre, "Coller", "");
    }
    EXPECT_EQ(ui_.Messages(),
              (std::vector<std::string>{"Format de grille incorrect", "Grille non valide",
                                        "Cette grille ne peut être résolue par le solveur\u00A0: elle "
                                        "n'est pas transférée dans le composant"}));
    EXPECT_EQ(std::memcmp(&avant, &autre.Bloc(), sizeof avant), 0);
}

// A base's type wins; with no record matching, or none at all, the arrows change nothing.
TEST_F(SudokuTest, DatabaseWithoutMatchesLeavesNavigationInert) {
    const std::string nom = dossier_.file("quatre.dat");
    TRandom alea(99);
    const GrilleGeneree g = GenereGrille(tg4x4, 3, 0, alea);
    std::string message;
    ASSERT_TRUE(AjouteEnBase(g.Stat, nom, tg4x4, Decode(g.Cases.data(), 4).donnees, message))
        << message;
    TvlSudoku& s = Nouveau();
    ASSERT_TRUE(Change(s, "PathBdd", nom));
    EXPECT_EQ(s.Bloc().TypeGrille, tg4x4);
    Change(s, "Sudoku_Recherche", "0000000000001");
    EXPECT_EQ(s.Bloc().PremierTrouve, -1);
    const auto avant = s.Bloc();
    for (const char* sens : {"0", "1", "2", "3"})
        Change(s, "Sudoku_Enr", sens);
    EXPECT_EQ(std::memcmp(&avant, &s.Bloc(), sizeof avant), 0);

    const std::string vide = dossier_.put("vide.dat", std::string("SudokuGrille") + char(0));
    ASSERT_TRUE(Change(s, "PathBdd", vide));
    EXPECT_EQ(s.Bloc().PremierTrouve, -1);
    EXPECT_EQ(s.Bloc().TypeGrille, tg9x9);
    ASSERT_TRUE(Change(s, "PathBdd", ""));
    // A record the solver cannot finish leaves an empty solution and no counters.
    const std::string faux = dossier_.file("faux.dat");
    ASSERT_TRUE(AjouteEnBase(StatRegles{}, faux, tg4x4, "2200000000000000", message));
    Change(s, "PathBdd", faux);
    EXPECT_EQ(Grille(s).solution, std::string(16, '0'));
    EXPECT_EQ(s.Bloc().Stat, StatRegles{});
    EXPECT_EQ(ui_.Messages(),
              (std::vector<std::string>{
                  "Aucun enregistrement ne correspond", "Aucun enregistrement ne correspond",
                  "Pas de fichier défini", "Le solveur n'a pas pu résoudre cette grille"}));
    const auto garde = s.Bloc(); // a base that cannot be read is refused, naming it
    EXPECT_FALSE(Change(s, "PathBdd", dossier_.path(), &message));
    EXPECT_EQ(
        message.rfind("«\u00A0" + dossier_.path() + "\u00A0»\u00A0: Problème à l'ouverture", 0),
        0u);
    EXPECT_EQ(std::memcmp(&garde, &s.Bloc(), sizeof garde), 0);
    // A path longer than the block holds is refused with a message.
    EXPECT_FALSE(Change(s, "PathBdd", std::string(260, 'x'), &message));
    EXPECT_FALSE(message.empty());
}

// The shipped default base is sorted; a filter finds its first record, with one solution.
TEST_F(SudokuTest, ShippedDatabaseOpensAndSearches) {
    TvlSudoku& s = Nouveau();
    const std::string nom(s.Bloc().PathBdd);
    BaseEnMemoire base;
    std::string message;
    ASSERT_TRUE(LitBase(nom, base, message)) << nom << "\u00A0: " << message;
    const auto& enr = base.Enregistrements;
    EXPECT_EQ(base.Type, tg9x9);
    EXPECT_GE(enr.size(), 1000u);
    for (size_t k = 1; k < enr.size(); ++k)
        ASSERT_LE(CompareCles(enr[k - 1].Cle, enr[k].Cle), 0) << "record " << k;

    for (size_t i : {size_t(rgUniqueCache), size_t(rgXWing)}) {
        const auto premier = std::find_if(enr.begin(), enr.end(),
                                          [i](const EnregistrementBase& e) { return e.Cle[i]; });
        ASSERT_NE(premier, enr.end()) << i;
        std::string filtre(TailleCle, '0');
        filtre[i] = '1';
        EXPECT_FALSE(Change(s, "Sudoku_Recherche", filtre));
        ASSERT_EQ(s.Bloc().PremierTrouve, premier - enr.begin()) << filtre;
        EXPECT_EQ(CleDeStat(s.Bloc().Stat), premier->Cle) << filtre;
        EXPECT_TRUE(Unique(s, 3, 3)) << filtre;
    }
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(SudokuTest, SaveLoadAndCopy) {
    TvlSudoku& s = Nouveau();
    TPicture image;
    ASSERT_TRUE(image.LoadFromBytes(PngHeader(30, 40)));
    s.ChangeImage(9, image);
    ASSERT_TRUE(Change(s, "CouleurCorrigé", "16711680"));
    TMemoryStream flux;
    ASSERT_TRUE(s.Sauve(flux));
    flux.Rewind();
    TvlSudoku& lu = Nouveau();
    ASSERT_TRUE(lu.Charge(flux, nullptr, lu.Cadre));
    const auto copie = s.Copie();
    for (const TvlSudoku* c : {&lu, dynamic_cast<TvlSudoku*>(copie.get())}) {
        EXPECT_EQ(std::memcmp(&c->Bloc(), &s.Bloc(), sizeof(SudokuOptions)), 0);
        EXPECT_EQ(c->Image(9), image);
        EXPECT_TRUE(c->Image(1).Empty());
    }

    // A record cut short is refused.
    std::vector<std::uint8_t> octets = flux.Bytes();
    octets.resize(octets.size() - 10);
    TMemoryStream tronque(octets);
    EXPECT_FALSE(lu.Charge(tronque, nullptr, lu.Cadre));
}

TEST_F(SudokuTest, PreferredOptionsRoundTrip) {
    TvlSudoku& s = Nouveau();
    Regle(s, {"Niveau=2", "CouleurCorrigé=32768", "TaillePinceauCadre=25"});
    s.Bloc().TypeGrille = 1;
    const std::string chemin = dossier_.file("a moi.dat");
    std::memcpy(s.Bloc().PathBdd, chemin.c_str(), chemin.size() + 1);
    s.EnregistreOptions();
    TvlSudoku& suivant = Nouveau();
    const SudokuOptions& o = suivant.Bloc();
    EXPECT_EQ(std::tuple(o.Niveau, o.CouleurCorrige, o.TaillePinceau, o.TypeGrille,
                         std::string(o.PathBdd)),
              std::tuple(2, 32768, 25, 1, chemin));
    suivant.RestaureStandard();
    EXPECT_EQ(std::string(suivant.Bloc().PathBdd), PathDonnees() + "Sudoku17.dat");
}

// A picture from a bound list reaches its cell, and moving the list changes it.
TEST_F(SudokuTest, PicturesFromABoundList) {
    TvlSudoku& s = Nouveau();
    auto* liste = dynamic_cast<TListe*>(document_.Cree("Liste", 0));
    ASSERT_NE(liste, nullptr);
    Regle(*liste, {"Champs=nom;image:image", "Ajoute=n;" + dossier_.put("1.png", png(10, 10)),
                   "Ajoute=n;" + dossier_.put("2.png", png(20, 10))});
    Regle(s, {"Liste=" + liste->Nom()});
    EXPECT_EQ(s.Image(1).Width(), 10);
    Regle(*liste, {"EnrCde=Suivant"});
    EXPECT_EQ(s.Image(1).Width(), 20);
}

// A saving search run from the component: once it has saved, the component opens the base.
TEST_F(SudokuTest, SearchDialogHandsItsBaseOver) {
    TvlSudoku& s = Nouveau();
    ASSERT_TRUE(Change(s, "TypeGrille", "3"));
    const std::string nom = dossier_.file("trouves.dat");
    ui_.forms[SudokuDiaGenereModele::NomFiche] = [&](TFormModel& m) {
        auto& modele = dynamic_cast<SudokuDiaGenereModele&>(m);
        modele.NomFich = nom;
        modele.FixeGraine(5);
        EXPECT_TRUE(modele.Rechercher());
        for (int essai = 0; modele.TexteEnregistres().empty() && essai < 15000; ++essai) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            ui_.ProcessPosted();
        }
        modele.Arreter();
        return mrOk;
    };
    EXPECT_FALSE(Change(s, "SudokuThread", "1"));
    EXPECT_EQ(std::string(s.Bloc().PathBdd), nom);
    BaseEnMemoire base;
    std::string message;
    ASSERT_TRUE(LitBase(nom, base, message)) << message;
    EXPECT_EQ(CleDeStat(s.Bloc().Stat), base.Enregistrements.at(0).Cle);
}
