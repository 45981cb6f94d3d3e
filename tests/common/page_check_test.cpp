#include "common/CommonComponent.h"
#include "common/PageCheck.h"
#include "host/Catalogue.h"
#include "host/Document.h"
#include "platform/InkCheck.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
using Tags = std::vector<std::pair<vlRect, std::string>>;

// A kind that only marks the boxes it is given, moved to its frame.
class Marques : public TComposant {
public:
    using TComposant::TComposant;
    Tags boxes;
    void Dessine(TCanvas& canvas, int, TPlanche*) override { Imprime(canvas, 0, nullptr); }
    void Imprime(TCanvas& canvas, int, TPlanche*) override {
        for (auto [box, what] : boxes) {
            box.Offset(Rect.LireOrg());
            canvas.TagReadable(box, what);
        }
    }
};

struct Page {
    TCatalogue catalogue;
    TDocument doc{catalogue};

    Page() {
        TTypeComposant type;
        type.nom = "Marques";
        type.cree = [](TCadre* cadre) { return std::make_unique<Marques>(cadre); };
        catalogue.Ajoute(type);
        doc.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        doc.AjoutePage(TPlanche(TPlanche::Format::A4, false));
    }
    Marques& add(const std::string& nom, vlRect rect, Tags boxes = {}, int page = 0) {
        auto& m = dynamic_cast<Marques&>(*doc.Cree("Marques", page));
        m.ChangeNom(nom);
        m.ChangeCoords(rect);
        m.boxes = std::move(boxes);
        return m;
    }
};

TEST(PageCheckTest, CoveringNeedsMoreThanATenthEachWay) {
    const vlRect coin{0, 0, 100, 100};
    const std::pair<vlRect, bool> rows[] = {
        {{100, 0, 200, 100}, false}, {{90, 90, 190, 190}, false}, {{89, 89, 189, 189}, true},
        {{95, 0, 195, 100}, false},  {{40, 40, 60, 60}, true},    {{0, 84, 100, 184}, true},
    };
    for (const auto& [other, covers] : rows)
        EXPECT_EQ(SeCouvrent(coin, other) && SeCouvrent(other, coin), covers) << other.left;
    EXPECT_FALSE(Empietent(coin, {90, 0, 200, 100}));
    EXPECT_TRUE(Empietent(coin, {89, 89, 200, 200}));
    EXPECT_FALSE(SortDuCadre({-5, 0, 105, 100}, coin));
    EXPECT_TRUE(SortDuCadre({0, -6, 100, 100}, coin));
}

// The sweep finds the pairs that comparing every pair finds.
TEST(PageCheckTest, SweepFindsEveryPair) {
    SeedRandom(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<vlRect> boxes;
        for (int i = 0; i < 150; ++i) {
            const int x = Random() % 2000, y = Random() % 2000;
            boxes.push_back({x, y, x + 1 + Random() % 300, y + 1 + Random() % 300});
        }
        std::vector<std::pair<std::size_t, std::size_t>> expected;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                if (SeCouvrent(boxes[i], boxes[j]))
                    expected.emplace_back(i, j);
        ASSERT_EQ(Recouvrements(boxes), expected) << round;
    }
}

TEST(PageCheckTest, ItemsCoveredOrOutOfTheirFrame) {
    const std::pair<Tags, Lines> rows[] = {
        {{{{0, 0, 100, 100}, "pièce"}, {{100, 0, 200, 100}, "pièce"}}, {}},
        {{{{0, 0, 100, 100}, "pièce"}, {{0, 16, 100, 116}, "pièce"}, {{0, 200, 50, 250}, "billet"}},
         {"M\u00A0: 2 pièces se chevauchent"}},
        {{{{0, 0, 100, 100}, "pièce"}, {{50, 50, 150, 150}, "billet"}},
         {"M\u00A0: 1 pièce, 1 billet se chevauchent"}},
        {{{{350, 0, 450, 100}, "étiquette"}, {{0, 250, 50, 310}, "étiquette"}},
         {"M\u00A0: 2 étiquettes sortent du cadre"}},
        {{{{-20, 0, 10, 10}, "chiffre"}}, {"M\u00A0: 1 chiffre sort du cadre"}},
    };
    for (const auto& [boxes, expected] : rows) {
        Page p;
        p.add("M", {1000, 1000, 1400, 1300}, boxes);
        EXPECT_EQ(VerifieEncre(p.doc), expected) << boxes.size();
    }
}

// Printed frames of one page must not overlap; a frame shown on another is not printed. The
// host's warnings end with the check's lines.
TEST(PageCheckTest, OverlappingFramesOfOnePage) {
    Page p;
    p.add("A", {1000, 1000, 1400, 1300});
    p.add("B", {1390, 1000, 1800, 1300}); // a millimetre shared: touching
    p.add("C", {1300, 1200, 1600, 1600});
    p.add("D", {1000, 1000, 1400, 1300}, {}, 1);
    Marques& shown = p.add("E", {1000, 1000, 1400, 1300});
    shown.Recepteurs.push_back(&p.doc.Composant(3));
    EXPECT_EQ(VerifieEncre(p.doc),
              (Lines{"«\u00A0A\u00A0» et «\u00A0C\u00A0» se chevauchent sur la page 1",
                     "«\u00A0B\u00A0» et «\u00A0C\u00A0» se chevauchent sur la page 1"}));
    shown.Recepteurs.clear();
    EXPECT_EQ(AvertissementsCadre(p.doc).back(),
              "«\u00A0C\u00A0» et «\u00A0E\u00A0» se chevauchent sur la page 1");
}

} // namespace
