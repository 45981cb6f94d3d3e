#include "pictures/Camembert.h"

#include "PictureTest.h"
#include "host/Stream.h"

#include <cstring>

namespace {

using Op = TDrawCall::Op;

// The pie of 4 x 4 cm at the margin origin: frame (100, 100, 500, 500), centre (300, 300),
// radius 200. Its points at 3, 12, 9 and 6 o'clock:
constexpr vlPoint kTroisHeures{500, 300};
constexpr vlPoint kMidi{300, 100};
constexpr vlPoint kNeufHeures{100, 300};
constexpr vlPoint kSixHeures{300, 500};
constexpr vlPoint kCentre{300, 300};

class CamembertTest : public PictureTest {
protected:
    TvlCamembert& Camembert() { return Nouveau<TvlCamembert>("Camembert"); }

    // The filled sector: its two ray points, checked to be drawn on the frame.
    static std::pair<vlPoint, vlPoint> Secteur(const TRecordingCanvas& canvas,
                                               const vlRect& cadre = {100, 100, 500, 500}) {
        const std::vector<TDrawCall> pies = canvas.Of(Op::Pie);
        EXPECT_EQ(pies.size(), 1u);
        if (pies.empty())
            return {};
        const std::vector<int>& a = pies.front().args;
        EXPECT_EQ((std::vector<int>(a.begin(), a.begin() + 4)),
                  (std::vector<int>{cadre.left, cadre.top, cadre.right, cadre.bottom}));
        return {{a[4], a[5]}, {a[6], a[7]}};
    }

    // The radii drawn from the centre: their far ends and pen widths.
    static std::vector<std::pair<vlPoint, int>> Rayons(const TRecordingCanvas& canvas) {
        std::vector<std::pair<vlPoint, int>> rayons;
        for (const TDrawCall& l : canvas.Of(Op::Line)) {
            EXPECT_EQ((vlPoint{l.args[0], l.args[1]}), kCentre);
            rayons.push_back({{l.args[2], l.args[3]}, l.pen.Width});
        }
        return rayons;
    }
};

TEST_F(CamembertTest, IsMadeByTheFactory) {
    const TTypeComposant* type = catalogue_.TrouveNom("Camembert");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->numero, 75);
    EXPECT_EQ(type->indexPalette, 5);
    TvlCamembert& c = Camembert();
    EXPECT_TRUE(c.DblClk(0, {}));
}

TEST_F(CamembertTest, AQuarterFromNoonWithItsSectorsAndStartRadius) {
    TvlCamembert& c = Camembert();
    const TRecordingCanvas canvas = Dessin(c);
    const std::vector<TDrawCall> disques = canvas.Of(Op::Ellipse);
    ASSERT_EQ(disques.size(), 1u);
    EXPECT_EQ(disques.front().args, (std::vector<int>{100, 100, 500, 500}));
    EXPECT_EQ(disques.front().brush, (TBrush{clWhite, bsClear}));
    EXPECT_EQ(disques.front().pen, (TPen{clBlack, 1, psSolid, pmCopy}));

    // Clockwise from noon: the canvas turns counter-clockwise from 3 o'clock to noon.
    const auto [debut, fin] = Secteur(canvas);
    EXPECT_TRUE(Pres(kTroisHeures, debut));
    EXPECT_TRUE(Pres(kMidi, fin));
    EXPECT_EQ(canvas.Of(Op::Pie).front().brush, (TBrush{clBlue, bsSolid}));

    const std::vector<std::pair<vlPoint, int>> rayons = Rayons(canvas);
    ASSERT_EQ(rayons.size(), 5u);
    const vlPoint attendus[] = {kMidi, kTroisHeures, kSixHeures, kNeufHeures, kMidi};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(Pres(attendus[i], rayons[i].first)) << i;
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(rayons[i].second, 1);
    EXPECT_EQ(rayons[4].second, 5); // the start radius stands out from the sector lines
}

TEST_F(CamembertTest, ThreeQuartersClockwiseAndCounterClockwise) {
    TvlCamembert& c = Camembert();
    Regle(c, {"Numerateur=3"});
    // Clockwise from noon round to 9 o'clock: from 9 o'clock counter-clockwise to noon.
    auto [debut, fin] = Secteur(Dessin(c));
    EXPECT_TRUE(Pres(kNeufHeures, debut));
    EXPECT_TRUE(Pres(kMidi, fin));

    Regle(c, {"Sens=1"});
    std::tie(debut, fin) = Secteur(Dessin(c));
    EXPECT_TRUE(Pres(kMidi, debut));
    EXPECT_TRUE(Pres(kTroisHeures, fin));
    // Counter-clockwise sector lines run the other way round.
    const std::vector<std::pair<vlPoint, int>> rayons = Rayons(Dessin(c));
    ASSERT_EQ(rayons.size(), 5u);
    EXPECT_TRUE(Pres(kNeufHeures, rayons[1].first));
}

