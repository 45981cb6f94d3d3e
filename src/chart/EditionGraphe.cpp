#include "chart/EditionGraphe.h"

#include "host/Conversions.h"

#include <cmath>

namespace {

// A number typed in a cell: a finite decimal, else none.
bool Nombre(const std::string& texte, double& v) {
    return ParseDecimal(texte, v) && std::isfinite(v);
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
        for (const chart::PointSerie& p : serie.points)
            se.points.push_back(
                {p.libelle, chart::FormateNombre(p.x), chart::FormateNombre(p.y), p.couleur});
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
            message = "Série " + std::to_string(s + 1) + ": le type de série n'est pas défini";
            return false;
        }
    }
    DonneesGraphe& d = graphe.Donnees();
    d.series.clear();
    d.liens.clear();
    for (const SerieEdition& se : series) {
        chart::Serie serie;
        serie.type = chart::TypeSerie(se.type + 1);
        serie.titre = se.titre;
        serie.styleMarques = se.styleMarques;
        for (const PointEdition& p : se.points) {
            double x = 0, y = 0;
            const bool aX = Nombre(p.x, x), aY = Nombre(p.y, y);
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

// ---- Interface stubs, filled in next ----

ReglagesAleatoires& ReglagesAleatoires::Memoire() {
    static ReglagesAleatoires memoire;
    return memoire;
}
ReglagesAleatoires ReglagesAleatoires::Corriges() const {
    return *this;
}
int EditionGraphe::Colonnes(int) const {
    return 0;
}
std::string EditionGraphe::Cellule(int, int, int) const {
    return {};
}
bool EditionGraphe::EcritCellule(int, int, int, const std::string&) {
    return false;
}
void EditionGraphe::ColorieColonnes(int, int, int, TColor) {}
TColor EditionGraphe::CouleurColonne(int) {
    return clWhite;
}
int EditionGraphe::RemplitAleatoire(int, ZoneGrille, const ReglagesAleatoires&) {
    return 0;
}
int EditionGraphe::RemplitSuite(int, ZoneGrille, const ReglagesSuite&) {
    return 0;
}
std::string EditionGraphe::MotSuite(int, int, int) {
    return {};
}
int EditionGraphe::BorneColonnes(int c) {
    return c;
}
bool EditionGraphe::PerteAuRedimensionnement(int, int) const {
    return false;
}
void EditionGraphe::Redimensionne(int, int) {}
bool EditionGraphe::SuppressionAConfirmer(int) const {
    return false;
}
void EditionGraphe::SupprimeSerie(int) {}
int EditionGraphe::AjouteSerie() {
    return 0;
}
bool EditionGraphe::Ordonne(const std::vector<int>&) {
    return false;
}
void EditionGraphe::ChangeVisibilite(int, bool) {}
void EditionGraphe::LieImport(int, const LienImport&, const TProjectInterface&) {}
bool EditionGraphe::VerifieNombres(std::string&) const {
    return true;
}
bool EditionGraphe::LitNombre(const std::string&, double&) {
    return false;
}
std::string EditionGraphe::EcritNombre(double) {
    return {};
}
