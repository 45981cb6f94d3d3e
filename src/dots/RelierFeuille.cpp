#include "dots/RelierFeuille.h"

#include "dots/GenSeries.h"
#include "dots/Relier.h"
#include "dots/RelierEditLogique.h"
#include "host/Conversions.h"
#include "platform/Text.h"

#include <algorithm>
#include <optional>

namespace {

// The fields of a value, read: a "\\;" or "\\|" in a label is plain text.
std::vector<std::string> champs(std::string_view valeur, char separateur) {
    std::vector<std::string> parts;
    for (const std::string_view p : SplitEscaped(valeur, separateur))
        parts.push_back(UnescapeField(Trim(p)));
    return parts;
}

bool reel(const std::string& texte, double& v, double min, double max, const std::string& nom,
          std::string& message) {
    if (ParseDecimal(texte, v) && v >= min && v <= max)
        return true;
    message = nom + " «\u00A0" + texte + "\u00A0» doit être un nombre de " +
              std::to_string(static_cast<long long>(min)) + " à " +
              std::to_string(static_cast<long long>(max));
    return false;
}

int placesDe(const JeuPoints& jeu) {
    return int(std::count_if(jeu.Points.begin(), jeu.Points.end(),
                             [](const PointRelier& p) { return p.Place(); }));
}

// The generator's pairs go into the grid ("Appliquer"), then to the points ("Sortie").
bool calcule(GenSeries& generateur, JeuPoints& jeu, std::string& message) {
    std::vector<PaireSerie> paires;
    std::string titre;
    if (!generateur.Calculer(paires, message, titre)) {
        if (!message.empty())
            message = titre + "\u00A0: " + message;
        return message.empty();
    }
    RelierEditLogique editeur(jeu, 96, 96);
    editeur.AppliqueSerie(paires);
    generateur.Fermer(editeur.Generateur);
    editeur.Transfere(jeu);
    return true;
}

// Calculates once the formula compiles and each of its variables has its line.
bool recalcule(JeuPoints& jeu, std::string& message) {
    GenSeries generateur(jeu, placesDe(jeu));
    std::size_t position = 0;
    if (jeu.Formule.empty() || !generateur.Definir(message, position)) {
        message.clear();
        return true;
    }
    for (const std::string& nom : generateur.Variables())
        if (std::none_of(jeu.Variables.begin(), jeu.Variables.end(),
                         [&nom](const VariableSerie& v) { return v.Nom == nom; }))
            return true;
    return calcule(generateur, jeu, message);
}

bool points(JeuPoints& jeu, const std::string& valeur, std::string& message) {
    JeuPoints lus = jeu;
    lus.Points.clear();
    std::vector<std::string_view> elements = SplitEscaped(valeur, '|');
    if (elements.size() > std::size_t(JeuPoints::kMaxPoints)) {
        message = "Points\u00A0: au plus " + std::to_string(JeuPoints::kMaxPoints) + " points";
        return false;
    }
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const std::string nom = "Points\u00A0: point " + std::to_string(i + 1);
        const std::vector<std::string> f = champs(elements[i], ';');
        if (f.size() != 4) {
            message = nom + "\u00A0: «\u00A0" + std::string(Trim(elements[i])) +
                      "\u00A0» attend x;y;étiquette;réponse";
            return false;
        }
        PointRelier p{-1, -1, f[2], f[3]};
        double x = 0;
        if (!reel(f[0], x, -1, 1, nom + "\u00A0: x", message))
            return false;
        if (x >= 0 && !reel(f[1], p.y, 0, 1, nom + "\u00A0: y", message))
            return false;
        if (x >= 0)
            p.x = x;
        lus.Points.push_back(std::move(p));
    }
    // As the editor opens them and "Sortie" gives them back.
    RelierEditLogique(lus, 96, 96).Transfere(jeu);
    return true;
}

