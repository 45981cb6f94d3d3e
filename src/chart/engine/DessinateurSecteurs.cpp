// Pie charts.

#include "chart/engine/Dessinateur.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart::detail {

void Dessinateur::Camembert(const Serie& s, const vlRect& zone) {
    double total = 0;
    for (const PointSerie& p : s.points)
        total += std::fabs(p.y);
    c_.Font = m_.fonteMarques;
    const int hMarque = m_.marquesVisibles ? c_.TextHeight("Mg") + 20 : 0;
    // Room beside the disc for the widest mark.
    int largeurMarque = 0;
    if (m_.marquesVisibles)
        for (int i = 0; i < int(s.points.size()); ++i)
            largeurMarque = std::max(largeurMarque, c_.TextWidth(TexteMarque(s, i)) + 20);
    // Marks too wide for that leave the disc at least a quarter of the room, and give way.
    const int rx = std::max(std::min(zone.Width() / 2 - largeurMarque, zone.Height() / 2 - hMarque),
                            std::min(zone.Width(), zone.Height()) / 4);
    if (rx <= 10) {
        complet = false;
        return;
    }
    const bool relief = m_.vue3D && m_.pourcentage3D > 0;
    const double el = m_.orthogonal3D ? 45.0 : kElevation;
    const int ry = relief ? int(std::lround(rx * std::sin(el * std::numbers::pi / 180))) : rx;
    const int bord = relief ? rx * std::clamp(m_.pourcentage3D, 0, 100) / 200 : 0;
    const vlPoint c{(zone.left + zone.right) / 2, (zone.top + zone.bottom) / 2 - bord / 2};
    Trait(c_, clBlack);
    if (total <= 0) {
        Plein(c_, clWhite, bsClear);
        c_.Ellipse(c.x - rx, c.y - ry, c.x + rx, c.y + ry);
        return;
    }
    // The rim: the disc drawn lower and darker, layer by layer, then the top.
    if (bord > 0) {
        Secteurs(s, total, {c.x, c.y + bord}, rx, ry, true);
        Plein(c_, Sombre(s.points.front().couleur));
        for (int e = bord - 1; e > 0; e -= std::max(1, bord / 8))
            Secteurs(s, total, {c.x, c.y + e}, rx, ry, true, false);
    }
    Secteurs(s, total, c, rx, ry, false);
    if (!m_.marquesVisibles)
        return;
    // The marks stay in the pie's zone, off the legend and the titles.
    const int sauve = c_.SaveDC();
    c_.IntersectClipRect(zone.left, zone.top, zone.right, zone.bottom);
    double debut = 0;
    for (std::size_t i = 0; i < s.points.size(); ++i) {
        const double balayage = 360 * std::fabs(s.points[i].y) / total;
        const double milieu = (debut + balayage / 2) * std::numbers::pi / 180;
        debut += balayage;
        if (balayage <= 0)
            continue;
        const vlPoint a{c.x + int(std::lround((rx + 10) * std::sin(milieu))),
                        c.y - int(std::lround((ry + 10) * std::cos(milieu))) +
                            (std::cos(milieu) < 0 ? hMarque + bord : 0)};
        omis.marques += !marques_.Pose(a, TexteMarque(s, int(i)), std::sin(milieu) < 0 ? -1 : 1);
    }
    c_.RestoreDC(sauve);
}

// Sectors clockwise from 12 o'clock, each |y| / total of the turn. On a tilted (elliptic) pie
// a sector is cut where the circle's turned and squeezed ray meets the ellipse, at
// atan2(sin t * rx, cos t * ry) on the page, so that its area stays |y| / total of the whole.
void Dessinateur::Secteurs(const Serie& s, double total, vlPoint c, int rx, int ry, bool sombre,
                           bool contour) {
    double debut = 0;
    const auto rayon = [&](double deg) {
        const double a = deg * std::numbers::pi / 180;
        return vlPoint{c.x + int(std::lround(4.0 * rx * std::sin(a))),
                       c.y - int(std::lround(4.0 * ry * std::cos(a)))};
    };
    Trait(c_, clBlack, 1, contour ? psSolid : psClear);
    for (const PointSerie& p : s.points) {
        const double balayage = 360 * std::fabs(p.y) / total;
        if (balayage <= 0)
            continue;
        Plein(c_, sombre ? Sombre(p.couleur) : p.couleur);
        if (balayage >= 360) {
            c_.Ellipse(c.x - rx, c.y - ry, c.x + rx, c.y + ry);
            return;
        }
        const vlPoint a = rayon(debut), b = rayon(debut + balayage);
        // The canvas turns counter-clockwise: from the end ray back to the start one.
        const auto secteur = [&] {
            c_.Pie(c.x - rx, c.y - ry, c.x + rx, c.y + ry, b.x, b.y, a.x, a.y);
        };
        secteur();
        if (!sombre)
            Hachure(c_, p.hachure, secteur);
        debut += balayage;
    }
}

} // namespace chart::detail
