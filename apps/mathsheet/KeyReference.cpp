#include "KeyReference.h"

#include "host/Composant.h"
#include "host/Consigne.h"
#include "host/Conversions.h"
#include "host/Document.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "platform/Random.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// What a new component holds for the key, as a sheet would write it; empty when the key
// holds nothing of its own (an action) or a value the kind reads itself, whose field may
// keep other units than the key's.
std::string valeurNeuve(TComposant& composant, const Cle& cle) {
    if (cle.lecture == Lecture::Texte || cle.lecture == Lecture::Action)
        return {};
    if (cle.lecture == Lecture::Geometrie) {
        const vlRect r = composant.Rect.Normalise();
        const vlPoint marges = composant.OrgMarges();
        const int valeurs[] = {r.left - marges.x, r.top - marges.y, r.Width(), r.Height()};
        return TexteCentimetres(valeurs[cle.index]);
    }
    if (cle.champ == nullptr) {
        if (cle.nom == "Detachable")
            return composant.Detachable ? "1" : "0";
        if (cle.nom == "Actif")
            return composant.Activable() ? "1" : "0";
        // A flag the component keeps itself (the answer line under a picture).
        if (cle.lecture == Lecture::Drapeau)
            for (const TCleValeur& reglage : composant.ReglagesFeuille())
                if (reglage.cle == cle.nom)
                    return reglage.valeur;
        return {};
    }
    int taille = 0;
    const ChampCle champ = cle.champ(composant.Options(taille));
    if (champ.fonte != nullptr)
        return champ.fonte->ToString();
    return champ.entier ? std::to_string(champ.entier.Get()) : std::string();
}

std::string effet(const Cle& cle) {
    if (cle.lecture == Lecture::Action)
        return "agit à la lecture de la clé\u00A0; la valeur est ignorée";
    if (cle.refait == Refait::Exercice)
        return "tire un nouvel exercice";
    return {};
}

// A '|' would end a table cell, even inside a code span.
std::string echappe(std::string_view texte) {
    std::string resultat;
    for (const char c : texte) {
        if (c == '|')
            resultat += '\\';
        resultat += c;
    }
    return resultat;
}

std::string cellule(std::string_view texte) {
    return texte.empty() ? "—" : echappe(texte);
}

std::string code(std::string_view texte) {
    return "`" + std::string(texte) + "`";
}

std::string ligne(const std::string& index, const std::string& nom, const std::string& valeurs,
                  const std::string& defaut, const std::string& remarque) {
    return "| " + index + " | " + code(nom) + " | " + cellule(valeurs) + " | " +
           (defaut.empty() ? "—" : code(echappe(defaut))) + " | " + cellule(remarque) + " |\n";
}

std::string texte(const TTypeComposant& type) {
    std::string sortie;
    // The package's kinds say what each key takes; the host's own kinds give names only.
    for (std::size_t i = 0; i < type.cles.size(); ++i) {
        if (i < type.table.size() && type.table[i].interne)
            continue;
        sortie += std::to_string(i) + "\t" + type.cles[i];
        if (i < type.table.size())
            sortie += "\t" + DecritCle(type.table[i]);
        sortie += "\n";
    }
    for (const CleFeuille& cle : type.clesFeuille)
        sortie += "-\t" + cle.nom + "\t" + cle.valeurs + " (feuilles seulement)\n";
    for (const CleCommune& cle : ClesCommunes())
        sortie += std::string("-\t") + cle.nom + "\t" + cle.valeurs + " (tous les types)\n";
    return sortie;
}

// The keys every kind shares, after the kind's own.
std::string lignesCommunes() {
    std::string sortie;
    for (const CleCommune& cle : ClesCommunes())
        sortie += ligne("—", cle.nom, cle.valeurs, "", "tous les types");
    return sortie;
}

std::string origine(const TTypeComposant& type) {
    const std::string numero = "Numéro de type " + std::to_string(type.numero);
    if (type.indexPalette < 0)
        return numero + ", composant propre à l'éditeur, hors de la palette.\n\n";
    return numero + ", case " + std::to_string(type.indexPalette) + " de la palette.\n\n";
}

// A kind without a table reads its keys itself: their names only, in order.
std::string nomsSeuls(const TTypeComposant& type) {
    std::string sortie =
        "Ce composant lit lui-même ses clés\u00A0; en voici les noms, dans l'ordre.\n\n"
        "| N° | Clé |\n|---|---|\n";
    for (std::size_t i = 0; i < type.cles.size(); ++i)
        sortie += "| " + std::to_string(i) + " | " + code(type.cles[i]) + " |\n";
    for (const CleCommune& cle : ClesCommunes())
        sortie += "| — | " + code(cle.nom) + " |\n";
    return sortie;
}

// Components made while it lives read this time of day; the clock comes back when it goes.
class HeureFixe {
public:
    explicit HeureFixe(int heure)
        : horloge_(std::exchange(SourceHeure(), [heure] { return heure; })) {}
    HeureFixe(const HeureFixe&) = delete;
    HeureFixe& operator=(const HeureFixe&) = delete;
    ~HeureFixe() { SourceHeure() = std::move(horloge_); }

private:
    std::function<int()> horloge_;
};

