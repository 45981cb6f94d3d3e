// The page's ruling, measured on what it draws: Seyès against its definition (8 mm squares of
// four 2 mm lines, the top one heavy, a red margin), squares and plain lines on the grid step.
#include "host/Planche.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using R = TPlanche::TypeReglure;
int canal(TColor c, int i) {
    return int((c >> (8 * i)) & 0xFF);
} // red, green, blue

// Each line drawn on a page with a header and uneven margins, by direction and position: it
// crosses the whole area, once, in a light colour.
std::map<std::pair<bool, int>, TPen> traits(R reglure, int pas, vlRect& zone) {
    TPlanche p(TPlanche::Format::A4, false);
    p.Marges = {250, 120, 130, 170};
    p.Titre = "Réglure";
    p.Reglure = reglure;
    p.Pas = {pas, pas};
    p.OrgGrille = p.OrgMarges();
    zone = p.ZoneUtile();
    TRecordingCanvas canvas;
    p.DessineReglure(canvas);
    std::map<std::pair<bool, int>, TPen> v;
    for (const TDrawCall& c : canvas.Of(TDrawCall::Op::Line)) {
        const bool h = c.args[1] == c.args[3];
        const std::vector<int> attendu =
            h ? std::vector{zone.left, c.args[1], zone.right, c.args[1]}
              : std::vector{c.args[0], zone.top, c.args[0], zone.bottom};
        EXPECT_EQ(c.args, attendu);
        EXPECT_TRUE(v.emplace(std::pair(h, c.args[h ? 1 : 0]), c.pen).second);
        EXPECT_GE(std::min({canal(c.pen.Color, 0), canal(c.pen.Color, 1), canal(c.pen.Color, 2)}),
                  0x80);
    }
    return v;
}

// Lines `pas` apart from `debut` to `fin` (none when pas is 0), horizontal or not.
std::set<std::pair<bool, int>> suite(bool h, int debut, int fin, int pas) {
    std::set<std::pair<bool, int>> v;
    for (int x = debut; pas > 0 && x <= fin; x += pas)
        v.insert({h, x});
    return v;
}

TEST(Reglure, LinesLieWhereTheirDefinitionPutsThem) {
    vlRect z;
    const auto seyes = traits(R::Seyes, 0, z);
    // A line every 2 mm from the area's top, every fourth heavy; the red margin on the area's
    // left edge, then a vertical line every 8 mm.
    std::set<std::pair<bool, int>> attendues = suite(true, z.top, z.bottom, 20);
    attendues.merge(suite(false, z.left, z.right, 80));
    std::set<std::pair<bool, int>> vues;
    for (const auto& [ligne, pen] : seyes) {
        vues.insert(ligne);
        EXPECT_TRUE(!ligne.first ||
                    pen == seyes.at({true, (ligne.second - z.top) % 80 ? z.top + 20 : z.top}));
    }
    EXPECT_EQ(vues, attendues);
    const TPen grasse = seyes.at({true, z.top}), fine = seyes.at({true, z.top + 20});
    EXPECT_LT(fine.Width, grasse.Width);
    EXPECT_GT(canal(fine.Color, 0) + canal(fine.Color, 1),
              canal(grasse.Color, 0) + canal(grasse.Color, 1));
    const TColor marge = seyes.at({false, z.left}).Color;
    EXPECT_GT(canal(marge, 0), std::max(canal(marge, 1), canal(marge, 2)) + 0x40);
    // Squares follow the grid, lines its step under the area's top; without a step, 5 mm
    // squares and 8 mm lines; without a ruling, nothing.
    for (const auto& [reglure, pas, attendu] :
         std::vector<std::tuple<R, int, int>>{{R::Aucune, 50, 0},
                                              {R::Carreaux, 100, 100},
                                              {R::Carreaux, 0, 50},
                                              {R::Lignes, 70, 70},
                                              {R::Lignes, 0, 80}}) {
        SCOPED_TRACE(NomReglure(reglure) + " " + std::to_string(pas));
        const bool carreaux = reglure == R::Carreaux;
        std::set<std::pair<bool, int>> lignes;
        for (const auto& [ligne, pen] : traits(reglure, pas, z))
            lignes.insert(ligne);
        std::set<std::pair<bool, int>> grille =
            suite(true, carreaux ? z.top : z.top + attendu, z.bottom, attendu);
        grille.merge(suite(false, z.left, z.right, carreaux ? attendu : 0));
        EXPECT_EQ(lignes, grille);
    }
}

} // namespace
