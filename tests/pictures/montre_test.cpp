#include "pictures/Montre.h"

#include "PictureTest.h"
#include "host/Stream.h"
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
    TvlMontre& Montre() {
        TvlMontre& m = Nouveau<TvlMontre>("Montre");
        Regle(m, {"Fonte=Andika,14,0,normal"});
        return m;
    }

    static double Longueur(const std::vector<int>& ligne) {
        return std::hypot(ligne[2] - ligne[0], ligne[3] - ligne[1]);
    }

    static vlPoint Texte(const TRecordingCanvas& canvas, const std::string& texte) {
        for (const TDrawCall& t : canvas.Of(Op::TextOut))
            if (t.text == texte)
                return {t.args[0], t.args[1]};
        ADD_FAILURE() << texte << " not written";
        return {};
    }
};

TEST_F(MontreTest, IsMadeByTheFactory) {
    const TTypeComposant* type = catalogue_.TrouveNom("Montre");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->numero, 76);
    EXPECT_EQ(type->indexPalette, 6);
    TvlMontre& m = Montre();
    EXPECT_FALSE(m.DblClk(0, {}));
}

TEST_F(MontreTest, ANewClockShowsTheLocalTime) {
    const int avant = SecondesDuJour();
    TvlMontre& m = Montre();
    const int apres = SecondesDuJour();
    const int temps = Temps(m.Bloc());
    const bool minuit = avant > apres; // the day changed meanwhile
    EXPECT_TRUE(minuit || (temps >= avant && temps <= apres)) << temps;

    Regle(m, {"Temps=0"});
    std::string message;
    const int juste_avant = SecondesDuJour();
    EXPECT_FALSE(m.ChangeOption("", "HeureSysteme", message)); // an action
    EXPECT_TRUE(message.empty());
    const int ensuite = SecondesDuJour();
    EXPECT_TRUE(juste_avant > ensuite ||
                (Temps(m.Bloc()) >= juste_avant && Temps(m.Bloc()) <= ensuite));
}

TEST_F(MontreTest, TimeAndHandKeys) {
    TvlMontre& m = Montre();
    Regle(m, {"Temps=45296"});
    EXPECT_EQ(m.Bloc().Heure, 12);
    EXPECT_EQ(m.Bloc().Minute, 34);
    EXPECT_EQ(m.Bloc().Seconde, 56);
    Regle(m, {"Temps=86399"});
    EXPECT_EQ(m.Description().back(), "23:59:59");

    // Each hand's pen and brush keys reach that hand only.
    Regle(m, {"TaillePinceauHeure=50", "StylePinceauMinute=2", "CouleurBrosseMinute=255",
              "StyleBrosseHeure=6", "CouleurPinceauSeconde=65280", "MontrerChiffres=0"});
    const MontreOptions& b = m.Bloc();
    using M = MontreOptions;
    EXPECT_EQ(b.TaillePinceau[M::HEURE], 50);
    EXPECT_EQ(b.TaillePinceau[M::MINUTE], 1);
    EXPECT_EQ(b.StylePinceau[M::MINUTE], 2);
    EXPECT_EQ(b.StylePinceau[M::HEURE], 0);
    EXPECT_EQ(b.CouleurBrosse[M::MINUTE], 255u);
    EXPECT_EQ(b.CouleurBrosse[M::HEURE], 0xFFFFFFu);
    EXPECT_EQ(b.StyleBrosse[M::HEURE], 6);
    EXPECT_EQ(b.CouleurPinceau[M::SECONDE], 65280u);
    EXPECT_EQ(b.CouleurPinceau[M::CADRE], 0u);
    EXPECT_EQ(b.MontrerChiffres, 0);
}

TEST_F(MontreTest, DialCrossAndGraduations) {
    TvlMontre& m = Montre();
    Regle(m, {"MontrerSeconde=0"});
    const TRecordingCanvas canvas = Dessin(m);
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
    int longues = 0;
    for (std::size_t i = 2; i < lignes.size(); ++i) {
        const double attendue = (i - 2) % 5 == 0 ? 50 : 25;
        EXPECT_NEAR(Longueur(lignes[i]), attendue, 1.5) << i;
        EXPECT_NEAR(std::hypot(lignes[i][2] - 400, lignes[i][3] - 400), 300, 1.5) << i;
        longues += (i - 2) % 5 == 0 ? 1 : 0;
    }
    EXPECT_EQ(longues, 12);
    // The marks run clockwise: the sixteenth is at 3 o'clock.
    EXPECT_TRUE(Pres({700, 400}, {lignes[17][2], lignes[17][3]}));
}

