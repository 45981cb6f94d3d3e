// Instructions and text blocks as a teacher writes them in a sheet: numbered in reading order,
// the exercises under them, kept through an export and refused with their line.
#include "AppTestSupport.h"

#include "common/CommonComponent.h"
#include "common/PageCheck.h"
#include "host/Texte.h"
#include "package/Paquet.h"
#include "platform/RecordingCanvas.h"

#include <cstdlib>

namespace {

// A text block, a clock low on the page and a die high on the right: the die comes first.
const std::string kFeuille = "[Page]\n"
                             "NumeroterConsignes = 1\n"
                             "[Texte]\n"
                             "Largeur = 18\nHauteur = 2\n"
                             "Texte = Lis **chaque** consigne.\\nPuis *réponds*.\n"
                             "Alignement = 3\n"
                             "[Montre]\n"
                             "Haut = 12\nLargeur = 7\nHauteur = 8\n"
                             "Consigne = Lis l'heure.\n"
                             "[Dé]\n"
                             "Haut = 3\nGauche = 10\nLargeur = 6\nHauteur = 5\n"
                             "Consigne = Compte les points.\\nÉcris le total.\n";

TEST(ConsignesSheet, NumberedInReadingOrderAboveTheirExercise) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    ASSERT_EQ(BuildSheet(kFeuille, document), "");
    TRecordingCanvas canvas;
    document.DessinePage(canvas, 0, MODE_EPREUVE, true);
    // Each label written in its own component's band, at the frame's top.
    const std::pair<std::string, int> labels[] = {{"1.", 2}, {"2.", 1}};
    for (const auto& [label, index] : labels) {
        const vlRect frame = document.Composant(index).Rect;
        const auto call = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                                       [&](const TDrawCall& c) { return c.text == label; });
        ASSERT_NE(call, canvas.calls.end()) << label;
        EXPECT_EQ(call->args.at(0), frame.left) << label;
        EXPECT_GT(call->args.at(1), frame.top) << label;
        EXPECT_LT(call->args.at(1), frame.top + 100) << label;
    }
    // Everything the clock and the die tag lies under their bands, and the check finds nothing.
    TRecordingCanvas tags;
    for (int i = 1; i <= 2; ++i) {
        const TComposant& c = document.Composant(i);
        const int lignes = c.Consigne().find('\n') == std::string::npos ? 1 : 2;
        const int bas = c.Rect.top + lignes * 56 + 30;
        tags.tags.clear();
        DessineComposant(document.Composant(i), tags, MODE_CORRIGE, &document.Page(0), true);
        ASSERT_FALSE(tags.tags.empty());
        for (const TInkTag& tag : tags.tags)
            EXPECT_EQ(tag.box.top < bas, tag.what == "consigne") << c.Nom() << " " << tag.what;
    }
    EXPECT_EQ(AvertissementsCadre(document), std::vector<std::string>{});
}

TEST(ConsignesSheet, ExportedAndBuiltAgainTheSame) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument first(catalogue);
    ASSERT_EQ(BuildSheet(kFeuille, first, 4), "");
    const std::string exported = ExportSheet(first);
    for (const char* line :
         {"NumeroterConsignes = 1\n", "Consigne = Compte les points.\\nÉcris le total.\n",
          "Texte = Lis **chaque** consigne.\nTexte = Puis *réponds*.\n", "Alignement = 3\n"})
        EXPECT_NE(exported.find(line), std::string::npos) << line << exported;
    TDocument again(catalogue);
    ASSERT_EQ(BuildSheet(exported, again, 4), "");
    EXPECT_EQ(ExportSheet(again), exported);
    EXPECT_EQ(again.Composant(2).Consigne(), "Compte les points.\nÉcris le total.");
}

TEST(ConsignesSheet, RefusedValuesNameTheirLine) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    const std::pair<std::string, std::string> rows[] = {
        {"[Page]\nNumeroterConsignes = 3\n",
         "f.feuille:2: « NumeroterConsignes » vaut « 3 » : 0 (sans numéro), 1 (« 1. ») ou 2 "
         "(« Exercice 1 : »)"},
        {"[Dé]\nNom = D\nConsigne = a\\nb\\nc\n",
         "f.feuille:3: D : « Consigne » a 3 lignes : 2 au plus"},
        {"[Texte]\nNom = T\nAlignement = 4\n",
         "f.feuille:3: T : La valeur doit être comprise entre 0 et 3."},
    };
    for (const auto& [sheet, error] : rows)
        EXPECT_EQ(BuildSheet(sheet, document), error);
}

// A text too long for its frame is said, as every kind says what it could not show.
TEST(ConsignesSheet, ATextTooLongForItsFrameIsSaid) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    ASSERT_EQ(BuildSheet("[Texte]\nNom = T\nLargeur = 4\nHauteur = 1\nTexte = " +
                             std::string(40, 'x') + "\n",
                         document),
              "");
    TRecordingCanvas canvas;
    document.DessinePage(canvas, 0, MODE_EPREUVE, true);
    const std::vector<std::string> avertissements = AvertissementsCadre(document);
    ASSERT_FALSE(avertissements.empty());
    EXPECT_TRUE(avertissements[0].starts_with("T : ")) << avertissements[0];
    EXPECT_TRUE(avertissements[0].ends_with("ne tiennent pas dans le cadre")) << avertissements[0];
}

} // namespace
