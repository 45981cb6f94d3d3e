// The chart's legend: its side, its entries' order, and what finds no room.
#include "ChartTest.h"

#include <algorithm>

namespace {

// The legend on each of the four sides: beside the bars in a column, or above or below them in
// a row, left to right in series order; what has no room is reported.
TEST_F(ChartTest, TheLegendTakesItsSideAndLeavesThePlotTheRest) {
    for (int cote = 0; cote <= 3; ++cote) {
        TvlGraphe& g = Graphe({"Largeur=14", "Hauteur=8", "Vue3D=0", "AnnotationsVisibles=0",
                               "AligneLegende=" + std::to_string(cote)});
        for (const char* serie : {"a;;1;0x0000FF", "b;;2;0xFF0000", "c;;3;0x008000"})
            ASSERT_TRUE(Serie(g, std::string("Histogrammes verticaux; S") + serie[0], serie));
        const TRecordingCanvas c = Dessin(g);
        EXPECT_TRUE(Dedans(c, g.Rect) && g.AvertissementCadre().empty()) << cote;
        vlRect barres{g.Rect.right, g.Rect.bottom, g.Rect.left, g.Rect.top};
        for (const TColor couleur : {clRed, clBlue, clGreen}) {
            const auto faces = FacesDe(c, couleur, TDrawCall::Op::Rectangle);
            ASSERT_EQ(faces.size(), 2u) << cote << " " << couleur; // swatch, bar
            const TDrawCall& b = faces.back();
            barres = {std::min(barres.left, b.args[0]), std::min(barres.top, b.args[1]),
                      std::max(barres.right, b.args[2]), std::max(barres.bottom, b.args[3])};
        }
        std::vector<vlPoint> entrees;
        for (const TDrawCall& d : c.Of(TDrawCall::Op::TextOut))
            if (d.text.starts_with("S"))
                entrees.push_back({d.args[0], d.args[1]});
        ASSERT_EQ(entrees.size(), 3u) << cote;
        const int h = TRecordingCanvas::MetricsOf(c.Of(TDrawCall::Op::TextOut)[0].font).tmHeight;
        for (std::size_t i = 1; i < 3; ++i) {
            const bool enLigne = cote >= 2;
            EXPECT_EQ(enLigne ? entrees[i].y : entrees[i].x, enLigne ? entrees[0].y : entrees[0].x);
            EXPECT_GT(enLigne ? entrees[i].x : entrees[i].y,
                      enLigne ? entrees[i - 1].x : entrees[i - 1].y);
        }
        const vlPoint premiere = entrees.front(), derniere = entrees.back();
        const bool place[] = {derniere.x<barres.left, premiere.x> barres.right,
                              premiere.y + h<barres.top, premiere.y> barres.bottom};
        EXPECT_TRUE(place[cote]) << cote;
    }
    // Bars each named in the legend: what has no room at 7 points is reported.
    TvlGraphe& g = Graphe({"Hauteur=3", "Vue3D=0", "FonteLegende=Andika,40,0,normal"});
    std::string points = "p0;;1";
    for (int i = 1; i < 50; ++i)
        points += " | p" + std::to_string(i) + ";;" + std::to_string(i % 7 + 1);
    ASSERT_TRUE(Serie(g, "Histogrammes verticaux; J", points));
    const TRecordingCanvas c = Dessin(g);
    EXPECT_TRUE(Dedans(c, g.Rect));
    EXPECT_EQ(c.Of(TDrawCall::Op::TextOut).back().font.Height, -(7 * 254 / 72));
    EXPECT_NE(g.AvertissementCadre().find("entrées de légende"), std::string::npos);
    EXPECT_NE(g.AvertissementCadre().find("ne tiennent pas dans le cadre"), std::string::npos);
}

} // namespace
