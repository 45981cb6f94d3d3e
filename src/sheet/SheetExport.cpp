#include "sheet/SheetExport.h"

#include "host/Catalogue.h"
#include "host/Composant.h"
#include "host/Consigne.h"
#include "host/Conversions.h"
#include "host/Document.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "platform/Random.h"
#include "platform/StagedFiles.h"
#include "sheet/Sheet.h"
#include "sheet/SheetBuilder.h"

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace {

bool formatA5(const TPlanche& page) {
    return page.Taille == TPlanche::TailleFormat(TPlanche::Format::A5, false) ||
           page.Taille == TPlanche::TailleFormat(TPlanche::Format::A5, true);
}

std::string pageFormat(const TPlanche& page) {
    return formatA5(page) ? "A5" : "A4";
}

std::string pageOrientation(const TPlanche& page) {
    return page.Taille.cx > page.Taille.cy ? "Paysage" : "Portrait";
}

std::string pageMargins(const TPlanche& page) {
    const vlRect& m = page.Marges;
    return TexteCentimetres(m.left) + ";" + TexteCentimetres(m.top) + ";" +
           TexteCentimetres(m.right) + ";" + TexteCentimetres(m.bottom);
}

std::string pageGrid(const TPlanche& page) {
    return TexteCentimetres(page.Pas.cx);
}

std::string pageRuling(const TPlanche& page) {
    return page.Reglure == TPlanche::TypeReglure::Aucune ? "" : NomReglure(page.Reglure);
}

std::string pageTitle(const TPlanche& page) {
    return page.Titre;
}

std::string pageNameLine(const TPlanche& page) {
    return page.Entete ? "1" : "";
}

std::string pageScore(const TPlanche& page) {
    return page.Note > 0 ? std::to_string(page.Note) : "";
}

std::string pageNumbering(const TPlanche& page) {
    return page.NumeroterConsignes > 0 ? std::to_string(page.NumeroterConsignes) : "";
}

// The [Page] keys in the order the builder applies them: a page key is one row here. An empty
// text leaves the key out (no title, no name line, no score box).
struct PageKey {
    std::string_view nom;
    std::string (*texte)(const TPlanche&);
};
constexpr PageKey kPageKeys[] = {
    {"Format", pageFormat},
    {"Orientation", pageOrientation},
    {"Marges", pageMargins},
    {"Carreau", pageGrid},
    {"Reglure", pageRuling},
    {"Titre", pageTitle},
    {"Entete", pageNameLine},
    {"Note", pageScore},
    {"NumeroterConsignes", pageNumbering},
};

void writeLine(std::string& text, std::string_view key, std::string_view value) {
    text += key;
    text += " = ";
    text += SheetValue(value);
    text += '\n';
}

// The settings of new components of each kind, made on a page like the exported one. A value
// counts as the default only when new components drawn from seeds far apart all agree on it, so
// that a drawn value (a die's face, a time, even a whole hour) is always written.
class Defaults {
public:
    explicit Defaults(const TCatalogue& catalogue) : catalogue_(catalogue) {}

    bool IsDefault(const std::string& type, const TPlanche& page, const TCleValeur& reglage) {
        const auto& known = settings(type, page);
        return std::find(known.begin(), known.end(), reglage) != known.end();
    }

private:
    const std::vector<TCleValeur>& settings(const std::string& type, const TPlanche& page) {
        const std::string key = type + "\n" + std::to_string(page.Taille.cx) + "x" +
                                std::to_string(page.Taille.cy) + pageMargins(page);
        auto found = cache_.find(key);
        if (found != cache_.end())
            return found->second;
        constexpr std::uint32_t kSeeds[] = {1, 40503, 2654435769u, 104729, 3141592653u};
        std::vector<TCleValeur> agreed = fresh(type, page, kSeeds[0]);
        for (const std::uint32_t seed : std::span(kSeeds).subspan(1)) {
            const std::vector<TCleValeur> other = fresh(type, page, seed);
            std::erase_if(agreed, [&](const TCleValeur& reglage) {
                return std::find(other.begin(), other.end(), reglage) == other.end();
            });
        }
        return cache_.emplace(key, std::move(agreed)).first->second;
    }

    std::vector<TCleValeur> fresh(const std::string& type, const TPlanche& page,
                                  std::uint32_t seed) {
        SeedRandom(seed);
        // The time of day drawn as the builder draws it for a bare section.
        const auto clock = std::exchange(SourceHeure(), DrawnTimeOfDay);
        // A sheet builds from the factory settings, whatever the editor's preferred options.
        const std::string preferences = std::exchange(FichIni(), std::string());
        TDocument scratch(catalogue_);
        scratch.AjoutePage(page);
        TComposant* composant = scratch.Cree(type, 0);
        SourceHeure() = clock;
        FichIni() = preferences;
        return composant != nullptr ? composant->ReglagesFeuille() : std::vector<TCleValeur>{};
    }

    const TCatalogue& catalogue_;
    std::map<std::string, std::vector<TCleValeur>> cache_;
};

// The geometry is always written: it says where the exercise is on the page.
bool isGeometry(const std::string& key) {
    return key == "Gauche" || key == "Haut" || key == "Largeur" || key == "Hauteur";
}

void writeComponent(std::string& text, TComposant& composant, const TPlanche& page,
                    const TTypeComposant& type, Defaults& defaults) {
    text += "\n[" + type.nom + "]\n";
    writeLine(text, "Nom", composant.Nom());
    // A colour given to a clear brush makes it solid: the style after a colour written is
    // written too, even when it is a new component's ("CouleurBrosseFond", "StyleBrosseFond").
    std::set<std::string> couleurs;
    for (const TCleValeur& reglage : composant.ReglagesFeuille()) {
        const bool apresCouleur =
            reglage.cle.starts_with("Style") && couleurs.count(reglage.cle.substr(5)) != 0;
        if (!isGeometry(reglage.cle) && !apresCouleur &&
            defaults.IsDefault(type.nom, page, reglage))
            continue;
        writeLine(text, reglage.cle, reglage.valeur);
        if (reglage.cle.starts_with("Couleur"))
            couleurs.insert(reglage.cle.substr(7));
    }
    if (!composant.Consigne().empty())
        writeLine(text, "Consigne", TexteConsigne(composant.Consigne()));
    // A "#" line is a comment for the reader of the sheet.
    for (const TCleValeur& ligne : composant.ExerciceFeuille()) {
        if (ligne.cle == "#")
            text += "# " + ligne.valeur + "\n";
        else
            writeLine(text, ligne.cle, ligne.valeur);
    }
}

} // namespace

std::string ExportSheet(TDocument& document) {
    const TRandom saved = GlobalRandom();
    Defaults defaults(document.Catalogue());
    std::string text;
    for (int p = 0; p < document.NbPages(); ++p) {
        const TPlanche& page = document.Page(p);
        text += p == 0 ? "[Page]\n" : "\n[Page]\n";
        for (const PageKey& key : kPageKeys)
            if (const std::string valeur = key.texte(page); !valeur.empty())
                writeLine(text, key.nom, valeur);
        for (int i = 0; i < document.NbComposants(); ++i) {
            if (document.PageDe(i) != p)
                continue;
            TComposant& composant = document.Composant(i);
            const TTypeComposant* type = document.Catalogue().TrouveNumero(composant.NumeroType);
            if (type != nullptr)
                writeComponent(text, composant, page, *type, defaults);
        }
    }
    GlobalRandom() = saved;
    return text;
}

bool WriteSheetFile(const std::string& text, const std::string& path, const std::string& input,
                    std::string& message) {
    return WriteStagedFile(path, text, input, "Impossible d'écrire «\u00A0" + path + "\u00A0»",
                           message);
}
