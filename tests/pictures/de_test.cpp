#include "pictures/De.h"

#include "PictureTest.h"
#include "host/Stream.h"
#include "platform/IniFile.h"
#include "platform/Random.h"

#include <cstring>
#include <set>

namespace {

using Op = TDrawCall::Op;

class DeTest : public PictureTest {
protected:
    // A die of 3 x 3 cm at the margin origin: the frame (100, 100, 400, 400).
    TvlDe& De() { return Nouveau<TvlDe>("Dé"); }

    // A domino of 6 x 3 cm at the margin origin: the frame (100, 100, 700, 400).
    TvlDe& Domino(const std::string& v1, const std::string& v2) {
        TvlDe& d = De();
        Regle(d, {{"Aspect", "1"},
                  {"Largeur", "6"},
                  {"Hauteur", "3"},
                  {"Valeur1", v1},
                  {"Valeur2", v2}});
        return d;
    }

    static TRecordingCanvas Dessin(TvlDe& d, int mode = MODE_EDITION) {
        TRecordingCanvas canvas;
        d.Dessine(canvas, mode, nullptr);
        return canvas;
    }

    // The pips' centres; every pip must be a circle of radius `rayon`.
    static std::set<std::pair<int, int>> Points(const TRecordingCanvas& canvas, int rayon) {
        std::set<std::pair<int, int>> centres;
        for (const TDrawCall& e : canvas.Of(Op::Ellipse)) {
            EXPECT_EQ(e.args[2] - e.args[0], 2 * rayon);
            EXPECT_EQ(e.args[3] - e.args[1], 2 * rayon);
            centres.insert({(e.args[0] + e.args[2]) / 2, (e.args[1] + e.args[3]) / 2});
        }
        return centres;
    }
};

TEST_F(DeTest, IsMadeByTheFactoryWithItsKeyTable) {
    const TTypeComposant* type = catalogue_.TrouveNom("Dé");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->numero, 77);
    EXPECT_EQ(type->indexPalette, 7);
    EXPECT_EQ(type->cles, TvlDe::TableCles());
    TvlDe& d = De();
    EXPECT_EQ(d.Rect, (vlRect{100, 100, 400, 400}));
    EXPECT_EQ(d.IndexCle("Orientation"), 14);
    EXPECT_EQ(d.IndexCle("Permuter"), 18);
    EXPECT_EQ(d.IndexCle("Actif"), 19);
    EXPECT_EQ(d.NomProp(), "DeProp");
    EXPECT_TRUE(d.DblClk(0, {}));
}

TEST_F(DeTest, ValuesAreDrawnAtCreationAndKeptByTheDefaults) {
    std::set<int> premieres;
    std::set<int> secondes;
    for (std::uint32_t graine = 1; graine <= 120; ++graine) {
        SeedRandom(graine);
        const TvlDe& d = De();
        premieres.insert(d.Bloc().Valeur1);
        secondes.insert(d.Bloc().Valeur2);
    }
    EXPECT_EQ(premieres, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(secondes, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));

    SeedRandom(9);
    const DeOptions premier = De().Bloc();
    SeedRandom(9);
    TvlDe& second = De();
    EXPECT_EQ(second.Bloc().Valeur1, premier.Valeur1);
    EXPECT_EQ(second.Bloc().Valeur2, premier.Valeur2);
    Regle(second, {{"Valeur1", "6"}, {"Valeur2", "0"}});
    second.RestaureStandard();
    EXPECT_EQ(second.Bloc().Valeur1, 6);
    EXPECT_EQ(second.Bloc().Valeur2, 0);
}