TEST_F(MontreTest, NumbersArePlacedByTheirExtent) {
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
    const TDrawCall trois = autre.Of(Op::TextOut).front();
    EXPECT_EQ(trois.font.Name, "Liberation Sans");
    EXPECT_EQ(trois.font.Height, -70);
    EXPECT_EQ(trois.font.Color, 255);
    EXPECT_EQ(trois.font.Style, fsBold);
    EXPECT_EQ(autre.Font, avant); // the canvas gets its font back

    Regle(m, {"MontrerChiffres=0"});
    EXPECT_TRUE(Dessin(m).Texts().empty());
}

TEST_F(MontreTest, ThreeOClockHands) {
    TvlMontre& m = Montre();
    Regle(m, {"Temps=10800"});
    const TRecordingCanvas canvas = Dessin(m);
    const std::vector<TDrawCall> aiguilles = canvas.Of(Op::Polygon);
    ASSERT_EQ(aiguilles.size(), 2u);
    // Minute hand first, straight up, 20 wide at its middle.
    const std::vector<vlPoint>& minute = aiguilles[0].points;
    ASSERT_EQ(minute.size(), 4u);
    EXPECT_EQ(minute[0], kCentre);
    EXPECT_EQ(minute[2], (vlPoint{400, 150}));
    EXPECT_EQ(std::min(minute[1].x, minute[3].x), 390);
    EXPECT_EQ(std::max(minute[1].x, minute[3].x), 410);
    EXPECT_EQ(minute[1].y, 275);
    EXPECT_EQ(minute[3].y, 275);
    // Hour hand pointing right, two thirds as long.
    const std::vector<vlPoint>& heure = aiguilles[1].points;
    ASSERT_EQ(heure.size(), 4u);
    EXPECT_EQ(heure[0], kCentre);
    EXPECT_EQ(heure[2], (vlPoint{566, 400}));
    EXPECT_EQ(std::min(heure[1].y, heure[3].y), 390);
    EXPECT_EQ(std::max(heure[1].y, heure[3].y), 410);
    EXPECT_EQ(heure[1].x, 483);
    // Second hand: a line up to 12 o'clock, drawn last.
    EXPECT_EQ(Lignes(canvas).back(), (std::vector<int>{400, 400, 400, 150}));
    EXPECT_EQ(canvas.calls.back().op, Op::Line);
}

TEST_F(MontreTest, HandsMoveWithTheMinutesAndSeconds) {
    TvlMontre& m = Montre();
    Regle(m, {"Heure=18", "Minute=30", "Seconde=0", "MontrerSeconde=0"});
    const std::vector<TDrawCall> aiguilles = Dessin(m).Of(Op::Polygon);
    ASSERT_EQ(aiguilles.size(), 2u);
    EXPECT_TRUE(Pres({400, 650}, aiguilles[0].points[2]));
    // 6 is at 270 degrees, 7 at 240.
    EXPECT_NEAR(Angle(aiguilles[1].points[2], kCentre), 255, 0.5);
    EXPECT_NEAR(std::hypot(aiguilles[1].points[2].x - 400, aiguilles[1].points[2].y - 400), 166,
                1.5);

    // Seconds move the minute hand: half a minute past 12, the second hand at 6.
    Regle(m, {"Temps=30", "MontrerHeure=0", "MontrerSeconde=1"});
    const TRecordingCanvas canvas = Dessin(m);
    const std::vector<TDrawCall> minute = canvas.Of(Op::Polygon);
    ASSERT_EQ(minute.size(), 1u);
    EXPECT_NEAR(Angle(minute[0].points[2], kCentre), 87, 0.5);
    EXPECT_TRUE(Pres({400, 650}, {Lignes(canvas).back()[2], Lignes(canvas).back()[3]}));
}