TEST_F(CamembertTest, WholeMultiplesFillTheDiscAndTheRestShowsTheRemainder) {
    TvlCamembert& c = Camembert();
    for (const char* n : {"4", "8"}) {
        Regle(c, {std::string("Numerateur=") + n});
        const TRecordingCanvas canvas = Dessin(c);
        EXPECT_TRUE(canvas.Of(Op::Pie).empty()) << n;
        const std::vector<TDrawCall> disques = canvas.Of(Op::Ellipse);
        ASSERT_EQ(disques.size(), 2u) << n;
        EXPECT_EQ(disques[1].args, (std::vector<int>{100, 100, 500, 500}));
        EXPECT_EQ(disques[1].brush, (TBrush{clBlue, bsSolid}));
    }
    Regle(c, {"Numerateur=5"}); // one quarter, from 3 o'clock to noon
    const auto [debut, fin] = Secteur(Dessin(c));
    EXPECT_TRUE(Pres(kTroisHeures, debut));
    EXPECT_TRUE(Pres(kMidi, fin));

    Regle(c, {"Numerateur=0"});
    const TRecordingCanvas vide = Dessin(c);
    EXPECT_TRUE(vide.Of(Op::Pie).empty());
    EXPECT_EQ(vide.Of(Op::Ellipse).size(), 1u);
}

TEST_F(CamembertTest, SectorLinesStopAboveAHundredSectors) {
    TvlCamembert& c = Camembert();
    Regle(c, {"Denominateur=100"});
    std::vector<std::pair<vlPoint, int>> rayons = Rayons(Dessin(c));
    EXPECT_EQ(rayons.size(), 101u);
    EXPECT_EQ(rayons.back().second, 5);

    Regle(c, {"Denominateur=101"});
    rayons = Rayons(Dessin(c));
    ASSERT_EQ(rayons.size(), 1u); // the start radius alone
    EXPECT_TRUE(Pres(kMidi, rayons.front().first));
    EXPECT_EQ(rayons.front().second, 1);

    Regle(c, {"Denominateur=4", "MontrerSecteurs=0"});
    rayons = Rayons(Dessin(c));
    ASSERT_EQ(rayons.size(), 1u);
    EXPECT_EQ(rayons.front().second, 1);
    Regle(c, {"MontrerRayon=0"});
    EXPECT_TRUE(Dessin(c).Of(Op::Line).empty());
}

TEST_F(CamembertTest, AnEllipseFollowsItsFrame) {
    TvlCamembert& c = Camembert();
    Regle(c, {"Largeur=6", "Angle=0", "MontrerSecteurs=0"});
    // Frame (100, 100, 700, 500): centre (400, 300), half-axes 300 and 200.
    const TRecordingCanvas canvas = Dessin(c);
    const auto [debut, fin] = Secteur(canvas, {100, 100, 700, 500});
    EXPECT_TRUE(Pres({400, 500}, debut)); // a quarter clockwise from 3 o'clock starts at 6
    EXPECT_TRUE(Pres({700, 300}, fin));
    const std::vector<TDrawCall> lignes = canvas.Of(Op::Line);
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_EQ(lignes.front().args, (std::vector<int>{400, 300, 700, 300}));
}

TEST_F(CamembertTest, HiddenFillKeepsTheDiscAndItsLines) {
    TvlCamembert& c = Camembert();
    Regle(c, {"Mode=2", "Numerateur=4"});
    const TRecordingCanvas epreuve = Dessin(c, MODE_EPREUVE);
    EXPECT_EQ(epreuve.Of(Op::Ellipse).size(), 1u);
    EXPECT_EQ(Rayons(epreuve).size(), 5u);
    EXPECT_EQ(Dessin(c, MODE_CORRIGE).Of(Op::Ellipse).size(), 2u);
    EXPECT_EQ(Dessin(c, MODE_EDITION).Of(Op::Ellipse).size(), 2u);
}

TEST_F(CamembertTest, AngleAndFlagKeys) {
    TvlCamembert& c = Camembert();
    Regle(c, {"Angle=360"});
    EXPECT_EQ(c.Bloc().Angle, 0);
    Regle(c, {"Angle=270", "Sens=1", "MontrerSecteurs=0"});
    EXPECT_EQ(c.Bloc().Sens, 1);
    EXPECT_EQ(c.Bloc().MontrerSecteurs, 0);

    // The disc starts clear; giving it a colour makes it solid.
    EXPECT_EQ(c.Brosse.Style, bsClear);
    Regle(c, {"CouleurBrosseFond=65535"});
    EXPECT_EQ(c.Bloc().StyleBrosse, bsSolid);
    EXPECT_EQ(Dessin(c).Of(Op::Ellipse).front().brush, (TBrush{65535, bsSolid}));
}

TEST_F(CamembertTest, PreferencesSaveLoadAndCopy) {
    TvlCamembert& source = Camembert();
    Regle(source, {"StylePinceauCadre=3", "CouleurPinceauCadre=255", "TaillePinceauCadre=7",
                   "StyleBrosseFond=2", "CouleurBrosseFond=12632256", "StyleBrosseCamembert=6",
                   "Mode=1", "CouleurCamembert=32768", "Numerateur=5", "Denominateur=8", "Angle=45",
                   "Sens=1", "MontrerSecteurs=0", "MontrerRayon=0"});
    source.EnregistreOptions();
    TvlCamembert& prefere = Camembert();
    EXPECT_EQ(std::memcmp(&source.Bloc(), &prefere.Bloc(), sizeof(CamembertOptions)), 0);
    EXPECT_EQ(prefere.Brosse, source.Brosse);

    Regle(source, {"Gauche=2", "Numerateur=7"});
    Relu("Camembert", source);
    const std::unique_ptr<TComposant> copie = source.Copie();
    const auto& camembert = dynamic_cast<const TvlCamembert&>(*copie);
    EXPECT_EQ(camembert.Bloc().Numerateur, 7);
    EXPECT_EQ(camembert.Description().back(), "7/8");
}

} // namespace
