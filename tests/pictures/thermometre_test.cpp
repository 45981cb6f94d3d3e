#include "pictures/Thermometre.h"

#include "PictureTest.h"
#include "platform/IniFile.h"
#include "platform/Random.h"

#include <algorithm>
#include <cstdlib>

namespace {

using Op = TDrawCall::Op;

// Ticks and numbers of one side of the tube, in drawing order.
struct Cote {
    std::vector<int> nombres;
    int moyennes = 0;
};

class ThermometreTest : public PictureTest {
protected:
    ThermometreTest() { SeedRandom(20); }

    // A 5 x 10 cm thermometer at the margin origin, without unit labels or medium numbers.
    TvlThermometre& Thermo(const std::vector<std::string>& reglages = {}) {
        std::vector<std::string> tous{"AfficherUnites=0", "LibelleMoyennes=0",
                                      "TemperatureMaximum=5000", "TemperatureMinimum=-300"};
        tous.insert(tous.end(), reglages.begin(), reglages.end());
        return Nouveau<TvlThermometre>("Thermomètre", tous);
    }

    // The numbers and medium ticks left (or right) of the bulb's centre.
    static Cote Lit(const TRecordingCanvas& c, bool gauche) {
        Cote cote;
        const std::vector<int> bulbe = c.Of(Op::Ellipse).at(0).args;
        const int axe = (bulbe[0] + bulbe[2]) / 2;
        for (const TDrawCall& t : c.Of(Op::TextOut))
            if ((t.args[0] < axe) == gauche)
                cote.nombres.push_back(std::stoi(t.text));
        for (const TDrawCall& l : c.Of(Op::Line))
            if (l.args[1] == l.args[3] && std::abs(l.args[2] - l.args[0]) == 50 &&
                (l.args[2] < axe) == gauche)
                ++cote.moyennes;
        return cote;
    }

