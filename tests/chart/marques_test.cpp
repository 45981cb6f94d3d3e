// The chart's marks: placed clear of the bars and of each other, or left out and counted.
#include "ChartTest.h"
#include "platform/InkCheck.h"

#include <algorithm>
#include <set>

namespace {

bool Touche(const vlRect& a, const vlRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Grouped bars of near heights, flat or in depth, the tallest at the axis' end: each mark shown
// stands clear of every bar, rising over a neighbour's or left out and counted; the title,
// legend, labels and marks are all marked readable and cover nothing.
TEST_F(ChartTest, MarksLeaveEveryBarInSight) {
    for (const char* vue : {"Vue3D=0", "Vue3D=1"}) {
        SCOPED_TRACE(vue);
        TvlGraphe& g = Graphe({"Largeur=8", "Hauteur=6", vue, "VisibleTitre=1"});
        // Each group's bars of another order, so that a short bar stands by a taller one.
        for (const auto& [serie, valeurs] : {std::pair{"A", "a;;12; | b;;20; | c;;11;"},
                                             {"B", "a;;20; | b;;11; | c;;12;"},
                                             {"C", "a;;11; | b;;12; | c;;20;"}})
            ASSERT_TRUE(Serie(g, std::string("Histogrammes verticaux; ") + serie, valeurs));
        ASSERT_TRUE(Feuille(g, "Titre", "Ventes"));
        const TRecordingCanvas c = Dessin(g);
        std::vector<vlRect> marques, lisibles;
        std::set<std::string> sortes;
        for (const TInkTag& t : c.tags) {
            lisibles.push_back(t.box);
            sortes.insert(t.what);
            if (t.what == "marque")
                marques.push_back(t.box);
        }
        int barres = 0;
        for (const TDrawCall& d : c.Of(TDrawCall::Op::Rectangle)) {
            const vlRect b{d.args[0], d.args[1], d.args[2], d.args[3]};
            if (std::ranges::count(marques, b) > 0 || b.Width() > g.Rect.Width() / 4 ||
                b.Height() < 100)
                continue; // marks, the panel, the legend's swatches
            ++barres;
            for (const vlRect& m : marques)
                EXPECT_FALSE(Touche(m, b)) << b.left << " " << b.top;
        }
        EXPECT_GE(barres, 9); // and the legend's box
        EXPECT_GE(marques.size(), 5u);
        EXPECT_TRUE(marques.size() == 9u || !g.AvertissementCadre().empty());
        EXPECT_EQ(sortes, (std::set<std::string>{"légende", "marque", "titre", "étiquette"}));
        EXPECT_TRUE(Recouvrements(lisibles).empty());
    }
}

// Small sectors side by side: each mark slides clear of the others rather than being lost.
TEST_F(ChartTest, PieMarksSlideClearOfEachOther) {
    TvlGraphe& petit = Graphe({"Largeur=8,5", "Hauteur=6"});
    ASSERT_TRUE(
        Serie(petit, "Secteurs; Fruits; 1", "a;;12; | b;;6; | c;;4; | d;;2; | e;;1; | f;;1;"));
    const TRecordingCanvas c = Dessin(petit);
    std::vector<vlRect> marques;
    for (const TDrawCall& d : c.Of(TDrawCall::Op::TextOut))
        if (d.text.ends_with("%"))
            marques.push_back({d.args[0], d.args[1],
                               d.args[0] + int(d.text.size()) * TRecordingCanvas::CharWidth(d.font),
                               d.args[1] + TRecordingCanvas::MetricsOf(d.font).tmHeight});
    ASSERT_EQ(marques.size(), 6u);
    for (std::size_t i = 0; i < marques.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(Touche(marques[i], marques[j]));
    EXPECT_TRUE(Dedans(c, petit.Rect));
}

} // namespace