bool pas(JeuPoints& jeu, const std::string& valeur, std::string& message) {
    const std::vector<std::string> f = champs(valeur, ';');
    int x = 0;
    int y = 0;
    if (f.size() != 2 || !ConvInt(f[0], x, message, 0, JeuPoints::kMaxPas) ||
        !ConvInt(f[1], y, message, 0, JeuPoints::kMaxPas)) {
        message = "Pas\u00A0: «\u00A0" + valeur + "\u00A0» attend x;y en millimètres, de 0 à " +
                  std::to_string(JeuPoints::kMaxPas) + " (0 = sans grille)";
        return false;
    }
    jeu.PasX = x;
    jeu.PasY = y;
    return true;
}

bool serie(JeuPoints& jeu, const std::string& valeur, std::string& message) {
    GenSeries generateur(jeu, placesDe(jeu));
    if (!generateur.ChoisitPredefinie(valeur)) {
        message = "Serie\u00A0: «\u00A0" + valeur + "\u00A0» n'est pas une série prédéfinie (";
        for (const std::string& nom : GenSeries::Predefinies())
            message += (nom == GenSeries::Predefinies().front() ? "" : ", ") + nom;
        message += ")";
        return false;
    }
    return valeur == "aucune" || calcule(generateur, jeu, message);
}

bool formule(JeuPoints& jeu, const std::string& valeur, std::string& message) {
    TableVariables table;
    FormuleCompilee compilee;
    std::size_t position = 0;
    if (!CompileFormule(valeur, table, compilee, message, position)) {
        message += " (caractère " + std::to_string(position + 1) + ")";
        return false;
    }
    jeu.Formule = valeur;
    return recalcule(jeu, message);
}

bool variable(JeuPoints& jeu, const std::string& valeur, std::string& message) {
    std::vector<std::string> f = champs(valeur, ';');
    if (f.size() < 6 || f.size() > 7 || f[0].empty()) {
        message = "Variable\u00A0: «\u00A0" + valeur +
                  "\u00A0» attend nom;comportement;initiale;min;max;décimales;passage";
        return false;
    }
    VariableSerie v;
    v.Nom = f[0];
    int comportement = 0;
    int decimales = 0;
    const double borne = JeuPoints::kMaxBorne;
    if (!ConvInt(f[1], comportement, message, 0, 2) ||
        !reel(f[2], v.Initiale, -borne, borne, "Variable\u00A0: initiale", message) ||
        !reel(f[3], v.Minimum, -borne, borne, "Variable\u00A0: min", message) ||
        !reel(f[4], v.Maximum, -borne, borne, "Variable\u00A0: max", message) ||
        !ConvInt(f[5], decimales, message, 0, JeuPoints::kMaxDecimales)) {
        message = "Variable " + v.Nom + "\u00A0: " + message;
        return false;
    }
    v.Comportement = std::int16_t(comportement);
    v.Decimales = std::int16_t(decimales);
    v.Passage = f.size() == 7 ? f[6] : "";
    GenSeries generateur(jeu, placesDe(jeu));
    if (!generateur.Valider(v, message))
        return false;
    jeu.Variables = generateur.Reglages.Variables;
    return recalcule(jeu, message);
}

bool tri(JeuPoints& jeu, const std::string& valeur, std::string& message) {
    int t = 0;
    if (!ConvInt(valeur, t, message, TRI_AUCUN, TRI_DECROISSANT))
        return false;
    jeu.Tri = std::int16_t(t);
    return recalcule(jeu, message);
}

// The fault of the placed points' answers against the order and uniqueness the series asks.
std::string ordre(const JeuPoints& jeu, const std::vector<const PointRelier*>& places) {
    const bool strict = jeu.SupprimerIdentiques;
    for (std::size_t i = 1; i < places.size() && jeu.Tri != TRI_AUCUN; ++i) {
        const std::optional<Rational> a = Rational::FromDecimal(places[i - 1]->Reponse);
        const std::optional<Rational> b = Rational::FromDecimal(places[i]->Reponse);
        const bool croissant = jeu.Tri == TRI_CROISSANT;
        if (a && b && (croissant ? (strict ? *a < *b : *a <= *b) : (strict ? *a > *b : *a >= *b)))
            continue;
        return "les réponses ne sont pas en ordre " +
               std::string(croissant ? "croissant" : "décroissant") + (strict ? " strict" : "") +
               "\u00A0: «\u00A0" + places[i]->Reponse + "\u00A0» (point " + std::to_string(i + 1) +
               ") suit «\u00A0" + places[i - 1]->Reponse + "\u00A0»";
    }
    for (std::size_t i = 0; i < places.size() && strict; ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (places[j]->Reponse == places[i]->Reponse)
                return "la réponse «\u00A0" + places[i]->Reponse + "\u00A0» revient aux points " +
                       std::to_string(j + 1) + " et " + std::to_string(i + 1);
    return {};
}

} // namespace