// The keys' values in a new component as a sheet makes it, under a given draw and time of day.
std::vector<std::string> valeursNeuves(const TCatalogue& catalogue, const TTypeComposant& type,
                                       std::uint32_t graine, int heure) {
    const HeureFixe horloge(heure);
    SeedRandom(graine);
    TDocument document(catalogue);
    document.AjoutePage(TPlanche(TPlanche::Format::A4, false));
    std::vector<std::string> valeurs;
    if (TComposant* composant = document.Cree(type.nom, 0)) {
        // A key the kind reads itself has its value where the export finds it.
        const std::vector<TCleValeur> reglages = composant->ReglagesFeuille();
        for (const Cle& cle : type.table) {
            std::string valeur = valeurNeuve(*composant, cle);
            if (valeur.empty() && cle.lecture != Lecture::Action)
                for (const TCleValeur& reglage : reglages)
                    if (reglage.cle == cle.nom)
                        valeur = reglage.valeur;
            valeurs.push_back(std::move(valeur));
        }
    }
    valeurs.resize(type.table.size());
    return valeurs;
}

std::string markdown(const TCatalogue& catalogue, const TTypeComposant& type) {
    const std::string titre = "## " + type.nom + "\n\n" + origine(type);
    if (type.table.empty())
        return titre + nomsSeuls(type);
    // Two new components, drawn and timed differently: a value that differs is drawn (or read
    // from the clock) when the component is made, and has no default.
    const std::vector<std::string> une = valeursNeuves(catalogue, type, 1, 8 * 3600);
    const std::vector<std::string> autre = valeursNeuves(catalogue, type, 2, 15 * 3600 + 1777);
    std::string sortie = titre + "| N° | Clé | Valeurs | Défaut | Effet |\n|---|---|---|---|---|\n";
    for (std::size_t i = 0; i < type.table.size(); ++i) {
        const Cle& cle = type.table[i];
        if (cle.interne)
            continue;
        const bool tiree = une[i] != autre[i];
        const std::string remarque =
            tiree ? "varie d'un composant neuf à l'autre (tirage, heure)" : effet(cle);
        sortie +=
            ligne(std::to_string(i), type.cles[i], DecritCle(cle), tiree ? "" : une[i], remarque);
    }
    for (const CleFeuille& cle : type.clesFeuille)
        sortie += ligne("—", cle.nom, cle.valeurs, "", "feuilles seulement");
    return sortie + lignesCommunes();
}

constexpr const char* kIntroduction =
    R"(# Clés des feuilles

Chaque section d'une feuille (`[Opération]`, `[Dé]`…) crée un composant de ce type ; chaque
ligne `Clé = valeur` qui suit règle une clé, dans l'ordre, comme la fenêtre de propriétés
l'enverrait ; `Gauche`, `Haut`, `Largeur` et `Hauteur` s'appliquent ensemble à la fin de la
section, quel que soit leur ordre. La colonne « Défaut » donne la valeur d'un composant neuf dans une feuille. Les
longueurs sont en centimètres avec une virgule décimale, les positions (`Gauche`, `Haut`)
comptées depuis les marges ; les couleurs s'écrivent par leur nom (noir, blanc, gris, gris clair,
rouge, rose, orange, jaune, jaune clair, vert, vert clair, bleu, bleu clair, bleu ciel, turquoise,
violet, marron, beige ; sans souci des accents ni des majuscules), en `#RRGGBB` (#FF8000) ou par le
nombre 0xBBGGRR en décimal (255 rouge) ou en hexadécimal (0xFFCC99) ; les polices s'écrivent `nom,taille,couleur,styles`
(`Andika,14,0,gras`). Les clés « feuilles seulement » font depuis une feuille le travail
d'une fenêtre de l'éditeur (les opérandes, les données d'un graphe…). Les clés « tous les
types » valent pour chaque section : `Consigne` écrit une ou deux lignes de consigne en haut du
cadre, et l'exercice se place dessous. Les clés de `[Page]` sont décrites dans le README.

Cette page est produite par `mathsheet keys --all --markdown` ; ne la modifiez pas à la main.
`mathsheet keys TYPE` donne les clés d'un seul type.
)";

} // namespace

std::string ReferenceCles(const TCatalogue& catalogue, const TTypeComposant& type,
                          FormatCles format) {
    return format == FormatCles::Markdown ? markdown(catalogue, type) : texte(type);
}

std::string ReferenceToutesCles(const TCatalogue& catalogue, FormatCles format) {
    std::string sortie = format == FormatCles::Markdown ? kIntroduction : "";
    for (const TTypeComposant& type : catalogue.Types()) {
        if (type.cles.empty())
            continue;
        if (format == FormatCles::Markdown)
            sortie += "\n" + markdown(catalogue, type);
        else
            sortie += (sortie.empty() ? "[" : "\n[") + type.nom + "]\n" + texte(type);
    }
    return sortie;
}
