#include "chart/EditionGraphe.h"

#include "chart/engine/Chart.h"
#include "host/Composant.h"
#include "host/Conversions.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

constexpr TColor Bgr(int r, int g, int b) {
    return TColor(r | (g << 8) | (b << 16));
}

// Colours that stay apart on a grey-scale or colour print, none pale.
constexpr TColor kCouleursColonnes[] = {
    Bgr(0x00, 0x72, 0xB2), Bgr(0xD5, 0x5E, 0x00), Bgr(0x00, 0x9E, 0x73), Bgr(0xE6, 0x9F, 0x00),
    Bgr(0xCC, 0x79, 0xA7), Bgr(0x56, 0xB4, 0xE9), Bgr(0x55, 0x55, 0x55), Bgr(0x8C, 0x56, 0x4B)};

bool Vide(const std::string& texte) {
    return Trim(texte).empty();
}

} // namespace

EditionGraphe EditionGraphe::Ouvre(const TvlGraphe& graphe) {
    const DonneesGraphe& d = graphe.Donnees();
    EditionGraphe e;
    for (std::size_t s = 0; s < d.series.size(); ++s) {
        const chart::Serie& serie = d.series[s];
        SerieEdition se;
        se.titre = serie.titre;
        se.type = int(serie.type) - 1;
        se.styleMarques = serie.styleMarques;
        se.visible = serie.visible;
        for (const chart::PointSerie& p : serie.points)
            se.points.push_back({p.libelle, EcritNombre(p.x), EcritNombre(p.y), p.couleur});
        if (s < d.liens.size())
            se.lien = d.liens[s];
        e.series.push_back(std::move(se));
    }
    e.titre = d.titre;
    e.pied = d.pied;
    e.titreX = d.titreBas;
    e.titreY = d.titreGauche;
    e.axeX = d.bas;
    e.axeY = d.gauche;
    return e;
}

bool EditionGraphe::Transfere(TvlGraphe& graphe, std::string& message) const {
    for (std::size_t s = 0; s < series.size(); ++s) {
        if (series[s].type < 0 || series[s].type > chart::kTypeSerieMax - 1) {
            message = "Série " + std::to_string(s + 1) + "\u00A0: le type de série n'est pas défini";
            return false;
        }
    }
    if (!VerifieNombres(message))
        return false;
    DonneesGraphe& d = graphe.Donnees();
    d.series.clear();
    d.liens.clear();
    for (const SerieEdition& se : series) {
        chart::Serie serie;
        serie.type = chart::TypeSerie(se.type + 1);
        serie.titre = se.titre;
        serie.styleMarques = se.styleMarques;
        serie.visible = se.visible;
        for (const PointEdition& p : se.points) {
            double x = 0, y = 0;
            const bool aX = LitNombre(p.x, x), aY = LitNombre(p.y, y);
            if (!aX && !aY)
                continue;
            const double rang = double(serie.points.size());
            serie.points.push_back({p.libelle, aX ? x : rang, aY ? y : rang, p.couleur});
        }
        if (serie.points.empty())
            continue;
        d.series.push_back(std::move(serie));
        d.liens.push_back(se.lien);
    }
    d.titre = titre;
    d.pied = pied;
    d.titreBas = titreX;
    d.titreGauche = titreY;
    d.bas = axeX;
    d.gauche = axeY;
    return true;
}

// ---- The grid ----

int EditionGraphe::Colonnes(int serie) const {
    return Existe(serie) ? int(series[std::size_t(serie)].points.size()) : 0;
}

const PointEdition* EditionGraphe::Point(int serie, int colonne) const {
    if (!Existe(serie) || colonne < 1 || colonne > Colonnes(serie))
        return nullptr;
    return &series[std::size_t(serie)].points[std::size_t(colonne - 1)];
}

PointEdition* EditionGraphe::Point(int serie, int colonne) {
    return const_cast<PointEdition*>(std::as_const(*this).Point(serie, colonne));
}