TEST_F(DeTest, AleatoireNeverGivesABlankDie) {
    SeedRandom(3);
    TvlDe& d = De();
    Regle(d, {{"Valeur2", "4"}});
    std::set<int> vues;
    for (int i = 0; i < 200; ++i) {
        std::string message;
        EXPECT_FALSE(d.ChangeOption("", "Aleatoire", message)); // an action
        EXPECT_TRUE(message.empty());
        vues.insert(d.Bloc().Valeur1);
    }
    EXPECT_EQ(vues, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(d.Bloc().Valeur2, 4); // a die has no second value to draw
}

TEST_F(DeTest, AleatoireOnADominoDrawsBothHalvesFromZeroToSix) {
    SeedRandom(4);
    TvlDe& d = Domino("1", "1");
    std::set<int> gauches;
    std::set<int> droites;
    for (int i = 0; i < 300; ++i) {
        Regle(d, {{"Aleatoire", ""}});
        gauches.insert(d.Bloc().Valeur1);
        droites.insert(d.Bloc().Valeur2);
    }
    const std::set<int> toutes{0, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(gauches, toutes);
    EXPECT_EQ(droites, toutes);
}

TEST_F(DeTest, PermuterSwapsTheHalves) {
    TvlDe& d = Domino("2", "5");
    std::string message;
    EXPECT_FALSE(d.ChangeOption("", "Permuter", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(d.Bloc().Valeur1, 5);
    EXPECT_EQ(d.Bloc().Valeur2, 2);
}

TEST_F(DeTest, OrientationTurnsTheFrameEachTimeItIsReceived) {
    TvlDe& d = Domino("1", "2");
    Regle(d, {{"Gauche", "5"}, {"Haut", "5"}});
    ASSERT_EQ(d.Rect, (vlRect{600, 600, 1200, 900}));
    Regle(d, {{"Orientation", "1"}});
    EXPECT_EQ(d.Bloc().Orientation, 1);
    EXPECT_EQ(d.Rect, (vlRect{750, 450, 1050, 1050})); // same centre (900, 750)
    Regle(d, {{"Orientation", "1"}});
    EXPECT_EQ(d.Rect, (vlRect{600, 600, 1200, 900}));
    Regle(d, {{"Orientation", "vrai"}}); // bad text reads as 0, and still turns
    EXPECT_EQ(d.Bloc().Orientation, 0);
    EXPECT_EQ(d.Rect, (vlRect{750, 450, 1050, 1050}));
}

TEST_F(DeTest, RefusedAndUncheckedValues) {
    TvlDe& d = De();
    Regle(d, {{"Valeur1", "3"}});
    std::string message;
    EXPECT_FALSE(d.ChangeOption("7", "Valeur1", message));
    EXPECT_FALSE(message.empty());
    EXPECT_FALSE(d.ChangeOption("-1", "Valeur2", message));
    EXPECT_FALSE(d.ChangeOption("7", "StylePinceauCadre", message));
    EXPECT_FALSE(d.ChangeOption("1001", "TaillePinceauCadre", message));
    EXPECT_FALSE(d.ChangeOption("un", "Mode", message));
    EXPECT_EQ(d.Bloc().Valeur1, 3);
    EXPECT_EQ(d.Bloc().TaillePinceau, 1);
    EXPECT_FALSE(d.ChangeOption("1", "valeur1", message)); // names are case-sensitive

    // These are read as plain integers: never refused, bad text reads as 0.
    Regle(d, {{"StyleBrosseFond", "9"},
              {"StyleBrossePoint", "12"},
              {"CouleurPoint", "x"},
              {"Aspect", "3"}});
    EXPECT_EQ(d.Bloc().StyleBrosse, 9);
    EXPECT_EQ(d.Bloc().StyleBrossePoint, 12);
    EXPECT_EQ(d.Bloc().CouleurPoint, 0);
    EXPECT_EQ(d.Bloc().Aspect, 3);
}

TEST_F(DeTest, AColourMakesAClearFaceSolid) {
    TvlDe& d = De();
    Regle(d, {{"StyleBrosseFond", "1"}});
    EXPECT_EQ(d.Brosse.Style, bsClear);
    Regle(d, {{"CouleurBrosseFond", "65280"}});
    EXPECT_EQ(d.Bloc().StyleBrosse, bsSolid);
    EXPECT_EQ(d.Brosse, (TBrush{65280, bsSolid}));
}

TEST_F(DeTest, AFaceOfFiveOnItsRoundedRectangle) {
    TvlDe& d = De();
    Regle(d, {{"Valeur1", "5"},
              {"CouleurPinceauCadre", "255"},
              {"CouleurPoint", "128"},
              {"StyleBrossePoint", "6"}});
    const TRecordingCanvas canvas = Dessin(d);
    ASSERT_FALSE(canvas.calls.empty());
    const TDrawCall& face = canvas.calls.front();
    EXPECT_EQ(face.op, Op::RoundRect);
    EXPECT_EQ(face.args, (std::vector<int>{100, 100, 400, 400, 75, 75}));
    EXPECT_EQ(face.pen, (TPen{255, 1, psSolid, pmCopy}));
    EXPECT_EQ(face.brush, (TBrush{clWhite, bsSolid}));
    // m = 300, s = 250: pips of radius 35, 83 from the centre.
    EXPECT_EQ(Points(canvas, 35), (std::set<std::pair<int, int>>{
                                      {167, 167}, {333, 167}, {167, 333}, {333, 333}, {250, 250}}));
    for (const TDrawCall& pip : canvas.Of(Op::Ellipse)) {
        EXPECT_EQ(pip.pen, (TPen{255, 1, psSolid, pmCopy}));
        EXPECT_EQ(pip.brush, (TBrush{128, bsCross}));
    }
}

TEST_F(DeTest, CornersFollowTheShorterSide) {
    TvlDe& d = Domino("0", "0");
    EXPECT_EQ(Dessin(d).calls.front().args, (std::vector<int>{100, 100, 700, 400, 72, 75}));
    Regle(d, {{"Largeur", "7"}}); // 300 / 700 x 25 = 10.7, truncated
    EXPECT_EQ(Dessin(d).calls.front().args, (std::vector<int>{100, 100, 800, 400, 70, 75}));
    Regle(d, {{"Largeur", "3"}, {"Hauteur", "6"}});
    EXPECT_EQ(Dessin(d).calls.front().args, (std::vector<int>{100, 100, 400, 700, 75, 72}));
}

TEST_F(DeTest, AThickSolidOutlineReducesThePipArea) {
    TvlDe& d = De();
    Regle(d, {{"Valeur1", "1"}, {"TaillePinceauCadre", "10"}});
    TRecordingCanvas canvas = Dessin(d);
    EXPECT_EQ(canvas.calls.front().pen.Width, 10);
    // (105, 105, 395, 395): m = 290, s = 242, radius 34.
    EXPECT_EQ(Points(canvas, 34), (std::set<std::pair<int, int>>{{250, 250}}));
    EXPECT_EQ(canvas.Of(Op::Ellipse).front().pen.Width, 1);

    // A dashed outline is one unit wide whatever its width, and reduces nothing.
    Regle(d, {{"StylePinceauCadre", "1"}});
    canvas = Dessin(d);
    EXPECT_EQ(canvas.calls.front().pen, (TPen{clBlack, 1, psDash, pmCopy}));
    EXPECT_EQ(Points(canvas, 35), (std::set<std::pair<int, int>>{{250, 250}}));
}

TEST_F(DeTest, TurnedFacesTurnTheirPips) {
    TvlDe& d = De();
    Regle(d, {{"Valeur1", "2"}});
    EXPECT_EQ(Points(Dessin(d), 35), (std::set<std::pair<int, int>>{{167, 167}, {333, 333}}));
    Regle(d, {{"Orientation", "1"}}); // a square frame keeps its shape
    EXPECT_EQ(Points(Dessin(d), 35), (std::set<std::pair<int, int>>{{333, 167}, {167, 333}}));
    Regle(d, {{"Valeur1", "6"}});
    EXPECT_EQ(Points(Dessin(d), 35),
              (std::set<std::pair<int, int>>{
                  {167, 167}, {250, 167}, {333, 167}, {167, 333}, {250, 333}, {333, 333}}));
}

TEST_F(DeTest, HorizontalDominoTwoFive) {
    TvlDe& d = Domino("2", "5");
    const TRecordingCanvas canvas = Dessin(d);
    EXPECT_EQ(Lignes(canvas), (std::vector<std::vector<int>>{{400, 100, 400, 400}}));
    EXPECT_EQ(canvas.Of(Op::Line).front().pen, (TPen{clBlack, 1, psSolid, pmCopy}));
    EXPECT_EQ(
        Points(canvas, 35),
        (std::set<std::pair<int, int>>{
            {167, 167}, {333, 333}, {467, 167}, {633, 167}, {467, 333}, {633, 333}, {550, 250}}));
    // The pips of the left half come first.
    EXPECT_EQ(canvas.Of(Op::Ellipse).size(), 7u);
    EXPECT_LT(canvas.Of(Op::Ellipse)[1].args[0], 400);
}

TEST_F(DeTest, VerticalDominoZeroSix) {
    TvlDe& d = De();
    Regle(d, {{"Aspect", "1"},
              {"Orientation", "1"},
              {"Largeur", "3"},
              {"Hauteur", "6"},
              {"Valeur1", "0"},
              {"Valeur2", "6"}});
    ASSERT_EQ(d.Rect, (vlRect{100, 100, 400, 700}));
    const TRecordingCanvas canvas = Dessin(d);
    EXPECT_EQ(Lignes(canvas), (std::vector<std::vector<int>>{{100, 400, 400, 400}}));
    // Nothing in the top half, two rows of three in the bottom half (centre (250, 550)).
    EXPECT_EQ(Points(canvas, 35),
              (std::set<std::pair<int, int>>{
                  {167, 467}, {250, 467}, {333, 467}, {167, 633}, {250, 633}, {333, 633}}));
}

TEST_F(DeTest, HiddenPipsLeaveOnlyTheOutline) {
    TvlDe& d = Domino("3", "4");
    Regle(d, {{"Mode", "1"}}); // shown in the test version only
    for (const int mode : {MODE_EDITION, MODE_EPREUVE}) {
        const TRecordingCanvas canvas = Dessin(d, mode);
        EXPECT_EQ(canvas.Of(Op::Ellipse).size(), 7u) << mode;
        EXPECT_EQ(canvas.Of(Op::Line).size(), 1u) << mode;
    }
    const TRecordingCanvas corrige = Dessin(d, MODE_CORRIGE);
    ASSERT_EQ(corrige.calls.size(), 1u);
    EXPECT_EQ(corrige.calls.front().op, Op::RoundRect);

    Regle(d, {{"Mode", "2"}});
    EXPECT_EQ(Dessin(d, MODE_EPREUVE).calls.size(), 1u);
    EXPECT_EQ(Dessin(d, MODE_CORRIGE).Of(Op::Ellipse).size(), 7u);
}

TEST_F(DeTest, ThePenKeepsTheOutlineColour) {
    TvlDe& d = De();
    Regle(d, {{"CouleurPinceauCadre", "255"}});
    TRecordingCanvas canvas;
    d.AffectePen(canvas, psSolid, clLime, 3);
    EXPECT_EQ(canvas.Pen, (TPen{255, 3, psSolid, pmCopy}));
}

TEST_F(DeTest, DrawingLeavesTheFaceBrushToTheOptions) {
    TvlDe& d = De();
    Regle(d, {{"StyleBrosseFond", "4"}, {"CouleurBrosseFond", "16711680"}, {"Valeur1", "3"}});
    Dessin(d);
    EXPECT_EQ(d.Brosse, (TBrush{16711680, bsFDiagonal}));
    Regle(d, {{"CouleurBrosseFond", "255"}});
    EXPECT_EQ(d.Bloc().StyleBrosse, bsFDiagonal); // not the pips' solid brush
}

TEST_F(DeTest, PreferencesComeBackWithoutTheValues) {
    TvlDe& source = Domino("2", "5");
    Regle(source, {{"StylePinceauCadre", "2"},
                   {"CouleurPinceauCadre", "255"},
                   {"TaillePinceauCadre", "4"},
                   {"StyleBrosseFond", "5"},
                   {"CouleurBrosseFond", "65280"},
                   {"Mode", "2"},
                   {"StyleBrossePoint", "3"},
                   {"CouleurPoint", "8421504"},
                   {"Orientation", "1"}});
    source.EnregistreOptions();
    EXPECT_EQ(TIniFile(FichIni()).ReadInteger("Dé", "Valeur1", -1), -1);
    EXPECT_TRUE(TIniFile(FichIni()).ReadBool("Dé", "Orientation", false));

    TvlDe& lu = De();
    DeOptions attendu = source.Bloc();
    attendu.Valeur1 = lu.Bloc().Valeur1;
    attendu.Valeur2 = lu.Bloc().Valeur2;
    EXPECT_EQ(std::memcmp(&attendu, &lu.Bloc(), sizeof attendu), 0);
    EXPECT_EQ(lu.Pinceau, source.Pinceau);
    EXPECT_EQ(lu.Brosse, source.Brosse);
    EXPECT_EQ(lu.Rect, (vlRect{100, 100, 400, 400})); // preferences do not turn a new die
}

TEST_F(DeTest, SaveLoadAndCopyKeepTheDomino) {
    TvlDe& source = Domino("6", "3");
    Regle(source, {{"Orientation", "1"}, {"CouleurPoint", "255"}, {"TaillePinceauCadre", "6"}});
    TMemoryStream stream;
    ASSERT_TRUE(source.Sauve(stream));

    TvlDe& lu = De();
    stream.Rewind();
    ASSERT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(std::memcmp(&source.Bloc(), &lu.Bloc(), sizeof(DeOptions)), 0);
    EXPECT_EQ(lu.Rect, source.Rect);
    EXPECT_EQ(lu.Pinceau, source.Pinceau);

    const std::unique_ptr<TComposant> copie = source.Copie();
    auto& de = dynamic_cast<TvlDe&>(*copie);
    EXPECT_EQ(de.Bloc().Valeur1, 6);
    EXPECT_EQ(de.Bloc().Valeur2, 3);
    const auto pips = [](const TRecordingCanvas& canvas) {
        std::vector<std::vector<int>> rectangles;
        for (const TDrawCall& e : canvas.Of(Op::Ellipse))
            rectangles.push_back(e.args);
        return rectangles;
    };
    EXPECT_EQ(pips(Dessin(de)).size(), 9u);
    EXPECT_EQ(pips(Dessin(de)), pips(Dessin(source)));
    EXPECT_EQ(de.Description().back(), "6 | 3");

    std::vector<std::uint8_t> coupe = stream.Bytes();
    coupe.resize(coupe.size() - 10);
    TMemoryStream court(coupe);
    EXPECT_FALSE(De().Charge(court, nullptr, &document_.Cadre(0)));
}

} // namespace
