#include "pictures/Montre.h"

#include "PictureTest.h"
#include "platform/IniFile.h"

#include <cmath>
#include <cstring>
#include <ctime>

namespace {

using Op = TDrawCall::Op;

// The clock of 6 x 6 cm at the margin origin: frame (100, 100, 700, 700), centre (400, 400),
// radius 300, graduations 50 long, hands 250 (minute and second) and 166 (hour) long.
constexpr vlPoint kCentre{400, 400};

int SecondesDuJour() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
}

int Temps(const MontreOptions& bloc) {
    return bloc.Heure * 3600 + bloc.Minute * 60 + bloc.Seconde;
}

class MontreTest : public PictureTest {
protected:
    TvlMontre& Montre(std::vector<std::string> reglages = {}) {
        reglages.insert(reglages.begin(), "Fonte=Andika,14,0,normal");
        return Nouveau<TvlMontre>("Montre", reglages);
    }
};

TEST_F(MontreTest, ANewClockAndHeureSystemeShowTheLocalTime) {
    const int avant = SecondesDuJour();
    const TvlMontre& nouvelle = Montre();
    TvlMontre& remise = Montre({"Temps=0"});
    std::string message;
    EXPECT_FALSE(remise.ChangeOption("", "HeureSysteme", message)); // an action
    EXPECT_TRUE(message.empty());
    const int apres = SecondesDuJour();
    if (avant > apres)
        GTEST_SKIP() << "the day changed meanwhile";
    for (const int temps : {Temps(nouvelle.Bloc()), Temps(remise.Bloc())}) {
        EXPECT_GE(temps, avant);
        EXPECT_LE(temps, apres);
    }
}

TEST_F(MontreTest, DialCrossAndGraduations) {
    const TRecordingCanvas canvas = Dessin(Montre({"MontrerSeconde=0"}));
    const TDrawCall& cadran = canvas.calls.front();
    EXPECT_EQ(cadran.op, Op::Ellipse);
    EXPECT_EQ(cadran.args, (std::vector<int>{100, 100, 700, 700}));
    EXPECT_EQ(cadran.brush, (TBrush{clWhite, bsSolid}));

    const std::vector<std::vector<int>> lignes = Lignes(canvas);
    ASSERT_EQ(lignes.size(), 62u);
    EXPECT_EQ(lignes[0], (std::vector<int>{390, 400, 410, 400}));
    EXPECT_EQ(lignes[1], (std::vector<int>{400, 390, 400, 410}));
    // The first mark stands at 12 o'clock; every fifth one is twice as long.
    EXPECT_EQ(lignes[2], (std::vector<int>{400, 150, 400, 100}));
    for (std::size_t i = 2; i < lignes.size(); ++i) {
        const std::vector<int>& l = lignes[i];
        EXPECT_NEAR(std::hypot(l[2] - l[0], l[3] - l[1]), (i - 2) % 5 == 0 ? 50 : 25, 1.5) << i;
        EXPECT_NEAR(std::hypot(l[2] - 400, l[3] - 400), 300, 1.5) << i;
    }
    // The marks run clockwise: the sixteenth is at 3 o'clock.
    EXPECT_TRUE(Pres({700, 400}, {lignes[17][2], lignes[17][3]}));
}

TEST_F(MontreTest, NumbersArePlacedByTheirExtentInTheirFont) {
    TvlMontre& m = Montre();
    const TRecordingCanvas canvas = Dessin(m);
    const std::vector<std::string> attendus{"3", "2", "1", "12", "11", "10",
                                            "9", "8", "7", "6",  "5",  "4"};
    EXPECT_EQ(canvas.Texts(), attendus);
    // Characters 29 wide, 61 high: each number sits 300 - 50 - 30 = 220 from the centre,
    // raised by half its height.
    const std::vector<TDrawCall> textes = canvas.Of(Op::TextOut);
    const auto position = [&](std::size_t k) {
        return vlPoint{textes[k].args[0], textes[k].args[1]};
    };
    EXPECT_EQ(position(0), (vlPoint{620, 370})); // 3
    EXPECT_EQ(position(3), (vlPoint{400, 150})); // 12
    EXPECT_TRUE(Pres({180, 370}, position(6)));  // 9
    const TDrawCall& douze = textes[3];
    EXPECT_EQ(douze.font.Height, -49);
    EXPECT_EQ(douze.textAlign, TA_CENTER | TA_TOP);
    EXPECT_EQ(douze.bkMode, TRANSPARENT);

    Regle(m, {"Fonte=Liberation Sans,20,255,gras"});
    TRecordingCanvas autre;
    const TFont avant = autre.Font;
    m.Dessine(autre, MODE_EDITION, nullptr);
    const TFont trois = autre.Of(Op::TextOut).front().font;
    EXPECT_EQ(trois.Name, "Liberation Sans");
    EXPECT_EQ(trois.Height, -70);
    EXPECT_EQ(autre.Font, avant); // the canvas gets its font back

    Regle(m, {"MontrerChiffres=0"});
    EXPECT_TRUE(Dessin(m).Texts().empty());
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
        for (const TDrawCall& aiguille : aiguilles) {
            ASSERT_EQ(aiguille.points.size(), 4u);
            EXPECT_EQ(aiguille.points[0], kCentre);
        }
        EXPECT_TRUE(Pres(cas.minute, aiguilles[0].points[2]));
        EXPECT_TRUE(Pres(cas.heure, aiguilles[1].points[2]));
        const TDrawCall& seconde = canvas.calls.back();
        ASSERT_EQ(seconde.op, Op::Line);
        EXPECT_EQ((vlPoint{seconde.args[0], seconde.args[1]}), kCentre);
        EXPECT_TRUE(Pres(cas.seconde, {seconde.args[2], seconde.args[3]}));
    }

    // At 3:00 the hands are 20 wide at their middle.
    const std::vector<TDrawCall> aiguilles = Dessin(Montre({"Temps=10800"})).Of(Op::Polygon);
    EXPECT_EQ(aiguilles[0].points[1], (vlPoint{390, 275}));
    EXPECT_EQ(aiguilles[0].points[3], (vlPoint{410, 275}));
    EXPECT_EQ(aiguilles[1].points[1], (vlPoint{483, 390}));
    EXPECT_EQ(aiguilles[1].points[3], (vlPoint{483, 410}));
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
    Regle(m, {"TaillePinceauCadre=0", "StyleBrosseFond=1"});
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{clBlack, 1, psClear, pmCopy}));
    EXPECT_EQ(Dessin(m).calls.front().brush.Style, bsClear);
    Regle(m, {"TaillePinceauCadre=5", "StylePinceauCadre=1", "CouleurPinceauCadre=255"});
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{255, 5, psDash, pmCopy}));
}

