#include "dots/Relier.h"

#include "dots/RelierEditLogique.h"
#include "host/Liste.h"
#include "pictures/PictureTest.h"
#include "platform/Random.h"

#include <tuple>

namespace {

using Op = TDrawCall::Op;
using Lignes = std::vector<std::vector<int>>;

// A component of 6 x 6 cm at the margin origin: the frame (100, 100, 700, 700). Labels in the
// global font (14 pt: 29 wide a character, 61 high on the recording canvas).
class RelierTest : public PictureTest {
protected:
    TvlRelier& Relier(std::vector<PointRelier> points, const std::vector<std::string>& reglages) {
        TvlRelier& r = Nouveau<TvlRelier>("Points à relier", reglages);
        r.Jeu().Points = std::move(points);
        return r;
    }
    static Lignes Traits(const TRecordingCanvas& c) {
        Lignes traits;
        for (const TDrawCall& l : c.Of(Op::Line))
            traits.push_back(l.args);
        return traits;
    }
    static std::vector<std::tuple<int, int, std::string>> Textes(const TRecordingCanvas& c) {
        std::vector<std::tuple<int, int, std::string>> textes;
        for (const TDrawCall& t : c.Of(Op::TextOut))
            textes.emplace_back(t.args[0], t.args[1], t.text);
        return textes;
    }
};

// An unplaced point is skipped and the path joins its neighbours; a point in the upper-left
// third has its text to its upper left; answers stand 10 away whatever the marker.
TEST_F(RelierTest, CorrectedViewJoinsPlacedPointsAndWritesAnswers) {
    TvlRelier& r = Relier({{0.3, 0.3, "3+4", "7"}, {-1, -1, "1+1", "2"}, {0.5, 0.75, "4+4", "8"}},
                          {"StylePoints=2"});
    const TRecordingCanvas corrige = Dessin(r, MODE_CORRIGE);
    EXPECT_EQ(Traits(corrige), (Lignes{{280, 280, 400, 550}}));
    // "7": 29 x 61, upper left at distance 10; "8" in the middle column, below: centred.
    EXPECT_EQ(Textes(corrige), (decltype(Textes(corrige)){{280 - 29 - 10, 280 - 61 - 10, "7"},
                                                          {400 - 14 - 5, 550 + 10, "8"}}));
    const auto disques = corrige.Of(Op::Ellipse);
    ASSERT_EQ(disques.size(), 2u);
    EXPECT_EQ(disques[0].args, (std::vector<int>{275, 275, 285, 285}));
    EXPECT_EQ(disques[0].brush.Style, bsSolid);
    // The test view: labels at the marker's half size, no line; with "AfficherLignes" it is
    // joined and answered like the corrected one.
    const TRecordingCanvas epreuve = Dessin(r, MODE_EPREUVE);
    EXPECT_TRUE(Traits(epreuve).empty());
    EXPECT_EQ(std::get<0>(Textes(epreuve).front()), 280 - 87 - 5);
    Regle(r, {"AfficherLignes=1"});
    EXPECT_EQ(Textes(Dessin(r, MODE_EPREUVE)), Textes(corrige));
    EXPECT_EQ(Traits(Dessin(r, MODE_EPREUVE)), Traits(corrige));
}

// A figure closed by repeating its first point: the last line comes back to it, and the start
// keeps one marker and one text that gives both numbers.
TEST_F(RelierTest, RepeatedFirstPointClosesTheFigure) {
    TvlRelier& r = Relier({{0.3, 0.3, "1+1", "2"},
                           {0.5, 0.75, "1+2", "3"},
                           {0.8, 0.3, "2+2", "4"},
                           {0.3, 0.3, "2+3", "5"}},
                          {"StylePoints=2"});
    const TRecordingCanvas c = Dessin(r, MODE_CORRIGE);
    EXPECT_EQ(Traits(c).back(), (std::vector<int>{580, 280, 280, 280}));
    EXPECT_EQ(c.Of(Op::Ellipse).size(), 3u);
    EXPECT_EQ(std::get<2>(Textes(c).front()), "2\u00A0; 5");
    EXPECT_EQ(std::get<2>(Textes(Dessin(r, MODE_EPREUVE)).front()), "1+1\u00A0; 2+3");
    EXPECT_EQ(Textes(c).size(), 3u);
}

TEST_F(RelierTest, EachMarkerStyle) {
    const std::vector<std::tuple<int, Lignes, std::vector<int>, TBrushStyle>> styles{
        {0, {{390, 390, 410, 410}, {410, 390, 390, 410}}, {}, bsSolid},
        {1, {{400, 390, 400, 410}, {390, 400, 410, 400}}, {}, bsSolid},
        {2, {}, {395, 395, 405, 405}, bsSolid},
        {3, {}, {390, 390, 410, 410}, bsSolid},
        {4, {}, {395, 395, 405, 405}, bsClear},
        {5, {}, {390, 390, 410, 410}, bsClear},
    };
    for (const auto& [style, traits, disque, brosse] : styles) {
        TvlRelier& r = Relier({{0.5, 0.5, "", ""}}, {"StylePoints=" + std::to_string(style)});
        const TRecordingCanvas c = Dessin(r, MODE_EPREUVE);
        EXPECT_EQ(Traits(c), traits) << style;
        const auto disques = c.Of(Op::Ellipse);
        EXPECT_EQ(disques.empty() ? std::vector<int>{} : disques[0].args, disque) << style;
        EXPECT_EQ(disques.empty() ? bsSolid : disques[0].brush.Style, brosse) << style;
    }
    Refuse(Relier({}, {}), {"StylePoints=6", "StylePinceauCadre=7", "Mode=3"});
}

// A 5 mm step snaps 7.4 mm and 9.9 mm down to 5 mm; a receiver's cell replaces the step.
TEST_F(RelierTest, GridStepAndReceiverCellSnapDown) {
    TvlRelier& r = Relier({{74.0 / 600, 99.0 / 600, "", ""}}, {"StylePoints=2"});
    r.Jeu().PasX = r.Jeu().PasY = 5;
    EXPECT_EQ(Dessin(r).Of(Op::Ellipse)[0].args, (std::vector<int>{145, 145, 155, 155}));
    TRecordingCanvas c;
    r.Emet(c, {1000, 1000, 1600, 1600}, {0, 0}, {40, 30}, MODE_EPREUVE, nullptr);
    EXPECT_EQ(c.Of(Op::Ellipse)[0].args, (std::vector<int>{1035, 1085, 1045, 1095}));
}

TEST_F(RelierTest, SamplePointsFollowTheCellsWithRisingAnswers) {
    constexpr int kChemin[9][2] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2},
                                   {1, 2}, {0, 2}, {0, 1}, {1, 1}};
    for (std::uint32_t graine = 1; graine <= 20; ++graine) {
        SeedRandom(graine);
        const TvlRelier& r = Nouveau<TvlRelier>("Points à relier");
        ASSERT_EQ(r.Jeu().Points.size(), 9u);
        int precedente = -1;
        for (int i = 0; i < 9; ++i) {
            const PointRelier& p = r.Jeu().Points[std::size_t(i)];
            EXPECT_EQ(int(p.x * 3), kChemin[i][0]) << graine;
            EXPECT_EQ(int(p.y * 3), kChemin[i][1]) << graine;
            const std::size_t plus = p.Etiquette.find('+');
            EXPECT_EQ(std::stoi(p.Etiquette) + std::stoi(p.Etiquette.substr(plus + 1)),
                      std::stoi(p.Reponse));
            EXPECT_GT(std::stoi(p.Reponse), precedente + 1);
            precedente = std::stoi(p.Reponse);
        }
    }
}

