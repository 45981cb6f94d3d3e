#include "chart/GrapheFeuille.h"

#include "chart/EditionGraphe.h"
#include "host/Conversions.h"
#include "platform/Text.h"

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace {

// Points without a colour take the chart palette's in turn.
using chart::kPalette;

// The fields of a value, read: a "\\;" or "\\|" in a label or a title is plain text.
std::vector<std::string> Champs(std::string_view valeur, char separateur) {
    std::vector<std::string> v;
    for (const std::string_view c : SplitEscaped(valeur, separateur))
        v.push_back(UnescapeField(Trim(c)));
    return v;
}

// The points of a "Points" value, each still to split into its fields.
std::vector<std::string_view> Groupes(std::string_view valeur) {
    std::vector<std::string_view> v;
    for (const std::string_view g : SplitEscaped(valeur, '|'))
        v.push_back(Trim(g));
    return v;
}

bool Entier(const std::string& texte, int min, int max, int& v, const std::string& quoi,
            std::string& message) {
    const std::optional<long long> n = ParseInteger(texte, min, max);
    if (!n) {
        message = quoi + " «\u00A0" + texte + "\u00A0»\u00A0: un entier de " + std::to_string(min) +
                  " à " + std::to_string(max) + " est attendu";
        return false;
    }
    v = int(*n);
    return true;
}

bool Serie(TvlGraphe& g, EditionGraphe& e, const std::string& valeur, std::string& message) {
    const std::vector<std::string> c = Champs(valeur, ';');
    SerieEdition s;
    for (int t = 0; t < int(std::size(kTypesSerie)); ++t)
        if (!c.empty() && c[0] == kTypesSerie[t])
            s.type = t;
    if (s.type < 0) {
        message = "type de série inconnu «\u00A0" + (c.empty() ? std::string() : c[0]) +
                  "\u00A0» (Lignes, Aires, Points, Histogrammes verticaux, Histogrammes "
                  "horizontaux, Secteurs ou Traits)";
        return false;
    }
    if (c.size() > 1)
        s.titre = c[1];
    if (c.size() > 2 && !c[2].empty() &&
        !Entier(c[2], 0, chart::kStyleMarquesMax, s.styleMarques, "style des marques", message))
        return false;
    // The first series a sheet gives replaces the one made with the chart, and its titles.
    if (!g.feuilleSeriesDonnees) {
        e.series.clear();
        g.liensAttendus.clear();
        e.titre.clear();
        e.titreY.clear();
    }
    g.feuilleSeriesDonnees = true;
    e.series.push_back(std::move(s));
    return true;
}

bool Couleur(const std::string& texte, std::size_t rang, TColor& couleur, std::string& message) {
    if (texte.empty()) {
        couleur = kPalette[rang % std::size(kPalette)];
        return true;
    }
    const std::optional<long long> v = ParseInteger(texte, 0, 0xFFFFFF, {.hex = true});
    if (!v) {
        message =
            "couleur «\u00A0" + texte + "\u00A0»\u00A0: une valeur de 0 à 0xFFFFFF est attendue";
        return false;
    }
    couleur = TColor(*v);
    return true;
}

bool NombreOuVide(const std::string& texte, const std::string& quoi, std::string& message) {
    double v = 0;
    if (texte.empty() || EditionGraphe::LitNombre(texte, v))
        return true;
    message = quoi + " «\u00A0" + texte + "\u00A0» n'est pas un nombre";
    return false;
}

bool Points(EditionGraphe& e, const std::string& valeur, std::string& message) {
    if (e.series.empty()) {
        message = "«\u00A0Points\u00A0» demande une «\u00A0Serie\u00A0» avant lui";
        return false;
    }
    std::vector<PointEdition> points;
    for (const std::string_view p : Groupes(valeur)) {
        std::vector<std::string> c = Champs(p, ';');
        c.resize(std::max<std::size_t>(c.size(), 4));
        if (c.size() > 4) {
            message =
                "point «\u00A0" + std::string(p) + "\u00A0»\u00A0: libellé; X; Y; couleur attendus";
            return false;
        }
        PointEdition pe{c[0], c[1], c[2], clWhite};
        if (!NombreOuVide(c[1], "X", message) || !NombreOuVide(c[2], "Y", message) ||
            !Couleur(c[3], points.size(), pe.couleur, message))
            return false;
        if (c[1].empty() && c[2].empty()) {
            message = "point «\u00A0" + std::string(p) + "\u00A0» sans X ni Y";
            return false;
        }
        points.push_back(std::move(pe));
    }
    e.series.back().points = std::move(points);
    return true;
}

bool Axe(BornesAxe& a, const std::string& valeur, std::string& message) {
    if (valeur == "auto") {
        a.automatique = true;
        return true;
    }
    const std::vector<std::string> c = Champs(valeur, ';');
    double min = 0, max = 0;
    if (c.size() != 2 || !EditionGraphe::LitNombre(c[0], min) ||
        !EditionGraphe::LitNombre(c[1], max) || min >= max) {
        message =
            "axe «\u00A0" + valeur +
            "\u00A0»\u00A0: «\u00A0auto\u00A0» ou «\u00A0min;max\u00A0» avec min < max attendu";
        return false;
    }
    a = {false, min, max};
    return true;
}

// Sets one attribute of the series' link to the grid and copies the linked cells into its
// points; a series still without points takes one a linked cell.
bool Lie(TvlGraphe& graphe, EditionGraphe& e, const LienAttendu& attendu, const TComposant& grille,
         std::string& message) {
    TInfoReponse colonnes, lignes;
    const TProjectInterface* projet = graphe.Interface();
    if (projet == nullptr || !grille.Info(1, colonnes) || !grille.Info(2, lignes)) {
        message = "«\u00A0" + attendu.grille + "\u00A0» n'est pas une grille du document";
        return false;
    }
    if (attendu.serie < 0 || std::size_t(attendu.serie) >= e.series.size())
        return true;
    const int k = attendu.attribut;
    LienImport l = e.series[std::size_t(attendu.serie)].lien;
    l.Source[k] = grille.Identifiant();
    l.Colonne[k] = attendu.lien.Colonne[k];
    l.Numero[k] = attendu.lien.Numero[k];
    l.Premier[k] = attendu.lien.Premier[k];
    l.Dernier[k] = attendu.lien.Dernier[k];
    if (e.Colonnes(attendu.serie) == 0) {
        const std::size_t cellules =
            CellulesLiees(l, k, colonnes.entier, lignes.entier, EditionGraphe::kColonnesMax).size();
        if (cellules > 0)
            e.Redimensionne(attendu.serie, int(cellules));
    }
    e.LieImport(attendu.serie, l, *projet);
    return true;
}

bool Lien(TvlGraphe& graphe, EditionGraphe& e, const std::string& valeur, std::string& message) {
    if (e.series.empty()) {
        message = "«\u00A0Lien\u00A0» demande une «\u00A0Serie\u00A0» avant lui";
        return false;
    }
    static const char* const kAttributs[] = {"Libellé", "Abscisse", "Ordonnée", "Couleur"};
    const std::vector<std::string> c = Champs(valeur, ';');
    if (c.size() != 6) {
        message = "lien «\u00A0" + valeur +
                  "\u00A0»\u00A0: attribut; grille; ligne ou colonne; numéro; "
                  "de; à attendus";
        return false;
    }
    int k = -1;
    for (int i = 0; i < 4; ++i)
        if (c[0] == kAttributs[i])
            k = i;
    if (k < 0) {
        message = "attribut «\u00A0" + c[0] +
                  "\u00A0»\u00A0: Libellé, Abscisse, Ordonnée ou Couleur attendu";
        return false;
    }
    if (c[2] != "ligne" && c[2] != "colonne") {
        message = "«\u00A0" + c[2] + "\u00A0»\u00A0: ligne ou colonne attendu";
        return false;
    }
    int numero = 0, premier = 0, dernier = 0;
    constexpr int kMax = 9999;
    if (!Entier(c[3], 0, kMax, numero, "numéro", message) ||
        !Entier(c[4], 0, kMax, premier, "première cellule", message) ||
        !Entier(c[5], 0, kMax, dernier, "dernière cellule", message))
        return false;
    LienAttendu attendu{int(e.series.size()) - 1, k, c[1], {}, valeur};
    attendu.lien.Colonne[k] = c[2] == "colonne";
    attendu.lien.Numero[k] = numero;
    attendu.lien.Premier[k] = premier;
    attendu.lien.Dernier[k] = dernier;
    const TProjectInterface* projet = graphe.Interface();
    const TComposant* grille = projet != nullptr ? projet->TrouveComposant(c[1]) : nullptr;
    // A grid made further down the sheet is linked once every component exists.
    if (grille == nullptr) {
        graphe.liensAttendus.push_back(std::move(attendu));
        return true;
    }
    return Lie(graphe, e, attendu, *grille, message);
}

bool Decimal(const std::string& texte, double borne, double& v, const std::string& quoi,
             std::string& message) {
    if (EditionGraphe::LitNombre(texte, v) && v >= -borne && v <= borne)
        return true;
    const std::string b = EditionGraphe::EcritNombre(borne);
    message = quoi + " «\u00A0" + texte + "\u00A0»\u00A0: un nombre de -" + b + " à " + b +
              " est attendu";
    return false;
}

// The last series, or a message naming the key that needs one.
SerieEdition* Derniere(EditionGraphe& e, const std::string& cle, std::string& message) {
    if (e.series.empty()) {
        message = "«\u00A0" + cle + "\u00A0» demande une «\u00A0Serie\u00A0» avant lui";
        return nullptr;
    }
    e.courante = int(e.series.size()) - 1;
    return &e.series.back();
}

// The last series when it has points to fill, or a message naming the key.
SerieEdition* AvecPoints(EditionGraphe& e, const std::string& cle, std::string& message) {
    SerieEdition* s = Derniere(e, cle, message);
    if (s != nullptr && s->points.empty()) {
        message = "«\u00A0" + cle +
                  "\u00A0»\u00A0: la série n'a pas de points, «\u00A0Colonnes\u00A0» les donne";
        return nullptr;
    }
    return s;
}

bool Colonnes(EditionGraphe& e, const std::string& valeur, std::string& message) {
    int n = 0;
    if (Derniere(e, "Colonnes", message) == nullptr ||
        !Entier(valeur, EditionGraphe::kColonnesMin, EditionGraphe::kColonnesMax, n, "colonnes",
                message))
        return false;
    e.Redimensionne(e.courante, n);
    return true;
}

// Suite = choice (1..8, the dialog's order); start; multiplier; case (0..2).
bool Suite(EditionGraphe& e, const std::string& valeur, std::string& message) {
    if (AvecPoints(e, "Suite", message) == nullptr)
        return false;
    std::vector<std::string> c = Champs(valeur, ';');
    if (c.size() < 2 || c.size() > 4) {
        message = "suite «\u00A0" + valeur +
                  "\u00A0»\u00A0: choix; départ; multiplicateur; casse attendus";
        return false;
    }
    c.resize(4);
    constexpr int kDepartMax = 1000000;
    ReglagesSuite r;
    if (!Entier(c[0], 1, int(std::size(kChoixSuite)), r.choix, "choix de suite", message) ||
        !Entier(c[1], -kDepartMax, kDepartMax, r.depart, "départ", message) ||
        (!c[2].empty() &&
         !Decimal(c[2], kDepartMax, r.multiplicateur, "multiplicateur", message)) ||
        (!c[3].empty() &&
         !Entier(c[3], 0, int(std::size(kCassesSuite)) - 1, r.casse, "casse", message)))
        return false;
    --r.choix;
    const int ligne = r.choix == kChoixSuiteArcEnCiel ? kLigneCouleur : kLigneLibelle;
    e.RemplitSuite(e.courante, {1, ligne, e.Colonnes(e.courante), ligne}, r);
    return true;
}

// Nombres = minimum; maximum excluded; m or d; factor; addend: drawn Y values.
bool Nombres(EditionGraphe& e, const std::string& valeur, std::string& message) {
    if (AvecPoints(e, "Nombres", message) == nullptr)
        return false;
    std::vector<std::string> c = Champs(valeur, ';');
    if (c.size() < 2 || c.size() > 5) {
        message = "nombres «\u00A0" + valeur +
                  "\u00A0»\u00A0: minimum; maximum; m ou d; facteur; ajout attendus";
        return false;
    }
    c.resize(5);
    constexpr int kBorne = 1000000000;
    int minimum = 0, maximum = 0;
    ReglagesAleatoires r;
    if (!Entier(c[0], 0, kBorne, minimum, "minimum", message) ||
        !Entier(c[1], 0, kBorne, maximum, "maximum", message))
        return false;
    if (c[2] != "" && c[2] != "m" && c[2] != "d") {
        message = "«\u00A0" + c[2] + "\u00A0»\u00A0: m (multiplier) ou d (diviser) attendu";
        return false;
    }
    r.minimum = minimum;
    r.maximum = maximum;
    r.multiplier = c[2] != "d";
    if ((!c[3].empty() && !Decimal(c[3], kBorne, r.facteur, "facteur", message)) ||
        (!c[4].empty() && !Decimal(c[4], kBorne, r.ajout, "ajout", message)))
        return false;
    e.RemplitAleatoire(e.courante, {1, kLigneY, e.Colonnes(e.courante), kLigneY}, r);
    return true;
}

std::vector<std::string> Lignes(const std::string& valeur) {
    return valeur.empty() ? std::vector<std::string>{} : Champs(valeur, '|');
}

} // namespace

