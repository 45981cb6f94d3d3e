// The chart drawer: lays out the panel, titles, legend and plot of a model and draws them.
// Shared by the engine's files (2D plot and axes, 3D walls and ribbons, pies); not for callers
// outside the engine, which use chart::Dessine.
#pragma once

#include "chart/engine/Chart.h"
#include "chart/engine/Drawing.h"
#include "chart/engine/Marques.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace chart::detail {

inline constexpr double kElevation = 30;  // degrees, the fixed view height of the turned 3D view
inline constexpr int kTic = 15;           // tick length
inline constexpr int kRayonPoint = 18;    // the marker of a point of a line or point chart
inline constexpr int kEpaisseurTrait = 5; // a line's stroke

// Linear map of an axis' range onto pixels a..b (a for the minimum unless inverted).
struct Echelle {
    double min = 0, max = 1;
    int a = 0, b = 1;
    bool inverse = false;
    int operator()(double v) const {
        const double t = (v - min) / (max - min);
        const double u = inverse ? 1 - t : t;
        return int(std::lround(a + (b - a) * std::clamp(u, -1.0, 2.0)));
    }
};

struct Decalage {
    int dx = 0, dy = 0;
};

class Dessinateur {
public:
    Dessinateur(const Modele& m, TCanvas& c) : m_(m), c_(c), marques_(m, c) {}

    void Tout(const vlRect& rect);

private:
    static int Marge(const vlRect& r) { return std::max(10, std::min(r.Width(), r.Height()) / 40); }

    void Panneau(const vlRect& r);

    // Title lines at the top of r (or foot lines at its bottom); r loses their height.
    void Lignes(const std::vector<std::string>& lignes, const TFont& f, int aligne, vlRect& r,
                bool enHaut);

    const Serie* PremierSecteurs() const;

    // ---- Cartesian plot ----

    bool Horizontal() const;

    // The value range (Y) and the category range (X) of the visible series.
    // The category range leaves half a category at each end, so bars and markers stay whole.
    void Etendues(double& ymin, double& ymax, double& xmin, double& xmax) const;

    static Graduation Graduer(const Axe& axe, double lo, double hi);

    // Labels on the category axis: the points' labels at their X, when any point has one.
    std::vector<std::pair<double, std::string>> LibellesCategories() const;

    void Trace(const vlRect& zone);

    // Labels of seven digits or more in thousands, millions or billions; `unite` names it.
    static void Echelonne(Graduation& g, std::string& unite);
    // The axis' title, with the unit its labels are written in.
    std::string Titre(const Axe& a) const;

    // The depth axis along the bottom right edge, the series' titles along it.
    void AxeProfondeur(const vlRect& f, Decalage d);

    // Wall thicknesses, drawn as slabs around the plot when the view has depth.
    struct Epaisseurs {
        int gauche = 0, bas = 0, fond = 0;
    };
    Epaisseurs EpaisseursMurs() const;

    void Murs(const vlRect& f, Decalage d, Epaisseurs e);

    int LargeurCategories(const std::vector<std::pair<double, std::string>>& libelles,
                          const Graduation& gc);
    void Grille(const vlRect& f, Decalage d, const Graduation& g, const Echelle& ev,
                bool horizontal);

    // A box of depth d from the front rectangle: the side and top faces, then the front.
    void Boite(const vlRect& r, Decalage d, TColor couleur, int hachure = bsSolid);

    void Series(const Echelle& ev, const Echelle& ec, Decalage d, bool horizontal, double vmin,
                double vmax);

    void Barres(const Serie& s, const Echelle& ev, const Echelle& ec, Decalage d, bool horizontal,
                double origine, int rang, int nb, std::vector<AMarquer>& mq);

    // A series' slice of the 3D depth: its front plane and its depth.
    struct Tranche {
        Decalage avant, profondeur;
    };
    void Courbe(const Serie& s, const Echelle& ev, const Echelle& ec, Tranche t, bool horizontal,
                double origine, std::vector<AMarquer>& mq);

    // A line given depth: one face per segment, in the colour of its end point; a face seen
    // edge on is drawn as a thick stroke rather than a hairline.
    void Ruban(const std::vector<vlPoint>& pts, Decalage d, TColor couleur);

    // A tick and its label, shown or left out.
    struct Graduee {
        int pos;
        std::string texte;
        bool montre = true;
    };

    // Value labels thinned uniformly: every k-th from the one at zero (else the first), k the
    // smallest that keeps them apart; the far end too when it fits beside them. A label that
    // would leave the component's frame is not shown.
    void Eclaircis(std::vector<Graduee>& l, int zero, bool vertical, const TFont& fonte);

    void Axes(const vlRect& f, const Graduation& gv, const Graduation& gc, const Echelle& ev,
              const Echelle& ec, const std::vector<std::pair<double, std::string>>& libelles,
              bool horizontal);

    void AxeGauche(const vlRect& f, const std::vector<Graduee>& l, bool eclairci);
    // The lines of a turned title along `longueur`: one, two, or none (counted as left out).
    std::vector<std::string> Coupe(const std::string& titre, int longueur);

    void AxeBas(const vlRect& f, const std::vector<Graduee>& l, bool eclairci);

    // ---- Pie ----

    void Camembert(const Serie& s, const vlRect& zone);

    // Sectors clockwise from 12 o'clock, each |y| / total of the turn.
    void Secteurs(const Serie& s, double total, vlPoint c, int rx, int ry, bool sombre,
                  bool contour = true);

public:
    bool complet = true; // false when the plot or the pie had no room
    Omissions omis;      // what was left out for want of room

private:
    const Modele& m_;
    TCanvas& c_;
    Marques marques_;
    vlRect cadre_;
    bool deuxRangs_ = false; // the bottom category labels take two rows
    vlRect zone_;            // the plot's zone, whose left edge the left axis title stands on
    std::vector<std::string> titreGauche_; // the left axis title's lines
    std::string uniteGauche_, uniteBas_;   // "en milliers"...: the unit of an axis' labels
};

} // namespace chart::detail
