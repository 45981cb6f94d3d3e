// Random sheets over every kind's keys, built, exported and built again: both versions of every
// page must draw the same calls. The same sheets feed the page check's campaign: what it finds
// covered or out of a frame, the kind has said itself.
#include "AppTestSupport.h"

#include "common/CommonComponent.h"
#include "common/PageCheck.h"
#include "host/Catalogue.h"
#include "host/Composant.h"
#include "host/Services.h"
#include "package/Paquet.h"
#include "platform/RecordingCanvas.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <random>

namespace {

// Keys left out of the draws: slow to honour (a strict sudoku with many givens falls back
// level by level) or needing a file.
bool leftOut(std::string_view kind, std::string_view key) {
    return (kind == "Sudoku" && (key == "NbValeurs" || key == "PathBdd")) || key == "Fonte";
}

// Keys the kinds read themselves and sheet-only keys, a value each, by kind.
const std::vector<std::string>& extras(std::string_view kind) {
    static const std::map<std::string_view, std::vector<std::string>> byKind = {
        {"Grille", {"Texte = 1;1;7", "Texte = 2;1;douze", "Couleur = 1;2;255"}},
        {"Graphe",
         {"Serie = Histogrammes verticaux; Pluie; 1\nPoints = a;;3 | b;;0,5 | c;;7",
          "Serie = Lignes; T\nColonnes = 4\nNombres = 1;20\nSuite = 2;1", "Titre = Le titre|deux",
          "AxeY = -1;12"}},
        {"Euro pièces",
         {"SommePieces = 3,45", "NbPieces = 1,0,2", "ChoixHasardPieces = 2", "TriPièces = 1",
          "AspectPieces = 1"}},
        {"Euro billets", {"SommeBillets = 85", "NbBillets = 0,1,2", "ChoixHasardBillets = 2"}},
        {"Masses marquées", {"SommeMasses = 1888", "NbMasses = 2,0,1", "ChoixHasardMasses = 3"}},
        {"Eprouvette", {"Volume = 250", "VolumeLiquide = 120,5"}},
        {"Points à relier", {"Points = 0,1;0,1;a;2 | 0,5;0,5;b;3 | 0,9;0,2;c;5"}},
        {"Forme", {"NbPoints = 16"}},
        {"Thermomètre", {"LibelleTemperatureGauche = 1", "LibelleTemperatureDroite = 3"}},
        {"Texte",
         {"Texte = Un **mot** gras et *un autre* penché.\\nSuite.",
          "Texte = ", "Paragraphes = Tout *neuf*."}},
    };
    static const std::vector<std::string> none;
    const auto found = byKind.find(kind);
    return found != byKind.end() ? found->second : none;
}

// Actions a sheet runs; the clipboard and the dialogs stay out.
bool runnable(std::string_view key) {
    return key != "Copier" && key != "Coller" && key != "DefinirOperandes";
}

class SheetMaker {
public:
    explicit SheetMaker(std::uint32_t seed, std::string only = {})
        : draw_(seed), legend_(seed), later_(seed + 1), only_(std::move(only)) {}

    std::string sheet(const TCatalogue& catalogue) {
        std::vector<const TTypeComposant*> kinds;
        for (const TTypeComposant& type : catalogue.Types())
            if (type.cree && type.nom != "Liste" && type.nom != "Texte" &&
                (only_.empty() || type.nom == only_))
                kinds.push_back(&type);
        std::string text = "[Page]\n" + later([&] {
                               return "NumeroterConsignes = " + std::to_string(below(3)) + "\n";
                           });
        const int count = below(3) + 1;
        // Half the sheets hold a grid "T", anywhere, that charts link to and others show on.
        const int grid = below(2) == 0 ? below(count + 1) : -1;
        for (int c = 0; c <= count; ++c) {
            if (c == grid)
                text += "[Grille]\nNom = T\nColonnes = 4\nLignes = 2\nHaut = 24\n"
                        "Texte = 1;1;Lun\nTexte = 2;1;Mar\nTexte = 1;2;3\nTexte = 2;2;4,5\n";
            if (c == count) {
                // A text block, at the end of a third of the sheets.
                text += later(
                    [&] { return below(3) == 0 ? section(*catalogue.TrouveNom("Texte"), c) : ""; });
                break;
            }
            const TTypeComposant& type = *kinds[std::size_t(below(int(kinds.size())))];
            text += section(type, c);
            if (grid >= 0 && below(2) == 0)
                text += link(type);
        }
        return text;
    }

private:
    int below(int n) { return int(draw_() % std::uint32_t(n)); }
    int between(int lo, int hi) { return lo + int(draw_() % (std::uint64_t(hi) - lo + 1)); }

