// What the chart data editor works on: the chart's data in editable form and the chart it came
// from. "Apply" writes into that chart while the editor stays open, and the chart's document
// holds the grids the import links may name. A sample has no chart.
#pragma once

#include "chart/EditionGraphe.h"

class GrapheEdit2Modele : public EditionGraphe {
public:
    GrapheEdit2Modele() = default;
    explicit GrapheEdit2Modele(TvlGraphe& g) : EditionGraphe(EditionGraphe::Ouvre(g)), graphe(&g) {}

    TvlGraphe* graphe = nullptr;
    // How many times the editor wrote into the chart.
    int transferts = 0;
};
