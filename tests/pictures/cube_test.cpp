#include "pictures/Cube.h"

#include "PictureTest.h"
#include "platform/Random.h"

#include <array>

namespace {

using Op = TDrawCall::Op;
using P = TvlCube::Piece;
using Points = std::vector<vlPoint>;

class CubeTest : public PictureTest {
protected:
    CubeTest() { SeedRandom(94); }
    TvlCube& Cube(const std::vector<std::string>& reglages) {
        return Nouveau<TvlCube>("Cube décimal", reglages);
    }
    static int Largeur(const TvlCube& c) {
        return c.Rect.Normalise().right - c.Rect.Normalise().left;
    }
};

// The front square, then the top and side faces, half the edge deep; the plate and the bar are
// a twentieth of their edge deep, their nine lines continued over the top and side.
TEST(CubeDessins, FacesOfACubeAPlateAndABar) {
    TRecordingCanvas cube, plaque, barre;
    TvlCube::DessineCube(cube, 0, 100, 50);
    TvlCube::DessinePlaque(plaque, 0, 1000, 500);
    TvlCube::DessineBarre(barre, 0, 1000, 500);
    const auto face = [](const TRecordingCanvas& c, std::size_t i) {
        return c.Of(Op::Polygon).at(i).points;
    };
    EXPECT_EQ(cube.Of(Op::Rectangle).front().args, (std::vector<int>{0, 50, 50, 100}));
    EXPECT_EQ(face(cube, 0), (Points{{0, 50}, {25, 25}, {75, 25}, {50, 50}}));
    EXPECT_EQ(face(cube, 1), (Points{{50, 100}, {75, 75}, {75, 25}, {50, 50}}));
    EXPECT_EQ(face(plaque, 0), (Points{{0, 500}, {500, 500}, {525, 475}, {25, 475}}));
    EXPECT_EQ(face(plaque, 1), (Points{{500, 1000}, {500, 500}, {525, 475}, {525, 975}}));
    EXPECT_EQ(face(barre, 1), (Points{{50, 1000}, {50, 500}, {75, 475}, {75, 975}}));
    ASSERT_EQ(plaque.Of(Op::Line).size(), 36u);
    EXPECT_EQ(plaque.Of(Op::Line)[3].args, (std::vector<int>{500, 950, 525, 925}));
    ASSERT_EQ(barre.Of(Op::Line).size(), 18u);
    EXPECT_EQ(barre.Of(Op::Line)[17].args, (std::vector<int>{50, 550, 75, 525}));
}

// 1234 with s = 50 and g = 20 on narrow frames: rows wrap at the right edge, then spread to
// reach the bottom (next-to-last piece's row at the bottom, none below bottom - 1); rows that do
// not fit keep their steps, never cover each other. A first row below the bottom puts every
// piece on it.
TEST(CubeDessins, RowsWrapAndFitTheFrame) {
    // Kind (0 thousand .. 3 unit), x, y for each piece; -1: the frame's bottom - 1.
    const auto pieces = [](int bas, std::vector<std::array<int, 3>> attendu) {
        std::vector<P> p;
        for (const auto& [sorte, x, y] : attendu)
            p.push_back({P::Sorte(sorte), x, y == -1 ? bas - 1 : y});
        return p;
    };
    // clang-format off
    EXPECT_EQ(TvlCube::Disposition(1234, 50, 20, {0, 0, 1200, 2000}),
              pieces(2000, {{0, 0, 750}, {1, 520, 750}, {1, 0, -1}, {2, 520, -1}, {2, 590, -1},
                            {2, 660, -1}, {3, 730, -1}, {3, 800, -1}, {3, 870, -1}, {3, 940, -1}}));
    EXPECT_EQ(TvlCube::Disposition(1234, 50, 20, {0, 0, 800, 1600}),
              pieces(1600, {{0, 0, 750}, {1, 0, 1270}, {1, 0, 1790}, {2, 520, 1790}, {2, 590, 1790},
                            {2, 660, 1790}, {3, 0, 1860}, {3, 70, 1860}, {3, 140, 1860},
                            {3, 210, 1860}}));
    EXPECT_EQ(TvlCube::Disposition(12, 50, 20, {0, 0, 800, 100}),
              pieces(100, {{2, 0, 100}, {3, 70, 100}, {3, 140, 100}}));
    // clang-format on
}

// The fitted frame holds one row; the number's pieces are drawn only where they are shown,
// and a frame too short or too narrow for a piece says so in place of the drawing.
TEST_F(CubeTest, FittedFramesHiddenPiecesAndFramesTooSmall) {
    document_.AjoutePage(TPlanche(TPlanche::Format::A4, true));
    auto& grand = dynamic_cast<TvlCube&>(*document_.Cree("Cube décimal", 1));
    Regle(grand, {"NombreCube=1234", "TailleCube=10", "IntervalleCube=4", "Haut=10"});
    const int bas = grand.Rect.Normalise().bottom;
    std::string message;
    EXPECT_FALSE(grand.ChangeOption("", "AjusterTaille", message)); // an action
    EXPECT_EQ(grand.Rect.Normalise(), (vlRect{100, bas - 750, 2416, bas}));
    EXPECT_EQ(Dessin(grand).Of(Op::Rectangle).size(), 10u);
    EXPECT_EQ(grand.Description().back(), "1 millier(s), 2 centaine(s), 3 dizaine(s), 4 unité(s)");

    TvlCube& c =
        Cube({"NombreCube=9999", "TailleCube=2", "IntervalleCube=2", "Largeur=19", "Hauteur=25"});
    VerifieModes(
        c, [](const TRecordingCanvas& canvas) { return canvas.Of(Op::Rectangle).size() == 36; });
    EXPECT_TRUE(Dessin(Cube({"NombreCube=0"})).calls.empty());
    const std::pair<const char*, const char*> tropPetits[] = {
        {"Hauteur=1", "19 cm de large et 2,6 cm de haut"},
        {"Largeur=1", "1,5 cm de large et 25,7 cm de haut"},
        {"Hauteur=2,5", "19 cm de large et 2,6 cm de haut"},
    };
    for (const auto& [trop, besoin] : tropPetits) {
        Regle(c, {"Largeur=19", "Hauteur=25", trop});
        const TRecordingCanvas canvas = Dessin(c);
        EXPECT_TRUE(canvas.Of(Op::Rectangle).empty() && canvas.Of(Op::Polygon).empty()) << trop;
        EXPECT_EQ(c.ErreurDessin(),
                  std::string("Pas de place pour le dessin\u00A0: il faut un cadre de ") + besoin);
    }
    // A fitted frame wider than the page takes the rows its blocks wrap to, within the page.
    TvlCube& rangs = Cube({"NombreCube=442", "TailleCube=10"});
    EXPECT_EQ(Largeur(rangs), document_.Page(0).ZoneUtile().Width());
    EXPECT_EQ(rangs.Rect.Normalise().Height(), 1053); // 32 × 50 / 3 + one row step 520
    const TRecordingCanvas deuxRangs = Dessin(rangs);
    EXPECT_TRUE(rangs.ErreurDessin().empty());
    EXPECT_EQ(deuxRangs.tags.size(), 10u);

    // A fitted frame makes room for its instruction, given before or after the fitting.
    for (const bool avant : {true, false}) {
        TvlCube& titre = Cube({"NombreCube=1234"});
        const auto cle = [&](const char* nom, const char* valeur) {
            EXPECT_EQ(titre.ChangeCle(valeur, nom, message), nom[0] == 'C') << nom;
        };
        const char* consigne =
            "Écris le nombre représenté par les plaques, les barres et les cubes.";
        cle(avant ? "Consigne" : "AjusterTaille", avant ? consigne : "1");
        cle(avant ? "AjusterTaille" : "Consigne", avant ? "1" : consigne);
        TRecordingCanvas canvas;
        DessineComposant(titre, canvas, MODE_EDITION, nullptr, false);
        EXPECT_EQ(titre.ErreurDessin(), "") << avant;
        EXPECT_GT(titre.HauteurConsigne(), 0);
    }

    // A new frame is fitted to its drawn number and follows the number and sizes given after;
    // a frame given a size keeps it.
    TvlCube& suit = Cube({"NombreCube=1234", "TailleCube=4"});
    EXPECT_EQ(Largeur(suit), 1046); // 220 + 100 + 2 × 220 + 7 × 40 + 6
    EXPECT_EQ(Dessin(suit).Of(Op::Rectangle).size(), 10u);
    Regle(suit, {"Largeur=5", "NombreCube=7"});
    EXPECT_EQ(Largeur(suit), 500);
}

// The sizes are kept in tenths of a millimetre, in the record and the ini file, and checked
// when read back.
TEST_F(CubeTest, SizesInHalfMillimetresRecordsAndPreferences) {
    TvlCube& c = Cube({"TailleCube=7", "IntervalleCube=1", "NombreCube=305", "Mode=1"});
    Relu("Cube décimal", c);
    c.EnregistreOptions();
    for (const CubeOptions& o : {c.Bloc(), Cube({}).Bloc()})
        EXPECT_EQ(std::tuple(o.TailleCube, o.IntervalleCube, o.Mode), std::tuple(35, 5, 1));
    c.Bloc().TailleCube = 300;
    TMemoryStream trop;
    ASSERT_TRUE(c.Sauve(trop));
    EXPECT_FALSE(Cube({}).Charge(trop, nullptr, &document_.Cadre(0)));
}

} // namespace
