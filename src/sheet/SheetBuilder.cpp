#include "sheet/SheetBuilder.h"

#include "host/Catalogue.h"
#include "host/Composant.h"
#include "host/Consigne.h"
#include "host/Conversions.h"
#include "host/Document.h"
#include "host/Services.h"
#include "platform/Random.h"
#include "platform/RecordingCanvas.h"
#include "platform/Text.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace {

// The headless service, with the windows the kinds play while a sheet builds them (the
// operations' progress window) played without a screen, their progress passed on.
class ProgressUi : public THeadlessUi {
public:
    ProgressUi(const TCatalogue& catalogue, BuildProgress progress)
        : catalogue_(catalogue), progress_(std::move(progress)) {}

    bool HasForm(const std::string& name) const override { return kindPlaying(name) != nullptr; }

    int ShowModal(const std::string& name, TFormModel& model) override {
        const TTypeComposant* type = kindPlaying(name);
        if (type == nullptr)
            return mrCancel;
        return type->joueFenetreFeuille(model, progress_, [this] { ProcessPosted(); });
    }

private:
    const TTypeComposant* kindPlaying(const std::string& name) const {
        for (const TTypeComposant& type : catalogue_.Types())
            if (type.fenetreFeuille == name && type.joueFenetreFeuille)
                return &type;
        return nullptr;
    }

    const TCatalogue& catalogue_;
    BuildProgress progress_;
};

// While a sheet is built, components asking for the time of day get a seeded draw, so that a
// seed rebuilds the same sheet.
class SeededTimeOfDay {
public:
    SeededTimeOfDay() : previous_(std::exchange(SourceHeure(), DrawnTimeOfDay)) {}
    ~SeededTimeOfDay() { SourceHeure() = std::move(previous_); }
    SeededTimeOfDay(const SeededTimeOfDay&) = delete;
    SeededTimeOfDay& operator=(const SeededTimeOfDay&) = delete;

private:
    std::function<int()> previous_;
};

// The keys a section may hold, each folded (FoldAccentsAndCase) with its documented spelling.
std::vector<std::pair<std::string, std::string>> KnownKeys(const SheetSection& section,
                                                           const TCatalogue& catalogue) {
    std::vector<std::string> spellings;
    if (section.name == "Page") {
        for (const auto& [cle, description] : ClesPage())
            spellings.push_back(cle);
    } else if (const TTypeComposant* type = catalogue.TrouveNom(section.name)) {
        spellings = type->cles;
        for (const CleFeuille& cle : type->clesFeuille)
            spellings.push_back(cle.nom);
        for (const CleCommune& cle : ClesCommunes())
            spellings.emplace_back(cle.nom);
        spellings.push_back("Nom");
    }
    std::vector<std::pair<std::string, std::string>> known;
    for (std::string& spelling : spellings)
        known.emplace_back(FoldAccentsAndCase(spelling), std::move(spelling));
    return known;
}

// The sheet with its keys matched without regard to accents and case, each written as
// « mathsheet keys » prints it; a key matching none stays as written (and is refused).
Sheet WithDocumentedKeys(Sheet sheet, const TCatalogue& catalogue) {
    for (SheetSection& section : sheet.sections) {
        const auto known = KnownKeys(section, catalogue);
        for (SheetEntry& e : section.entries) {
            const std::string folded = FoldAccentsAndCase(e.key);
            const auto match = std::find_if(known.begin(), known.end(),
                                            [&](const auto& key) { return key.first == folded; });
            if (match != known.end())
                e.key = match->second;
        }
    }
    return sheet;
}

class Builder {
public:
    Builder(const Sheet& sheet, TDocument& document, const TitleCanvas& mesure)
        : sheet_(sheet), document_(document), mesure_(mesure) {}

    bool run(std::string& error) {
        if (sheet_.sections.empty()) {
            error = sheet_.fileName +
                    ": la feuille est vide\u00A0: elle ne décrit aucune page ni aucun composant";
            return false;
        }
        const SeededTimeOfDay seededTime;
        for (const SheetSection& section : sheet_.sections) {
            const bool ok = section.name == "Page" ? page(section) : component(section);
            if (!ok) {
                error = error_;
                return false;
            }
        }
        // Links to components made further down, once every component exists.
        finished_ = true;
        for (const auto& [composant, type, e] : laterLinks_)
            if (apply(*type, *composant, *e) != Applied::Done) {
                error = error_;
                return false;
            }
        for (const auto& [composant, type, line] : made_) {
            std::string message;
            if (type->finitFeuille && !type->finitFeuille(*composant, message)) {
                error = SheetError(sheet_.fileName, line,
                                   Citation(composant->Nom()) + "\u00A0: " + message);
                return false;
            }
        }
        return true;
    }

private:
    // The canvas titles are measured with, asked for once, at the first title.
    TCanvas* titleCanvas() {
        if (!canvasAsked_)
            canvas_ = mesure_();
        canvasAsked_ = true;
        return canvas_;
    }

