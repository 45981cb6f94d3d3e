#include "chart/Graphe.h"

#include "chart/GrapheCles.h"
#include "chart/GrapheEdit2Modele.h"
#include "common/Setters.h"
#include "host/Conversions.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Random.h"
#include "platform/StringList.h"
#include "platform/Text.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A stored font as a canvas font: height -(size x 254 / 72) tenths of a millimetre.
TFont EnUnites(const Fonte& f) {
    TFont t;
    t.Name = f.NomPolice();
    t.Height = -(f.Taille * 254 / 72);
    t.Color = f.Couleur;
    t.Style = f.Style;
    return t;
}

chart::Mur MurDe(int brosse, TColor couleur, int taille) {
    return {brosse, couleur, taille};
}

TStringList Liste(const std::vector<std::string>& lignes) {
    TStringList l;
    for (const std::string& s : lignes)
        l.Add(s);
    return l;
}

std::vector<std::string> Lignes(const TStringList& l) {
    std::vector<std::string> v;
    for (int i = 0; i < l.Count(); ++i)
        v.push_back(l[i]);
    return v;
}

bool SauveAxe(TStream& s, const BornesAxe& a) {
    return WriteBool(s, a.automatique) && WriteDouble(s, a.min) && WriteDouble(s, a.max);
}

bool LitFini(TStream& s, double& v, std::string_view champ) {
    if (!ReadDouble(s, v))
        return false;
    if (std::isfinite(v))
        return true;
    s.Refuse(std::string(champ) + "\u00A0: nombre non fini");
    return false;
}

bool ChargeAxe(TStream& s, BornesAxe& a) {
    return ReadBool(s, a.automatique) && LitFini(s, a.min, "Axe.Min") &&
           LitFini(s, a.max, "Axe.Max");
}

// "2 entrées de légende et 1 étiquette ne tiennent pas dans le cadre".
std::string DecritOmissions(const chart::Omissions& o) {
    const struct {
        int n;
        const char* un;
        const char* plusieurs;
    } parties[] = {{o.legende, "entrée de légende", "entrées de légende"},
                   {o.libelles, "libellé d'axe", "libellés d'axe"},
                   {o.marques, "étiquette", "étiquettes"},
                   {o.titres, "ligne de titre", "lignes de titre"}};
    std::vector<std::string> textes;
    int total = 0;
    for (const auto& p : parties)
        if (p.n > 0) {
            textes.push_back(std::to_string(p.n) + " " + (p.n == 1 ? p.un : p.plusieurs));
            total += p.n;
        }
    std::string t;
    for (std::size_t i = 0; i < textes.size(); ++i)
        t += (i == 0 ? "" : i + 1 == textes.size() ? " et " : ", ") + textes[i];
    return t + (total == 1 ? " ne tient pas" : " ne tiennent pas") + " dans le cadre";
}

// The smallest bytes a saved point takes: empty label, X, Y, colour.
constexpr std::size_t kOctetsPoint = 4 + 8 + 8 + 4;

} // namespace

TvlGraphe::TvlGraphe(TCadre* cadre) : Kind(cadre, "Graphe", NUMERO, VERSION) {
    chart::Serie serie;
    serie.type = chart::TypeSerie::Barres;
    const struct {
        const char* libelle;
        TColor couleur;
    } stock[] = {{"Vis", clRed},
                 {"Boulons", clBlue},
                 {"Clous", clGreen},
                 {"Ecrous", clYellow},
                 {"Rivets", clMaroon}};
    int x = 0;
    for (const auto& p : stock)
        serie.points.push_back({p.libelle, double(x++), double(Random() % 25 + 5), p.couleur});
    donnees_.series.push_back(std::move(serie));
    donnees_.liens.push_back(LienImport{});
    donnees_.titre = {"Visserie Brodel"};
    donnees_.titreGauche = "Etat du stock x1000";
    Installe();
}

TableCles TvlGraphe::Cles() const {
    return kClesGraphe;
}

