// The chart's data in editable form: each series' title, type, marks style, points as text
// and import link, with the titles and axes. The chart data editor works on it; sheets fill it
// too. Opening copies a chart into it; transfer writes it back.
#pragma once

#include "chart/Graphe.h"
#include "platform/UserInterface.h"

#include <string>
#include <vector>

struct PointEdition {
    std::string libelle;
    std::string x; // empty: the point has no X
    std::string y; // empty: the point has no Y
    TColor couleur = clWhite;
};

struct SerieEdition {
    std::string titre;
    int type = -1; // 0..6: the series type code minus 1; -1 while undefined
    int styleMarques = 0;
    std::vector<PointEdition> points;
    LienImport lien{};
};

// The series type captions, in type order.
inline constexpr const char* kTypesSerie[] = {
    "Lignes",   "Aires", "Points", "Histogrammes verticaux", "Histogrammes horizontaux",
    "Secteurs", "Traits"};

class EditionGraphe : public TFormModel {
public:
    std::vector<SerieEdition> series;
    std::vector<std::string> titre, pied;
    std::string titreX, titreY;
    BornesAxe axeX, axeY;

    // The chart's series, titles and axes, numbers printed as text.
    static EditionGraphe Ouvre(const TvlGraphe& graphe);
    // Replaces the chart's series, links, titles and axes. A series with an undefined type
    // stops it before any change: false with "Série N: le type de série n'est pas défini". A
    // series with no X or Y text is left out with its link; a point with a Y alone takes its
    // rank as X, and the reverse.
    bool Transfere(TvlGraphe& graphe, std::string& message) const;
};
