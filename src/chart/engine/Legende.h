// The chart's legend: the entries that name what the plot shows, in a box on one side of it.
#pragma once

#include "chart/engine/Chart.h"

#include <string>
#include <vector>

namespace chart::detail {

struct EntreeLegende {
    std::string texte;
    TColor couleur;
    int hachure = bsSolid;
};

// One entry per visible series; when one series shows alone (`seule`, or the only visible one)
// and it is of bars or sectors with labels, one per point instead, each point having its colour.
std::vector<EntreeLegende> EntreesLegende(const Modele& m, const Serie* seule);

// The legend box beside the plot (aligneLegende 0 left, 1 right: entries fill columns
// downwards, in at most half of r's width) or above or below it (2 top, 3 bottom: entries fill
// rows, in at most half of its height); r loses that room. Returns how many entries found none.
int DessineLegende(TCanvas& canvas, const Modele& m, vlRect& r, const Serie* seule);

} // namespace chart::detail