bool TvlGraphe::DblClk(int, vlPoint) {
    // The data editor writes into the chart itself ("apply", or leave with transfer); an editor
    // that only answers OK leaves the transfer to this. Without an editor nothing changes.
    GrapheEdit2Modele edition(*this);
    const int resultat = Ui().ShowModal("GrapheEdit2", edition);
    if (resultat == mrOk && edition.transferts == 0) {
        std::string message;
        if (!edition.Transfere(*this, message)) {
            Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
            return false;
        }
    } else if (edition.transferts == 0) {
        return false;
    }
    // On close the series take the marks settings again and the axes labels go back to Arial.
    AppliqueOptions();
    bloc_.FonteAxes.ChangeNom("Arial");
    return true;
}

void TvlGraphe::RestaureStandardNonApplique() {
    bloc_ = GrapheOptions{};
    bloc_.FonteCorps.Copie(GlobalFonte());
    for (Fonte* f : {&bloc_.FonteTitre, &bloc_.FontePied, &bloc_.FonteLegende,
                     &bloc_.FonteAnnotation, &bloc_.FonteAxes, &bloc_.FonteAxesTitre})
        *f = bloc_.FonteCorps;
    RafraichitPosition(bloc_.Position, bloc_.Taille);
}

bool TvlGraphe::Sauve(TStream& s) {
    RafraichitPosition(bloc_.Position, bloc_.Taille);
    return CommonComponent::Sauve(s);
}

void TvlGraphe::AppliqueOptions() {
    CommonComponent::AppliqueOptions();
    Pinceau.Width = bloc_.StylePinceauCadre == psSolid ? bloc_.TaillePinceauCadre : 1;
}

std::optional<bool> TvlGraphe::ChangeOptionPropre(int index, const std::string& valeur,
                                                  std::string& message) {
    switch (index) {
    case CleGraphe::CouleurRect:
    case CleGraphe::FondTransparent:
    case CleGraphe::MurTransparentGauche:
    case CleGraphe::MurTransparentFond:
    case CleGraphe::MurTransparentBas:
        message = "la clé «\u00A0" + std::string(kClesGraphe[std::size_t(index)].nom) +
                  "\u00A0» est sans effet sur un graphe\u00A0: retirez-la";
        return false;
    case CleGraphe::Pourcentage3D:
        bloc_.Pourcentage3D = std::int16_t(std::clamp(EntierLibre(valeur), 0, 100));
        return true;
    case CleGraphe::Rotation3D:
        bloc_.Rotation3D = std::int16_t(((EntierLibre(valeur) % 360) + 360) % 360);
        return true;
    case CleGraphe::MiseAJour:
        MiseAJourImports();
        return false;
    default:
        return std::nullopt;
    }
}

