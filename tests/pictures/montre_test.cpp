#include "pictures/Montre.h"

#include "PictureTest.h"
#include "host/Services.h"
#include "platform/IniFile.h"

#include <cmath>
#include <cstring>
#include <tuple>
#include <utility>

namespace {

using Op = TDrawCall::Op;

// The clock of 6 x 6 cm at the margin origin: frame (100, 100, 700, 700), centre (400, 400),
// radius 300, graduations 50 long, hands 250 (minute and second) and 166 (hour) long.
constexpr vlPoint kCentre{400, 400};

class MontreTest : public PictureTest {
protected:
    TvlMontre& Montre(std::vector<std::string> reglages = {}) {
        reglages.insert(reglages.begin(), "Fonte=Andika,14,0,normal");
        return Nouveau<TvlMontre>("Montre", reglages);
    }
};

// The dial, a small cross at the centre, sixty marks clockwise from 12 o'clock (every fifth
// twice as long), and the numbers from 3 o'clock counter-clockwise, placed by their extent.
TEST_F(MontreTest, DialCrossGraduationsAndNumbers) {
    const TRecordingCanvas canvas = Dessin(Montre({"MontrerSeconde=0"}));
    const TDrawCall& cadran = canvas.calls.front();
    EXPECT_EQ(cadran.op, Op::Ellipse);
    EXPECT_EQ(cadran.args, (std::vector<int>{100, 100, 700, 700}));
    // A frame wider than tall keeps a round dial, centred.
    const TRecordingCanvas large = Dessin(Montre({"MontrerSeconde=0", "Largeur=10"}));
    EXPECT_EQ(large.calls.front().args, (std::vector<int>{300, 100, 900, 700}));

    std::vector<std::vector<int>> lignes;
    for (const TDrawCall& ligne : canvas.Of(Op::Line))
        lignes.push_back(ligne.args);
    ASSERT_EQ(lignes.size(), 62u);
    EXPECT_EQ(lignes[0], (std::vector<int>{390, 400, 410, 400}));
    EXPECT_EQ(lignes[1], (std::vector<int>{400, 390, 400, 410}));
    EXPECT_EQ(lignes[2], (std::vector<int>{400, 150, 400, 100}));
    for (std::size_t i = 2; i < lignes.size(); ++i) {
        const std::vector<int>& l = lignes[i];
        EXPECT_NEAR(std::hypot(l[2] - l[0], l[3] - l[1]), (i - 2) % 5 == 0 ? 50 : 25, 1.5) << i;
        EXPECT_NEAR(std::hypot(l[2] - 400, l[3] - 400), 300, 1.5) << i;
    }
    EXPECT_TRUE(Pres({700, 400}, {lignes[17][2], lignes[17][3]}));

    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"3", "2", "1", "12", "11", "10", "9", "8",
                                                        "7", "6", "5", "4"}));
    // Characters 29 wide, 61 high: each number sits 300 - 50 - 30 = 220 from the centre,
    // raised by half its height.
    const std::vector<TDrawCall> textes = canvas.Of(Op::TextOut);
    EXPECT_EQ(textes[0].args, (std::vector<int>{620, 370})); // 3
    EXPECT_EQ(textes[3].args, (std::vector<int>{400, 150})); // 12
    EXPECT_TRUE(Pres({180, 370}, {textes[6].args[0], textes[6].args[1]}));
    EXPECT_EQ(textes[3].font.Name, "Andika");
    EXPECT_EQ(textes[3].font.Height, -49);
    EXPECT_EQ(textes[3].textAlign, TA_CENTER | TA_TOP);
    EXPECT_EQ(textes[3].bkMode, TRANSPARENT);
    EXPECT_EQ(canvas.Font, TRecordingCanvas().Font); // the canvas gets its font back
}

// The minute and hour hands are polygons from the centre, the second hand a line drawn last;
// each hand moves on with the smaller units.
TEST_F(MontreTest, HandsPointAtTheTime) {
    struct Case {
        const char* temps;
        vlPoint minute, heure, seconde;
    };
    const Case cases[] = {
        {"10800", {400, 150}, {566, 400}, {400, 150}}, // 3:00:00
        {"66600", {400, 650}, {357, 560}, {400, 150}}, // 18:30:00, the hour hand half way to 7
        {"30", {413, 150}, {400, 234}, {400, 650}},    // 0:00:30, the minute hand half a minute on
    };
    for (const Case& cas : cases) {
        SCOPED_TRACE(cas.temps);
        const TRecordingCanvas canvas = Dessin(Montre({std::string("Temps=") + cas.temps}));
        const std::vector<TDrawCall> aiguilles = canvas.Of(Op::Polygon);
        ASSERT_EQ(aiguilles.size(), 2u);
        EXPECT_EQ(aiguilles[0].points.front(), kCentre);
        EXPECT_EQ(aiguilles[1].points.front(), kCentre);
        EXPECT_TRUE(Pres(cas.minute, aiguilles[0].points.at(2)));
        EXPECT_TRUE(Pres(cas.heure, aiguilles[1].points.at(2)));
        const std::vector<int>& seconde = canvas.calls.back().args;
        ASSERT_EQ(canvas.calls.back().op, Op::Line);
        EXPECT_EQ((vlPoint{seconde[0], seconde[1]}), kCentre);
        EXPECT_TRUE(Pres(cas.seconde, {seconde[2], seconde[3]}));
    }
    // A new clock shows the host's time of day.
    const auto horloge = std::exchange(SourceHeure(), [] { return 86399; });
    const TvlMontre& neuve = Montre();
    SourceHeure() = horloge;
    EXPECT_EQ(std::tuple(neuve.Bloc().Heure, neuve.Bloc().Minute, neuve.Bloc().Seconde),
              std::tuple(23, 59, 59));
    // At 3:00 the hands are 20 wide at their middle.
    const std::vector<TDrawCall> aiguilles = Dessin(Montre({"Temps=10800"})).Of(Op::Polygon);
    EXPECT_EQ(aiguilles[0].points,
              (std::vector<vlPoint>{kCentre, {390, 275}, {400, 150}, {410, 275}}));
    EXPECT_EQ(aiguilles[1].points,
              (std::vector<vlPoint>{kCentre, {483, 390}, {566, 400}, {483, 410}}));
}

