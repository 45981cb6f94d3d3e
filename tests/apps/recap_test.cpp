// The class set's answer page: one row a copy, one column an answer, in reading order.
#include "AppTestSupport.h"
#include "Recap.h"

#include "package/Paquet.h"

namespace {

// The frames are placed so that reading order (the clock on the right of the first row, the
// operation below) differs from the order of the sections.
constexpr const char* kSheet = "[Opération]\nHaut = 10\nPositionTrous = 1\n"
                               "Operandes = 12;30 | 5;4\n"
                               "[Montre]\nGauche = 10\nHeure = 11\nMinute = 27\nSeconde = 0\n"
                               "[Montre]\nHeure = 9\nMinute = 15\nMode = 2\n";

TEST(Recapitulatif, OneRowACopyOneColumnAnAnswerInReadingOrder) {
    const TCatalogue catalogue = CataloguePaquet();
    Recapitulatif recap;
    for (std::uint32_t seed : {1u, 2u}) {
        TDocument document(catalogue);
        ASSERT_EQ(BuildSheet(kSheet, document, seed), "");
        recap.AjouteExemplaire(document);
    }
    const std::string feuille = recap.Feuille();
    // The clock to draw has no answer; the one to read is first, then each exercise's hidden
    // first number.
    for (const char* cell :
         {"Texte = 2;1;1\n", "Texte = 3;1;2a\n", "Texte = 4;1;2b\n", "Texte = 1;3;2\n",
          "Texte = 2;3;11\u00A0h\u00A027\n", "Texte = 3;3;12\n", "Texte = 4;3;5\n",
          "Colonnes = 4\n", "Lignes = 3\n"})
        EXPECT_NE(feuille.find(cell), std::string::npos) << cell << feuille;
    TDocument page(catalogue);
    EXPECT_EQ(BuildSheet(feuille, page), "");
    EXPECT_EQ(page.NbPages(), 1);
}

TEST(Recapitulatif, ManyCopiesGoOnSeveralPagesAndNoAnswerGivesNoPage) {
    const TCatalogue catalogue = CataloguePaquet();
    Recapitulatif recap;
    TDocument document(catalogue);
    ASSERT_EQ(BuildSheet("[Montre]\nHeure = 3\nMinute = 0\n", document), "");
    for (int copy = 0; copy < 60; ++copy)
        recap.AjouteExemplaire(document);
    TDocument pages(catalogue);
    EXPECT_EQ(BuildSheet(recap.Feuille(), pages), "");
    EXPECT_EQ(pages.NbPages(), 2);

    Recapitulatif vide;
    ASSERT_EQ(BuildSheet("[Montre]\nMode = 2\n", document), "");
    vide.AjouteExemplaire(document);
    EXPECT_EQ(vide.Feuille(), "");
}

} // namespace