chart::Modele TvlGraphe::Modele() const {
    const GrapheOptions& b = bloc_;
    chart::Modele m;
    m.fond = b.CouleurFond;
    // The gradient shows once asked for, or once its colours or direction are not the factory's.
    const GrapheOptions usine{};
    m.gradient = b.GradientVisible != 0 || b.CouleurGradientDeb != usine.CouleurGradientDeb ||
                 b.CouleurGradientFin != usine.CouleurGradientFin ||
                 b.DirectionGradient != usine.DirectionGradient;
    m.hachures = b.Hachures != 0;
    m.gradientDebut = b.CouleurGradientDeb;
    m.gradientFin = b.CouleurGradientFin;
    m.directionGradient = b.DirectionGradient;
    m.cadre = TPen{b.CouleurPinceauCadre, b.StylePinceauCadre == psSolid ? b.TaillePinceauCadre : 1,
                   TPenStyle(b.StylePinceauCadre), pmCopy};
    m.titre = donnees_.titre;
    m.pied = donnees_.pied;
    m.fonteTitre = EnUnites(b.FonteTitre);
    m.fontePied = EnUnites(b.FontePied);
    m.fonteLegende = EnUnites(b.FonteLegende);
    m.aligneTitre = b.AligneTitre;
    m.alignePied = b.AlignePied;
    m.aligneLegende = b.AligneLegende;
    m.titreVisible = b.VisibleTitre != 0;
    m.piedVisible = b.VisiblePied != 0;
    m.legendeVisible = b.VisibleLegende != 0;
    m.couleurLegende = b.CouleurLegende;
    m.fonteMarques = EnUnites(b.FonteAnnotation);
    m.fondMarques = b.CouleurAnnotation;
    m.cadreMarques = b.CadreAnnotation != 0;
    m.marquesVisibles = b.AnnotationsVisibles != 0;
    const auto axe = [&](chart::Axe& a, bool visible, bool inverse, bool libelles, bool surAxe,
                         const BornesAxe& bornes, const std::string& titre) {
        a.visible = visible;
        a.inverse = inverse;
        a.libelles = libelles;
        a.libellesSurAxe = surAxe;
        a.automatique = bornes.automatique;
        a.min = bornes.min;
        a.max = bornes.max;
        a.titre = titre;
        a.fonteLibelles = EnUnites(b.FonteAxes);
        a.fonteTitre = EnUnites(b.FonteAxesTitre);
    };
    axe(m.gauche, b.AxeGauche != 0, b.AxesInversesY != 0, b.LibellesAffichesY != 0,
        b.LibellesSurAxesY != 0, donnees_.gauche, donnees_.titreGauche);
    axe(m.bas, b.AxeBas != 0, b.AxesInversesX != 0, b.LibellesAffichesX != 0,
        b.LibellesSurAxesX != 0, donnees_.bas, donnees_.titreBas);
    axe(m.profondeur, b.AxeProfondeur != 0, false, true, true, {}, {});
    m.murGauche = MurDe(b.BrosseMurGauche, b.CouleurMurGauche, b.TailleMurGauche);
    m.murFond = MurDe(b.BrosseMurFond, b.CouleurMurFond, b.TailleMurFond);
    m.murBas = MurDe(b.BrosseMurBas, b.CouleurMurBas, b.TailleMurBas);
    m.mursVisibles = b.MursVisibles != 0;
    m.vue3D = b.Vue3D != 0;
    m.pourcentage3D = b.Pourcentage3D;
    m.rotation3D = b.Rotation3D;
    m.orthogonal3D = b.Orthogonal3D != 0;
    m.series = donnees_.series;
    return m;
}

void TvlGraphe::Tracer(TCanvas& canvas, bool) {
    avertissement_.clear();
    const vlRect r = Rect.Normalise();
    if (r.Width() < 100 || r.Height() < 100) {
        avertissement_ =
            "Graphe «\u00A0" + Nom() + "\u00A0»\u00A0: cadre trop petit pour le dessin";
        return;
    }
    chart::Omissions omis;
    if (!chart::Dessine(Modele(), canvas, r, &omis))
        avertissement_ =
            "Graphe «\u00A0" + Nom() +
            "\u00A0»\u00A0: pas de place pour le tracé, agrandir le cadre ou réduire les polices";
    else if (omis.Perdus() > 0)
        avertissement_ = "Graphe «\u00A0" + Nom() + "\u00A0»\u00A0: " + DecritOmissions(omis) +
                         ", agrandir le cadre ou réduire les textes";
}

// The warning speaks of the last drawing: a view that hides the chart has nothing left out.
void TvlGraphe::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    avertissement_.clear();
    if (ContenuVisible(bloc_.Mode, mode))
        Tracer(canvas, false);
}

void TvlGraphe::Imprime(TCanvas& canvas, int mode, TPlanche*) {
    avertissement_.clear();
    if (ContenuVisible(bloc_.Mode, mode))
        Tracer(canvas, true);
}

EditionGraphe& TvlGraphe::Feuille() {
    if (!feuille_.donnees)
        feuille_.donnees = std::make_shared<EditionGraphe>(EditionGraphe::Ouvre(*this));
    return *feuille_.donnees;
}

// ---- Import links ----

void TvlGraphe::MiseAJourImports() {
    const TProjectInterface* projet = Interface();
    if (projet == nullptr)
        return;
    const std::size_t n = std::min(donnees_.series.size(), donnees_.liens.size());
    for (std::size_t s = 0; s < n; ++s) {
        const LienImport lien = donnees_.liens[s];
        for (int k = 0; k < kAttributs; ++k) {
            if (lien.Source[k] == 0)
                continue;
            const TComposant* source = projet->TrouveComposant(lien.Source[k]);
            TInfoReponse colonnes, lignes;
            if (source == nullptr || !source->Info(1, colonnes) || !source->Info(2, lignes))
                continue;
            const std::vector<int> cellules = CellulesLiees(lien, k, colonnes.entier, lignes.entier,
                                                            int(donnees_.series[s].points.size()));
            for (std::size_t j = 0; j < cellules.size(); ++j)
                DecoderValeur(int(s), int(j), k, cellules[j], *source);
        }
    }
}