// Everything comes back; a record cut anywhere loads without crash, keeping what it read.
TEST_F(RelierTest, RecordRoundTripAndCutRecords) {
    TvlRelier& source = Relier({{0.25, 0.5, "3+4", "7"}, {-1, -1, "2x3", "6"}}, {});
    JeuPoints& jeu = source.Jeu();
    jeu.Formule = "a + b";
    jeu.PasX = 5;
    jeu.Image = "modele.png";
    jeu.Variables = {{"a", "a+1", "+ v0 v1", 10, 1, COMPORTEMENT_PASSAGE, 1, 0}};
    EXPECT_EQ(Relu("Points à relier", source).Jeu(), jeu);
    TMemoryStream stream;
    ASSERT_TRUE(source.Sauve(stream));
    for (std::size_t n = 0; n < stream.Bytes().size(); ++n) {
        TMemoryStream court(
            std::vector<std::uint8_t>(stream.Bytes().begin(), stream.Bytes().begin() + long(n)));
        TvlRelier& lu = Nouveau<TvlRelier>("Points à relier");
        EXPECT_FALSE(lu.Charge(court, nullptr, &document_.Cadre(0)));
        EXPECT_LE(lu.Jeu().Points.size(), 2u);
        // A point cut short is reset whole.
        const bool coupe = !lu.Jeu().Points.empty() && lu.Jeu().Points[0].Reponse.empty();
        EXPECT_TRUE(!coupe || lu.Jeu().Points[0] == PointRelier{});
    }
}

TEST_F(RelierTest, ListTextsBecomeLabels) {
    TComposant* liste = document_.Cree("Liste", 0);
    Regle(*liste, {"Champs=texte", "Ajoute=un", "Ajoute=deux", "Ajoute=trois"});
    TComposant* images = document_.Cree("Liste", 0);
    Regle(*images, {"Champs=photo:image"});
    images->ChangeNom("Photos");
    TvlRelier& r = Relier({{0.1, 0.1, "a", "1"}, {0.2, 0.2, "b", "2"}}, {});
    Refuse(r, {"Liste=Photos"});
    Regle(r, {"Liste=" + liste->Nom()});
    EXPECT_EQ(r.Jeu().Points[1].Etiquette, "deux");
    Regle(*liste, {"EnrPos=3"});
    EXPECT_EQ(std::tuple(r.Jeu().Points[0].Etiquette, r.Jeu().Points[1].Etiquette),
              std::tuple("trois", "deux"));

    // The field editor: "Yes" opens the points editor on its values, "No" takes the list's
    // texts again, or says that no list is bound.
    TTestUi ui;
    const TScopedUi scoped(ui);
    bool valeurs = false;
    ui.forms["RelierEdit"] = [&valeurs](TFormModel& m) {
        valeurs = dynamic_cast<RelierEditLogique&>(m).PageValeurs;
        return mrCancel;
    };
    r.Jeu().Points[0].Etiquette = "tapé";
    ui.messageAnswers = {IDYES, IDNO, IDCANCEL};
    EXPECT_EQ(r.EditeurChamps(), IDYES);
    EXPECT_TRUE(valeurs);
    EXPECT_EQ(r.EditeurChamps(), IDNO);
    EXPECT_EQ(r.Jeu().Points[0].Etiquette, "trois");
    EXPECT_EQ(r.EditeurChamps(), IDCANCEL);
    TvlRelier& seul = Relier({{0.1, 0.1, "a", "1"}}, {});
    ui.messageAnswers = {IDNO};
    seul.EditeurChamps();
    EXPECT_NE(ui.Messages().back().find("Aucune liste"), std::string::npos);
}

} // namespace