    std::string section(const TTypeComposant& type, int rank) {
        std::string text = "[" + type.nom + "]\nHaut = " + std::to_string(rank * 8) + "\n";
        for (const Cle& cle : type.table) {
            if (cle.nom == "Enonce" || cle.nom == "Reponse") {
                text += legend(cle.nom);
                continue;
            }
            if (below(3) != 0 || leftOut(type.nom, cle.nom))
                continue;
            if (const std::optional<std::string> v = value(cle))
                text += std::string(cle.nom) + " = " + *v + "\n";
        }
        for (const std::string& extra : extras(type.nom))
            if (below(2) == 0)
                text += extra + "\n";
        // Every kind takes an instruction, of one or two lines.
        text += later([&] {
            return below(3) != 0   ? ""
                   : below(2) == 0 ? "Consigne = Calcule.\n"
                                   : "Consigne = Lis.\\nPuis écris.\n";
        });
        return text;
    }

    // A chart's series follows the grid "T"; another kind shows its exercise on it.
    static std::string link(const TTypeComposant& type) {
        if (type.nom == "Graphe")
            return "Serie = Points; Lie\nLien = Libellé; T; ligne; 0; 0; 0\n"
                   "Lien = Ordonnée; T; ligne; 1; 0; 0\n";
        const bool redirects =
            std::find(type.cles.begin(), type.cles.end(), "Rediriger") != type.cles.end();
        return redirects ? "Rediriger = T\n" : "";
    }

    // The line under a picture, drawn apart so that the other keys' draws stay as they were.
    std::string legend(std::string_view key) {
        static constexpr const char* statements[] = {"0", "1", "Trouve %s ici"};
        const std::uint32_t pick = legend_() % 4;
        if (pick == 3)
            return {};
        const std::string value = key == "Reponse" ? std::to_string(pick % 2) : statements[pick];
        return std::string(key) + " = " + value + "\n";
    }

    std::optional<std::string> value(const Cle& cle) {
        switch (cle.lecture) {
        case Lecture::Entier:
            // The ends and zero come often: they are where a value is mistaken for a default.
            switch (below(4)) {
            case 0:
                return std::to_string(cle.min);
            case 1:
                return std::to_string(cle.max);
            case 2:
                return std::to_string(std::clamp(0, cle.min, cle.max));
            default:
                return std::to_string(between(cle.min, cle.max));
            }
        case Lecture::Drapeau:
        case Lecture::Libre:
            return std::to_string(below(2));
        case Lecture::Couleur:
            return std::to_string(between(0, 0xFFFFFF));
        case Lecture::Geometrie:
            return std::to_string(between(1, 9));
        case Lecture::Action:
            return runnable(cle.nom) ? std::optional<std::string>("") : std::nullopt;
        default:
            return std::nullopt;
        }
    }

    // What sheets gained later (instructions, their numbering, text blocks) is drawn from a
    // generator of its own, so that the earlier draws, and the sheets they make, stay the same.
    std::string later(const std::function<std::string()>& make) {
        std::swap(draw_, later_);
        std::string text = make();
        std::swap(draw_, later_);
        return text;
    }

