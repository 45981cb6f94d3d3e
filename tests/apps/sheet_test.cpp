#include "AppTestSupport.h"

#include "chart/Graphe.h"
#include "common/CommonComponent.h"
#include "host/Composant.h"
#include "package/Paquet.h"
#include "platform/RecordingCanvas.h"
#include "platform/Text.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

std::string parseError(const std::string& text) {
    Sheet sheet;
    std::string error;
    EXPECT_FALSE(ParseSheet(text, "f.feuille", sheet, error));
    return error;
}

// Every caller expects a refusal: "" fails its comparison.
std::string buildError(const std::string& text) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    return BuildSheet(text, document);
}

// Both texts build the same document: the same export and the same components.
void expectSameDocument(const std::string& first, const std::string& second) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument a(catalogue), b(catalogue);
    ASSERT_EQ(BuildSheet(first, a, 3), "");
    ASSERT_EQ(BuildSheet(second, b, 3), "");
    EXPECT_EQ(ExportSheet(b), ExportSheet(a)) << second;
    ASSERT_EQ(a.NbComposants(), b.NbComposants());
    for (int i = 0; i < a.NbComposants(); ++i)
        EXPECT_EQ(b.Composant(i).Description(), a.Composant(i).Description()) << second;
}

TEST(SheetParse, SectionsKeysCommentsAndLineNumbers) {
    const Sheet sheet = ParsedSheet("\xEF\xBB\xBF# titre\r\n[Page]\nFormat = A5  # petit\n\n"
                                    "[Grille]\n  Texte = 1;1;a#b\n");
    ASSERT_EQ(sheet.sections.size(), 2u);
    EXPECT_EQ(sheet.sections[0].line, 2);
    ASSERT_EQ(sheet.sections[0].entries.size(), 1u);
    EXPECT_EQ(sheet.sections[0].entries[0].value, "A5");
    const auto& grid = sheet.sections[1].entries.at(0);
    // A "#" inside a value is kept; only one after a blank starts a comment.
    EXPECT_EQ(std::tuple(sheet.sections[1].name, grid.key, grid.value, grid.line),
              std::tuple("Grille", "Texte", "1;1;a#b", 6));
}