TEST_F(MontreTest, HandPensAndBrushes) {
    TvlMontre& m = Montre();
    Regle(m, {"StylePinceauMinute=2", "TaillePinceauMinute=8", "CouleurPinceauMinute=255",
              "TaillePinceauHeure=8", "StyleBrosseHeure=6", "CouleurBrosseHeure=65280",
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
    Regle(m, {"Mode=2"});
    const TRecordingCanvas epreuve = Dessin(m, MODE_EPREUVE);
    EXPECT_TRUE(epreuve.Of(Op::Polygon).empty());
    EXPECT_EQ(epreuve.Of(Op::Line).size(), 62u);
    EXPECT_EQ(epreuve.Texts().size(), 12u);
    EXPECT_EQ(epreuve.Of(Op::Ellipse).size(), 1u);
    for (const int mode : {MODE_EDITION, MODE_CORRIGE}) {
        const TRecordingCanvas canvas = Dessin(m, mode);
        EXPECT_EQ(canvas.Of(Op::Polygon).size(), 2u) << mode;
        EXPECT_EQ(canvas.Of(Op::Line).size(), 63u) << mode;
    }
}

TEST_F(MontreTest, SmallDialsHaveNoMarksNumbersOrHands) {
    TvlMontre& m = Montre();
    Regle(m, {"Largeur=1", "Hauteur=1"}); // radius 50
    TRecordingCanvas canvas = Dessin(m);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls.front().op, Op::Ellipse);

    Regle(m, {"Largeur=1,02", "Hauteur=1,02"}); // radius 51
    EXPECT_EQ(Dessin(m).Of(Op::Polygon).size(), 2u);

    // A thick solid frame takes its half width off the radius.
    Regle(m, {"Largeur=1,04", "Hauteur=1,04", "TaillePinceauCadre=4"});
    EXPECT_EQ(Dessin(m).calls.size(), 1u);
    Regle(m, {"StylePinceauCadre=1"});
    EXPECT_GT(Dessin(m).calls.size(), 1u);
}

TEST_F(MontreTest, TheDialsPenAndBrush) {
    TvlMontre& m = Montre();
    Regle(m, {"TaillePinceauCadre=0", "StyleBrosseFond=1"});
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{clBlack, 1, psClear, pmCopy}));
    EXPECT_EQ(Dessin(m).calls.front().brush.Style, bsClear);
    Regle(m, {"TaillePinceauCadre=5", "StylePinceauCadre=1", "CouleurPinceauCadre=255",
              "CouleurBrosseFond=65535"}); // a colour makes a clear background solid
    EXPECT_EQ(Dessin(m).calls.front().pen, (TPen{255, 5, psDash, pmCopy}));
    EXPECT_EQ(m.Bloc().StyleBrosse[MontreOptions::FOND], bsSolid);
    EXPECT_EQ(Dessin(m).calls.front().brush, (TBrush{65535, bsSolid}));
}

TEST_F(MontreTest, PreferencesLeaveTheTimeOut) {
    TvlMontre& source = Montre();
    Regle(source,
          {"StylePinceauCadre=3", "CouleurPinceauCadre=255", "TaillePinceauCadre=12",
           "StyleBrosseFond=4", "CouleurBrosseFond=12632256",
           "Fonte=Liberation Serif,18,128,italique", "Mode=1", "MontrerChiffres=0", "Temps=3723"});
    // The hands' pens and brushes (the second hand is a line) and whether each is shown.
    int n = 0;
    for (const std::string part : {"Heure", "Minute", "Seconde"})
        for (const std::string cle : {"StylePinceau", "CouleurPinceau", "TaillePinceau",
                                      "StyleBrosse", "CouleurBrosse", "Montrer"})
            if (part != "Seconde" || cle.find("Brosse") == std::string::npos)
                Regle(source,
                      {cle + part + "=" + (cle == "Montrer" ? "0" : std::to_string(++n % 5 + 1))});
    source.EnregistreOptions();
    const TIniFile ini(FichIni());
    EXPECT_EQ(ini.ReadInteger("Montre", "Heure", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Montre", "Temps", -1), -1);

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

TEST_F(MontreTest, SaveLoadAndCopyKeepTheTime) {
    TvlMontre& source = Montre();
    Regle(source,
          {"Heure=10", "Minute=10", "Seconde=0", "Fonte=Liberation Sans,16,255,gras", "Mode=2"});
    TvlMontre& lu = Relu("Montre", source);
    EXPECT_EQ(lu.PoliceChiffres(), source.PoliceChiffres());
    EXPECT_EQ(lu.Description().back(), "10:10:00");

    // The host hands a block over as raw bytes: the font follows it.
    MontreOptions bloc = source.Bloc();
    bloc.Police.ChangeNom("Liberation Mono");
    lu.AppliquerOptions(&bloc);
    EXPECT_EQ(lu.PoliceChiffres().Name, "Liberation Mono");
    EXPECT_EQ(Temps(lu.Bloc()), 10 * 3600 + 10 * 60);

    const std::unique_ptr<TComposant> copie = source.Copie();
    auto& montre = dynamic_cast<TvlMontre&>(*copie);
    EXPECT_EQ(Temps(montre.Bloc()), 10 * 3600 + 10 * 60);
    EXPECT_EQ(montre.PoliceChiffres().Name, "Liberation Sans");
    const TRecordingCanvas a = Dessin(montre, MODE_CORRIGE);
    const TRecordingCanvas b = Dessin(source, MODE_CORRIGE);
    ASSERT_EQ(a.Of(Op::Polygon).size(), 2u);
    EXPECT_EQ(a.Of(Op::Polygon)[1].points, b.Of(Op::Polygon)[1].points);
}

} // namespace
