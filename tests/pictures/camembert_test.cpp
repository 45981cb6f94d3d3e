#include "pictures/Camembert.h"

#include "PictureTest.h"

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
    TvlCamembert& Camembert(const std::vector<std::string>& reglages = {}) {
        return Nouveau<TvlCamembert>("Camembert", reglages);
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

// The disc, then the filled part: a sector (the canvas turns counter-clockwise from its first
// ray point to its second), a second disc for whole turns, or nothing.
TEST_F(CamembertTest, TheFilledPartFollowsTheFractionTheTurnAndTheFrame) {
    struct Case {
        std::vector<std::string> reglages;
        std::size_t disques;
        bool secteur;
        vlPoint debut{}, fin{};
        std::vector<int> cadre{100, 100, 500, 500};
    };
    const Case cases[] = {
        {{}, 1, true, kTroisHeures, kMidi}, // a quarter clockwise from noon
        {{"Numerateur=3"}, 1, true, kNeufHeures, kMidi},
        {{"Numerateur=3", "Sens=1"}, 1, true, kMidi, kTroisHeures},
        {{"Numerateur=5"}, 1, true, kTroisHeures, kMidi},
        {{"Numerateur=4"}, 2, false},
        {{"Numerateur=8"}, 2, false},
        {{"Numerateur=0"}, 1, false},
        // An ellipse: centre (400, 300), half-axes 300 and 200, a quarter clockwise from 3.
        {{"Largeur=6", "Angle=0"}, 1, true, {400, 500}, {700, 300}, {100, 100, 700, 500}},
    };
    for (const Case& cas : cases) {
        SCOPED_TRACE(::testing::PrintToString(cas.reglages));
        const TRecordingCanvas canvas = Dessin(Camembert(cas.reglages));
        const std::vector<TDrawCall> disques = canvas.Of(Op::Ellipse);
        ASSERT_EQ(disques.size(), cas.disques);
        for (const TDrawCall& disque : disques)
            EXPECT_EQ(disque.args, cas.cadre);
        EXPECT_EQ(disques.back().brush.Color, cas.disques == 2 ? clBlue : clWhite);
        const std::vector<TDrawCall> pies = canvas.Of(Op::Pie);
        ASSERT_EQ(pies.size(), cas.secteur ? 1u : 0u);
        if (!cas.secteur)
            continue;
        const std::vector<int>& a = pies[0].args;
        EXPECT_EQ(std::vector<int>(a.begin(), a.begin() + 4), cas.cadre);
        EXPECT_TRUE(Pres(cas.debut, {a[4], a[5]}));
        EXPECT_TRUE(Pres(cas.fin, {a[6], a[7]}));
        EXPECT_EQ(pies[0].brush, (TBrush{clBlue, bsSolid}));
    }
}

// The sector lines run from the start radius in the pie's direction, then the start radius
// stands out over them; above a hundred sectors only the start radius is drawn.
TEST_F(CamembertTest, SectorLinesAndTheStartRadius) {
    struct Case {
        std::vector<std::string> reglages;
        std::size_t lignes;
        std::vector<vlPoint> bouts; // the first lines' far ends, then the start radius's
        int plume;                  // the start radius's width
    };
    const Case cases[] = {
        {{}, 5, {kMidi, kTroisHeures, kSixHeures, kNeufHeures, kMidi}, 5},
        {{"Sens=1"}, 5, {kMidi, kNeufHeures, kSixHeures, kTroisHeures, kMidi}, 5},
        {{"Denominateur=100"}, 101, {kMidi}, 5},
        {{"Denominateur=101"}, 1, {kMidi}, 1},
        {{"MontrerSecteurs=0"}, 1, {kMidi}, 1},
        {{"MontrerSecteurs=0", "MontrerRayon=0"}, 0, {}, 0},
    };
    for (const Case& cas : cases) {
        SCOPED_TRACE(::testing::PrintToString(cas.reglages));
        const std::vector<std::pair<vlPoint, int>> rayons = Rayons(Dessin(Camembert(cas.reglages)));
        ASSERT_EQ(rayons.size(), cas.lignes);
        for (std::size_t i = 0; i + 1 < cas.bouts.size(); ++i) {
            EXPECT_TRUE(Pres(cas.bouts[i], rayons[i].first)) << i;
            EXPECT_EQ(rayons[i].second, 1) << i;
        }
        if (cas.lignes == 0)
            continue;
        EXPECT_TRUE(Pres(cas.bouts.back(), rayons.back().first));
        EXPECT_EQ(rayons.back().second, cas.plume);
    }
}

TEST_F(CamembertTest, HidingTheFilledPartKeepsTheDiscAndItsLines) {
    TvlCamembert& c = Camembert();
    VerifieModes(c, [](const TRecordingCanvas& canvas) { return !canvas.Of(Op::Pie).empty(); });
    Regle(c, {"Mode=2", "Numerateur=4"});
    const TRecordingCanvas epreuve = Dessin(c, MODE_EPREUVE);
    EXPECT_EQ(epreuve.Of(Op::Ellipse).size(), 1u);
    EXPECT_EQ(Rayons(epreuve).size(), 5u);
    EXPECT_EQ(Dessin(c, MODE_CORRIGE).Of(Op::Ellipse).size(), 2u);
}

TEST_F(CamembertTest, SaveLoadAndCopy) {
    TvlCamembert& source =
        Camembert({"StyleBrosseCamembert=6", "Mode=1", "CouleurCamembert=32768", "Numerateur=7",
                   "Denominateur=8", "Angle=45", "Sens=1", "MontrerSecteurs=0", "Gauche=2"});
    EXPECT_EQ(Relu("Camembert", source).Description().back(), "7/8");
}

} // namespace