void TvlGraphe::DecoderValeur(int serie, int point, int attribut, int cellule,
                              const TComposant& source) {
    if (serie < 0 || std::size_t(serie) >= donnees_.series.size())
        return;
    auto& points = donnees_.series[std::size_t(serie)].points;
    if (point < 0 || std::size_t(point) >= points.size())
        return;
    TInfoReponse r;
    r.cellule.index = cellule;
    if (!source.Info(3, r) || !r.cellule.trouve)
        return;
    chart::PointSerie& p = points[std::size_t(point)];
    // An empty cell, or text where a number is wanted, changes nothing.
    double nombre = 0;
    const std::string texte(Trim(r.cellule.texte));
    const bool estNombre = ParseDecimal(texte, nombre) && std::isfinite(nombre);
    switch (attribut) {
    case 0:
        if (!texte.empty())
            p.libelle = r.cellule.texte;
        break;
    case 1:
        if (estNombre)
            p.x = nombre;
        break;
    case 2:
        if (estNombre)
            p.y = nombre;
        break;
    case 3:
        p.couleur = r.cellule.couleur & 0xFFFFFF;
        break;
    default:
        break;
    }
}

// ---- Record ----

bool TvlGraphe::SauveDonnees(TStream& s) {
    for (const chart::Serie& serie : donnees_.series) {
        if (!WriteShort(s, std::int16_t(serie.type)) || !WriteString(s, serie.titre) ||
            !WriteLong(s, serie.styleMarques) || !WriteLong(s, std::int32_t(serie.points.size())))
            return false;
        for (const chart::PointSerie& p : serie.points)
            if (!WriteString(s, p.libelle) || !WriteDouble(s, p.x) || !WriteDouble(s, p.y) ||
                !WriteLong(s, p.couleur))
                return false;
    }
    if (!WriteShort(s, 0) || !WriteStrings(s, Liste(donnees_.titre)) ||
        !WriteStrings(s, Liste(donnees_.pied)) || !WriteString(s, donnees_.titreGauche) ||
        !WriteString(s, donnees_.titreBas) || !SauveAxe(s, donnees_.gauche) ||
        !SauveAxe(s, donnees_.bas) || !WriteLong(s, std::int32_t(donnees_.liens.size())))
        return false;
    for (const LienImport& l : donnees_.liens)
        if (!WriteBuffer(s, &l, sizeof l))
            return false;
    return true;
}

bool TvlGraphe::ChargeDonnees(TStream& s) {
    donnees_ = {};
    for (;;) {
        std::int16_t type = 0;
        if (!ReadShortIn(s, type, 0, chart::kTypeSerieMax, "Serie.Type"))
            return false;
        if (type == 0)
            break;
        chart::Serie serie;
        serie.type = chart::TypeSerie(type);
        std::int32_t style = 0, n = 0;
        if (Version >= 2 && (!ReadString(s, serie.titre) ||
                             !ReadLongIn(s, style, 0, chart::kStyleMarquesMax, "Serie.Marques")))
            return false;
        serie.styleMarques = style;
        const auto place =
            std::int64_t(std::min<std::size_t>(s.Remaining() / kOctetsPoint, 1 << 24));
        if (!ReadLong(s, n) || !VerifiePlage(s, n, 0, place, "Serie.NbPoints"))
            return false;
        serie.points.resize(std::size_t(n));
        for (chart::PointSerie& p : serie.points) {
            std::int32_t couleur = 0;
            if (!ReadString(s, p.libelle) || !LitFini(s, p.x, "Point.X") ||
                !LitFini(s, p.y, "Point.Y") ||
                !ReadLongIn(s, couleur, 0, 0xFFFFFF, "Point.Couleur"))
                return false;
            p.couleur = couleur;
        }
        donnees_.series.push_back(std::move(serie));
    }
    TStringList titre, pied;
    if (!ReadStrings(s, titre) || !ReadStrings(s, pied) || !ReadString(s, donnees_.titreGauche) ||
        !ReadString(s, donnees_.titreBas) || !ChargeAxe(s, donnees_.gauche) ||
        !ChargeAxe(s, donnees_.bas))
        return false;
    donnees_.titre = Lignes(titre);
    donnees_.pied = Lignes(pied);
    std::int32_t liens = 0;
    const auto place = std::int64_t(s.Remaining() / sizeof(LienImport));
    if (!ReadLong(s, liens) || !VerifiePlage(s, liens, 0, place, "Liens"))
        return false;
    donnees_.liens.resize(std::size_t(liens));
    for (LienImport& l : donnees_.liens) {
        if (!ReadBuffer(s, &l, sizeof l))
            return false;
        for (std::uint8_t& c : l.Colonne)
            c = c != 0;
    }
    return true;
}