TEST_F(MontreTest, HandAndDialPensAndBrushes) {
    TvlMontre& m = Montre({"StylePinceauMinute=2", "TaillePinceauMinute=8",
                           "CouleurPinceauMinute=255", "TaillePinceauHeure=8", "StyleBrosseHeure=6",
                           "CouleurBrosseHeure=65280", "TaillePinceauSeconde=0"});
    const TRecordingCanvas canvas = Dessin(m);
    const std::vector<TDrawCall> aiguilles = canvas.Of(Op::Polygon);
    ASSERT_EQ(aiguilles.size(), 2u);
    EXPECT_EQ(aiguilles[0].pen, (TPen{255, 1, psDot, pmCopy}));
    EXPECT_EQ(aiguilles[0].brush, (TBrush{clWhite, bsSolid}));
    EXPECT_EQ(aiguilles[1].pen, (TPen{clBlack, 8, psSolid, pmCopy}));
    EXPECT_EQ(aiguilles[1].brush, (TBrush{65280, bsCross}));
    EXPECT_EQ(canvas.calls.back().pen.Style, psClear);
    // Drawing leaves the component's pen and brush to the frame settings.
    EXPECT_EQ(m.Brosse, (TBrush{clWhite, bsSolid}));
    EXPECT_EQ(m.Pinceau, (TPen{clBlack, 1, psSolid, pmCopy}));

    // The dial's pen is clear at width 0, and keeps its width in any style.
    Regle(m, {"TaillePinceauCadre=0"});
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{clBlack, 1, psClear, pmCopy}));
    Regle(m, {"TaillePinceauCadre=5", "StylePinceauCadre=1", "CouleurPinceauCadre=255"});
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{255, 5, psDash, pmCopy}));
}

// Hidden hands leave the dial, its marks and numbers; below a radius of 51 only the dial is
// drawn, a thick solid frame taking its half width off the radius.
TEST_F(MontreTest, HiddenHandsAndSmallDials) {
    TvlMontre& m = Montre();
    VerifieModes(m, [](const TRecordingCanvas& canvas) {
        return canvas.Of(Op::Polygon).size() == 2 && canvas.Of(Op::Line).size() == 63;
    });
    Regle(m, {"Mode=2"});
    const TRecordingCanvas epreuve = Dessin(m, MODE_EPREUVE);
    EXPECT_EQ(epreuve.Of(Op::Line).size(), 62u);
    EXPECT_EQ(epreuve.Texts().size(), 12u);

    Regle(m, {"Mode=0", "Largeur=1", "Hauteur=1"}); // radius 50
    EXPECT_EQ(Dessin(m).calls.size(), 1u);
    Regle(m, {"Largeur=1,02", "Hauteur=1,02"});
    EXPECT_EQ(Dessin(m).Of(Op::Polygon).size(), 2u);
    Regle(m, {"Largeur=1,04", "Hauteur=1,04", "TaillePinceauCadre=4"});
    EXPECT_EQ(Dessin(m).calls.size(), 1u);
    Regle(m, {"StylePinceauCadre=1"}); // a dashed frame takes nothing off
    EXPECT_EQ(Dessin(m).Of(Op::Polygon).size(), 2u);
}

// The time is no preference; the font is kept with the block and follows a block handed over.
TEST_F(MontreTest, PreferencesSaveLoadAndCopy) {
    TvlMontre& source = Montre({"Fonte=Liberation Serif,18,128,italique", "Mode=1",
                                "MontrerChiffres=0", "StylePinceauHeure=2", "MontrerSeconde=0",
                                "CouleurBrosseMinute=255", "Temps=86399"});
    source.EnregistreOptions();
    EXPECT_EQ(TIniFile(FichIni()).ReadInteger("Montre", "Heure", -1), -1);
    TvlMontre& prefere = Nouveau<TvlMontre>("Montre");
    MontreOptions attendu = source.Bloc();
    attendu.Heure = prefere.Bloc().Heure;
    attendu.Minute = prefere.Bloc().Minute;
    attendu.Seconde = prefere.Bloc().Seconde;
    EXPECT_EQ(std::memcmp(&attendu, &prefere.Bloc(), sizeof attendu), 0);
    EXPECT_EQ(prefere.PoliceChiffres().Name, "Liberation Serif");
    prefere.RestaureStandard(); // the factory settings are in the host's global font
    EXPECT_EQ(prefere.PoliceChiffres().Name, GlobalFonte().Name);

    TvlMontre& lu = Relu("Montre", source);
    EXPECT_EQ(lu.Description().back(), "23:59:59");
    MontreOptions bloc = source.Bloc();
    bloc.Police.ChangeNom("Liberation Mono");
    lu.AppliquerOptions(&bloc);
    EXPECT_EQ(lu.PoliceChiffres().Name, "Liberation Mono");
    const std::unique_ptr<TComposant> copie = source.Copie();
    EXPECT_EQ(dynamic_cast<const TvlMontre&>(*copie).PoliceChiffres(), source.PoliceChiffres());
}

} // namespace