std::string EditionGraphe::Cellule(int serie, int ligne, int colonne) const {
    if (colonne == 0)
        return ligne >= kLigneLibelle && ligne <= kLigneCouleur ? kTitresLignes[ligne - 1] : "";
    const PointEdition* p = Point(serie, colonne);
    if (p == nullptr)
        return {};
    switch (ligne) {
    case kLigneNumeros:
        return std::to_string(colonne);
    case kLigneLibelle:
        return p->libelle;
    case kLigneX:
        return p->x;
    case kLigneY:
        return p->y;
    case kLigneCouleur:
        return std::to_string(p->couleur);
    default:
        return {};
    }
}

bool EditionGraphe::EcritCellule(int serie, int ligne, int colonne, const std::string& texte) {
    PointEdition* p = Point(serie, colonne);
    if (p == nullptr)
        return false;
    switch (ligne) {
    case kLigneLibelle:
        p->libelle = texte;
        return true;
    case kLigneX:
        p->x = texte;
        return true;
    case kLigneY:
        p->y = texte;
        return true;
    case kLigneCouleur: {
        const std::optional<long long> c =
            ParseInteger(Trim(texte), 0, 0xFFFFFF, {.minus = false, .plus = false, .hex = true});
        if (!c)
            return false;
        p->couleur = TColor(*c);
        return true;
    }
    default:
        return false;
    }
}

void EditionGraphe::ColorieColonnes(int serie, int gauche, int droite, TColor couleur) {
    for (int c = gauche; c <= droite; ++c)
        if (PointEdition* p = Point(serie, c))
            p->couleur = couleur & 0xFFFFFF;
}

TColor EditionGraphe::CouleurColonne(int colonne) {
    const int n = int(std::size(kCouleursColonnes));
    return kCouleursColonnes[((colonne - 1) % n + n) % n];
}

// ---- Resize, series ----

int EditionGraphe::BorneColonnes(int colonnes) {
    return std::clamp(colonnes, kColonnesMin, kColonnesMax);
}

bool EditionGraphe::PerteAuRedimensionnement(int serie, int colonnes) const {
    if (!Existe(serie))
        return false;
    const std::vector<PointEdition>& points = series[std::size_t(serie)].points;
    for (std::size_t i = std::size_t(BorneColonnes(colonnes)); i < points.size(); ++i)
        if (!Vide(points[i].libelle) || !Vide(points[i].x) || !Vide(points[i].y))
            return true;
    return false;
}

void EditionGraphe::Redimensionne(int serie, int colonnes) {
    if (!Existe(serie))
        return;
    std::vector<PointEdition>& points = series[std::size_t(serie)].points;
    const std::size_t n = std::size_t(BorneColonnes(colonnes));
    points.resize(std::min(n, points.size()));
    while (points.size() < n)
        points.push_back({{}, {}, {}, CouleurColonne(int(points.size()) + 1)});
}

bool EditionGraphe::SuppressionAConfirmer(int serie) const {
    if (!Existe(serie))
        return false;
    for (const PointEdition& p : series[std::size_t(serie)].points)
        if (!Vide(p.libelle) || !Vide(p.x))
            return true;
    return false;
}

void EditionGraphe::SupprimeSerie(int serie) {
    if (!Existe(serie))
        return;
    series.erase(series.begin() + serie);
    if (courante >= int(series.size()))
        courante = std::max(0, int(series.size()) - 1);
}

int EditionGraphe::AjouteSerie() {
    constexpr int kColonnesNouvelle = 10;
    const int colonnes = Existe(courante) ? Colonnes(courante) : kColonnesNouvelle;
    SerieEdition s;
    s.titre = "Série " + std::to_string(series.size() + 1);
    series.push_back(std::move(s));
    courante = int(series.size()) - 1;
    Redimensionne(courante, colonnes);
    return courante;
}

bool EditionGraphe::Ordonne(const std::vector<int>& ordre) {
    if (ordre.size() != series.size())
        return false;
    std::vector<bool> vu(series.size(), false);
    for (const int i : ordre) {
        if (!Existe(i) || vu[std::size_t(i)])
            return false;
        vu[std::size_t(i)] = true;
    }
    std::vector<SerieEdition> nouvelles;
    nouvelles.reserve(series.size());
    for (const int i : ordre)
        nouvelles.push_back(std::move(series[std::size_t(i)]));
    series = std::move(nouvelles);
    courante = int(std::find(ordre.begin(), ordre.end(), courante) - ordre.begin());
    if (!Existe(courante))
        courante = 0;
    return true;
}