    std::mt19937 draw_;
    std::mt19937 legend_;
    std::mt19937 later_;
    std::string only_;
};

// Every page in both versions drawn, as text: one line a call with what it inks.
std::string drawing(const TDocument& document) {
    std::ostringstream out;
    for (int p = 0; p < document.NbPages(); ++p)
        for (const int mode : {MODE_EPREUVE, MODE_CORRIGE}) {
            TRecordingCanvas canvas;
            document.DessinePage(canvas, p, mode, true);
            for (const TDrawCall& call : canvas.calls) {
                out << int(call.op) << ' ' << call.text << " |";
                for (const int a : call.args)
                    out << ' ' << a;
                for (const vlPoint pt : call.points)
                    out << ' ' << pt.x << ',' << pt.y;
                out << " | " << call.pen.Color << ' ' << int(call.pen.Style) << ' '
                    << call.pen.Width << ' ' << call.brush.Color << ' ' << int(call.brush.Style)
                    << ' ' << call.font.Name << ' ' << call.font.Height << '\n';
            }
        }
    return out.str();
}

// Builds `text` with the seed; a line refused is taken out and the build tried again, so that
// what remains is a sheet the builder takes. False when nothing could be built.
bool buildTaken(std::string& text, std::uint32_t seed, TDocument& document) {
    for (int attempt = 0; attempt < 40; ++attempt) {
        const std::string error = BuildSheet(text, document, seed);
        if (error.empty())
            return true;
        int line = 0;
        const std::size_t colon = error.find(':');
        std::from_chars(error.data() + colon + 1, error.data() + error.size(), line);
        if (line < 2)
            return false;
        std::size_t start = 0;
        for (int l = 1; l < line; ++l)
            start = text.find('\n', start) + 1;
        text.erase(start, text.find('\n', start) - start + 1);
    }
    return false;
}

// 300 random sheets from the maker's seed (of one kind when `only` names it), each built with its
// own seed and handed to `check` with its text; more than 250 must build. Stops when fatal.
void forRandomSheets(
    std::uint32_t makerSeed,
    const std::function<void(TDocument&, const std::string&, std::uint32_t)>& check,
    const std::string& only = {}) {
    const TCatalogue catalogue = CataloguePaquet();
    TTestUi ui;
    const TScopedUi scoped(ui);
    SheetMaker maker(makerSeed, only);
    int built = 0;
    for (std::uint32_t s = 1; s <= 300 && !::testing::Test::HasFatalFailure(); ++s) {
        std::string text = maker.sheet(catalogue);
        TDocument document(catalogue);
        if (!buildTaken(text, s, document))
            continue;
        ++built;
        check(document, text, s);
    }
    EXPECT_GT(built, 250);
}

TEST(SheetRoundTrip, RandomSheetsDrawTheSamePagesOnceExportedAndBuiltAgain) {
    forRandomSheets(33, [](TDocument& first, const std::string& text, std::uint32_t seed) {
        const std::string exported = ExportSheet(first);
        TDocument again(first.Catalogue());
        ASSERT_EQ(BuildSheet(exported, again, seed), "") << text;
        ASSERT_EQ(drawing(first), drawing(again)) << text << "\n---\n" << exported;
    });
}

// The check's lines about a component's items, for each component whose own warning and drawing
// error are both empty: items covered or out of the frame that nothing else says.
std::vector<std::string> unreported(const TDocument& document) {
    std::vector<std::string> silent;
    const std::vector<std::string> lines = VerifieEncre(document);
    for (int i = 0; i < document.NbComposants(); ++i) {
        const TComposant* c = &document.Composant(i);
        if (!c->AvertissementCadre().empty() || !c->ErreurDessin().empty())
            continue;
        for (const std::string& line : lines)
            if (line.starts_with(c->Nom() + "\u00A0: "))
                silent.push_back(line);
    }
    return silent;
}

TEST(PageCheckCampaign, RandomSheetsHideNothingTheyDoNotSay) {
    forRandomSheets(35, [](TDocument& document, const std::string& text, std::uint32_t) {
        drawing(document); // both versions drawn, as a program does before the warnings
        ASSERT_EQ(unreported(document), std::vector<std::string>{}) << text;
    });
    // Operations draw many small items close together (digits, signs, commas, holes) and cover
    // none, even when some of their exercises find no room.
    forRandomSheets(
        36,
        [](TDocument& document, const std::string& text, std::uint32_t) {
            std::vector<std::string> covered = VerifieEncre(document);
            std::erase_if(covered, [](const std::string& l) { return l.starts_with("«\u00A0"); });
            ASSERT_EQ(covered, std::vector<std::string>{}) << text;
        },
        "Opération");
}

// The layouts that covered items: each draws nothing covered, or says how big its frame must be.
TEST(PageCheckCampaign, CrowdedLayoutsSayTheFrameTheyNeed) {
    const struct {
        std::string sheet;
        std::string warning; // empty: everything drawn
    } rows[] = {
        {"[Euro pièces]\nNom = P\nLargeur = 19\nHauteur = 3\nIntervallePieces = 5\n"
         "NbPieces = 1\nTriPièces = 1\n",
         "P\u00A0: 8 pièces ne tiennent pas dans le cadre, il faut un cadre de 5,8 cm de haut"},
        // The height asked for counts the instruction's band.
        {"[Euro billets]\nNom = B\nConsigne = Compte.\nLargeur = 19\nHauteur = 10\n"
         "SommeBillets = 385\n",
         "B\u00A0: 5 billets ne tiennent pas dans le cadre, il faut un cadre de 28 cm de haut"},
        {"[Euro pièces]\nNom = T\nLargeur = 19\nHauteur = 12\nIntervallePieces = 80\n"
         "NbPieces = 3,2,2,2,2,2,2,2\n",
         "T\u00A0: 9 pièces ne tiennent pas dans le cadre, il faut un cadre de 19,6 cm de haut"},
        // A 5 cent coin raises the last row that a 10 cent coin opened.
        {"[Euro pièces]\nNom = R\nLargeur = 10\nHauteur = 7,94\nNbPieces = 1,0,2,2,2,0,2,2\n", ""},
        {"[Masses marquées]\nNom = M\nLargeur = 6\nHauteur = 3\nNbMasses = 2,2,2,2,2,2,2,2\n",
         "M\u00A0: 20 masses marquées ne tiennent pas dans le cadre, il faut un cadre de 33,8 cm "
         "de "
         "haut"},
        {"[Fraction]\nNom = F\nLargeur = 5\nHauteur = 5\nFractionOperation = 1\n"
         "Operandes = 3/4;1/6 | 5/6;1/3\n",
         "F\u00A0: 4 lignes ne tiennent pas dans le cadre"},
        {"[Forme]\nNom = S\n", ""},
        {"[Montre]\nNom = H\nLargeur = 2\nHauteur = 2\nMontrerSeconde = 0\n", ""},
        // The answer with its seconds is wider than the dial.
        {"[Montre]\nNom = H\nLargeur = 2\nHauteur = 2\nTemps = 45296\n",
         "H\u00A0: la réponse ne tient pas dans le cadre"},
        {"[Cube décimal]\nNom = C\nNombreCube = 442\nTailleCube = 10\n", ""},
        {"[Cube décimal]\nNom = C\nNombreCube = 9064\nTailleCube = 6\n", ""},
        {"[Cube décimal]\nNom = C\nConsigne = Écris le nombre représenté par les plaques, les "
         "barres et les cubes.\nNombreCube = 1234\nAjusterTaille = 1\n",
         ""},
    };
    const TCatalogue catalogue = CataloguePaquet();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sheet);
        TDocument document(catalogue);
        ASSERT_EQ(BuildSheet(row.sheet, document), "");
        drawing(document); // both versions drawn, as a program does before the warnings
        EXPECT_EQ(DrawingError(ParsedSheet(row.sheet), document), "");
        EXPECT_EQ(AvertissementsCadre(document), row.warning.empty()
                                                     ? std::vector<std::string>{}
                                                     : std::vector<std::string>{row.warning});
    }
}

} // namespace