// A line is quoted at most 80 characters long, control bytes escaped; not UTF-8, refused.
TEST(SheetParse, ErrorsNameTheirLineAndQuoteItBounded) {
    const std::string utf8 = "f.feuille:2: la ligne n'est pas du texte UTF-8\u00A0: «\u00A0";
    const std::pair<std::string, std::string> cases[] = {
        {"[Page]\nFormat = A4\nsans egal\n",
         "f.feuille:3: ligne sans «\u00A0=\u00A0»\u00A0: «\u00A0sans egal\u00A0»"},
        {"[Page\n", "f.feuille:1: en-tête de section mal formé «\u00A0[Page\u00A0»"},
        {"[Page]\nà" + std::string(1'000'000, 'e'),
         "f.feuille:2: ligne sans «\u00A0=\u00A0»\u00A0: «\u00A0à" + std::string(79, 'e') +
             "…\u00A0»"},
        {std::string("[Page]\na\0b\x1B\x7F\n", 13),
         "f.feuille:2: ligne sans «\u00A0=\u00A0»\u00A0: «\u00A0a\\x00b\\x1B\\x7F\u00A0»"},
        {"[Page]\nNom = caf\xE9\n", utf8 + "Nom = caf\\xE9\u00A0»"},
        {"[Page]\n\xED\xA0\x80\n", utf8 + "\\xED\\xA0\\x80\u00A0»"},
        {"[Page]\nTitre = \"sans fin\n", "f.feuille:2: guillemet fermant manquant"},
        {"[Page]\n\nTitre = \"a\\tb\"\n",
         "f.feuille:3: échappement inconnu dans la valeur entre guillemets "
         "(\\\", \\\\ ou \\n)"},
        {"[Page]\nTitre = \"a\" b\n",
         "f.feuille:2: texte après la valeur entre guillemets\u00A0: «\u00A0b\u00A0»"},
        {[] {
             std::string many;
             for (int i = 0; i < 200'000; ++i)
                 many += "[G]\n";
             return many;
         }(),
         "f.feuille:20001: trop de sections\u00A0: 20000 au plus par feuille"},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(parseError(text), error);
}

// Any value a component holds is written so that the reader gives it back unchanged.
TEST(SheetParse, WrittenValuesReadBackUnchanged) {
    const std::string values[] = {"",      "A4",          "  blancs  ", "a # pas un commentaire",
                                  "#tête", "dit \"oui\"", "a\\b",       "deux\nlignes",
                                  "é;1|2", "fin\t"};
    std::string text = "[Page]\n";
    for (const std::string& value : values)
        text += "K = " + SheetValue(value) + " # commentaire\n";
    const Sheet sheet = ParsedSheet(text);
    ASSERT_EQ(sheet.sections.at(0).entries.size(), std::size(values));
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(sheet.sections[0].entries[i].value, values[i]) << SheetValue(values[i]);
}

TEST(SheetBuild, PagesAndComponents) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    ASSERT_EQ(BuildSheet("[Page]\nFormat = A5\nOrientation = Paysage\nMarges = 1;2;3;4\n"
                         "Carreau = 0,5\nTitre = Les nombres\nEntete = 1\nNote = 20\n"
                         "réglure = Seyès\n"
                         "[Grille]\nNom = G\nGauche = 2,5\nHaut = 1\n[Page]\n[Opération]\n"
                         "Rediriger = G2\n[Grille]\nNom = G2\n",
                         document, 2),
              "");
    ASSERT_EQ(document.NbPages(), 2);
    const TPlanche& first = document.Page(0);
    EXPECT_EQ(first.Taille, (vlSize{2100, 1480}));
    EXPECT_EQ(first.Marges, (vlRect{100, 200, 300, 400}));
    EXPECT_EQ(first.Pas, (vlSize{50, 50}));
    ASSERT_EQ(document.NbComposants(), 3);
    const TComposant& grid = document.Composant(0);
    EXPECT_EQ(grid.Nom(), "G");
    EXPECT_EQ(std::tuple(first.Titre, first.Entete, first.Note, first.Reglure),
              std::tuple("Les nombres", true, 20, TPlanche::TypeReglure::Seyes));
    // Geometry in centimetres, relative to the margins and under the header: title 9 mm, name
    // line 7 mm, 5 mm below.
    EXPECT_EQ(grid.Rect.left, 100 + 250);
    EXPECT_EQ(grid.Rect.top, 200 + 210 + 100);
    EXPECT_EQ(first.OrgGrille.y, 200 + 210);
    EXPECT_EQ(document.PageDe(1), 1);
    EXPECT_EQ(document.Page(1).Taille, (vlSize{2100, 2970}));
    // A redirection to a component further down the sheet is made once that one exists.
    ASSERT_EQ(document.Composant(1).Recepteurs.size(), 1u);
    EXPECT_EQ(document.Composant(1).Recepteurs[0], &document.Composant(2));
}

TEST(SheetBuild, RefusalsStopWithFileLineAndMessage) {
    EXPECT_EQ(buildError("[Page]\nFormat = A3\n"),
              "f.feuille:2: format de page inconnu «\u00A0A3\u00A0» (A4 ou A5)");
    EXPECT_EQ(buildError("[Page]\n\n[Tableau]\n"),
              "f.feuille:3: type de composant inconnu «\u00A0Tableau\u00A0» (voir «\u00A0mathsheet "
              "kinds\u00A0»)");
    EXPECT_EQ(buildError("[Grille]\nCouleurs = 3\n"),
              "f.feuille:2: clé inconnue «\u00A0Couleurs\u00A0» pour «\u00A0Grille\u00A0» (voir "
              "«\u00A0mathsheet keys "
              "Grille\u00A0»)");
    EXPECT_EQ(buildError("[Grille]\nNom = A\n[Grille]\nNom = A\n"),
              "f.feuille:4: le nom «\u00A0A\u00A0» est déjà pris");
    EXPECT_EQ(buildError("[Grille]\nNom = " + std::string(200, 'N') +
                         "\nColonnes = " + std::string(100'000, 'x') + "\n"),
              "f.feuille:3: " + std::string(80, 'N') + "…\u00A0: \"" + std::string(80, 'x') +
                  "…\" n'est pas un nombre entier valide.");
    const std::pair<std::string, std::string> header[] = {
        {"Note = 1001",
         "«\u00A0Note\u00A0» vaut «\u00A01001\u00A0»\u00A0: de 0 (sans note) à 1000"},
        {"Entete = oui", "«\u00A0Entete\u00A0» vaut «\u00A0oui\u00A0»\u00A0: 0 (sans ligne) ou 1 "
                         "(ligne Nom, Prénom, Date)"},
        {"Titre = " + std::string(101, 'T'),
         "«\u00A0Titre\u00A0» a 101 caractères\u00A0: 100 au plus"},
        {"Reglure = X",
         "«\u00A0Reglure\u00A0» vaut «\u00A0X\u00A0»\u00A0: Aucune, Carreaux, Seyes ou Lignes"},
        {"Entetes = 1", "clé inconnue «\u00A0Entetes\u00A0» pour la page (voir «\u00A0mathsheet "
                        "keys Page\u00A0»)"},
        {"NumeroterConsignes = 3",
         "«\u00A0NumeroterConsignes\u00A0» vaut «\u00A03\u00A0»\u00A0: 0 (sans numéro), 1 "
         "(«\u00A01.\u00A0») ou 2 («\u00A0Exercice 1\u00A0:\u00A0»)"},
    };
    for (const auto& [line, error] : header)
        EXPECT_EQ(buildError("[Page]\nFormat = A5\n" + line + "\n"), "f.feuille:3: " + error);
    EXPECT_EQ(buildError("[Dé]\nNom = D\nConsigne = a\\nb\\nc\n"),
              "f.feuille:3: D\u00A0: «\u00A0Consigne\u00A0» a 3 lignes\u00A0: 2 au plus");
    // A redirection is made once its receiver exists, but only to a component that shows it.
    EXPECT_EQ(buildError("[Fraction]\nNom = F\nRediriger = C\n[Graphe]\nNom = C\n"),
              "f.feuille:3: F\u00A0: «\u00A0C\u00A0» ne peut pas montrer les exercices d'un autre "
              "composant\u00A0: choisissez une grille");
    EXPECT_EQ(buildError("[Texte]\nNom = T\nAlignement = 4\n"),
              "f.feuille:3: T\u00A0: La valeur doit être comprise entre 0 et 3.");
    EXPECT_EQ(
        buildError("# rien\n"),
        "f.feuille: la feuille est vide\u00A0: elle ne décrit aucune page ni aucun composant");
}

// The canvas titles are measured with is asked for once, at the first title; none stops the build.
TEST(SheetBuild, TitlesAskForTheirCanvasOnceAndNeedIt) {
    const TCatalogue catalogue = CataloguePaquet();
    TRecordingCanvas canvas;
    for (const auto& [text, given, asked, error] :
         {std::tuple("[Page]\nFormat = A5\n[Grille]\n", false, 0, ""),
          std::tuple("[Page]\nTitre = A\n[Page]\nTitre = B\n", true, 1, ""),
          std::tuple("[Grille]\n[Page]\nTitre = A\n", false, 1,
                     "f.feuille:2: construction interrompue avant la mesure du titre")}) {
        TDocument document(catalogue);
        std::string message;
        int asks = 0;
        const bool built = BuildDocument(ParsedSheet(text), document, message, {},
                                         [&] { return ++asks, given ? &canvas : nullptr; });
        EXPECT_EQ(std::tuple(built, asks, message), std::tuple(!*error, asked, error)) << text;
    }
}

// A text block, a clock low on the page and a die high on the right: the die's instruction is
// the first, each label written at the top of its own frame, nothing of the clock or the die
// over it; the text's second paragraph has no room and is said.
TEST(SheetBuild, InstructionsNumberedInReadingOrderAboveTheirExercise) {
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    ASSERT_EQ(BuildSheet("[Page]\nNumeroterConsignes = 1\n[Texte]\nLargeur = 18\nHauteur = 1\n"
                         "Texte = Lis **chaque** consigne.\\nPuis *réponds*.\n[Montre]\n"
                         "Haut = 12\nLargeur = 7\nHauteur = 8\nConsigne = Lis l'heure.\n[Dé]\n"
                         "Haut = 3\nGauche = 10\nLargeur = 6\nHauteur = 5\n"
                         "Consigne = Compte les points.\\nÉcris le total.\n",
                         document),
              "");
    TRecordingCanvas canvas;
    document.DessinePage(canvas, 0, MODE_EPREUVE, true);
    for (const auto& [label, index] : {std::pair{"1.", 2}, {"2.", 1}}) {
        const vlRect frame = document.Composant(index).Rect;
        const auto call = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                                       [&](const TDrawCall& c) { return c.text == label; });
        ASSERT_NE(call, canvas.calls.end()) << label;
        EXPECT_EQ(call->args.at(0), frame.left) << label;
        EXPECT_TRUE(call->args.at(1) > frame.top && call->args.at(1) < frame.top + 100) << label;
    }
    EXPECT_EQ(AvertissementsCadre(document),
              std::vector<std::string>{"Texte1\u00A0: 1 ligne ne tient pas dans le cadre"});
}

// Place and size keys apply together when the section ends: their order, before or after the
// keys that resize a kind, never changes the page; a frame leaving the page is refused, naming
// them, on the line of the later one.
TEST(SheetBuild, PlaceAndSizeKeysInAnyOrder) {
    const std::pair<std::string, std::string> sheets[] = {
        {"[Cube décimal]\nHaut = 12\nNombreCube = 1234\n",
         "[Cube décimal]\nNombreCube = 1234\nHaut = 12\n"},
        {"[Euro pièces]\nGauche = 12\nLargeur = 6\nNbPieces = 1\n",
         "[Euro pièces]\nNbPieces = 1\nLargeur = 6\nGauche = 12\n"},
        // A new blocks component with no place sits at the margins.
        {"[Cube décimal]\nNombreCube = 12\n", "[Cube décimal]\nNombreCube = 12\nHaut = 0\n"},
        // Ends of a range, each checked against the other.
        {"[Thermomètre]\nTemperatureMinimum = 100\nTemperatureMaximum = 200\n",
         "[Thermomètre]\nTemperatureMaximum = 200\nTemperatureMinimum = 100\n"},
    };
    for (const auto& [first, second] : sheets)
        expectSameDocument(first, second);
    EXPECT_EQ(
        buildError("[Euro pièces]\nNom = P\nGauche = 15\nLargeur = 6\n"),
        "f.feuille:4: P\u00A0: le cadre sort de la page\u00A0: Gauche + Largeur = 15 + 6 = 21 cm, "
        "19 cm au plus");
    EXPECT_EQ(
        buildError("[Euro pièces]\nNom = P\nHaut = 25\nNbPieces = 1\n"),
        "f.feuille:3: P\u00A0: le cadre sort de la page\u00A0: Haut + Hauteur = 25 + 6 = 31 cm, "
        "27,7 cm au plus");
    EXPECT_EQ(buildError("[Euro pièces]\nNom = P\nLargeur = 6\nGauche = 30\n"),
              "f.feuille:4: P\u00A0: La valeur doit être comprise entre 0 et 19 cm.");
    EXPECT_EQ(buildError("[Thermomètre]\nNom = T\nTemperatureMinimum = 100\nFonte = Andika,9\n"),
              "f.feuille:3: T\u00A0: La valeur doit être comprise entre -300 et 59.");
}

// A key written without its accents or in other letter case is the documented key: the sheet
// builds the same document as with the spelling « mathsheet keys » prints.
TEST(SheetBuild, KeysMatchWithoutRegardToAccentsAndCase) {
    const std::pair<std::string, std::string> cases[] = {
        {"[Fraction]\nFonteCorrigé = Andika,20\n", "FonteCorrige"},
        {"[Fraction]\nFonteCorrigé = Andika,20\n", "fontecorrigÉ"},
        {"[Euro pièces]\nTriPièces = 2\n", "TriPieces"},
        {"[Euro pièces]\nRéorganisePieces = 1\n", "REORGANISEPIECES"},
        {"[Page]\nEntete = 1\n[Grille]\nNom = G\n", "entête"},
        {"[Grille]\nNom = G\n", "nom"}};
    for (const auto& [documented, typed] : cases) {
        std::string written = documented;
        const std::size_t key = written.find('\n') + 1;
        expectSameDocument(documented, written.replace(key, written.find(" =", key) - key, typed));
    }
}

// Within a kind, no two keys are one key once accents and case are set aside.
TEST(SheetBuild, EveryKindsKeysStayDistinctWithoutAccentsAndCase) {
    const TCatalogue catalogue = CataloguePaquet();
    for (const TTypeComposant& type : catalogue.Types()) {
        std::vector<std::string> keys = type.cles;
        for (const CleFeuille& cle : type.clesFeuille)
            keys.push_back(cle.nom);
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        std::set<std::string> folded;
        for (const std::string& key : keys)
            EXPECT_TRUE(folded.insert(FoldAccentsAndCase(key)).second) << type.nom << " " << key;
    }
}

// A chart linked to a grid draws the grid's cells, the grid before or after it in the sheet,
// with or without points given first, and again once exported and built back.
TEST(SheetBuild, ChartLinksResolveWhereverTheGridIs) {
    const std::string grid = "[Grille]\nNom = Tableau\nColonnes = 6\nLignes = 2\n"
                             "Texte = 2;1;Lun\nTexte = 3;1;Mar\nTexte = 4;1;Mer\n"
                             "Texte = 2;2;4\nTexte = 3;2;7,5\nTexte = 4;2;2\n";
    const std::string chart = "[Graphe]\nHaut = 8\nSerie = Histogrammes verticaux; Pluie; 0\n";
    const std::string links = "Lien = Libellé; Tableau; ligne; 0; 1; 3\n"
                              "Lien = Ordonnée; Tableau; ligne; 1; 1; 3\n";
    const std::string placeholder = "Points = x;;0 | y;;0 | z;;0\n";
    const std::string sheets[] = {
        grid + chart + "Colonnes = 3\n" + links,
        chart + "Colonnes = 3\n" + links + grid,
        grid + chart + placeholder + links,
        chart + placeholder + links + grid,
        grid + chart + links,
        chart + links + grid,
    };
    const TCatalogue catalogue = CataloguePaquet();
    for (const std::string& text : sheets) {
        SCOPED_TRACE(text);
        TDocument document(catalogue), rebuilt(catalogue);
        ASSERT_EQ(BuildSheet(text, document), "");
        ASSERT_EQ(BuildSheet(ExportSheet(document), rebuilt), "");
        for (TDocument* d : {&document, &rebuilt}) {
            const auto* graphe =
                dynamic_cast<const TvlGraphe*>(&d->Composant(text.starts_with("[Graphe]") ? 0 : 1));
            ASSERT_NE(graphe, nullptr);
            ASSERT_EQ(graphe->Donnees().series.size(), 1u);
            std::vector<std::pair<std::string, double>> points;
            for (const chart::PointSerie& p : graphe->Donnees().series[0].points)
                points.emplace_back(p.libelle, p.y);
            EXPECT_EQ(points, (std::vector<std::pair<std::string, double>>{
                                  {"Lun", 4}, {"Mar", 7.5}, {"Mer", 2}}));
        }
    }
    EXPECT_EQ(
        buildError(chart + links),
        "f.feuille:1: Graphe1\u00A0: lien «\u00A0Libellé; Tableau; ligne; 0; 1; 3\u00A0»\u00A0: "
        "«\u00A0Tableau\u00A0» n'est pas une grille du document");
    EXPECT_EQ(buildError("[Liste]\nNom = Tableau\n" + chart + links),
              "f.feuille:6: Graphe1\u00A0: «\u00A0Tableau\u00A0» n'est pas une grille du document");
}

// The export writes every value a bare section would not draw, zeros included, and a key that
// turns the frame before the frame's size and place.
TEST(SheetBuild, ExportKeepsWholeHoursAndTurnedDominoes) {
    const std::string sheets[] = {
        "[Montre]\nHeure = 0\nMinute = 0\nSeconde = 0\n",
        "[Montre]\nHeure = 7\nMinute = 0\nSeconde = 0\n",
        "[Dé]\nAspect = 1\nHaut = 5\nLargeur = 6\nHauteur = 3\nOrientation = 1\n",
        "[Dé]\nOrientation = 1\nOrientation = 1\nLargeur = 2\n",
    };
    const TCatalogue catalogue = CataloguePaquet();
    for (const std::string& text : sheets) {
        SCOPED_TRACE(text);
        TDocument document(catalogue), rebuilt(catalogue);
        ASSERT_EQ(BuildSheet(text, document), "");
        ASSERT_EQ(BuildSheet(ExportSheet(document), rebuilt, 2), ""); // no value left to chance
        EXPECT_EQ(rebuilt.Composant(0).Description(), document.Composant(0).Description());
    }
}

} // namespace