    bool fail(int line, const std::string& message) {
        error_ = SheetError(sheet_.fileName, line, message);
        return false;
    }

    // Each [Page] section after the first component or page starts a new page.
    bool page(const SheetSection& section) {
        if (usedPage_ || document_.NbPages() == 0)
            currentPage_ = document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        usedPage_ = true;
        TPlanche& planche = document_.Page(currentPage_);
        TPlanche::Format format = TPlanche::Format::A4;
        bool landscape = false;
        for (const SheetEntry& e : section.entries) {
            if (e.key == "Format") {
                if (e.value != "A4" && e.value != "A5")
                    return fail(e.line,
                                "format de page inconnu «\u00A0" + e.value + "\u00A0» (A4 ou A5)");
                format = e.value == "A4" ? TPlanche::Format::A4 : TPlanche::Format::A5;
                planche.Taille = TPlanche::TailleFormat(format, landscape);
            } else if (e.key == "Orientation") {
                if (e.value != "Portrait" && e.value != "Paysage")
                    return fail(e.line, "orientation inconnue «\u00A0" + e.value +
                                            "\u00A0» (Portrait ou Paysage)");
                landscape = e.value == "Paysage";
                planche.Taille = TPlanche::TailleFormat(format, landscape);
            } else if (e.key == "Marges") {
                if (!margins(e, planche))
                    return false;
            } else if (e.key == "Reglure") {
                if (!ruling(e, planche))
                    return false;
            } else if (e.key == "Carreau") {
                int step = 0;
                std::string message;
                if (!ConvVirg(e.value, step, message, 0, 500))
                    return fail(e.line, message);
                planche.Pas = {step, step};
                planche.OrgGrille = planche.OrgMarges();
            } else if (!header(e, planche)) {
                return false;
            }
        }
        if (!planche.Titre.empty()) {
            TCanvas* const canvas = titleCanvas();
            if (canvas == nullptr)
                return fail(section.line, "construction interrompue avant la mesure du titre");
            planche.MesureTitre(*canvas);
        }
        if (planche.Pas.cx > 0)
            planche.OrgGrille = planche.OrgMarges();
        document_.Cadre(currentPage_).Rect = planche.ZoneUtile();
        return true;
    }

    // Aucune, Carreaux, Seyes (Seyès) or Lignes, letter case and accents aside.
    bool ruling(const SheetEntry& e, TPlanche& planche) {
        const std::optional<TPlanche::TypeReglure> reglure = ReglureNommee(e.value);
        if (!reglure)
            return fail(e.line, "«\u00A0Reglure\u00A0» vaut «\u00A0" + e.value +
                                    "\u00A0»\u00A0: Aucune, Carreaux, Seyes ou Lignes");
        planche.Reglure = *reglure;
        return true;
    }