std::string TvlGraphe::DecritLien(const LienImport& l, int k) const {
    static const char* const kAttributsLien[] = {"Libellé", "Abscisse", "Ordonnée", "Couleur"};
    const TProjectInterface* projet = Interface();
    const TComposant* source = projet != nullptr ? projet->TrouveComposant(l.Source[k]) : nullptr;
    const std::string grille = source != nullptr ? EscapeField(source->Nom()) : "(grille disparue)";
    return std::string(kAttributsLien[k]) + "; " + grille + "; " +
           (l.Colonne[k] ? "colonne" : "ligne") + "; " + std::to_string(l.Numero[k]) + "; " +
           std::to_string(l.Premier[k]) + "; " + std::to_string(l.Dernier[k]);
}

std::vector<std::string> TvlGraphe::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    for (const TCleValeur& donnee : donneesFeuille())
        lignes.push_back(donnee.cle + " = " + donnee.valeur);
    return lignes;
}

std::vector<TCleValeur> TvlGraphe::donneesFeuille() const {
    static const char* const kTypes[] = {
        "Lignes",   "Aires", "Points", "Histogrammes verticaux", "Histogrammes horizontaux",
        "Secteurs", "Traits"};
    const auto joint = [](const std::vector<std::string>& v) {
        std::string t;
        for (const std::string& s : v)
            t += (t.empty() ? "" : "|") + EscapeField(s);
        return t;
    };
    const auto bornes = [](const BornesAxe& a) {
        return a.automatique ? std::string("auto")
                             : chart::FormateNombre(a.min) + ";" + chart::FormateNombre(a.max);
    };
    std::vector<TCleValeur> donnees;
    for (std::size_t s = 0; s < donnees_.series.size(); ++s) {
        const chart::Serie& serie = donnees_.series[s];
        donnees.push_back({"Serie", std::string(kTypes[int(serie.type) - 1]) + "; " +
                                        EscapeField(serie.titre) + "; " +
                                        std::to_string(serie.styleMarques)});
        std::string points;
        for (const chart::PointSerie& p : serie.points)
            points += (points.empty() ? "" : " | ") + EscapeField(p.libelle) + ";" +
                      chart::FormateNombre(p.x) + ";" + chart::FormateNombre(p.y) + ";" +
                      std::to_string(p.couleur);
        donnees.push_back({"Points", points});
        if (s >= donnees_.liens.size())
            continue;
        const LienImport& l = donnees_.liens[s];
        for (int k = 0; k < kAttributs; ++k)
            if (l.Source[k] != 0)
                donnees.push_back({"Lien", DecritLien(l, k)});
    }
    donnees.push_back({"Titre", joint(donnees_.titre)});
    donnees.push_back({"Pied", joint(donnees_.pied)});
    donnees.push_back({"TitreAxeX", donnees_.titreBas});
    donnees.push_back({"TitreAxeY", donnees_.titreGauche});
    donnees.push_back({"AxeX", bornes(donnees_.bas)});
    donnees.push_back({"AxeY", bornes(donnees_.gauche)});
    return donnees;
}
