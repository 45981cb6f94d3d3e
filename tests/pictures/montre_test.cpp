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
    TvlMontre& Montre(const std::vector<std::string>& reglages = {}) {
        TvlMontre& m = Nouveau<TvlMontre>("Montre");
        Regle(m, {"Fonte=Andika,14,0,normal"});
        for (const std::string& r : reglages)
            Regle(m, {r});
        return m;
    }

    static vlPoint Texte(const TRecordingCanvas& canvas, const std::string& texte) {
        for (const TDrawCall& t : canvas.Of(Op::TextOut))
            if (t.text == texte)
                return {t.args[0], t.args[1]};
        ADD_FAILURE() << texte << " not written";
        return {};
    }
};

TEST_F(MontreTest, ANewClockAndHeureSystemeShowTheLocalTime) {
    const int avant = SecondesDuJour();
    TvlMontre& m = Montre();
    const int apres = SecondesDuJour();
    const bool minuit = avant > apres; // the day changed meanwhile
    EXPECT_TRUE(minuit || (Temps(m.Bloc()) >= avant && Temps(m.Bloc()) <= apres));

    Regle(m, {"Temps=0"});
    std::string message;
    const int juste_avant = SecondesDuJour();
    EXPECT_FALSE(m.ChangeOption("", "HeureSysteme", message)); // an action
    EXPECT_TRUE(message.empty());
    const int ensuite = SecondesDuJour();
    EXPECT_TRUE(juste_avant > ensuite ||
                (Temps(m.Bloc()) >= juste_avant && Temps(m.Bloc()) <= ensuite));
}

TEST_F(MontreTest, TempsSetsTheThreeHandsAtOnce) {
    TvlMontre& m = Montre({"Temps=45296"});
    EXPECT_EQ(m.Bloc().Heure, 12);
    EXPECT_EQ(m.Bloc().Minute, 34);
    EXPECT_EQ(m.Bloc().Seconde, 56);
    Regle(m, {"Temps=86399"});
    EXPECT_EQ(m.Description().back(), "23:59:59");
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
    EXPECT_EQ(Texte(canvas, "12"), (vlPoint{400, 150}));
    EXPECT_EQ(Texte(canvas, "3"), (vlPoint{620, 370}));
    EXPECT_TRUE(Pres({180, 370}, Texte(canvas, "9")));
    EXPECT_TRUE(Pres({400, 590}, Texte(canvas, "6")));
    const TDrawCall douze = canvas.Of(Op::TextOut)[3];
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
    EXPECT_EQ(trois.Color, 255);
    EXPECT_EQ(trois.Style, fsBold);
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

    // At 3:00, 20 wide at their middle.
    const std::vector<TDrawCall> aiguilles = Dessin(Montre({"Temps=10800"})).Of(Op::Polygon);
    const std::vector<vlPoint>& minute = aiguilles[0].points;
    EXPECT_EQ(std::minmax(minute[1].x, minute[3].x), std::minmax(390, 410));
    EXPECT_EQ(std::pair(minute[1].y, minute[3].y), std::pair(275, 275));
    const std::vector<vlPoint>& heure = aiguilles[1].points;
    EXPECT_EQ(std::minmax(heure[1].y, heure[3].y), std::minmax(390, 410));
    EXPECT_EQ(heure[1].x, 483);
}

TEST_F(MontreTest, HandPensAndBrushes) {
    TvlMontre& m = Montre({"StylePinceauMinute=2", "TaillePinceauMinute=8",
                           "CouleurPinceauMinute=255", "TaillePinceauHeure=8",
                           "StyleBrosseHeure=6", "CouleurBrosseHeure=65280",
                           "TaillePinceauSeconde=0"});
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

TEST_F(MontreTest, TheDialsPenAndBrush) {
    TvlMontre& m = Montre({"TaillePinceauCadre=0", "StyleBrosseFond=1"});
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{clBlack, 1, psClear, pmCopy}));
    EXPECT_EQ(Dessin(m).calls.front().brush.Style, bsClear);
    Regle(m, {"TaillePinceauCadre=5", "StylePinceauCadre=1", "CouleurPinceauCadre=255",
              "CouleurBrosseFond=65535"}); // a colour makes a clear background solid
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{255, 5, psDash, pmCopy}));
    EXPECT_EQ(Dessin(m).calls.front().brush, (TBrush{65535, bsSolid}));
}

