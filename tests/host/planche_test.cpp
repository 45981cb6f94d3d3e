// The page's ruling and header measured on what they draw, against their definition.
#include "host/Composant.h"
#include "host/Planche.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ranges>
#include <string>
#include <vector>

namespace {

using R = TPlanche::TypeReglure;
using Traits = std::map<std::pair<bool, int>, TPen>; // horizontal or not, position: its pen
const auto canal = [](TColor c, int i) { return int((c >> (8 * i)) & 0xFF); }; // r, g, b

// A page's lines (with a header, uneven margins): across its area, each once, all light.
Traits traits(R reglure, int pas, vlRect& zone) {
    TPlanche p(TPlanche::Format::A4, false);
    p.Marges = {250, 120, 130, 170};
    p.Titre = "Réglure";
    p.Reglure = reglure;
    p.Pas = {pas, pas};
    p.OrgGrille = p.OrgMarges();
    zone = p.ZoneUtile();
    TRecordingCanvas canvas;
    p.DessineReglure(canvas);
    Traits v;
    for (const TDrawCall& c : canvas.Of(TDrawCall::Op::Line)) {
        const bool h = c.args[1] == c.args[3];
        EXPECT_EQ(c.args, (std::vector{h ? zone.left : c.args[0], h ? c.args[1] : zone.top,
                                       h ? zone.right : c.args[0], h ? c.args[1] : zone.bottom}));
        EXPECT_TRUE(v.emplace(std::pair(h, c.args[h ? 1 : 0]), c.pen).second);
        EXPECT_GE(std::min({canal(c.pen.Color, 0), canal(c.pen.Color, 1), canal(c.pen.Color, 2)}),
                  0x80);
    }
    return v;
}

// Horizontal lines `pas` apart from `haut`, vertical ones `vpas` apart from the left edge.
std::vector<std::pair<bool, int>> grille(const vlRect& z, int haut, int pas, int vpas) {
    std::vector<std::pair<bool, int>> v;
    for (int x = z.left; vpas > 0 && x <= z.right; x += vpas)
        v.push_back({false, x});
    for (int y = haut; pas > 0 && y <= z.bottom; y += pas)
        v.push_back({true, y});
    return v;
}

TEST(Reglure, LinesLieWhereTheirDefinitionPutsThem) {
    vlRect z;
    // Seyès: 2 mm lines from the top, every fourth heavy; a red margin, verticals every 8 mm.
    const Traits seyes = traits(R::Seyes, 0, z);
    EXPECT_TRUE(std::ranges::equal(std::views::keys(seyes), grille(z, z.top, 20, 80)));
    const TPen grasse = seyes.at({true, z.top}), fine = seyes.at({true, z.top + 20});
    for (int y = z.top; y <= z.bottom; y += 20)
        EXPECT_EQ(seyes.at({true, y}), (y - z.top) % 80 == 0 ? grasse : fine) << y;
    EXPECT_LT(fine.Width, grasse.Width);
    const TColor marge = seyes.at({false, z.left}).Color;
    EXPECT_GT(canal(marge, 0), std::max(canal(marge, 1), canal(marge, 2)) + 0x40);
    // Squares on the grid, lines a step under the top; without a step 5 mm and 8 mm.
    for (const auto& [reglure, pas, haut, vpas] :
         std::vector<std::tuple<R, int, int, int>>{{R::Aucune, 0, 0, 0},
                                                   {R::Carreaux, 100, 0, 100},
                                                   {R::Carreaux, 0, 0, 50},
                                                   {R::Lignes, 70, 70, 0},
                                                   {R::Lignes, 0, 80, 0}})
        EXPECT_TRUE(std::ranges::equal(std::views::keys(traits(reglure, pas, z)),
                                       grille(z, z.top + haut, pas > 0 ? pas : haut + vpas, vpas)));
}

// A title too long for its line goes on two, then smaller, never under 12 points; the header
// grows for its second line.
TEST(Entete, ALongTitleWrapsOnTwoLinesBeforeItShrinks) {
    const auto mots = [](int n) {
        std::string t;
        for (int i = 0; i < n; ++i)
            t += "Additions ";
        return t + "posées";
    };
    const struct {
        std::string titre;
        std::size_t lignes;
        int points;
    } rows[] = {{"Les nombres", 1, 16},
                {mots(5), 2, 16},
                {mots(9), 2, 14},
                {std::string(60, 'x'), 1, 12}}; // one word: one line, cut at its room
    for (const auto& row : rows) {
        SCOPED_TRACE(row.titre);
        TPlanche p(TPlanche::Format::A4, false);
        const int sansTitre = p.ZoneUtile().top;
        p.Titre = row.titre;
        TRecordingCanvas canvas;
        p.MesureTitre(canvas);
        p.DessineEntete(canvas, MODE_CORRIGE);
        std::vector<TDrawCall> lignes = canvas.Of(TDrawCall::Op::TextOut);
        ASSERT_EQ(lignes.back().text, "Corrigé");
        lignes.pop_back();
        ASSERT_EQ(lignes.size(), row.lignes);
        std::string texte;
        for (const TDrawCall& l : lignes) {
            EXPECT_EQ(l.font.Size(), row.points);
            texte += (texte.empty() ? "" : " ") + l.text;
        }
        EXPECT_EQ(texte, row.titre);
        const TTextMetric m = TRecordingCanvas::MetricsOf(lignes.front().font);
        const int pas = m.tmHeight + m.tmExternalLeading;
        EXPECT_EQ(lignes.back().args[1] - lignes.front().args[1], int(row.lignes - 1) * pas);
        EXPECT_EQ(p.ZoneUtile().top - sansTitre, 90 + 50 + int(row.lignes - 1) * pas);
    }
}

} // namespace
