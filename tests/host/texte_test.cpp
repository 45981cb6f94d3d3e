#include "HostFixtures.h"

#include "host/Document.h"
#include "host/MiseEnPage.h"
#include "host/Stream.h"
#include "host/Texte.h"
#include "platform/IniFile.h"
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

// Words go whole on a line while they fit, a longer word is cut, and each alignment places the
// line: its runs as drawn (bold between stars) and where the last one ends.
TEST(MiseEnPage, LinesWrapAndAlign) {
    using Lignes = std::vector<std::pair<std::string, int>>;
    const struct {
        std::string texte;
        int largeur;
        Alignement alignement;
        Lignes lignes;
    } rows[] = {
        {"un deux trois", 200, Alignement::Gauche, {{"un deux", 175}, {"trois", 125}}},
        {"un deux trois", 325, Alignement::Droite, {{"un deux trois", 325}}},
        {"anticonstitutionnel",
         150,
         Alignement::Gauche,
         {{"antico", 150}, {"nstitu", 150}, {"tionne", 150}, {"l", 25}}},
        {"un **deux** trois quatre",
         400,
         Alignement::Centre,
         {{"un **deux** trois", 29 + 341}, {"quatre", 275}}},
        // A paragraph's last line is never stretched.
        {"un **deux** trois quatre",
         400,
         Alignement::Justifie,
         {{"un **deux** trois", 400}, {"quatre", 150}}},
        {"", 100, Alignement::Gauche, {{"", 0}}},
    };
    for (const auto& row : rows) {
        TRecordingCanvas mesure;
        Lignes lignes;
        for (const LignePlacee& ligne :
             CoupeLignes(mesure, douzePoints(), LitStyles(row.texte), row.largeur)) {
            TRecordingCanvas canvas;
            DessineLigne(canvas, douzePoints(), ligne, 0, 0, row.largeur, row.alignement, "ligne");
            std::string texte;
            for (const TDrawCall& call : canvas.calls) {
                const bool gras = (call.font.Style & fsBold) != 0;
                texte += (texte.empty() ? "" : " ") + std::string(gras ? "**" : "") + call.text +
                         (gras ? "**" : "");
            }
            lignes.emplace_back(texte, canvas.tags.empty() ? 0 : canvas.tags.back().box.right);
        }
        EXPECT_EQ(lignes, row.lignes) << row.texte;
    }
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

// Keys add, replace and refuse; what a block holds is saved, read back and checked when read.
TEST(Texte, KeysSavedReadBackAndChecked) {
    Bloc b;
    Regle(*b.texte, {"Texte=Premier.\\nDeuxième.", "Texte=", "Alignement=1",
                     "Fonte=Andika,14,0,gras", "CouleurBrosseFond=255"});
    EXPECT_EQ(b.texte->ListeParagraphes(), (std::vector<std::string>{"Premier.", "Deuxième.", ""}));
    EXPECT_EQ(b.texte->Brosse, (TBrush{255, bsSolid}));
    Refuse(*b.texte, {"Alignement=4", "Alignement=gauche", "StylePinceauCadre=7", "Fonte=Andika,0",
                      "Texte=" + std::string(10001, 'a')});
    TMemoryStream s;
    ASSERT_TRUE(b.texte->Sauve(s));
    TTexte lu(&b.doc.Cadre(0));
    TMemoryStream entree(s.Bytes());
    ASSERT_TRUE(lu.Charge(entree, nullptr, &b.doc.Cadre(0)));
    EXPECT_EQ(lu.ListeParagraphes(), b.texte->ListeParagraphes());
    EXPECT_EQ(OptionBytes(lu), OptionBytes(*b.texte));
    EXPECT_EQ(lu.Brosse, b.texte->Brosse);
    // The alignment, 20 bytes into the block after the 40-byte host header with its name.
    std::vector<std::uint8_t> bytes = s.Bytes();
    const std::size_t alignement = 2 + 16 + 8 + 4 + b.texte->Nom().size() + 2 + 20;
    ASSERT_EQ(bytes[alignement], 1);
    bytes[alignement] = 9;
    TMemoryStream abime(bytes);
    EXPECT_FALSE(lu.Charge(abime, nullptr, &b.doc.Cadre(0)));
    EXPECT_NE(abime.Refus().find("«\u00A0Alignement\u00A0» vaut 9"), std::string::npos)
        << abime.Refus();
    Regle(*b.texte, {"Paragraphes=Seul."});
    EXPECT_EQ(b.texte->ListeParagraphes(), std::vector<std::string>{"Seul."});
    std::string message;
    EXPECT_FALSE(b.texte->ChangeOption("", "Effacer", message));
    EXPECT_TRUE(b.texte->ListeParagraphes().empty());

    // Preferred frame, font and alignment, an alignment out of range in the file read as 0.
    const ScopedIniFile ini;
    b.texte->EnregistreOptions();
    TTexte prefere(&b.doc.Cadre(0));
    EXPECT_EQ(OptionBytes(prefere), OptionBytes(*b.texte));
    prefere.RestaureStandard();
    EXPECT_EQ(prefere.Reglages().Alignement, 0);
    EXPECT_EQ(prefere.Brosse.Style, bsClear);
    TIniFile(FichIni()).WriteString("Texte", "Alignement", "9");
    EXPECT_EQ(TTexte(&b.doc.Cadre(0)).Reglages().Alignement, 0);
}

} // namespace