TEST_F(MontreTest, PreferencesLeaveTheTimeOut) {
    TvlMontre& source = Montre({"StylePinceauCadre=3", "CouleurPinceauCadre=255",
                                "TaillePinceauCadre=12", "StyleBrosseFond=4",
                                "CouleurBrosseFond=12632256",
                                "Fonte=Liberation Serif,18,128,italique", "Mode=1",
                                "MontrerChiffres=0", "Temps=3723"});
    // The hands' pens and brushes (the second hand is a line) and whether each is shown.
    int n = 0;
    for (const std::string part : {"Heure", "Minute", "Seconde"})
        for (const std::string cle : {"StylePinceau", "CouleurPinceau", "TaillePinceau",
                                      "StyleBrosse", "CouleurBrosse", "Montrer"})
            if (part != "Seconde" || cle.find("Brosse") == std::string::npos)
                Regle(source,
                      {cle + part + "=" + (cle == "Montrer" ? "0" : std::to_string(++n % 5 + 1))});
    source.EnregistreOptions();
    EXPECT_EQ(TIniFile(FichIni()).ReadInteger("Montre", "Heure", -1), -1);

    TvlMontre& prefere = Nouveau<TvlMontre>("Montre");
    MontreOptions attendu = source.Bloc();
    attendu.Heure = prefere.Bloc().Heure;
    attendu.Minute = prefere.Bloc().Minute;
    attendu.Seconde = prefere.Bloc().Seconde;
    EXPECT_EQ(std::memcmp(&attendu, &prefere.Bloc(), sizeof attendu), 0);
    EXPECT_EQ(prefere.PoliceChiffres().Name, "Liberation Serif");
    EXPECT_EQ(prefere.Pinceau, source.Pinceau);
    EXPECT_EQ(prefere.Brosse, source.Brosse);

    // The factory settings: a quarter past twelve in the host's global font.
    prefere.RestaureStandard();
    EXPECT_EQ(Temps(prefere.Bloc()), 12 * 3600 + 15 * 60);
    EXPECT_EQ(prefere.PoliceChiffres().Name, GlobalFonte().Name);
    EXPECT_EQ(prefere.Bloc().MontrerChiffres, 1);
}

TEST_F(MontreTest, SaveLoadAndCopyKeepTheTimeAndTheFont) {
    TvlMontre& source =
        Montre({"Temps=36600", "Fonte=Liberation Sans,16,255,gras", "Mode=2"}); // 10:10:00
    TvlMontre& lu = Relu("Montre", source);
    EXPECT_EQ(lu.PoliceChiffres(), source.PoliceChiffres());
    EXPECT_EQ(lu.Description().back(), "10:10:00");

    // The host hands a block over as raw bytes: the font follows it.
    MontreOptions bloc = source.Bloc();
    bloc.Police.ChangeNom("Liberation Mono");
    lu.AppliquerOptions(&bloc);
    EXPECT_EQ(lu.PoliceChiffres().Name, "Liberation Mono");

    const std::unique_ptr<TComposant> copie = source.Copie();
    auto& montre = dynamic_cast<TvlMontre&>(*copie);
    EXPECT_EQ(montre.PoliceChiffres().Name, "Liberation Sans");
    const TRecordingCanvas a = Dessin(montre, MODE_CORRIGE);
    ASSERT_EQ(a.Of(Op::Polygon).size(), 2u);
    EXPECT_EQ(a.Of(Op::Polygon)[1].points, Dessin(source, MODE_CORRIGE).Of(Op::Polygon)[1].points);
}

} // namespace
