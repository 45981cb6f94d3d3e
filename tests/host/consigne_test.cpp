#include "host/Consigne.h"
#include "host/Document.h"
#include "host/Stream.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

const TCatalogue& catalogue() {
    static const TCatalogue c = CatalogueHote();
    return c;
}

// A page of text blocks 4 cm by 3 placed at (left, top) in tenths of a millimetre, each
// writing "exercice" under its instruction.
struct Page {
    TDocument doc{catalogue()};
    explicit Page(int numerotation, int pages = 1) {
        for (int p = 0; p < pages; ++p) {
            TPlanche planche(TPlanche::Format::A4, false);
            planche.NumeroterConsignes = numerotation;
            doc.AjoutePage(planche);
        }
    }
    TComposant& place(int left, int top, const std::string& consigne, int page = 0) {
        TComposant& c = *doc.Cree("Texte", page);
        c.ChangeCoords({left, top, left + 400, top + 300});
        std::string message;
        EXPECT_TRUE(c.ChangeCle(consigne, "Consigne", message) &&
                    c.ChangeCle("exercice", "Texte", message))
            << message;
        return c;
    }
};

TEST(Consigne, ReadAsOneOrTwoLinesWithinItsLength) {
    const struct {
        std::string valeur;
        std::string lue; // empty with a message: refused
        std::string message;
    } rows[] = {
        {"  Calcule.  ", "Calcule.", ""},
        {"Calcule.\\n Puis vérifie.", "Calcule.\nPuis vérifie.", ""},
        {"Calcule.\nPuis vérifie.\n\n", "Calcule.\nPuis vérifie.", ""},
        {"", "", ""},
        {"a\\nb\\nc", "", "«\u00A0Consigne\u00A0» a 3 lignes\u00A0: 2 au plus"},
        {std::string(199, 'e') + "é", std::string(199, 'e') + "é", ""},
        {std::string(200, 'e') + "é", "",
         "«\u00A0Consigne\u00A0» a 201 caractères\u00A0: 200 au plus"},
    };
    for (const auto& row : rows) {
        std::string lue = "avant";
        std::string message;
        EXPECT_EQ(LitConsigne(row.valeur, lue, message), row.message.empty()) << row.valeur;
        EXPECT_EQ(message, row.message);
        EXPECT_EQ(lue, row.message.empty() ? row.lue : "avant");
    }
    EXPECT_EQ(TexteConsigne("Calcule.\nPuis vérifie."), "Calcule.\\nPuis vérifie.");
}

// Top to bottom, then left to right: components whose tops are within 5 mm share a row. Only
// printed instructions count, and a later page counts on.
TEST(Consigne, NumberedInReadingOrder) {
    Page page(NUMEROTE_CHIFFRE, 2);
    TComposant& bas = page.place(100, 1500, "c");
    TComposant& droite = page.place(1200, 500, "b");
    TComposant& gauche = page.place(100, 540, "a");
    TComposant& sans = page.place(1200, 1000, "");
    TComposant& suite = page.place(100, 300, "d", 1);
    EXPECT_EQ(page.doc.EtiquetteConsigne(gauche), "1.");
    EXPECT_EQ(page.doc.EtiquetteConsigne(droite), "2.");
    EXPECT_EQ(page.doc.EtiquetteConsigne(bas), "3.");
    EXPECT_EQ(page.doc.EtiquetteConsigne(sans), "");
    EXPECT_EQ(page.doc.EtiquetteConsigne(suite), "4.");
    // One shown on another component is not printed, nor numbered.
    droite.Recepteurs.push_back(&sans);
    EXPECT_EQ(page.doc.EtiquetteConsigne(bas), "2.");
    // A list's receivers only read its records: it prints itself, numbered.
    TComposant& liste = *page.doc.Cree("Liste", 1);
    liste.ChangeCoords({100, 1000, 500, 1300});
    std::string message;
    ASSERT_TRUE(liste.ChangeCle("Lis", "Consigne", message)) << message;
    liste.Recepteurs.push_back(&suite);
    EXPECT_EQ(page.doc.EtiquetteConsigne(liste), "4.");
    page.doc.Page(0).NumeroterConsignes = NUMEROTE_EXERCICE;
    EXPECT_EQ(page.doc.EtiquetteConsigne(gauche), "Exercice 1\u00A0:");
    EXPECT_EQ(page.doc.EtiquetteConsigne(suite), "3.");
    page.doc.Page(0).NumeroterConsignes = NUMEROTE_SANS;
    EXPECT_EQ(page.doc.EtiquetteConsigne(gauche), "");
    EXPECT_EQ(page.doc.EtiquetteConsigne(suite), "1.");
}

