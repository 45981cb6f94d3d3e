#include "shape/Forme.h"

#include "pictures/PictureTest.h"
#include "platform/IniFile.h"
#include "platform/Random.h"

#include <cmath>

namespace {

using Op = TDrawCall::Op;

class FormeTest : public PictureTest {
protected:
    TvlForme& Forme(const std::vector<std::string>& reglages = {}) {
        return Nouveau<TvlForme>("Forme", reglages);
    }
    // The points made absolute on the page.
    static std::vector<vlPoint> Absolus(const TvlForme& f) {
        std::vector<vlPoint> a;
        for (const vlPoint p : f.Pts())
            a.push_back(p + f.Rect.Centre());
        return a;
    }
    // One mouse drag of grab code `code` from p to q.
    static void Glisse(TvlForme& f, int code, vlPoint p, vlPoint q) {
        TRecordingCanvas bande;
        f.InitModif(bande, p, code);
        f.BougeMotif(bande, q, true);
        f.StopModif(bande, true);
    }
    static TvlForme& Cree(TvlForme& f, vlPoint p, std::optional<vlPoint> q) {
        TRecordingCanvas bande;
        f.InitModifCreation(bande, p);
        if (q)
            f.BougeMotif(bande, *q, true);
        f.StopModifCreation(bande, true);
        return f;
    }
};

// The rectangle (0, 0)-(800, 400): eight points on its ellipse from the top-left, arms along
// the sides at the middles and along the ellipse between, forward towards the next point.
TEST_F(FormeTest, RectangleGivesItsPointsAndTheCurveItsArms) {
    TvlForme& f = Forme({"Largeur=8", "Hauteur=4", "Distance=10"});
    std::string message;
    EXPECT_FALSE(f.ChangeOption("", "Réinitialise", message)); // an action
    const std::vector<vlPoint> attendus{{-283, -141}, {0, -200}, {283, -141}, {400, 0},
                                        {283, 141},   {0, 200},  {-283, 141}, {-400, 0}};
    EXPECT_EQ(std::vector<vlPoint>(f.Pts().begin(), f.Pts().end()), attendus);
    ASSERT_EQ(f.Bezier().size(), 25u);
    const struct {
        int index;
        vlPoint arriere, avant;
    } bras[] = {{1, {-100, 0}, {100, 0}}, {3, {0, -100}, {0, 100}}, {0, {-85, 51}, {85, -51}}};
    for (const auto& b : bras) {
        const vlPoint p = f.Bezier()[std::size_t(3 * b.index)];
        EXPECT_EQ(f.Bezier()[std::size_t(3 * b.index + 1)] - p, b.avant) << b.index;
        EXPECT_EQ(f.Bezier()[std::size_t(b.index == 0 ? 23 : 3 * b.index - 1)] - p, b.arriere);
    }
    EXPECT_EQ(Dessin(f).Of(Op::PolyBezier).at(0).points.size(), 25u);
    Regle(f, {"Distance=0"});
    const TRecordingCanvas polygone = Dessin(f);
    EXPECT_TRUE(polygone.Of(Op::PolyBezier).empty());
    EXPECT_EQ(polygone.Of(Op::Polygon).at(0).points.size(), 8u);
}

// On random outlines, from unit vectors alone: the two arms are opposite, as long as the
// rounding, perpendicular to the bisector of the neighbours and forward on the next point's side.
TEST_F(FormeTest, ArmsAreTangentOnRandomShapes) {
    SeedRandom(22);
    for (int essai = 0; essai < 40; ++essai) {
        TvlForme& f = Forme({"NbPoints=16", "Distance=100"});
        std::string texte;
        for (int i = 0; i < 16; ++i)
            texte += (i ? " | " : "") + std::to_string(1 + Random() % 18) + ";" +
                     std::to_string(1 + Random() % 26);
        Regle(f, {"Points=" + texte});
        const auto pts = f.Pts();
        for (int i = 0; i < 16; ++i) {
            const vlPoint p = pts[std::size_t(i)];
            const vlPoint av = f.Bezier()[std::size_t(3 * i + 1)] - p;
            const vlPoint ar = f.Bezier()[std::size_t(i == 0 ? 47 : 3 * i - 1)] - p;
            EXPECT_EQ(av, vlPoint{} - ar);
            EXPECT_NEAR(std::hypot(av.x, av.y), 999, 1.5);
            const auto unite = [](vlPoint v) {
                const double n = std::hypot(v.x, v.y);
                return std::pair{v.x / n, v.y / n};
            };
            const vlPoint vp = pts[std::size_t((i + 15) % 16)] - p;
            const vlPoint vn = pts[std::size_t((i + 1) % 16)] - p;
            if (vp == vlPoint{} || vn == vlPoint{})
                continue;
            const auto [ux, uy] = unite(vp);
            const auto [nx, ny] = unite(vn);
            const auto [ax, ay] = unite(av);
            if (std::hypot(ux + nx, uy + ny) > 0.1) {
                EXPECT_NEAR(ax * (ux + nx) + ay * (uy + ny), 0, 0.01) << essai << " " << i;
            }
            EXPECT_GE(ax * nx + ay * ny, -0.01) << essai << " " << i;
        }
    }
}

// Grid step 50 from (125, 125): dropped points go to the nearest line on either side of the
// origin, the creation corner snaps down, the frame's edges (the margins, 100) hold.
TEST_F(FormeTest, DragsSnapToTheGridAndStayInTheFrame) {
    document_.Page(0).Pas = {50, 50};
    document_.Page(0).OrgGrille = {125, 125};
    const vlRect page = document_.Page(0).ZoneUtile();
    EXPECT_EQ(Cree(Forme(), {170, 170}, vlPoint{1000, 800}).Rect, (vlRect{125, 125, 1025, 825}));
    TvlForme& clic = Cree(Forme(), {1000, 1000}, std::nullopt);
    EXPECT_EQ(clic.Rect, (vlRect{975, 975, 1475, 1475}));
    EXPECT_EQ(Absolus(clic)[3], (vlPoint{1475, 1225}));
    TvlForme& hautGauche = Cree(Forme(), {1000, 1000}, vlPoint{500, 600});
    EXPECT_EQ(hautGauche.Rect, (vlRect{525, 625, 975, 975}));
    EXPECT_EQ(Absolus(hautGauche)[7], (vlPoint{525, 800}));

    const struct {
        vlPoint cible, attendu;
    } chutes[] = {{{110, 110}, {125, 125}}, {{90, 90}, {100, 100}}, {{3000, -40}, {2000, 100}}};
    for (const auto& c : chutes) {
        TvlForme& f = Forme();
        Glisse(f, TvlForme::CODE_POINT, Absolus(f)[0], c.cible);
        EXPECT_EQ(Absolus(f)[0], c.attendu);
    }
    SeedRandom(7);
    TvlForme& f = Forme({"NbPoints=16"});
    for (int i = 0; i < 200; ++i) {
        const int code = Random() % 3 == 0 ? HIT_CORPS : TvlForme::CODE_POINT + Random() % 16;
        const vlPoint depart =
            code == HIT_CORPS ? f.Rect.Centre() : Absolus(f)[std::size_t(code - 10)];
        Glisse(f, code, depart, {int(Random() % 3000) - 400, int(Random() % 4000) - 500});
        const std::vector<vlPoint> a = Absolus(f);
        const vlPoint mini = Minima(a), maxi = Maxima(a);
        ASSERT_EQ(f.Rect, (vlRect{mini.x, mini.y, maxi.x, maxi.y})) << i;
        ASSERT_TRUE(mini.x >= page.left && mini.y >= page.top && maxi.x <= page.right &&
                    maxi.y <= page.bottom)
            << i;
    }
}

// Resizing stretches the outline saved after the last change: there and back gives it exactly,
// a flat outline stays flat, a loaded outline is the one stretched.
TEST_F(FormeTest, ResizingStretchesTheSavedOutline) {
    TvlForme& f = Forme({"Points=1;1 | 2,5;1,3 | 4;1 | 4,2;2 | 4;3,7 | 2;3 | 1;3 | 0,3;2"});
    const std::vector<vlPoint> avant(f.Pts().begin(), f.Pts().end());
    Regle(f, {"Largeur=7,8", "Hauteur=1"});
    Regle(f, {"Largeur=3,9", "Hauteur=2,7"});
    EXPECT_EQ(std::vector<vlPoint>(f.Pts().begin(), f.Pts().end()), avant);

    TvlForme& plate = Forme({"Points=1;1 | 2;1 | 3;1 | 4;1 | 5;1 | 6;1 | 7;1 | 8;1", "Hauteur=2"});
    for (const vlPoint p : plate.Pts())
        EXPECT_EQ(p.y, 0);

    TvlForme& lue = Relu("Forme", f);
    EXPECT_EQ(std::vector<vlPoint>(lue.Pts().begin(), lue.Pts().end()), avant);
    Regle(lue, {"Largeur=7,8"});
    for (std::size_t i = 0; i < avant.size(); ++i)
        EXPECT_EQ(lue.Pts()[i].x, avant[i].x * 2) << i;
}

TEST_F(FormeTest, KeysRefuseWhatTheyCannotUseAndModesHideTheShape) {
    TvlForme& f = Forme({"Points=1;1 | 2;1 | 3;1 | 3;2 | 3;3 | 2;3 | 1;3 | 1;2"});
    const std::vector<vlPoint> points(f.Pts().begin(), f.Pts().end());
    Refuse(f, {"NbPoints=12", "NbPoints=40", "Distance=101", "Mode=3", "Points=1;1 | 2;2"});
    std::string message;
    f.ChangeOption("12", "NbPoints", message);
    EXPECT_EQ(message, "Valeur incorrecte (acceptés\u00A0: 8,16,24,32)");
    Regle(f, {"NbPoints=8", "CouleurBrosseFond=255"});
    EXPECT_EQ(std::vector<vlPoint>(f.Pts().begin(), f.Pts().end()), points);
    EXPECT_EQ(f.Bloc().StyleBrosse, bsSolid);

    // The screen's guide never reaches a print.
    const TRecordingCanvas ecran = Dessin(f);
    EXPECT_EQ(ecran.Of(Op::Rectangle).at(0).pen.Mode, pmNotXor);
    TRecordingCanvas impression;
    f.Imprime(impression, MODE_CORRIGE, nullptr);
    EXPECT_TRUE(impression.Of(Op::Rectangle).empty());
    VerifieModes(f, [](const TRecordingCanvas& c) { return !c.Of(Op::PolyBezier).empty(); });

    // The ini keeps the arms' length itself.
    Regle(f, {"Distance=25"});
    f.EnregistreOptions();
    EXPECT_EQ(TIniFile(FichIni()).ReadInteger("Forme", "Distance", -1), 250);
    EXPECT_EQ(Forme().Bloc().Distance, 250);
}

// A record of 12 points cannot be read; the document keeps its other components, and values
// out of their keys' ranges are brought into them.
TEST_F(FormeTest, ARecordOfAnotherCountFailsAndTheDocumentKeepsTheRest) {
    SeedRandom(5);
    Forme().Bloc() = {.TaillePinceau = 5000, .Mode = 7, .Distance = -4};
    Forme().Bloc().NbPoints = 12;
    TMemoryStream flux;
    ASSERT_TRUE(document_.Ecrit(flux));
    TDocument relu(catalogue_);
    TMemoryStream lecture(flux.Bytes());
    std::string message;
    std::vector<std::string> ignores;
    ASSERT_TRUE(relu.Lit(lecture, message, ignores)) << message;
    EXPECT_EQ(ignores.size(), 1u);
    ASSERT_EQ(relu.NbComposants(), 1);
    const FormeOptions& lu = dynamic_cast<TvlForme&>(relu.Composant(0)).Bloc();
    EXPECT_EQ(std::tuple(lu.TaillePinceau, lu.Mode, lu.Distance), std::tuple(1000, 2, 0));
}

} // namespace