    // Titre, Entete and Note; any other key is unknown.
    bool header(const SheetEntry& e, TPlanche& planche) {
        if (e.key == "Titre") {
            if (NbCaracteres(e.value) > TPlanche::kTitreMax)
                return fail(e.line,
                            "«\u00A0Titre\u00A0» a " + std::to_string(NbCaracteres(e.value)) +
                                " caractères\u00A0: " + std::to_string(TPlanche::kTitreMax) +
                                " au plus");
            planche.Titre = e.value;
        } else if (e.key == "Entete") {
            if (e.value != "0" && e.value != "1")
                return fail(e.line,
                            "«\u00A0Entete\u00A0» vaut «\u00A0" + e.value +
                                "\u00A0»\u00A0: 0 (sans ligne) ou 1 (ligne Nom, Prénom, Date)");
            planche.Entete = e.value == "1";
        } else if (e.key == "Note") {
            const std::optional<long long> note = ParseInteger(e.value, 0, TPlanche::kNoteMax);
            if (!note)
                return fail(e.line, "«\u00A0Note\u00A0» vaut «\u00A0" + e.value +
                                        "\u00A0»\u00A0: de 0 (sans note) à " +
                                        std::to_string(TPlanche::kNoteMax));
            planche.Note = int(*note);
        } else if (e.key == "NumeroterConsignes") {
            const std::optional<long long> n = ParseInteger(e.value, 0, TPlanche::kNumeroterMax);
            if (!n)
                return fail(e.line, "«\u00A0NumeroterConsignes\u00A0» vaut «\u00A0" + e.value +
                                        "\u00A0»\u00A0: 0 (sans numéro), 1 («\u00A01.\u00A0») ou 2 "
                                        "(«\u00A0Exercice 1\u00A0:\u00A0»)");
            planche.NumeroterConsignes = int(*n);
        } else {
            return fail(e.line, "clé inconnue «\u00A0" + e.key +
                                    "\u00A0» pour la page (voir «\u00A0mathsheet " +
                                    "keys Page\u00A0»)");
        }
        if (planche.ZoneUtile().Height() <= 1)
            return fail(e.line, "l'en-tête ne laisse aucune place sur la page");
        return true;
    }

    // One value for the four margins, or four separated by ";": left, top, right, bottom.
    bool margins(const SheetEntry& e, TPlanche& planche) {
        std::vector<std::string_view> parts = Split(e.value, ';');
        if (parts.back().empty()) // a closing ";" adds no value
            parts.pop_back();
        std::vector<int> values;
        for (const std::string_view part : parts) {
            int v = 0;
            std::string message;
            if (!ConvVirg(std::string(part), v, message, 0, 1000))
                return fail(e.line, message);
            values.push_back(v);
        }
        if (values.size() == 1)
            values.assign(4, values.front());
        if (values.size() != 4)
            return fail(
                e.line,
                "«\u00A0Marges\u00A0» attend une valeur ou quatre (gauche;haut;droite;bas)");
        planche.Marges = {values[0], values[1], values[2], values[3]};
        if (planche.ZoneUtile().Width() <= 0 || planche.ZoneUtile().Height() <= 0)
            return fail(e.line, "les marges ne laissent aucune place sur la page");
        if (planche.Pas.cx > 0)
            planche.OrgGrille = planche.OrgMarges();
        return true;
    }

    bool component(const SheetSection& section) {
        const TTypeComposant* type = document_.Catalogue().TrouveNom(section.name);
        if (type == nullptr)
            return fail(section.line, "type de composant inconnu «\u00A0" + section.name +
                                          "\u00A0» (voir «\u00A0mathsheet kinds\u00A0»)");
        if (!type->cree)
            return fail(section.line,
                        "le type «\u00A0" + section.name + "\u00A0» n'est pas encore disponible");
        if (document_.NbPages() == 0)
            currentPage_ = document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        usedPage_ = true;
        TComposant* composant = document_.Cree(section.name, currentPage_);
        if (composant == nullptr)
            return fail(section.line, "impossible de créer «\u00A0" + section.name + "\u00A0»");
        made_.push_back({composant, type, section.line});
        if (type->debuteFeuille)
            type->debuteFeuille(*composant);
        int lastSheetKey = section.line;
        PlaceKeys place;
        // A value refused on its line may wait for a key further down (a minimum above the old
        // maximum): it is tried again once the section's other keys are in, and the first one
        // still refused stops the sheet.
        std::vector<const SheetEntry*> refused;
        for (const SheetEntry& e : section.entries) {
            if (place.take(e, *type))
                continue;
            const Applied applied = apply(*type, *composant, e, Refusal::Later);
            if (applied == Applied::Failed)
                return false;
            if (applied == Applied::Refused)
                refused.push_back(&e);
            if (std::find(type->clesFeuille.begin(), type->clesFeuille.end(), e.key) !=
                type->clesFeuille.end())
                lastSheetKey = e.line;
        }
        if (!applyPlace(*type, *composant, place, section.line))
            return false;
        for (const SheetEntry* e : refused)
            if (apply(*type, *composant, *e) != Applied::Done)
                return false;
        // Checked against the line that last changed what the sheet-only keys built.
        std::string message;
        if (type->termineFeuille && !type->termineFeuille(*composant, message))
            return fail(lastSheetKey, Citation(composant->Nom()) + "\u00A0: " + message);
        return true;
    }