TEST_F(MontreTest, HiddenHandsLeaveTheDialGraduationsAndNumbers) {
    TvlMontre& m = Montre();
    VerifieModes(m, [](const TRecordingCanvas& canvas) {
        return canvas.Of(Op::Polygon).size() == 2 && canvas.Of(Op::Line).size() == 63;
    });
    Regle(m, {"Mode=2"});
    const TRecordingCanvas epreuve = Dessin(m, MODE_EPREUVE);
    EXPECT_TRUE(epreuve.Of(Op::Polygon).empty());
    EXPECT_EQ(epreuve.Of(Op::Line).size(), 62u);
    EXPECT_EQ(epreuve.Texts().size(), 12u);
    EXPECT_EQ(epreuve.Of(Op::Ellipse).size(), 1u);
}

// Below a radius of 51 only the dial is drawn; a thick solid frame takes its half width off.
TEST_F(MontreTest, SmallDialsHaveNoMarksNumbersOrHands) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"Largeur=1", "Hauteur=1"}, false},
        {{"Largeur=1,02", "Hauteur=1,02"}, true},
        {{"Largeur=1,04", "Hauteur=1,04", "TaillePinceauCadre=4"}, false},
        {{"Largeur=1,04", "Hauteur=1,04", "TaillePinceauCadre=4", "StylePinceauCadre=1"}, true},
    };
    for (const auto& [reglages, complet] : cases) {
        SCOPED_TRACE(::testing::PrintToString(reglages));
        const TRecordingCanvas canvas = Dessin(Montre(reglages));
        EXPECT_EQ(canvas.calls.front().op, Op::Ellipse);
        EXPECT_EQ(canvas.calls.size() == 1, !complet);
        EXPECT_EQ(canvas.Of(Op::Polygon).size(), complet ? 2u : 0u);
    }
}

// The time is no preference; the font is kept with the block.
TEST_F(MontreTest, PreferencesSaveLoadAndCopy) {
    TvlMontre& source = Montre(
        {"Fonte=Liberation Serif,18,128,italique", "Mode=1", "MontrerChiffres=0", "Temps=86399"});
    // The hands' pens and brushes (the second hand is a line) and whether each is shown.
    int n = 0;
    for (const std::string part : {"Heure", "Minute", "Seconde"})
        for (const std::string cle : {"StylePinceau", "CouleurPinceau", "TaillePinceau",
                                      "StyleBrosse", "CouleurBrosse", "Montrer"})
            if (part != "Seconde" || cle.find("Brosse") == std::string::npos)
                Regle(source,
                      {cle + part + "=" + (cle == "Montrer" ? "0" : std::to_string(++n % 5 + 1))});
    source.EnregistreOptions();
    TvlMontre& prefere = Nouveau<TvlMontre>("Montre");
    MontreOptions attendu = source.Bloc();
    attendu.Heure = prefere.Bloc().Heure;
    attendu.Minute = prefere.Bloc().Minute;
    attendu.Seconde = prefere.Bloc().Seconde;
    EXPECT_EQ(std::memcmp(&attendu, &prefere.Bloc(), sizeof attendu), 0);
    EXPECT_EQ(prefere.PoliceChiffres().Name, "Liberation Serif");
    EXPECT_EQ(TIniFile(FichIni()).ReadInteger("Montre", "Heure", -1), -1);

    // The factory settings: a quarter past twelve in the host's global font.
    prefere.RestaureStandard();
    EXPECT_EQ(Temps(prefere.Bloc()), 12 * 3600 + 15 * 60);
    EXPECT_EQ(prefere.PoliceChiffres().Name, GlobalFonte().Name);

    TvlMontre& lu = Relu("Montre", source);
    EXPECT_EQ(lu.PoliceChiffres(), source.PoliceChiffres());
    EXPECT_EQ(lu.Description().back(), "23:59:59");
    // The host hands a block over as raw bytes: the font follows it.
    MontreOptions bloc = source.Bloc();
    bloc.Police.ChangeNom("Liberation Mono");
    lu.AppliquerOptions(&bloc);
    EXPECT_EQ(lu.PoliceChiffres().Name, "Liberation Mono");
    const std::unique_ptr<TComposant> copie = source.Copie();
    const auto& montre = dynamic_cast<const TvlMontre&>(*copie);
    EXPECT_EQ(montre.PoliceChiffres().Name, "Liberation Serif");
    EXPECT_EQ(montre.Description(), source.Description());
}

} // namespace