bool TermineFeuilleRelier(TComposant& composant, std::string& message) {
    const auto* relier = dynamic_cast<const TvlRelier*>(&composant);
    // Texts given by a later "Points" line are printed as given: the series no longer rules them.
    if (relier == nullptr || relier->Jeu().Formule.empty() || relier->TextesDonnes)
        return true;
    const JeuPoints& jeu = relier->Jeu();
    GenSeries generateur(jeu, placesDe(jeu));
    std::size_t position = 0;
    if (!generateur.Definir(message, position))
        return false;
    for (const std::string& nom : generateur.Variables())
        if (std::none_of(jeu.Variables.begin(), jeu.Variables.end(),
                         [&nom](const VariableSerie& v) { return v.Nom == nom; })) {
            message = "la formule «\u00A0" + jeu.Formule +
                      "\u00A0» n'a pas de ligne «\u00A0Variable\u00A0» pour «\u00A0" + nom +
                      "\u00A0»";
            return false;
        }
    std::vector<const PointRelier*> places;
    for (const PointRelier& p : jeu.Points)
        if (p.Place())
            places.push_back(&p);
    const auto remplis = std::count_if(places.begin(), places.end(), [](const PointRelier* p) {
        return !p->Etiquette.empty() && !p->Reponse.empty();
    });
    if (std::size_t(remplis) < places.size()) {
        const std::string s = remplis > 1 ? "s" : "";
        message = "la série ne donne que " + std::to_string(remplis) + " réponse" + s +
                  (jeu.SupprimerIdentiques ? " différente" + s : "") + " pour " +
                  std::to_string(places.size()) +
                  " points\u00A0: élargissez les variables ou retirez des points";
        return false;
    }
    message = ordre(jeu, places);
    return message.empty();
}

const std::vector<CleFeuille>& ClesFeuilleRelier() {
    static const std::vector<CleFeuille> cles{
        {"Points", "x;y;étiquette;réponse | … (x et y de 0 à 1 dans le cadre)"},
        {"Pas", "pas de grille de l'éditeur en millimètres\u00A0: x;y"},
        {"Serie", "nom d'une série prédéfinie du générateur"},
        {"Formule", "formule du générateur, avec ses variables"},
        {"Variable", "nom;comportement;initiale;min;max;décimales;passage"},
        {"Tri", "0 sans tri, 1 croissant, 2 décroissant"}};
    return cles;
}

bool AppliqueCleFeuilleRelier(TComposant& composant, const std::string& cle,
                              const std::string& valeur, std::string& message) {
    auto* relier = dynamic_cast<TvlRelier*>(&composant);
    if (relier == nullptr) {
        message = "«\u00A0" + cle + "\u00A0» ne s'applique qu'à des points à relier";
        return false;
    }
    JeuPoints& jeu = relier->Jeu();
    if (cle == "Points" || cle == "Serie" || cle == "Formule" || cle == "Variable" || cle == "Tri")
        relier->TextesDonnes = cle == "Points";
    if (cle == "Points")
        return points(jeu, valeur, message);
    if (cle == "Pas")
        return pas(jeu, valeur, message);
    if (cle == "Serie")
        return serie(jeu, valeur, message);
    if (cle == "Formule")
        return formule(jeu, valeur, message);
    if (cle == "Variable")
        return variable(jeu, valeur, message);
    if (cle == "Tri")
        return tri(jeu, valeur, message);
    message = "clé inconnue «\u00A0" + cle + "\u00A0»";
    return false;
}