    // The place and size keys of a section, kept until it ends so that their order, and the
    // order of the keys that resize a kind, never matter.
    struct PlaceKeys {
        static constexpr const char* kNames[4] = {"Gauche", "Haut", "Largeur", "Hauteur"};
        std::array<const SheetEntry*, 4> entries{};

        bool take(const SheetEntry& e, const TTypeComposant& type) {
            for (std::size_t k = 0; k < 4; ++k)
                if (e.key == kNames[k] &&
                    std::find(type.cles.begin(), type.cles.end(), e.key) != type.cles.end()) {
                    entries[k] = &e;
                    return true;
                }
            return false;
        }
    };

    // Applies the place and size together, the size first, then the place, after checking that
    // the final frame (a key not given keeps its value) fits the page.
    bool applyPlace(const TTypeComposant& type, TComposant& composant, const PlaceKeys& place,
                    int sectionLine) {
        const vlRect f =
            composant.Cadre != nullptr ? composant.Cadre->Rect : document_.Cadre(currentPage_).Rect;
        const vlPoint m = composant.OrgMarges();
        const vlRect r = composant.Rect.Normalise();
        std::array<int, 4> values{r.left - m.x, r.top - m.y, r.Width(), r.Height()};
        const std::array<std::pair<int, int>, 4> ranges{{{f.left - m.x, f.right - m.x},
                                                         {f.top - m.y, f.bottom - m.y},
                                                         {0, f.Width()},
                                                         {0, f.Height()}}};
        for (std::size_t k = 0; k < 4; ++k) {
            const SheetEntry* e = place.entries[k];
            std::string message;
            if (e != nullptr &&
                !ConvVirg(e->value, values[k], message, ranges[k].first, ranges[k].second))
                return fail(e->line, Citation(composant.Nom()) + "\u00A0: " + message);
        }
        // Across, then down: the place key, the size key, the limit.
        for (std::size_t axis = 0; axis < 2; ++axis) {
            const int end = values[axis] + values[axis + 2];
            const int limit = ranges[axis].second;
            if (end <= limit)
                continue;
            const SheetEntry* a = place.entries[axis];
            const SheetEntry* b = place.entries[axis + 2];
            const int line =
                std::max({sectionLine, a != nullptr ? a->line : 0, b != nullptr ? b->line : 0});
            return fail(line,
                        Citation(composant.Nom()) + "\u00A0: le cadre sort de la page\u00A0: " +
                            PlaceKeys::kNames[axis] + " + " + PlaceKeys::kNames[axis + 2] + " = " +
                            TexteCentimetres(values[axis]) + " + " +
                            TexteCentimetres(values[axis + 2]) + " = " + TexteCentimetres(end) +
                            " cm, " + TexteCentimetres(limit) + " cm au plus");
        }
        for (const std::size_t k : {2, 3, 0, 1})
            if (place.entries[k] != nullptr &&
                apply(type, composant, *place.entries[k]) != Applied::Done)
                return false;
        return true;
    }

    enum class Applied { Done, Refused, Failed };
    enum class Refusal { Now, Later };

    // A value the component refuses stops the sheet, or is handed back to be tried later.
    Applied apply(const TTypeComposant& type, TComposant& composant, const SheetEntry& e,
                  Refusal refusal = Refusal::Now) {
        const auto refuse = [&](const std::string& message) {
            if (refusal == Refusal::Later)
                return Applied::Refused;
            fail(e.line, Citation(composant.Nom()) + "\u00A0: " + message);
            return Applied::Failed;
        };
        if (e.key == "Nom")
            return rename(composant, e) ? Applied::Done : Applied::Failed;
        // A key naming another component waits for it when it is made further down.
        if ((e.key == "Rediriger" || e.key == "Liste") &&
            document_.TrouveComposant(e.value) == nullptr && !finished_) {
            laterLinks_.push_back({&composant, &type, &e});
            return Applied::Done;
        }
        if (std::find(type.clesFeuille.begin(), type.clesFeuille.end(), e.key) !=
                type.clesFeuille.end() &&
            type.appliqueCleFeuille) {
            std::string message;
            if (!type.appliqueCleFeuille(composant, e.key, e.value, message))
                return refuse(message);
            return Applied::Done;
        }
        if (std::find(type.cles.begin(), type.cles.end(), e.key) == type.cles.end() &&
            !TComposant::EstCleCommune(e.key)) {
            fail(e.line, "clé inconnue «\u00A0" + e.key + "\u00A0» pour «\u00A0" + type.nom +
                             "\u00A0» (voir «\u00A0mathsheet keys " + type.nom + "\u00A0»)");
            return Applied::Failed;
        }
        std::string message;
        if (!composant.ChangeCle(e.value, e.key, message) && !message.empty())
            return refuse(message);
        return Applied::Done;
    }

