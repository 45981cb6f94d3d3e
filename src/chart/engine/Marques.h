// The chart's marks: each point's, bar's or sector's text (value, percent, label...) in a box
// by it, placed so that no mark covers another mark or a bar.
#pragma once

#include "chart/engine/Chart.h"

#include <string>
#include <vector>

namespace chart::detail {

// A mark waiting to be placed once every series is drawn.
struct AMarquer {
    vlPoint ancre;
    std::string texte;
    int cote = 0; // as Marques::Pose takes it
};

class Marques {
public:
    // Where a mark stands: above its anchor, centred on it (0), or ending or starting at it
    // (-1 or 1); at its right, left or below it, centred.
    static constexpr int kADroite = 2, kDessous = 3, kAGauche = 4;

    // Room kept inside the plot's ends for the marks past the bars' ends.
    struct Place {
        int left = 0, top = 0, right = 0, bottom = 0;
    };

    Marques(const Modele& m, TCanvas& c) : m_(m), c_(c) {}

    Place PlaceMarques(bool horizontal, const Graduation& gv) const;

    // A bar with its faces in depth, which no mark may cover.
    void Obstacle(const vlRect& barre) { barres_.push_back(barre); }

    // A mark in the current font, kept inside the clip; false when it is left out, for want of
    // room or because it would cover another mark or a bar.
    bool Pose(vlPoint ancre, const std::string& t, int cote = 0);

    // The waiting marks in the marks' font, in order, when the chart shows marks; how many
    // were left out.
    int PoseToutes(const std::vector<AMarquer>& marques);

private:
    bool Libre(const vlRect& r) const;

    const Modele& m_;
    TCanvas& c_;
    std::vector<vlRect> posees_;
    std::vector<vlRect> barres_;
};

} // namespace chart::detail
