#include "pictures/De.h"

#include "PictureTest.h"
#include "platform/IniFile.h"
#include "platform/Random.h"

#include <cstring>
#include <set>

namespace {

using Op = TDrawCall::Op;
using Centres = std::set<std::pair<int, int>>;

class DeTest : public PictureTest {
protected:
    // A die of 3 x 3 cm at the margin origin: the frame (100, 100, 400, 400).
    TvlDe& De() { return Nouveau<TvlDe>("Dé"); }

    // A domino of 6 x 3 cm at the margin origin: the frame (100, 100, 700, 400).
    TvlDe& Domino(const std::string& v1, const std::string& v2) {
        TvlDe& d = De();
        Regle(d, {"Aspect=1", "Largeur=6", "Hauteur=3", "Valeur1=" + v1, "Valeur2=" + v2});
        return d;
    }

    // The pips' centres; every pip must be a circle of radius `rayon`.
    static Centres Points(const TRecordingCanvas& canvas, int rayon = 35) {
        Centres centres;
        for (const TDrawCall& e : canvas.Of(Op::Ellipse)) {
            EXPECT_EQ(e.args[2] - e.args[0], 2 * rayon);
            EXPECT_EQ(e.args[3] - e.args[1], 2 * rayon);
            centres.insert({(e.args[0] + e.args[2]) / 2, (e.args[1] + e.args[3]) / 2});
        }
        return centres;
    }

    // Draws `fois` times with the action, and collects the values drawn.
    static std::pair<std::set<int>, std::set<int>> Tirages(TvlDe& d, int fois) {
        std::pair<std::set<int>, std::set<int>> vues;
        for (int i = 0; i < fois; ++i) {
            std::string message;
            EXPECT_FALSE(d.ChangeOption("", "Aleatoire", message)); // an action
            EXPECT_TRUE(message.empty());
            vues.first.insert(d.Bloc().Valeur1);
            vues.second.insert(d.Bloc().Valeur2);
        }
        return vues;
    }
};

const std::set<int> kUnASix{1, 2, 3, 4, 5, 6};
const std::set<int> kZeroASix{0, 1, 2, 3, 4, 5, 6};

TEST_F(DeTest, IsMadeByTheFactory) {
    const TTypeComposant* type = catalogue_.TrouveNom("Dé");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->numero, 77);
    EXPECT_EQ(type->indexPalette, 7);
    TvlDe& d = De();
    EXPECT_EQ(d.Rect, (vlRect{100, 100, 400, 400}));
    EXPECT_TRUE(d.DblClk(0, {}));
}

TEST_F(DeTest, ValuesAreDrawnAtCreationAndByAleatoireNeverBlankOnADie) {
    std::pair<std::set<int>, std::set<int>> creees;
    for (std::uint32_t graine = 1; graine <= 120; ++graine) {
        SeedRandom(graine);
        const TvlDe& d = De();
        creees.first.insert(d.Bloc().Valeur1);
        creees.second.insert(d.Bloc().Valeur2);
    }
    EXPECT_EQ(creees, std::pair(kUnASix, kZeroASix));
    SeedRandom(9); // the same seed draws the same values
    const DeOptions premier = De().Bloc();
    SeedRandom(9);
    const DeOptions second = De().Bloc();
    EXPECT_EQ(std::pair(second.Valeur1, second.Valeur2),
              std::pair(premier.Valeur1, premier.Valeur2));

    SeedRandom(3);
    TvlDe& d = De();
    Regle(d, {"Valeur2=4"});
    EXPECT_EQ(Tirages(d, 200), std::pair(kUnASix, std::set<int>{4})); // no second value
    SeedRandom(4);
    EXPECT_EQ(Tirages(Domino("1", "1"), 300), std::pair(kZeroASix, kZeroASix));

    // The factory settings keep the values.
    Regle(d, {"Valeur1=6", "Valeur2=0"});
    d.RestaureStandard();
    EXPECT_EQ(d.Bloc().Valeur1, 6);
    EXPECT_EQ(d.Bloc().Valeur2, 0);
}

