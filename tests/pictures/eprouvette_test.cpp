#include "pictures/Eprouvette.h"

#include "PictureTest.h"
#include "platform/IniFile.h"
#include "platform/Random.h"

#include <cstdlib>
#include <set>
#include <string>

namespace {

using Op = TDrawCall::Op;

class EprouvetteTest : public PictureTest {
protected:
    EprouvetteTest() { SeedRandom(8); }

    // A 1 x 5 cm tube of 10 ml at the margin origin: the frame (100, 100, 200, 600).
    TvlEprouvette& Tube(std::vector<std::string> reglages = {}) {
        reglages.insert(reglages.begin(), {"Volume=10", "Largeur=1", "Hauteur=5"});
        return Nouveau<TvlEprouvette>("Eprouvette", reglages);
    }

    // The y of every tick, top to bottom: the horizontal lines narrower than the tube.
    static std::vector<int> Graduations(const TRecordingCanvas& c) {
        std::vector<int> ys;
        for (const TDrawCall& l : c.Of(Op::Line))
            if (l.args[1] == l.args[3] && l.args[2] - l.args[0] < 70)
                ys.insert(ys.begin(), l.args[1]);
        return ys;
    }
};

TEST_F(EprouvetteTest, OutlineTicksAndNumbersOfA10MlTube) {
    TvlEprouvette& t = Tube({"VolumeLiquide=0"});
    const TRecordingCanvas c = Dessin(t);
    const std::vector<TDrawCall> contour = c.Of(Op::Polygon);
    ASSERT_EQ(contour.size(), 1u);
    EXPECT_EQ(
        contour[0].points,
        (std::vector<vlPoint>{
            {114, 100}, {114, 587}, {100, 600}, {200, 600}, {185, 587}, {185, 124}, {200, 100}}));
    int taille = 0;
    const auto* bloc = static_cast<const EprouvetteOptions*>(t.Options(taille));
    EXPECT_EQ(std::pair(bloc->LargeurInterieure, bloc->HauteurGraduee), std::pair(71, 463));

    // Ten steps of 46.34: the tick of 10 ml would stand above the lip.
    const std::vector<int> ys = Graduations(c);
    ASSERT_EQ(ys.size(), 10u);
    EXPECT_EQ(ys.front(), 169);
    EXPECT_EQ(ys[8], 540);
    EXPECT_EQ(ys.back(), 587);
    EXPECT_EQ(c.Texts(), std::vector<std::string>{"5"});

    // A little taller, the tick of 10 fits under the lip, but its number, half a millimetre off
    // the wall and its tick, would leave less than a third of the tick: it is left out and
    // said. The unit has no room either.
    Regle(t, {"Hauteur=5,1"});
    const TRecordingCanvas haut = Dessin(t);
    EXPECT_EQ(Graduations(haut).size(), 11u);
    EXPECT_EQ(haut.Texts(), (std::vector<std::string>{"5"}));
    EXPECT_EQ(haut.Of(Op::TextOut).front().args[0], 119);
    EXPECT_EQ(t.AvertissementCadre(), t.Nom() +
                                          "\u00A0: 1 nombre ne tient pas dans le cadre, l'unité "
                                          "ne tient pas dans le cadre");

    // The same frame 1 m lower: every tick 1000 lower.
    Regle(t, {"Hauteur=5", "Haut=10"});
    std::vector<int> bas = Graduations(Dessin(t));
    for (int& y : bas)
        y -= 1000;
    EXPECT_EQ(bas, ys);
}

// However many millilitres a tube holds, its numbers stand an em apart at least: the fives
// only when they have room, the tens every 1, 2, 5, 10, 20... tens.
TEST_F(EprouvetteTest, NumbersOfAFullTubeKeepALineApart) {
    for (const char* volume :
         {"Volume=10", "Volume=60", "Volume=250", "Volume=1000", "Volume=7000"})
        for (const char* hauteur : {"Hauteur=5", "Hauteur=12"}) {
            const TRecordingCanvas c =
                Dessin(Tube({volume, hauteur, "Largeur=3", "VolumeLiquide=0"}));
            std::vector<TDrawCall> numeros = c.Of(Op::TextOut);
            ASSERT_FALSE(numeros.empty()) << volume << hauteur;
            // The unit over the highest number, in its column, at two thirds of its size.
            ASSERT_EQ(numeros.back().text, "ml") << volume << hauteur;
            EXPECT_EQ(numeros.back().args[0], numeros[numeros.size() - 2].args[0]);
            EXPECT_EQ(numeros.back().font.Height, numeros.front().font.Height * 2 / 3);
            numeros.pop_back();
            const int ligne = std::abs(numeros[0].font.Height); // digits stand an em tall
            std::set<long long> pas;
            for (std::size_t i = 1; i < numeros.size(); ++i) {
                EXPECT_GE(numeros[i - 1].args[1] - numeros[i].args[1], ligne) << volume << hauteur;
                pas.insert(std::stoll(numeros[i].text) - std::stoll(numeros[i - 1].text));
            }
            ASSERT_LE(pas.size(), 1u) << volume << hauteur;
            long long chiffre = pas.empty() ? 1 : *pas.begin();
            while (chiffre % 10 == 0)
                chiffre /= 10;
            EXPECT_TRUE(chiffre == 1 || chiffre == 2 || chiffre == 5) << *pas.begin();
        }
}

// "Recalcule graduations" spreads the cylinder's own volume whatever the order of the keys and
// follows a resize; a typed volume is kept to the hundredth.
TEST_F(EprouvetteTest, FullVolumeTypedOrComputed) {
    for (const std::vector<std::string>& ordre :
         {std::vector<std::string>{"CalculsEprouvette=1", "Largeur=2", "Hauteur=10"},
          {"Largeur=2", "Hauteur=10", "CalculsEprouvette=1"},
          {"Largeur=2", "CalculsEprouvette=1", "Hauteur=10", "Volume=3"}}) {
        TvlEprouvette& t = Tube(ordre);
        EXPECT_EQ(t.Bloc().Volume, 1485) << ordre.front();
        Regle(t, {"Largeur=4"});
        EXPECT_EQ(t.Bloc().Volume, 5942);
    }
    TvlEprouvette& t = Tube({"Volume=0,29", "Libelles=2", "Largeur=3"});
    EXPECT_EQ(t.Bloc().Volume, 29);
    Regle(t, {"Volume=12,5"});
    EXPECT_EQ(t.Bloc().Volume, 1250);
    std::string message;
    EXPECT_FALSE(t.ChangeOption("-1", "VolumeLiquide", message));
    EXPECT_NE(message.find("2971142,9"), std::string::npos) << message;
    Relu("Eprouvette", t);
}

// The liquid's surface: a meniscus whose lowest point is the level, flat near the lip, never
// above it; nothing without liquid or without a full volume.
TEST_F(EprouvetteTest, LiquidSurface) {
    TvlEprouvette& t = Tube({"VolumeLiquide=5"});
    TRecordingCanvas c = Dessin(t);
    EXPECT_EQ(c.Of(Op::Rectangle).at(0).args, (std::vector<int>{114, 330, 185, 587}));
    EXPECT_EQ(c.Of(Op::Ellipse).at(0).args, (std::vector<int>{114, 305, 185, 355}));
    EXPECT_EQ(c.Of(Op::Arc).at(0).args, (std::vector<int>{114, 305, 185, 355, 114, 330, 185, 330}));
    for (const std::string volume : {"9,5", "20"}) {
        Regle(t, {"VolumeLiquide=" + volume});
        c = Dessin(t);
        EXPECT_TRUE(c.Of(Op::Ellipse).empty()) << volume;
        EXPECT_EQ(c.Of(Op::Rectangle).at(0).args[1], volume == "20" ? 124 : 146);
    }
    VerifieModes(t, [](const TRecordingCanvas& d) { return !d.Of(Op::Rectangle).empty(); });
    Regle(t, {"Mode=0", "VolumeLiquide=0"});
    EXPECT_TRUE(Dessin(t).Of(Op::Rectangle).empty());
    Regle(t, {"VolumeLiquide=5", "Volume=0"});
    c = Dessin(t);
    EXPECT_TRUE(c.Of(Op::Rectangle).empty() && Graduations(c).empty());
    TIniFile ini(FichIni());
    ini.WriteInteger("Eprouvette", "Volume", 0);
    ini.UpdateFile();
    EXPECT_EQ(Nouveau<TvlEprouvette>("Eprouvette").Bloc().VolumeLiquide, 0);
}

// A tube drawn out on the page shows nothing until its creation ends; one made by a sheet, a
// copy or a loaded one draws at once.
TEST_F(EprouvetteTest, NothingIsDrawnWhileTheTubeIsBeingCreated) {
    TvlEprouvette enCreation(&document_.Cadre(0));
    EXPECT_TRUE(Dessin(enCreation).calls.empty());
    EXPECT_FALSE(Dessin(*enCreation.Copie()).calls.empty());
    TRecordingCanvas bande;
    enCreation.StopModifCreation(bande, false);
    EXPECT_FALSE(Dessin(enCreation).calls.empty());
    EXPECT_FALSE(Dessin(Tube()).calls.empty());
}

} // namespace
