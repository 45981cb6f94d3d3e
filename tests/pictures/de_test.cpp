#include "pictures/De.h"

#include "PictureTest.h"
#include "platform/IniFile.h"
#include "platform/Random.h"

#include <cstring>
#include <set>

namespace {

using Op = TDrawCall::Op;
using Centres = std::set<std::pair<int, int>>;
using Traits = std::vector<std::vector<int>>;

class DeTest : public PictureTest {
protected:
    // A die of 3 x 3 cm at the margin origin: the frame (100, 100, 400, 400).
    TvlDe& De(const std::vector<std::string>& reglages = {}) {
        return Nouveau<TvlDe>("Dé", reglages);
    }

    // A domino of 6 x 3 cm at the margin origin: the frame (100, 100, 700, 400).
    TvlDe& Domino(const std::string& v1, const std::string& v2) {
        return De({"Aspect=1", "Largeur=6", "Hauteur=3", "Valeur1=" + v1, "Valeur2=" + v2});
    }

    // The pips' centres; every pip must be a circle of radius `rayon`.
    static Centres Points(const TRecordingCanvas& canvas, int rayon) {
        Centres centres;
        for (const TDrawCall& e : canvas.Of(Op::Ellipse)) {
            EXPECT_EQ(e.args[2] - e.args[0], 2 * rayon);
            EXPECT_EQ(e.args[3] - e.args[1], 2 * rayon);
            centres.insert({(e.args[0] + e.args[2]) / 2, (e.args[1] + e.args[3]) / 2});
        }
        return centres;
    }
};

// Different seeds draw different values: the draws go through the seeded generator. A die shows
// 1 to 6, a domino's halves 0 to 6; the action never draws a die's second value, and the factory
// settings keep the values.
TEST_F(DeTest, ValuesAreDrawnAtCreationAndByAleatoire) {
    using Vues = std::pair<std::set<int>, std::set<int>>;
    const std::set<int> unASix{1, 2, 3, 4, 5, 6};
    const std::set<int> zeroASix{0, 1, 2, 3, 4, 5, 6};
    const auto note = [](Vues& vues, const TvlDe& d) {
        vues.first.insert(d.Bloc().Valeur1);
        vues.second.insert(d.Bloc().Valeur2);
    };
    Vues creees, vuesDe, vuesDomino;
    for (std::uint32_t graine = 1; graine <= 120; ++graine) {
        SeedRandom(graine);
        note(creees, De());
    }
    EXPECT_EQ(creees, Vues(unASix, zeroASix));

    SeedRandom(3);
    TvlDe& de = De({"Valeur2=4"});
    TvlDe& domino = Domino("1", "1");
    for (int i = 0; i < 300; ++i) {
        std::string message;
        EXPECT_FALSE(de.ChangeOption("", "Aleatoire", message)); // an action
        EXPECT_FALSE(domino.ChangeOption("", "Aleatoire", message));
        note(vuesDe, de);
        note(vuesDomino, domino);
    }
    EXPECT_EQ(vuesDe, Vues(unASix, {4}));
    EXPECT_EQ(vuesDomino, Vues(zeroASix, zeroASix));
    Regle(de, {"Valeur1=6", "Valeur2=0"});
    de.RestaureStandard();
    EXPECT_EQ((std::pair<int, int>(de.Bloc().Valeur1, de.Bloc().Valeur2)), std::pair(6, 0));
}

// Each time the key is received the frame turns about its centre, even with the same value; bad
// text turns nothing.
TEST_F(DeTest, OrientationTurnsTheFrameEachTime) {
    TvlDe& d = Domino("2", "5");
    Regle(d, {"Gauche=5", "Haut=5", "Orientation=0"}); // from (600, 600, 1200, 900)
    EXPECT_EQ(d.Rect, (vlRect{750, 450, 1050, 1050}));
    Regle(d, {"Orientation=0"});
    EXPECT_EQ(d.Rect, (vlRect{600, 600, 1200, 900}));
    Refuse(d, {"Orientation=vrai", "Orientation=2"});
}

// The face's rounded corners take a quarter of the shorter side; the pips sit on a square of
// side s = m - 2 (m / 12) (m the shorter side of the face or half), radius s / 7, s / 3 apart;
// a domino's halves are split by a line; a thick solid outline takes its half width off.
TEST_F(DeTest, FacesPipsAndHalvesAtTheirPlaces) {
    struct Case {
        std::vector<std::string> reglages;
        Centres centres;
        int rayon = 35;
        std::vector<int> face{100, 100, 400, 400, 75, 75}; // the frame, then the corner
        Traits lignes{};
    };
    // clang-format off
    const Case cases[] = {
        {{"Valeur1=5"}, {{167, 167}, {333, 167}, {167, 333}, {333, 333}, {250, 250}}},
        {{"Valeur1=2", "Orientation=1"}, {{333, 167}, {167, 333}}},
        // (105, 105, 395, 395): m = 290, s = 242.
        {{"Valeur1=1", "TaillePinceauCadre=10"}, {{250, 250}}, 34},
        {{"Valeur1=1", "TaillePinceauCadre=10", "StylePinceauCadre=1"}, {{250, 250}}},
        {{"Aspect=1", "Largeur=6", "Hauteur=3", "Valeur1=2", "Valeur2=5"},
         {{167, 167}, {333, 333}, {467, 167}, {633, 167}, {467, 333}, {633, 333}, {550, 250}},
         35, {100, 100, 700, 400, 72, 75}, {{400, 100, 400, 400}}},
        // 300 / 700 x 25 = 10.7, truncated.
        {{"Aspect=1", "Largeur=7", "Hauteur=3", "Valeur1=0", "Valeur2=0"}, {},
         35, {100, 100, 800, 400, 70, 75}, {{450, 100, 450, 400}}},
        // Standing: nothing in the top half, two rows of three in the bottom one.
        {{"Aspect=1", "Orientation=1", "Largeur=3", "Hauteur=6", "Valeur1=0", "Valeur2=6"},
         {{167, 467}, {250, 467}, {333, 467}, {167, 633}, {250, 633}, {333, 633}},
         35, {100, 100, 400, 700, 75, 72}, {{100, 400, 400, 400}}},
    };
    // clang-format on
    for (const Case& cas : cases) {
        SCOPED_TRACE(::testing::PrintToString(cas.reglages));
        const TRecordingCanvas canvas = Dessin(De(cas.reglages));
        ASSERT_EQ(canvas.calls.front().op, Op::RoundRect);
        EXPECT_EQ(canvas.calls.front().args, cas.face);
        EXPECT_EQ(Points(canvas, cas.rayon), cas.centres);
        Traits lignes;
        for (const TDrawCall& ligne : canvas.Of(Op::Line))
            lignes.push_back(ligne.args);
        EXPECT_EQ(lignes, cas.lignes);
    }
}

// The face and split line in the frame pen, the pips in its colour one unit wide, with their brush.
TEST_F(DeTest, FaceAndPipPensAndBrushes) {
    TvlDe& d = Domino("2", "5");
    Regle(d, {"CouleurPinceauCadre=255", "TaillePinceauCadre=10", "StyleBrosseFond=4",
              "CouleurBrosseFond=16711680", "CouleurPoint=128", "StyleBrossePoint=6"});
    const TRecordingCanvas canvas = Dessin(d);
    EXPECT_EQ(canvas.calls.front().pen, (TPen{255, 10, psSolid, pmCopy}));
    EXPECT_EQ(canvas.calls.front().brush, (TBrush{16711680, bsFDiagonal}));
    EXPECT_EQ(canvas.Of(Op::Line).front().pen, canvas.calls.front().pen);
    const std::vector<TDrawCall> pips = canvas.Of(Op::Ellipse);
    ASSERT_EQ(pips.size(), 7u);
    for (const TDrawCall& pip : pips)
        EXPECT_EQ(std::pair(pip.pen, pip.brush),
                  std::pair(TPen{255, 1, psSolid, pmCopy}, TBrush{128, bsCross}));
    EXPECT_EQ(d.Brosse, (TBrush{16711680, bsFDiagonal}));
}

TEST_F(DeTest, HiddenPipsLeaveOnlyTheOutline) {
    TvlDe& d = Domino("3", "4");
    VerifieModes(d, [](const TRecordingCanvas& canvas) {
        return canvas.Of(Op::Ellipse).size() == 7 && canvas.Of(Op::Line).size() == 1;
    });
    EXPECT_EQ(Dessin(d, MODE_EPREUVE).calls.size(), 1u); // the face alone
}

// The values are no preference, and a new die is not turned by the preferred orientation.
TEST_F(DeTest, PreferencesSaveLoadAndCopy) {
    TvlDe& source = Domino("6", "3");
    Regle(source, {"Mode=2", "StyleBrossePoint=3", "CouleurPoint=8421504", "Orientation=1",
                   "TaillePinceauCadre=6"});
    source.EnregistreOptions();
    EXPECT_EQ(TIniFile(FichIni()).ReadInteger("Dé", "Valeur1", -1), -1);
    TvlDe& prefere = De();
    DeOptions attendu = source.Bloc();
    attendu.Valeur1 = prefere.Bloc().Valeur1;
    attendu.Valeur2 = prefere.Bloc().Valeur2;
    EXPECT_EQ(std::memcmp(&attendu, &prefere.Bloc(), sizeof attendu), 0);
    EXPECT_EQ(prefere.Rect, (vlRect{100, 100, 400, 400}));

    EXPECT_EQ(Relu("Dé", source).Description().back(), "6 | 3");
}

} // namespace
