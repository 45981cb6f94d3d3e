#include "host/Grille.h"

#include "host/Consigne.h"
#include "host/HostFixtures.h"
#include "host/Planche.h"
#include "host/Stream.h"
#include "platform/InkCheck.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

namespace {

// The cells holding a text or a colour: column, row (from 0) and what they hold.
using Cases = std::map<std::pair<int, int>, std::pair<std::string, TColor>>;
Cases remplies(const TGrille& g) {
    Cases cases;
    for (int l = 0; l < g.Reglages().Lignes; ++l)
        for (int c = 0; c < g.Reglages().Colonnes; ++c)
            if (!g.Texte(c, l).empty() || g.Couleur(c, l) != TGrille::SANS_COULEUR)
                cases[{c, l}] = {g.Texte(c, l), g.Couleur(c, l)};
    return cases;
}
constexpr TColor sans = TGrille::SANS_COULEUR;

class GrilleTest : public ::testing::Test {
protected:
    TPlanche planche{TPlanche::Format::A4, false};
    TCadre cadre{&planche, nullptr};
    TGrille grille{&cadre};
    std::string message;
};

TEST_F(GrilleTest, DimensionKeysFitTheRectangleToWholeCells) {
    const vlPoint o = planche.OrgMarges();
    Regle(grille, {"Colonnes=12", "Lignes=3"});
    EXPECT_EQ(grille.Rect, (vlRect{o.x, o.y, o.x + 600, o.y + 150}));
    Regle(grille, {"Cellule=0,8"});
    EXPECT_EQ(grille.Rect, (vlRect{o.x, o.y, o.x + 960, o.y + 240}));
    // Width and height give the nearest whole count of cells.
    Regle(grille, {"Cellule=0,5", "Largeur=2,6", "Hauteur=0,74", "Gauche=3", "Fonte=Arial,12,0,"});
    EXPECT_EQ(std::tuple(grille.Reglages().Colonnes, grille.Reglages().Lignes, grille.Rect,
                         grille.Reglages().Police.ToString()),
              std::tuple(5, 1, vlRect{o.x + 300, o.y, o.x + 550, o.y + 50}, "Arial,12,0,normal"));
    // An instruction's band goes above the cells, given before or after them.
    ASSERT_TRUE(grille.ChangeConsigne("Complète le tableau", message)) << message;
    Regle(grille, {"Lignes=2"});
    const int bande = HauteurConsigneEstimee("Complète le tableau", 250);
    EXPECT_EQ(std::pair(grille.Rect.Height(), grille.Reglages().Lignes), std::pair(100 + bande, 2));
    ASSERT_TRUE(grille.ChangeConsigne("", message));
    EXPECT_EQ(grille.Rect.Height(), 100);
}

TEST_F(GrilleTest, RefusedValuesExplainAndChangeNothing) {
    Regle(grille, {"Texte=2;2;8"});
    // Ranges, texts that are no number, grids too large for the page, cells outside the grid.
    Refuse(grille,
           {"Colonnes=0", "Colonnes=201", "Colonnes=dix", "Colonnes=50", "Lignes=200",
            "Cellule=0,1", "Cellule=5,5", "Cellule=3", "CouleurLignes=-1", "CouleurLignes=16777216",
            "EpaisseurLignes=51", "Texte=11;1;x", "Texte=1;11;x", "Texte=0;1;x", "Texte=2;2",
            "Texte=a;1;x", "Couleur=1;1;-2", "Couleur=1;1;pourpre", "Fonte=Arial,grand"});
    EXPECT_EQ(remplies(grille), (Cases{{{1, 1}, {"8", sans}}}));
    message = "ancien";
    EXPECT_FALSE(grille.ChangeOption("3", "Bidule", message)); // unknown: ignored silently
    EXPECT_TRUE(message.empty());
}

TEST_F(GrilleTest, CellTextsAndColoursStayAtTheirCellUntilEffacer) {
    Regle(grille, {"Texte=3;2;7,5", "Texte=10;10;a;b", "Texte=5;10;c", "Couleur=1;1;255"});
    EXPECT_EQ(remplies(grille), (Cases{{{0, 0}, {"", 255}},
                                       {{2, 1}, {"7,5", sans}},
                                       {{4, 9}, {"c", sans}},
                                       {{9, 9}, {"a;b", sans}}}));
    // Resizing keeps each cell at its column and row.
    Regle(grille, {"Colonnes=5", "Colonnes=10"});
    EXPECT_EQ(remplies(grille),
              (Cases{{{0, 0}, {"", 255}}, {{2, 1}, {"7,5", sans}}, {{4, 9}, {"c", sans}}}));
    Regle(grille, {"Texte=3;2;", "Couleur=1;1;-1"});
    EXPECT_EQ(remplies(grille), (Cases{{{4, 9}, {"c", sans}}}));
    // Effacer is an action: it answers false without a message.
    message = "ancien";
    EXPECT_FALSE(grille.ChangeOption("", "Effacer", message));
    EXPECT_TRUE(message.empty());
    EXPECT_TRUE(remplies(grille).empty());
}

TEST_F(GrilleTest, DrawsFillsLinesAndCentredTexts) {
    Regle(grille, {"Colonnes=4", "Lignes=3", "CouleurLignes=255", "EpaisseurLignes=3",
                   "Couleur=2;3;65280", "Texte=3;2;7"});
    TRecordingCanvas canvas;
    grille.Imprime(canvas, MODE_EPREUVE, &planche);
    const vlRect r = grille.Rect;
    const auto fills = canvas.Of(TDrawCall::Op::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(std::pair(fills[0].args, fills[0].brush.Color),
              std::pair(std::vector{r.left + 50, r.top + 100, r.left + 100, r.bottom}, 65280));
    // Five columns of lines then four rows, across the whole grid.
    const auto lines = canvas.Of(TDrawCall::Op::Line);
    ASSERT_EQ(lines.size(), 5u + 4u);
    EXPECT_EQ(lines[4].args, (std::vector{r.right, r.top, r.right, r.bottom}));
    EXPECT_EQ(lines[6].args, (std::vector{r.left, r.top + 50, r.right, r.top + 50}));
    for (const TDrawCall& line : lines)
        EXPECT_EQ(line.pen, (TPen{255, 3, psSolid}));
    EXPECT_EQ(std::pair(canvas.Of(TDrawCall::Op::TextOut).at(0).args[0],
                        canvas.Of(TDrawCall::Op::TextOut).at(0).textAlign),
              std::pair(r.left + 2 * 50 + 25, unsigned(TA_CENTER | TA_BASELINE)));
}

// A text too wide for its 1 cm cell goes on two lines at its blanks, written smaller but never
// under 7 points (24 tenths of a millimetre), else broken inside a word where French would;
// always in its cell.
TEST_F(GrilleTest, LongCellTextsWrapAtAReadableSize) {
    const struct {
        std::string texte;
        std::vector<std::string> lignes;
        int hauteur; // the font's, -Height
    } cas[] = {{"7", {"7"}, 35},
               {"Samedi matin", {"Samedi", "matin"}, 24},
               {"Vendredi", {"Vendre-", "di"}, 24},
               {"Dimanche", {"Diman-", "che"}, 24}};
    Regle(grille, {"Colonnes=1", "Lignes=1", "Cellule=1"});
    const vlRect r = grille.Rect;
    for (const auto& [texte, lignes, hauteur] : cas) {
        Regle(grille, {"Texte=1;1;" + texte});
        TRecordingCanvas canvas;
        grille.Imprime(canvas, MODE_EPREUVE, &planche);
        EXPECT_EQ(canvas.Texts(), lignes);
        EXPECT_EQ(-canvas.calls.back().font.Height, hauteur) << texte;
        ASSERT_EQ(canvas.tags.size(), lignes.size()); // each line's ink marked readable
        for (const TInkTag& t : canvas.tags)
            EXPECT_FALSE(SortDuCadre(t.box, r, 0)) << texte;
    }
}

TEST_F(GrilleTest, SaveLoadAndCopyRoundTripAndCutOrDamagedDataIsRefused) {
    Regle(grille,
          {"Colonnes=12", "Cellule=0,6", "CouleurLignes=8421504", "Fonte=Arial,9,255,italique",
           "Texte=12;10;fin", "Texte=1;1;début", "Couleur=5;5;16711680"});
    TMemoryStream s;
    ASSERT_TRUE(grille.Sauve(s));
    TGrille lue(&cadre);
    ASSERT_TRUE(lue.Charge(s, nullptr, &cadre));
    EXPECT_EQ(s.Remaining(), 0u);
    const auto copie = grille.Copie();
    for (TGrille* g : {&lue, dynamic_cast<TGrille*>(copie.get())}) {
        EXPECT_EQ(OptionBytes(*g), OptionBytes(grille));
        EXPECT_EQ(g->Rect, grille.Rect);
        EXPECT_EQ(
            remplies(*g),
            (Cases{{{0, 0}, {"début", sans}}, {{4, 4}, {"", 16711680}}, {{11, 9}, {"fin", sans}}}));
    }
    // Cut anywhere, or with no columns: refused, with cells matching the dimensions.
    const std::vector<std::uint8_t> good = s.Bytes();
    std::vector<std::vector<std::uint8_t>> damaged;
    for (std::size_t n = 0; n < good.size(); ++n)
        damaged.emplace_back(good.begin(), good.begin() + std::ptrdiff_t(n));
    std::vector<std::uint8_t> noColumns = good;
    const auto block = OptionBytes(grille);
    const auto at = std::search(noColumns.begin(), noColumns.end(), block.begin(), block.end());
    ASSERT_NE(at, noColumns.end());
    std::fill(at, at + 4, 0);
    damaged.push_back(noColumns);
    for (const auto& d : damaged) {
        TMemoryStream in(d);
        TGrille refusee(&cadre);
        EXPECT_FALSE(refusee.Charge(in, nullptr, &cadre)) << d.size() << " bytes";
        TInfoReponse r;
        r.cellule.index = refusee.Reglages().Colonnes * refusee.Reglages().Lignes - 1;
        EXPECT_TRUE(refusee.Info(3, r));
    }
}

} // namespace