void EditionGraphe::ChangeVisibilite(int serie, bool visible) {
    if (Existe(serie))
        series[std::size_t(serie)].visible = visible;
}

// ---- Import links ----

std::vector<int> CellulesLiees(const LienImport& lien, int k, int colonnes, int lignes,
                               int points) {
    const bool colonne = lien.Colonne[k] != 0;
    // Along a column the cells are rows, along a row columns.
    const int numero = lien.Numero[k];
    const int travers = colonne ? colonnes : lignes, long_ = colonne ? lignes : colonnes;
    if (numero < 0 || numero >= travers)
        return {};
    int premier = 0, dernier = long_ - 1;
    if (lien.Premier[k] != 0 || lien.Dernier[k] != 0) {
        premier = lien.Premier[k];
        dernier = lien.Dernier[k];
    }
    if (dernier < premier || dernier < 0)
        dernier = long_ - 1;
    premier = std::max(premier, 0);
    if (premier >= long_)
        return {};
    dernier = std::min({dernier, long_ - 1, premier + points - 1});
    std::vector<int> cellules;
    for (int i = premier; i <= dernier; ++i)
        cellules.push_back(colonne ? i * colonnes + numero : numero * colonnes + i);
    return cellules;
}

void EditionGraphe::LieImport(int serie, const LienImport& lien,
                              const TProjectInterface& document) {
    if (!Existe(serie))
        return;
    SerieEdition& se = series[std::size_t(serie)];
    se.lien = lien;
    for (int k = 0; k < TvlGraphe::kAttributs; ++k) {
        const TComposant* source =
            lien.Source[k] != 0 ? document.TrouveComposant(lien.Source[k]) : nullptr;
        TInfoReponse colonnes, lignes;
        if (source == nullptr || !source->Info(1, colonnes) || !source->Info(2, lignes))
            continue;
        const std::vector<int> cellules =
            CellulesLiees(lien, k, colonnes.entier, lignes.entier, int(se.points.size()));
        for (std::size_t j = 0; j < cellules.size(); ++j)
            CopieCellule(se.points[j], k, cellules[j], *source);
    }
}

// One grid cell into one attribute of a point, as the chart's refresh decodes it: an empty
// cell, or text where a number is wanted, changes nothing.
void EditionGraphe::CopieCellule(PointEdition& p, int attribut, int cellule,
                                 const TComposant& source) {
    TInfoReponse r;
    r.cellule.index = cellule;
    if (!source.Info(3, r) || !r.cellule.trouve)
        return;
    const std::string texte(Trim(r.cellule.texte));
    double nombre = 0;
    const bool estNombre = ParseDecimal(texte, nombre) && std::isfinite(nombre);
    if (attribut == 0 && !texte.empty())
        p.libelle = r.cellule.texte;
    else if (attribut == 1 && estNombre)
        p.x = EcritNombre(nombre);
    else if (attribut == 2 && estNombre)
        p.y = EcritNombre(nombre);
    else if (attribut == 3)
        p.couleur = r.cellule.couleur & 0xFFFFFF;
}

// ---- Numbers ----

bool EditionGraphe::VerifieNombres(std::string& message) const {
    for (std::size_t s = 0; s < series.size(); ++s) {
        const std::vector<PointEdition>& points = series[s].points;
        for (std::size_t i = 0; i < points.size(); ++i) {
            double v = 0;
            for (const std::string* texte : {&points[i].x, &points[i].y}) {
                if (Vide(*texte) || LitNombre(*texte, v))
                    continue;
                message = "Série " + std::to_string(s + 1) + ", point " + std::to_string(i + 1) +
                          "\u00A0: «\u00A0" + std::string(Trim(*texte)) + "\u00A0» n'est pas un nombre";
                return false;
            }
        }
    }
    return true;
}

bool EditionGraphe::LitNombre(const std::string& texte, double& v) {
    const std::optional<double> lu = ReadNumber(Trim(texte));
    if (!lu)
        return false;
    v = *lu;
    return true;
}

std::string EditionGraphe::EcritNombre(double v) {
    return chart::FormateNombre(v);
}