    bool rename(TComposant& composant, const SheetEntry& e) {
        if (e.value.empty())
            return fail(e.line, "«\u00A0Nom\u00A0» ne peut pas être vide");
        const TComposant* other = document_.TrouveComposant(e.value);
        if (other != nullptr && other != &composant)
            return fail(e.line, "le nom «\u00A0" + e.value + "\u00A0» est déjà pris");
        composant.ChangeNom(e.value);
        return true;
    }

    struct LaterLink {
        TComposant* composant;
        const TTypeComposant* type;
        const SheetEntry* entry;
    };

    struct Made {
        TComposant* composant;
        const TTypeComposant* type;
        int line;
    };

    const Sheet& sheet_;
    TDocument& document_;
    const TitleCanvas& mesure_;
    TCanvas* canvas_ = nullptr;
    bool canvasAsked_ = false;
    std::vector<Made> made_;
    std::vector<LaterLink> laterLinks_;
    bool finished_ = false;
    std::string error_;
    int currentPage_ = 0;
    bool usedPage_ = false;
};

} // namespace

int DrawnTimeOfDay() {
    const int hour = Random() % 24;
    const int minute = Random() % 60;
    const int second = Random() % 60;
    return 3600 * hour + 60 * minute + second;
}

bool BuildDocument(const Sheet& sheet, TDocument& document, std::string& error,
                   const BuildProgress& progress, const TitleCanvas& mesure) {
    const Sheet documented = WithDocumentedKeys(sheet, document.Catalogue());
    if (!progress)
        return Builder(documented, document, mesure).run(error);
    // This thread's own: copies built side by side each play their windows apart.
    ProgressUi ui(document.Catalogue(), progress);
    const TScopedThreadUi scoped(ui);
    return Builder(documented, document, mesure).run(error);
}

bool BuildDocument(const Sheet& sheet, TDocument& document, std::string& error,
                   const BuildProgress& progress, TCanvas* mesure) {
    TRecordingCanvas fixe;
    TCanvas* const canvas = mesure != nullptr ? mesure : &fixe;
    return BuildDocument(sheet, document, error, progress, [canvas] { return canvas; });
}

const std::vector<std::pair<std::string, std::string>>& ClesPage() {
    static const std::vector<std::pair<std::string, std::string>> cles{
        {"Format", "A4 ou A5"},
        {"Orientation", "Portrait ou Paysage"},
        {"Marges", "en cm, une valeur ou quatre (gauche;haut;droite;bas), de 0 à 10"},
        {"Carreau", "côté du quadrillage en cm, de 0 (sans) à 5"},
        {"Reglure",
         "papier imprimé sous les exercices, en clair\u00A0: Aucune (défaut), Carreaux (ceux de "
         "Carreau, 0,5 cm sans lui), Seyes (lignes de 2 mm, grasses et verticales tous les "
         "8 mm, marge rouge au bord gauche) ou Lignes (tous les Carreau, 0,8 cm sans lui)"},
        {"Titre", "titre centré en haut de la page, 100 caractères au plus"},
        {"Entete", "1\u00A0: ligne «\u00A0Nom, Prénom, Date\u00A0» sous le titre\u00A0; 0\u00A0: "
                   "sans (défaut)"},
        {"Note", "total du cadre de note «\u00A0… / 20\u00A0», de 0 (sans cadre, défaut) à 1000"},
        {"NumeroterConsignes",
         "numéros des consignes, dans l'ordre de lecture\u00A0: 0 sans (défaut), "
         "1 «\u00A01.\u00A0», 2 «\u00A0Exercice 1\u00A0:\u00A0»"},
    };
    return cles;
}

std::string DrawingError(const Sheet& sheet, const TDocument& document) {
    int index = 0;
    for (const SheetSection& section : sheet.sections) {
        if (section.name == "Page")
            continue;
        if (index >= document.NbComposants())
            break;
        const TComposant& composant = document.Composant(index++);
        if (!composant.ErreurDessin().empty())
            return SheetError(sheet.fileName, section.line,
                              Citation(composant.Nom()) + "\u00A0: " + composant.ErreurDessin());
    }
    return {};
}