TEST_F(DeTest, PermuterSwapsTheHalvesAndOrientationTurnsTheFrameEachTime) {
    TvlDe& d = Domino("2", "5");
    std::string message;
    EXPECT_FALSE(d.ChangeOption("", "Permuter", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(d.Bloc().Valeur1, 5);
    EXPECT_EQ(d.Bloc().Valeur2, 2);

    Regle(d, {"Gauche=5", "Haut=5"});
    const vlRect couche{600, 600, 1200, 900};
    const vlRect debout{750, 450, 1050, 1050}; // same centre (900, 750)
    ASSERT_EQ(d.Rect, couche);
    // Each time the key is received it turns, even with the same value; bad text turns nothing.
    const std::pair<const char*, vlRect> tours[] = {{"1", debout}, {"1", couche}, {"0", debout}};
    for (const auto& [valeur, rect] : tours) {
        Regle(d, {std::string("Orientation=") + valeur});
        EXPECT_EQ(d.Rect, rect) << valeur;
    }
    Refuse(d, {"Orientation=vrai", "Orientation=2"});
    EXPECT_EQ(d.Bloc().Orientation, 0);
}

TEST_F(DeTest, KeyNamesAndTheFaceBrush) {
    TvlDe& d = De();
    Regle(d, {"Valeur1=3"});
    std::string message;
    EXPECT_FALSE(d.ChangeOption("1", "valeur1", message)); // names are case-sensitive
    EXPECT_TRUE(message.empty());

    // A colour makes a clear face solid; drawing leaves the face brush to the options.
    Regle(d, {"Aspect=0", "StyleBrosseFond=1"});
    EXPECT_EQ(d.Brosse.Style, bsClear);
    Regle(d, {"CouleurBrosseFond=65280"});
    EXPECT_EQ(d.Brosse, (TBrush{65280, bsSolid}));
    Regle(d, {"StyleBrosseFond=4", "CouleurBrosseFond=16711680"});
    Dessin(d);
    EXPECT_EQ(d.Brosse, (TBrush{16711680, bsFDiagonal}));
    Regle(d, {"CouleurBrosseFond=255"});
    EXPECT_EQ(d.Bloc().StyleBrosse, bsFDiagonal); // not the pips' solid brush

    // The pen keeps the outline colour whatever colour it is given.
    Regle(d, {"CouleurPinceauCadre=255"});
    TRecordingCanvas canvas;
    d.AffectePen(canvas, psSolid, clLime, 3);
    EXPECT_EQ(canvas.Pen, (TPen{255, 3, psSolid, pmCopy}));
}

TEST_F(DeTest, AFaceOfFiveOnItsRoundedRectangle) {
    TvlDe& d = De();
    Regle(d, {"Valeur1=5", "CouleurPinceauCadre=255", "CouleurPoint=128", "StyleBrossePoint=6"});
    const TRecordingCanvas canvas = Dessin(d);
    ASSERT_FALSE(canvas.calls.empty());
    const TDrawCall& face = canvas.calls.front();
    EXPECT_EQ(face.op, Op::RoundRect);
    EXPECT_EQ(face.args, (std::vector<int>{100, 100, 400, 400, 75, 75}));
    EXPECT_EQ(face.pen, (TPen{255, 1, psSolid, pmCopy}));
    EXPECT_EQ(face.brush, (TBrush{clWhite, bsSolid}));
    // m = 300, s = 250: pips of radius 35, 83 from the centre.
    EXPECT_EQ(Points(canvas),
              (Centres{{167, 167}, {333, 167}, {167, 333}, {333, 333}, {250, 250}}));
    for (const TDrawCall& pip : canvas.Of(Op::Ellipse)) {
        EXPECT_EQ(pip.pen, (TPen{255, 1, psSolid, pmCopy}));
        EXPECT_EQ(pip.brush, (TBrush{128, bsCross}));
    }
}

TEST_F(DeTest, CornersFollowTheShorterSide) {
    TvlDe& d = Domino("0", "0");
    EXPECT_EQ(Dessin(d).calls.front().args, (std::vector<int>{100, 100, 700, 400, 72, 75}));
    Regle(d, {"Largeur=7"}); // 300 / 700 x 25 = 10.7, truncated
    EXPECT_EQ(Dessin(d).calls.front().args, (std::vector<int>{100, 100, 800, 400, 70, 75}));
    Regle(d, {"Largeur=3", "Hauteur=6"});
    EXPECT_EQ(Dessin(d).calls.front().args, (std::vector<int>{100, 100, 400, 700, 75, 72}));
}

TEST_F(DeTest, AThickSolidOutlineReducesThePipArea) {
    TvlDe& d = De();
    Regle(d, {"Valeur1=1", "TaillePinceauCadre=10"});
    TRecordingCanvas canvas = Dessin(d);
    EXPECT_EQ(canvas.calls.front().pen.Width, 10);
    // (105, 105, 395, 395): m = 290, s = 242, radius 34.
    EXPECT_EQ(Points(canvas, 34), (Centres{{250, 250}}));
    EXPECT_EQ(canvas.Of(Op::Ellipse).front().pen.Width, 1);

    // A dashed outline is one unit wide whatever its width, and reduces nothing.
    Regle(d, {"StylePinceauCadre=1"});
    canvas = Dessin(d);
    EXPECT_EQ(canvas.calls.front().pen, (TPen{clBlack, 1, psDash, pmCopy}));
    EXPECT_EQ(Points(canvas), (Centres{{250, 250}}));
}

TEST_F(DeTest, TurnedFacesTurnTheirPips) {
    TvlDe& d = De();
    Regle(d, {"Valeur1=2"});
    EXPECT_EQ(Points(Dessin(d)), (Centres{{167, 167}, {333, 333}}));
    Regle(d, {"Orientation=1"}); // a square frame keeps its shape
    EXPECT_EQ(Points(Dessin(d)), (Centres{{333, 167}, {167, 333}}));
    Regle(d, {"Valeur1=6"});
    EXPECT_EQ(Points(Dessin(d)),
              (Centres{{167, 167}, {250, 167}, {333, 167}, {167, 333}, {250, 333}, {333, 333}}));
}

TEST_F(DeTest, DominoesSplitTheirFrameAndDrawTheLeftOrTopHalfFirst) {
    TvlDe& couche = Domino("2", "5");
    TRecordingCanvas canvas = Dessin(couche);
    EXPECT_EQ(Lignes(canvas), (std::vector<std::vector<int>>{{400, 100, 400, 400}}));
    EXPECT_EQ(canvas.Of(Op::Line).front().pen, (TPen{clBlack, 1, psSolid, pmCopy}));
    EXPECT_EQ(
        Points(canvas),
        (Centres{
            {167, 167}, {333, 333}, {467, 167}, {633, 167}, {467, 333}, {633, 333}, {550, 250}}));
    ASSERT_EQ(canvas.Of(Op::Ellipse).size(), 7u);
    EXPECT_LT(canvas.Of(Op::Ellipse)[1].args[0], 400);

    TvlDe& debout = De();
    Regle(debout,
          {"Aspect=1", "Orientation=1", "Largeur=3", "Hauteur=6", "Valeur1=0", "Valeur2=6"});
    ASSERT_EQ(debout.Rect, (vlRect{100, 100, 400, 700}));
    canvas = Dessin(debout);
    EXPECT_EQ(Lignes(canvas), (std::vector<std::vector<int>>{{100, 400, 400, 400}}));
    // Nothing in the top half, two rows of three in the bottom half (centre (250, 550)).
    EXPECT_EQ(Points(canvas),
              (Centres{{167, 467}, {250, 467}, {333, 467}, {167, 633}, {250, 633}, {333, 633}}));
}

TEST_F(DeTest, HiddenPipsLeaveOnlyTheOutline) {
    TvlDe& d = Domino("3", "4");
    Regle(d, {"Mode=1"}); // shown in the test version only
    for (const int mode : {MODE_EDITION, MODE_EPREUVE}) {
        const TRecordingCanvas canvas = Dessin(d, mode);
        EXPECT_EQ(canvas.Of(Op::Ellipse).size(), 7u) << mode;
        EXPECT_EQ(canvas.Of(Op::Line).size(), 1u) << mode;
    }
    const TRecordingCanvas corrige = Dessin(d, MODE_CORRIGE);
    ASSERT_EQ(corrige.calls.size(), 1u);
    EXPECT_EQ(corrige.calls.front().op, Op::RoundRect);

    Regle(d, {"Mode=2"});
    EXPECT_EQ(Dessin(d, MODE_EPREUVE).calls.size(), 1u);
    EXPECT_EQ(Dessin(d, MODE_CORRIGE).Of(Op::Ellipse).size(), 7u);
}

TEST_F(DeTest, PreferencesComeBackWithoutTheValues) {
    TvlDe& source = Domino("2", "5");
    Regle(source, {"StylePinceauCadre=2", "CouleurPinceauCadre=255", "TaillePinceauCadre=4",
                   "StyleBrosseFond=5", "CouleurBrosseFond=65280", "Mode=2", "StyleBrossePoint=3",
                   "CouleurPoint=8421504", "Orientation=1"});
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
    Regle(source, {"Orientation=1", "CouleurPoint=255", "TaillePinceauCadre=6"});
    Relu("Dé", source);
    const std::unique_ptr<TComposant> copie = source.Copie();
    const auto pips = [](const TRecordingCanvas& canvas) {
        std::vector<std::vector<int>> rectangles;
        for (const TDrawCall& e : canvas.Of(Op::Ellipse))
            rectangles.push_back(e.args);
        return rectangles;
    };
    EXPECT_EQ(pips(Dessin(*copie)).size(), 9u);
    EXPECT_EQ(pips(Dessin(*copie)), pips(Dessin(source)));
    EXPECT_EQ(dynamic_cast<TvlDe&>(*copie).Description().back(), "6 | 3");
}

} // namespace
