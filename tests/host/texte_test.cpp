#include "HostFixtures.h"

#include "host/Document.h"
#include "host/MiseEnPage.h"
#include "host/Stream.h"
#include "host/Texte.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

// On the recording canvas a 12-point character is 25 wide (29 in bold), a line 52 high.
TFont douzePoints() {
    TFont police;
    police.SetSize(12);
    return police;
}

TEST(MiseEnPage, InlineStylesAndParagraphs) {
    const struct {
        std::string texte;
        Paragraphe runs;
    } rows[] = {
        {"un **deux** *trois*", {{"un ", 0}, {"deux", fsBold}, {" ", 0}, {"trois", fsItalic}}},
        {"***tout*** fin", {{"tout", fsBold | fsItalic}, {" fin", 0}}},
        {"2 \\* 3 = 6", {{"2 * 3 = 6", 0}}},
        {"**ouvert", {{"ouvert", fsBold}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LitStyles(row.texte), row.runs) << row.texte;
    EXPECT_EQ(CoupeParagraphes("a\\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
}

// Words go whole on a line while they fit; a longer word is cut; every line keeps its width.
TEST(MiseEnPage, LinesWrapAtTheWidth) {
    TRecordingCanvas canvas;
    const struct {
        std::string texte;
        int largeur;
        std::vector<std::string> lignes;
    } rows[] = {
        {"un deux trois", 200, {"un deux", "trois"}},
        {"un deux trois", 325, {"un deux trois"}},
        {"anticonstitutionnel", 150, {"antico", "nstitu", "tionne", "l"}},
        {"", 100, {""}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> lignes;
        for (const LignePlacee& l :
             CoupeLignes(canvas, douzePoints(), LitStyles(row.texte), row.largeur)) {
            std::string texte;
            for (const MorceauPlace& m : l.morceaux)
                texte += (texte.empty() || m.x == 0 ? "" : " ") + m.texte;
            lignes.push_back(texte);
            EXPECT_LE(l.largeur, row.largeur) << texte;
        }
        EXPECT_EQ(lignes, row.lignes) << row.texte;
    }
}

// Each alignment puts the line's last run where it should end.
TEST(MiseEnPage, AlignmentsPlaceTheLine) {
    const std::vector<LignePlacee> lignes = [] {
        TRecordingCanvas canvas;
        return CoupeLignes(canvas, douzePoints(), LitStyles("un **deux** trois quatre"), 400);
    }();
    ASSERT_EQ(lignes.size(), 2u); // "un deux trois" (341), "quatre"
    const struct {
        Alignement alignement;
        int finPremiere; // where "trois" ends
    } rows[] = {{Alignement::Gauche, 341},
                {Alignement::Centre, 341 + 29},
                {Alignement::Droite, 400},
                {Alignement::Justifie, 400}};
    for (const auto& row : rows) {
        TRecordingCanvas canvas;
        DessineLigne(canvas, douzePoints(), lignes[0], 0, 0, 400, row.alignement, "ligne");
        ASSERT_EQ(canvas.tags.size(), 3u);
        EXPECT_EQ(canvas.tags.back().box.right, row.finPremiere) << int(row.alignement);
        EXPECT_EQ(canvas.calls[1].font.Style, fsBold);
    }
    // A paragraph's last line is never stretched.
    TRecordingCanvas canvas;
    DessineLigne(canvas, douzePoints(), lignes[1], 0, 0, 400, Alignement::Justifie, "ligne");
    EXPECT_EQ(canvas.tags.back().box, (vlRect{0, 0, 150, 52}));
}

const TCatalogue& catalogue() {
    static const TCatalogue c = CatalogueHote();
    return c;
}

struct Bloc {
    TDocument doc{catalogue()};
    TTexte* texte = nullptr;
    Bloc() {
        doc.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        texte = dynamic_cast<TTexte*>(doc.Cree("Texte", 0));
    }
};

TEST(Texte, KeysAddReplaceAndRefuse) {
    Bloc b;
    Regle(*b.texte, {"Texte=Premier.\\nDeuxième.", "Texte=Troisième.", "Alignement=3",
                     "Fonte=Andika,14,0,gras", "CouleurBrosseFond=255"});
    EXPECT_EQ(b.texte->ListeParagraphes(),
              (std::vector<std::string>{"Premier.", "Deuxième.", "Troisième."}));
    EXPECT_EQ(b.texte->Reglages().Alignement, 3);
    EXPECT_EQ(b.texte->Reglages().Police.Taille, 14);
    EXPECT_EQ(b.texte->Brosse, (TBrush{255, bsSolid}));
    Regle(*b.texte, {"Paragraphes=Seul."});
    EXPECT_EQ(b.texte->ListeParagraphes(), std::vector<std::string>{"Seul."});
    Refuse(*b.texte, {"Alignement=4", "Alignement=gauche", "StylePinceauCadre=7", "Fonte=Andika,0",
                      "Texte=" + std::string(10001, 'a')});
    std::string message;
    EXPECT_FALSE(b.texte->ChangeOption("", "Effacer", message));
    EXPECT_TRUE(b.texte->ListeParagraphes().empty());
}

// Lines that do not fit the frame are left out, counted, never drawn under it.
TEST(Texte, LinesBeyondTheFrameAreCountedNotDrawn) {
    Bloc b;
    b.texte->ChangeCoords({100, 100, 600, 300}); // 180 high inside its margins: three lines
    Regle(*b.texte, {"Texte=un deux trois quatre cinq six sept huit neuf dix onze douze"});
    TRecordingCanvas canvas;
    DessineComposant(*b.texte, canvas, MODE_EPREUVE, &b.doc.Page(0), true);
    EXPECT_EQ(b.texte->LignesPerdues(), 1);
    EXPECT_EQ(b.texte->AvertissementCadre(), "Texte1 : 1 ligne ne tient pas dans le cadre");
    for (const TInkTag& tag : canvas.tags)
        EXPECT_LE(tag.box.bottom, 290);
    Regle(*b.texte, {"Paragraphes=court"});
    DessineComposant(*b.texte, canvas, MODE_EPREUVE, &b.doc.Page(0), true);
    EXPECT_EQ(b.texte->AvertissementCadre(), "");
}

TEST(Texte, SavedAndReadBackAndCheckedWhenRead) {
    Bloc b;
    Regle(*b.texte,
          {"Texte=**Gras** et *italique*.", "Texte=", "Alignement=1", "StylePinceauCadre=0"});
    TMemoryStream s;
    ASSERT_TRUE(b.texte->Sauve(s));
    TTexte lu(&b.doc.Cadre(0));
    TMemoryStream entree(s.Bytes());
    ASSERT_TRUE(lu.Charge(entree, nullptr, &b.doc.Cadre(0)));
    EXPECT_EQ(lu.ListeParagraphes(), b.texte->ListeParagraphes());
    EXPECT_EQ(OptionBytes(lu), OptionBytes(*b.texte));
    EXPECT_EQ(lu.Pinceau.Style, psSolid);
    // The alignment, 20 bytes into the block after the 40-byte host header with its name.
    std::vector<std::uint8_t> bytes = s.Bytes();
    const std::size_t alignement = 2 + 16 + 8 + 4 + b.texte->Nom().size() + 2 + 20;
    ASSERT_EQ(bytes[alignement], 1);
    bytes[alignement] = 9;
    TMemoryStream abime(bytes);
    EXPECT_FALSE(lu.Charge(abime, nullptr, &b.doc.Cadre(0)));
    EXPECT_NE(abime.Refus().find("« Alignement » vaut 9"), std::string::npos) << abime.Refus();
}

} // namespace
