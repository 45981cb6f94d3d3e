#include "dots/RelierEditLogique.h"

#include "dots/Relier.h"
#include "dots/RelierFeuille.h"
#include "pictures/PictureTest.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "sheet/SheetBuilder.h"

#include <gtest/gtest.h>

namespace {

using Point = RelierEditLogique::Point;

// At 254 pixels per inch a pixel is a tenth of a millimetre: the area is 60 x 40 mm.
RelierEditLogique Editeur(const JeuPoints& jeu = {}) {
    RelierEditLogique e(jeu, 254, 254);
    e.ChangeZone(600, 400);
    return e;
}

TEST(RelierEditLogique, AddMoveAndDelete) {
    RelierEditLogique e = Editeur();
    EXPECT_FALSE(e.Appui(10, 10, false)); // nothing to remove
    for (int i = 0; i < 101; ++i)
        EXPECT_EQ(e.Appui(i * 5, 100, true), i < 100) << i;
    EXPECT_EQ(e.Places.size(), 100u);
    EXPECT_TRUE(e.Appui(0, 0, false));
    EXPECT_EQ(e.Places.back(), (Point{490.0 / 600, 0.25}));
    // Points 5 pixels apart: the later one is picked, then moved inside the area.
    e.ModeSouris = RelierEditLogique::Mode::Deplace;
    EXPECT_EQ(e.Choisit(497, 103), 98);
    e.Appui(497, 103, true);
    EXPECT_TRUE(e.Glisse(900, -50));
    EXPECT_EQ(e.Places[98], (Point{1, 0}));
    e.Relache();
    EXPECT_FALSE(e.Glisse(10, 10));
    e.ModeSouris = RelierEditLogique::Mode::Supprime;
    EXPECT_FALSE(e.Appui(300, 300, true));
    EXPECT_TRUE(e.Appui(0, 100, true)); // the latest within 10 pixels: the one at 10
    EXPECT_EQ(e.Places.size(), 98u);
    EXPECT_EQ(e.Places[2], (Point{15.0 / 600, 0.25}));
}

// A 5 mm step: 3.2 mm goes up to 5, 1 mm and exactly half a step down; past half a step near
// the edge the point stays down when the step above leaves the area.
TEST(RelierEditLogique, SnapsToTheGridInsideTheArea) {
    RelierEditLogique e = Editeur();
    e.PasX = e.PasY = 5;
    const std::vector<std::tuple<int, int, double, double>> cas{
        {32, 10, 50, 0}, {10, 26, 0, 50}, {599, 399, 600, 400}, {24, 375, 0, 350}};
    for (const auto& [x, y, px, py] : cas)
        EXPECT_EQ(e.PointSouris(x, y), (Point{px / 600, py / 400})) << x << "," << y;
    e.PasX = 7;
    EXPECT_EQ(e.PointSouris(599, 0)->x, 560.0 / 600);
    e.ChangeZone(0, 400);
    EXPECT_FALSE(e.PointSouris(10, 10));
}

TEST(RelierEditLogique, OpeningThenTransferKeepsThePoints) {
    JeuPoints jeu;
    jeu.Points = {{0.5, 0.5, "1+1", "2"}, {-1, -1, "2+2", "4"}, {0.25, 0.75, "1+2", "3"}};
    jeu.PasX = 5;
    jeu.Image = "modele.png";
    RelierEditLogique e = Editeur(jeu);
    EXPECT_EQ(e.Lignes[1].Etiquette, "1+2"); // placed points first
    JeuPoints sortie;
    e.Transfere(sortie);
    EXPECT_EQ(sortie.Points,
              (std::vector<PointRelier>{jeu.Points[0], jeu.Points[2], jeu.Points[1]}));
    EXPECT_EQ(std::tuple(sortie.PasX, sortie.Image), std::tuple(5, "modele.png"));
    // Later rows become unplaced points only with both texts.
    e.Lignes[5] = {"5+5", ""};
    e.Lignes[6] = {"", "7"};
    e.Lignes[99] = {"9+9", "18"};
    e.EffaceTout();
    e.Transfere(sortie);
    ASSERT_EQ(sortie.Points.size(), 4u);
    EXPECT_EQ(sortie.Points[3], (PointRelier{-1, -1, "9+9", "18"}));
}

class RelierFeuilleTest : public PictureTest {};

TEST_F(RelierFeuilleTest, SheetKeysGoThroughTheEditorAndTheGenerator) {
    TComposant& c = *document_.Cree("Points à relier", 0);
    const auto& jeu = dynamic_cast<TvlRelier&>(c).Jeu();
    const auto applique = [&c](const std::string& cle, const std::string& valeur) {
        std::string message;
        return AppliqueCleFeuilleRelier(c, cle, valeur, message) ? std::string() : message;
    };
    EXPECT_EQ(applique("Points", "0,1;0,2;3+4;7 | -1;0;5+5; | 0,9;1;;"), "");
    EXPECT_EQ(jeu.Points.size(), 2u); // the unplaced point without its answer is dropped
    EXPECT_NE(applique("Points", "0,5;1,5;a;b").find("de 0 à 1"), std::string::npos);
    EXPECT_NE(applique("Formule", "(1 + 2").find("(caractère 7)"), std::string::npos);
    SeedRandom(4);
    EXPECT_EQ(applique("Formule", "a * 2"), "");
    EXPECT_EQ(jeu.Points[0].Etiquette, "3+4"); // "a" has no line yet
    EXPECT_EQ(applique("Variable", "a;2;1;0;0;0;a+1"), "");
    EXPECT_EQ(jeu.Points[0].Etiquette + jeu.Points[1].Reponse, "1 * 24");
    EXPECT_NE(applique("Variable", "a;2;1;0;0;0;a/0").find("Division par zéro"), std::string::npos);
    EXPECT_NE(applique("Serie", "n'existe pas").find("additions"), std::string::npos);
}

// Every calculation replaces all the pairs; once the section ends, the placed points must all
// have a pair, in the order and without the duplicates asked, else the line that last changed
// the series is named.
TEST(RelierFeuille, TheSeriesIsCheckedWhenTheSectionEnds) {
    std::string douze = "Points = 0,1;0,1;;";
    for (int i = 1; i < 12; ++i)
        douze += " | 0," + std::to_string(i % 9 + 1) + ";0,5;;";
    const std::string serie = "\nFormule = a + b\nVariable = a;1;0;1;10;0\nVariable = b;1;0;1;10;0"
                              "\nTri = 2";
    const std::vector<std::pair<std::string, std::string>> cas{
        {douze + serie, ""},
        {douze + serie + "\nVariable = b;1;0;1;2;0",
         "f:7: Points à relier1\u00A0: la série ne donne que 9 réponses différentes pour 12 "
         "points"},
        {douze + "\nFormule = a + b\nVariable = a;1;0;1;10;0",
         "f:4: Points à relier1\u00A0: la formule «\u00A0a + b\u00A0» n'a pas de ligne "
         "«\u00A0Variable\u00A0» pour «\u00A0b\u00A0»"},
        // Texts given after the series are printed as given.
        {douze + serie + "\nPoints = 0,1;0,1;1+1;2 | 0,2;0,2;2+2;4", ""},
    };
    const TCatalogue catalogue = CataloguePaquet();
    for (const auto& [lignes, erreur] : cas) {
        Sheet sheet;
        std::string message;
        ASSERT_TRUE(ParseSheet("[Points à relier]\n" + lignes, "f", sheet, message));
        TDocument document(catalogue);
        SeedRandom(1);
        EXPECT_EQ(BuildDocument(sheet, document, message), erreur.empty()) << lignes;
        EXPECT_EQ(message.substr(0, erreur.size()), erreur);
        if (!erreur.empty())
            continue;
        const auto& points = dynamic_cast<TvlRelier&>(document.Composant(0)).Jeu().Points;
        for (std::size_t i = 1; i < 12 && points.size() == 12; ++i)
            EXPECT_GT(std::stoi(points[i - 1].Reponse), std::stoi(points[i].Reponse));
    }
}

// The last check on its own: answers against the order and uniqueness the series asks.
TEST_F(RelierFeuilleTest, AnswersAreCheckedAgainstTheSeriesSettings) {
    TvlRelier& r = Nouveau<TvlRelier>("Points à relier");
    JeuPoints& jeu = r.Jeu();
    jeu.Formule = "a";
    jeu.Variables.resize(1);
    jeu.Variables[0].Nom = "a";
    const std::vector<std::tuple<std::int16_t, bool, std::string, std::string>> cas{
        {TRI_CROISSANT, true, "1;2,5;3", ""},
        {TRI_CROISSANT, true, "1;3;2,5",
         "ordre croissant strict\u00A0: «\u00A02,5\u00A0» (point 3) suit «\u00A03\u00A0»"},
        {TRI_CROISSANT, false, "1;1;2", ""},
        {TRI_DECROISSANT, true, "3;3;1",
         "ordre décroissant strict\u00A0: «\u00A03\u00A0» (point 2) suit «\u00A03\u00A0»"},
        {TRI_AUCUN, true, "1;3;1", "la réponse «\u00A01\u00A0» revient aux points 1 et 3"},
        {TRI_AUCUN, false, "1;3;1", ""},
        {TRI_CROISSANT, true, "1;x;3", "«\u00A0x\u00A0» (point 2) suit «\u00A01\u00A0»"},
    };
    for (const auto& [tri, uniques, reponses, erreur] : cas) {
        jeu.Tri = tri;
        jeu.SupprimerIdentiques = uniques;
        jeu.Points.clear();
        for (const std::string_view reponse : Split(reponses, ';'))
            jeu.Points.push_back({0.5, 0.5, "a", std::string(reponse)});
        std::string message;
        EXPECT_EQ(TermineFeuilleRelier(r, message), erreur.empty()) << reponses;
        EXPECT_NE(message.find(erreur), std::string::npos) << message;
    }
}

} // namespace
