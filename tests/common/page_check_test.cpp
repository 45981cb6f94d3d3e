#include "common/CommonComponent.h"
#include "common/PageCheck.h"
#include "host/Catalogue.h"
#include "host/Document.h"
#include "host/Services.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// A kind that marks the boxes it is given, moved to its frame, and draws nothing else. It keeps
// the mode it was drawn in.
class Marques : public TComposant {
public:
    using TComposant::TComposant;

    std::vector<std::pair<vlRect, std::string>> boxes;
    int drawnIn = -1;

    vlSize TailleCreation() const override { return {400, 300}; }
    void Dessine(TCanvas& canvas, int mode, TPlanche*) override { tag(canvas, mode); }
    void Imprime(TCanvas& canvas, int mode, TPlanche*) override { tag(canvas, mode); }

private:
    void tag(TCanvas& canvas, int mode) {
        drawnIn = ModeVisu() == mode ? mode : -1;
        for (auto [box, what] : boxes) {
            box.Offset(Rect.LireOrg());
            canvas.TagReadable(box, what);
        }
    }
};

const TCatalogue& catalogue() {
    static const TCatalogue c = [] {
        TTypeComposant type;
        type.nom = "Marques";
        type.numero = 900;
        type.cree = [](TCadre* cadre) -> std::unique_ptr<TComposant> {
            auto m = std::make_unique<Marques>(cadre);
            m->NomType = "Marques";
            m->NumeroType = 900;
            return m;
        };
        TCatalogue made;
        made.Ajoute(type);
        return made;
    }();
    return c;
}

struct Page {
    TDocument doc{catalogue()};

    Page() { doc.AjoutePage(TPlanche(TPlanche::Format::A4, false)); }

    Marques& add(const std::string& nom, vlRect rect,
                 std::vector<std::pair<vlRect, std::string>> boxes, int page = 0) {
        auto& m = dynamic_cast<Marques&>(*doc.Cree("Marques", page));
        m.ChangeNom(nom);
        m.ChangeCoords(rect);
        m.boxes = std::move(boxes);
        return m;
    }
};

TEST(PageCheckTest, ItemsCoveredOrOutOfTheirFrame) {
    const struct {
        std::vector<std::pair<vlRect, std::string>> boxes;
        Lines expected;
    } rows[] = {
        {{{{0, 0, 100, 100}, "pièce"}, {{100, 0, 200, 100}, "pièce"}}, {}},
        {{{{0, 0, 100, 100}, "pièce"}, {{0, 16, 100, 116}, "pièce"}, {{0, 200, 50, 250}, "billet"}},
         {"M : 2 pièces se chevauchent"}},
        {{{{0, 0, 100, 100}, "pièce"}, {{50, 50, 150, 150}, "billet"}},
         {"M : 1 pièce, 1 billet se chevauchent"}},
        {{{{350, 0, 450, 100}, "étiquette"}, {{0, 250, 50, 310}, "étiquette"}},
         {"M : 2 étiquettes sortent du cadre"}},
        {{{{-20, 0, 10, 10}, "chiffre"}}, {"M : 1 chiffre sort du cadre"}},
    };
    for (const auto& row : rows) {
        Page p;
        Marques& m = p.add("M", {1000, 1000, 1400, 1300}, row.boxes);
        EXPECT_EQ(VerifieEncre(p.doc), row.expected) << row.boxes.size();
        EXPECT_EQ(m.drawnIn, MODE_CORRIGE);
    }
}

// Printed frames of one page must not overlap; a frame shown on another is not printed.
TEST(PageCheckTest, OverlappingFramesOfOnePage) {
    Page p;
    p.doc.AjoutePage(TPlanche(TPlanche::Format::A4, false));
    p.add("A", {1000, 1000, 1400, 1300}, {});
    p.add("B", {1390, 1000, 1800, 1300}, {}); // a millimetre shared: touching
    p.add("C", {1300, 1200, 1600, 1600}, {});
    p.add("D", {1000, 1000, 1400, 1300}, {}, 1); // another page
    Marques& shown = p.add("E", {1000, 1000, 1400, 1300}, {});
    shown.Recepteurs.push_back(&p.doc.Composant(3));
    EXPECT_EQ(VerifieEncre(p.doc), (Lines{"« A » et « C » se chevauchent sur la page 1",
                                          "« B » et « C » se chevauchent sur la page 1"}));
    shown.Recepteurs.clear();
    // The host's warnings end with the check's lines.
    const Lines all = AvertissementsCadre(p.doc);
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all.back(), "« C » et « E » se chevauchent sur la page 1");
}

} // namespace