    // The y of the 25-long tick of value v on the left scale (ticks run from its bottom end).
    static int YPetite(const TRecordingCanvas& c, int bas, int v) {
        std::vector<int> ys;
        for (const TDrawCall& l : c.Of(Op::Line))
            if (l.args[1] == l.args[3] && l.args[2] - l.args[0] == -25)
                ys.push_back(l.args[1]);
        std::sort(ys.rbegin(), ys.rend());
        return ys.at(std::size_t(v - bas));
    }
};

std::vector<int> De(int premier, int dernier) {
    std::vector<int> v;
    for (int n = premier; n <= dernier; n += 10)
        v.push_back(n);
    return v;
}

struct Echelles {
    int gauche, droite, min, max;
    Cote attenduGauche, attenduDroite;
};

class ThermometreEchelles : public ThermometreTest,
                            public ::testing::WithParamInterface<Echelles> {};

// Big ticks carry their numbers from the first multiple of 10 at or above a scale's lower end;
// medium ticks stop below its top; a unit of 3 draws no scale; a right range that converts to
// one value is skipped.
TEST_P(ThermometreEchelles, NumbersAndMediumTicksOfEachSide) {
    const Echelles& e = GetParam();
    TvlThermometre& t = Thermo({"LibelleTemperatureGauche=" + std::to_string(e.gauche),
                                "LibelleTemperatureDroite=" + std::to_string(e.droite),
                                "TemperatureMinimum=" + std::to_string(e.min),
                                "TemperatureMaximum=" + std::to_string(e.max)});
    const TRecordingCanvas c = Dessin(t);
    EXPECT_EQ(t.ErreurDessin(), "");
    EXPECT_EQ(t.AvertissementCadre(), "");
    for (const bool gauche : {true, false}) {
        const Cote cote = Lit(c, gauche);
        const Cote& attendu = gauche ? e.attenduGauche : e.attenduDroite;
        EXPECT_EQ(cote.nombres, attendu.nombres) << (gauche ? "left" : "right");
        EXPECT_EQ(cote.moyennes, attendu.moyennes) << (gauche ? "left" : "right");
    }
}

// A scale too long for its height writes the numbers of its tens every 20, 50, 100... degrees,
// an em apart at least, and none of its fives.
TEST_F(ThermometreTest, NumbersOfALongScaleKeepAnEmApart) {
    const TRecordingCanvas c = Dessin(
        Thermo({"LibelleMoyennes=1", "LibelleTemperatureGauche=0", "LibelleTemperatureDroite=1",
                "TemperatureMinimum=-50", "TemperatureMaximum=300"}));
    for (const bool gauche : {true, false}) {
        std::vector<std::pair<int, int>> vus; // (y, value), bottom first
        for (const TDrawCall& t : c.Of(Op::TextOut))
            if ((t.args[0] < c.Of(Op::Ellipse).at(0).args[2]) == gauche)
                vus.emplace_back(t.args[1], std::stoi(t.text));
        std::sort(vus.rbegin(), vus.rend());
        ASSERT_GE(vus.size(), 3u) << gauche;
        const int pas = vus[1].second - vus[0].second;
        EXPECT_TRUE(pas == 20 || pas == 50 || pas == 100) << pas;
        for (std::size_t i = 1; i < vus.size(); ++i) {
            EXPECT_EQ(vus[i].second - vus[i - 1].second, pas) << gauche;
            EXPECT_GE(vus[i - 1].first - vus[i].first, std::abs(c.Of(Op::TextOut)[0].font.Height));
        }
    }
}

// A frame too narrow for the bulb beside the numbers says so; wide enough, it says nothing.
TEST_F(ThermometreTest, ABulbPastTheFrameIsReported) {
    TvlThermometre& t = Thermo({"Largeur=2", "TemperatureMinimum=-20", "TemperatureMaximum=60"});
    const TRecordingCanvas etroit = Dessin(t);
    const std::vector<int> bulbe = etroit.Of(Op::Ellipse).at(0).args;
    ASSERT_GT(bulbe[2], t.Rect.right);
    EXPECT_EQ(t.AvertissementCadre(),
              t.Nom() + "\u00A0: le réservoir dépasse du cadre, élargissez-le");
    Regle(t, {"Largeur=5"});
    Dessin(t);
    EXPECT_EQ(t.AvertissementCadre(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Unites, ThermometreEchelles,
    ::testing::Values(Echelles{0, 1, -20, 60, {De(-20, 60), 8}, {De(0, 140), 14}},
                      Echelles{1, 0, 0, 100, {De(0, 100), 10}, {De(-10, 30), 5}},
                      Echelles{0, 3, 3, 50, {De(10, 50), 4}, {}},
                      Echelles{3, 1, -4, 100, {}, {De(0, 100), 10}},
                      Echelles{1, 0, 0, 1, {{0}, 0}, {}},
                      Echelles{0, 2, -20, 60, {De(-20, 60), 8}, {De(260, 330), 7}},
                      // Neither scale goes below absolute zero.
                      Echelles{2, 3, -20, 60, {De(0, 60), 6}, {}},
                      Echelles{0, 2, -300, -250, {De(-270, -250), 2}, {De(0, 20), 2}},
                      Echelles{3, 2, -20, 60, {}, {De(0, 60), 6}}));

TEST_F(ThermometreTest, ConversionUsesTheRoundedFactorsAndTruncatesTowardZero) {
    TvlThermometre& t = Thermo();
    for (const auto& [gauche, droite, valeur, attendu] :
         {std::tuple(1, 0, 0.0, -17), std::tuple(0, 1, -20.0, -4), std::tuple(0, 1, 60.0, 140),
          std::tuple(2, 0, 0.0, -273), std::tuple(0, 2, 0.0, 273), std::tuple(3, 1, 50.0, 50),
          std::tuple(1, 2, 212.0, 372), std::tuple(0, 3, 23.0, 23)}) {
        Regle(t, {"LibelleTemperatureGauche=" + std::to_string(gauche),
                  "LibelleTemperatureDroite=" + std::to_string(droite)});
        EXPECT_EQ(t.Conversion(valeur), attendu) << gauche << " -> " << droite << " " << valeur;
    }
}

// The column rises to the tick of the temperature, stays in the tube outside the scale, and
// is left out where the mode hides it while the scales stay.
TEST_F(ThermometreTest, ColumnReachesTheTickOfTheTemperatureWithinTheScale) {
    TvlThermometre& t = Thermo({"TemperatureMaximum=60", "TemperatureMinimum=-20"});
    for (const auto& [temperature, graduation] :
         {std::pair(23, 23), std::pair(-30, -20), std::pair(70, 60), std::pair(60, 60)}) {
        Regle(t, {"Temperature=" + std::to_string(temperature)});
        const TRecordingCanvas c = Dessin(t);
        const std::vector<TDrawCall> colonne = c.Of(Op::Rectangle);
        ASSERT_EQ(colonne.size(), 1u) << temperature;
        EXPECT_EQ(colonne[0].args[1], YPetite(c, -20, graduation)) << temperature;
        EXPECT_EQ(colonne[0].args[3], c.Of(Op::Line).at(0).args[3]) << "down to the bulb";
    }
    const std::size_t traits = Dessin(t).Of(Op::Line).size();
    VerifieModes(t, [traits](const TRecordingCanvas& c) {
        EXPECT_EQ(c.Of(Op::Line).size(), traits);
        return !c.Of(Op::Rectangle).empty();
    });
}

// A drawing that cannot be made says why, leaves the canvas as it found it, and the host writes
// the reason in the frame; the keys keep the scale's ends apart, the ini file does not.
TEST_F(ThermometreTest, DrawingErrorsAndTheScaleEnds) {
    TvlThermometre& court = Thermo({"Hauteur=1"});
    TRecordingCanvas c;
    DessineComposant(court, c, MODE_EDITION, nullptr, false);
    EXPECT_EQ(court.ErreurDessin(), "Pas de place pour le dessin");
    EXPECT_FALSE(c.HasClip());
    EXPECT_EQ(c.Texts(), std::vector<std::string>{"Pas de place pour le dessin"});
    Regle(court, {"Hauteur=10"});
    Dessin(court);
    EXPECT_EQ(court.ErreurDessin(), "");

    // Numbers without room are left out whole, and counted.
    TvlThermometre& etroit = Thermo({"Largeur=3", "LibelleTemperatureDroite=1"});
    const TRecordingCanvas serre = Dessin(etroit);
    for (const TDrawCall& t : serre.Of(Op::TextOut)) {
        EXPECT_GE(t.args[0], 100) << t.text;
        EXPECT_LE(t.args[0] + int(t.text.size()) * TRecordingCanvas::CharWidth(t.font), 400);
    }
    EXPECT_NE(etroit.AvertissementCadre(), "");

    std::string message;
    EXPECT_FALSE(court.ChangeOption("5000", "TemperatureMinimum", message));
    EXPECT_NE(message.find("4999"), std::string::npos) << message;
    EXPECT_FALSE(court.ChangeOption("-300", "TemperatureMaximum", message));
    Regle(court, {"LibelleTemperatureGauche=7", "LibelleTemperatureDroite=-2"});
    EXPECT_EQ(court.Bloc().LibelleTemperatureGauche, 3);
    EXPECT_EQ(court.Bloc().LibelleTemperatureDroite, 0);
    EXPECT_FALSE(court.ChangeOption("chaud", "LibelleTemperatureGauche", message));
    // A range that leaves the temperature out draws it again inside; one that keeps it, keeps it.
    Regle(court, {"Temperature=21", "TemperatureMinimum=0", "TemperatureMaximum=200"});
    EXPECT_EQ(court.Bloc().Temperature, 21);
    Regle(court, {"TemperatureMinimum=100"});
    EXPECT_GE(court.Bloc().Temperature, 100);
    EXPECT_LE(court.Bloc().Temperature, 200);
    // Below absolute zero: a scale that cannot be drawn, a temperature raised to 0 K.
    Regle(court, {"LibelleTemperatureGauche=2", "TemperatureMinimum=-20", "TemperatureMaximum=-5",
                  "Temperature=-6"});
    Dessin(court);
    EXPECT_EQ(court.ErreurDessin(),
              "Température Maximum sous le zéro absolu\u00A0: entier de 1 à 5000");
    Regle(court, {"TemperatureMaximum=60"});
    EXPECT_EQ(court.Cible()->valeur, "0 K");

    TIniFile ini(FichIni());
    ini.WriteInteger("Thermomètre", "TemperatureMinimum", 40);
    ini.WriteInteger("Thermomètre", "TemperatureMaximum", 40);
    ini.UpdateFile();
    TvlThermometre& plat = Nouveau<TvlThermometre>("Thermomètre");
    EXPECT_EQ(plat.Bloc().Temperature, 40);
    Dessin(plat);
    EXPECT_EQ(plat.ErreurDessin(), "Température Minimum > au Maximum");
    Relu("Thermomètre", plat);
}

} // namespace