// The kind draws under the band, its frame given back after; the band writes the number in
// bold, then the instruction, tagged readable inside the frame.
TEST(Consigne, TheKindDrawsUnderTheBand) {
    Page page(NUMEROTE_CHIFFRE);
    TComposant& essai = page.place(100, 500, "Calcule.\\nVérifie.");
    const vlRect frame = essai.Rect;
    TRecordingCanvas canvas;
    DessineComposant(essai, canvas, MODE_EPREUVE, &page.doc.Page(0), true);
    EXPECT_EQ(essai.Rect, frame);
    // Two lines of 12 points on the recording canvas, 56 each, a 3 mm gap; then the block's
    // 1 mm margin and its first baseline.
    EXPECT_EQ(canvas.calls.at(0).text, "exercice");
    EXPECT_EQ(canvas.calls.at(0).args.at(1), frame.top + 2 * 56 + 30 + 10 + 42);
    std::vector<std::pair<std::string, bool>> texts;
    for (const TDrawCall& call : canvas.calls)
        if (call.op == TDrawCall::Op::TextOut)
            texts.emplace_back(call.text, (call.font.Style & fsBold) != 0);
    EXPECT_EQ(texts,
              (std::vector<std::pair<std::string, bool>>{
                  {"exercice", false}, {"1.", true}, {"Calcule.", false}, {"Vérifie.", false}}));
    for (const TInkTag& tag : canvas.tags)
        EXPECT_TRUE(frame.Contient({tag.box.left, tag.box.top}) && tag.box.bottom <= frame.bottom &&
                    tag.box.right <= frame.right);
}

// Too long for two lines even in a smaller font, the instruction is cut on its second line,
// which ends with "…", nothing outside the frame; the component says so.
TEST(Consigne, ALongInstructionIsCutAndSaid) {
    Page page(NUMEROTE_SANS);
    TComposant& essai = page.place(100, 500, std::string(60, 'a') + " " + std::string(60, 'b'));
    TRecordingCanvas canvas;
    DessineComposant(essai, canvas, MODE_EPREUVE, &page.doc.Page(0), true);
    std::vector<std::string> texts;
    for (const TDrawCall& call : canvas.calls)
        if (call.op == TDrawCall::Op::TextOut && call.text != "exercice")
            texts.push_back(call.text);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts.back(), "…");
    EXPECT_GT(canvas.calls.back().font.Height, -42); // smaller than 12 points
    for (const TInkTag& tag : canvas.tags)
        EXPECT_LE(tag.box.right, essai.Rect.right) << tag.what;
    EXPECT_EQ(essai.AvertissementConsigne(), "Texte1\u00A0: la consigne ne tient pas en deux "
                                             "lignes dans le cadre\u00A0: elle est coupée");
}

// Saved after the links and read back by identifier; an instruction out of its limits in a
// file is named and left out, the component kept.
TEST(Consigne, KeptInTheDocumentFile) {
    Page page(NUMEROTE_EXERCICE);
    page.place(100, 500, "Calcule.\\nPuis vérifie.");
    page.place(100, 900, "");
    page.place(100, 1300, "Colorie.");
    TMemoryStream written;
    ASSERT_TRUE(page.doc.Ecrit(written));
    TDocument read(catalogue());
    std::string message;
    std::vector<std::string> ignores;
    TMemoryStream input(written.Bytes());
    ASSERT_TRUE(read.Lit(input, message, ignores)) << message;
    EXPECT_TRUE(ignores.empty());
    EXPECT_EQ(read.Page(0).NumeroterConsignes, NUMEROTE_EXERCICE);
    ASSERT_EQ(read.NbComposants(), 3);
    EXPECT_EQ(read.Composant(0).Consigne(), "Calcule.\nPuis vérifie.");
    EXPECT_EQ(read.Composant(1).Consigne(), "");
    EXPECT_EQ(read.EtiquetteConsigne(read.Composant(2)), "Exercice 2\u00A0:");

    // The last instruction's text, "Colorie.", made three lines.
    std::vector<std::uint8_t> bytes = written.Bytes();
    const std::string troisLignes = "Col\no\nie";
    std::copy(troisLignes.begin(), troisLignes.end(), bytes.end() - 8);
    TMemoryStream damaged(bytes);
    ASSERT_TRUE(read.Lit(damaged, message, ignores)) << message;
    EXPECT_EQ(ignores,
              std::vector<std::string>{"consigne de «\u00A0Texte3\u00A0»\u00A0: "
                                       "«\u00A0Consigne\u00A0» a 3 lignes\u00A0: 2 au plus"});
    EXPECT_EQ(read.NbComposants(), 3);
    EXPECT_EQ(read.Composant(2).Consigne(), "");
}

} // namespace