const std::vector<CleFeuille>& ClesFeuilleGraphe() {
    static const std::vector<CleFeuille> cles = {
        {"Serie", "type; titre; marques (0 à 8)\u00A0: commence une série"},
        {"Points", "libellé;X;Y;couleur | …\u00A0: les points de la série"},
        {"Titre", "lignes du titre séparées par |"},
        {"Pied", "lignes du pied séparées par |"},
        {"TitreAxeX", "titre de l'axe horizontal"},
        {"TitreAxeY", "titre de l'axe vertical"},
        {"AxeX", "auto ou min;max"},
        {"AxeY", "auto ou min;max"},
        {"Lien", "attribut; grille; ligne ou colonne; numéro; de; à"},
        {"Colonnes", "nombre de points de la série, entier de 1 à 100"},
        {"Suite", "choix; départ; multiplicateur; casse\u00A0: des libellés en suite"},
        {"Nombres", "minimum; maximum; m ou d; facteur; ajout\u00A0: des valeurs tirées"}};
    return cles;
}

bool AppliqueCleFeuilleGraphe(TComposant& composant, const std::string& cle,
                              const std::string& valeur, std::string& message) {
    auto* g = dynamic_cast<TvlGraphe*>(&composant);
    if (g == nullptr)
        return false;
    EditionGraphe& e = g->Feuille();
    bool ok = false;
    if (cle == "Serie")
        ok = Serie(*g, e, valeur, message);
    else if (cle == "Points")
        ok = Points(e, valeur, message);
    else if (cle == "Lien")
        ok = Lien(*g, e, valeur, message);
    else if (cle == "Colonnes")
        ok = Colonnes(e, valeur, message);
    else if (cle == "Suite")
        ok = Suite(e, valeur, message);
    else if (cle == "Nombres")
        ok = Nombres(e, valeur, message);
    else if (cle == "AxeX")
        ok = Axe(e.axeX, valeur, message);
    else if (cle == "AxeY")
        ok = Axe(e.axeY, valeur, message);
    else if (cle == "Titre" || cle == "Pied")
        (cle == "Titre" ? e.titre : e.pied) = Lignes(valeur), ok = true;
    else if (cle == "TitreAxeX" || cle == "TitreAxeY")
        (cle == "TitreAxeX" ? e.titreX : e.titreY) = valeur, ok = true;
    if (!ok || !e.Transfere(*g, message))
        return false;
    g->MiseAJourImports();
    return true;
}

bool FinitFeuilleGraphe(TComposant& composant, std::string& message) {
    auto* g = dynamic_cast<TvlGraphe*>(&composant);
    if (g == nullptr || g->liensAttendus.empty())
        return true;
    EditionGraphe& e = g->Feuille();
    const std::vector<LienAttendu> attendus = std::exchange(g->liensAttendus, {});
    const TProjectInterface* projet = g->Interface();
    for (const LienAttendu& attendu : attendus) {
        const TComposant* grille =
            projet != nullptr ? projet->TrouveComposant(attendu.grille) : nullptr;
        if (grille == nullptr) {
            message = "«\u00A0" + attendu.grille + "\u00A0» n'est pas une grille du document";
        } else if (Lie(*g, e, attendu, *grille, message)) {
            continue;
        }
        message = "lien «\u00A0" + attendu.texte + "\u00A0»\u00A0: " + message;
        return false;
    }
    if (!e.Transfere(*g, message))
        return false;
    g->MiseAJourImports();
    return true;
}
