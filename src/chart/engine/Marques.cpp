// The chart's marks: the room they need past the bars, and their placing out of each other's
// way and off the bars.

#include "chart/engine/Marques.h"

#include "chart/engine/Drawing.h"

#include <algorithm>

namespace chart::detail {

// A bar grows from the origin towards its value; its mark stands past its end, so the value
// scale keeps a mark's room from the plot's end on each side some bar grows towards.
Marques::Place Marques::PlaceMarques(bool horizontal, const Graduation& gv) const {
    Place place;
    if (!m_.marquesVisibles)
        return place;
    const Axe& axe = horizontal ? m_.bas : m_.gauche;
    const bool manuel = !axe.automatique && axe.min < axe.max;
    const double origine =
        std::clamp(0.0, manuel ? axe.min : gv.premier, manuel ? axe.max : gv.Dernier());
    c_.Font = m_.fonteMarques;
    const int hauteur = c_.TextHeight("Mg") + 15;
    for (const Serie& s : m_.series) {
        if (!s.visible || !EstBarre(s.type))
            continue;
        for (int i = 0; i < int(s.points.size()); ++i) {
            const double y = s.points[std::size_t(i)].y;
            if (y == origine || TexteMarque(s, i).empty())
                continue;
            // Towards the axis' end unless the axis runs the other way.
            const bool versFin = (y > origine) != axe.inverse;
            if (!horizontal) {
                (versFin ? place.top : place.bottom) = hauteur;
                continue;
            }
            int& cote = versFin ? place.right : place.left;
            cote = std::max(cote, c_.TextWidth(TexteMarque(s, i)) + 20);
        }
    }
    return place;
}

bool Marques::Pose(vlPoint ancre, const std::string& t, int cote) {
    if (t.empty())
        return true;
    const vlSize s = c_.TextExtent(t);
    const int gauche = cote == 0  ? ancre.x - s.cx / 2 - 5
                       : cote < 0 ? ancre.x - s.cx - 10
                                  : ancre.x;
    vlRect b{gauche, ancre.y - s.cy - 15, gauche + s.cx + 10, ancre.y - 5};
    if (cote == kADroite)
        b = {ancre.x + 10, ancre.y - s.cy / 2 - 5, ancre.x + s.cx + 20, ancre.y + s.cy / 2 + 5};
    else if (cote == kAGauche)
        b = {ancre.x - s.cx - 20, ancre.y - s.cy / 2 - 5, ancre.x - 10, ancre.y + s.cy / 2 + 5};
    else if (cote == kDessous)
        b = {b.left, ancre.y + 5, b.right, ancre.y + s.cy + 15};
    if (c_.HasClip()) {
        const vlRect clip = c_.ClipRect();
        // No room above the point: the mark goes below it rather than over it, and back.
        if (cote == 0 && b.top < clip.top)
            b = {b.left, ancre.y + 25, b.right, ancre.y + 25 + b.Height()};
        if (cote == kDessous && b.bottom > clip.bottom)
            b = {b.left, ancre.y - 5 - b.Height(), b.right, ancre.y - 5};
        if (b.Width() > clip.Width() || b.Height() > clip.Height())
            return false;
        const int dx = std::max(0, clip.left - b.left) - std::max(0, b.right - clip.right);
        const int dy = std::max(0, clip.top - b.top) - std::max(0, b.bottom - clip.bottom);
        b = {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
    }
    if (!Libre(b)) {
        // A mark above its point rises by half steps, up to its own height, over the bar
        // ends and marks in its way, else is left out; a pie's mark beside the disc slides
        // down, else up, by half steps out of the way of the marks placed before.
        if (cote != -1 && cote != 1 && cote != 0)
            return false;
        const vlRect depart = b;
        const int pasMax = cote == 0 ? 2 : 8;
        bool place = false;
        for (int pas = 1; pas <= pasMax && !place; ++pas)
            for (const int sens : cote == 0 ? std::vector{-1} : std::vector{1, -1}) {
                const int dy = sens * pas * depart.Height() / 2;
                b = {depart.left, depart.top + dy, depart.right, depart.bottom + dy};
                if ((place = Libre(b)))
                    break;
            }
        if (!place)
            return false;
    }
    posees_.push_back(b);
    Plein(c_, m_.fondMarques);
    Trait(c_, clBlack, 1, m_.cadreMarques ? psSolid : psClear);
    c_.Rectangle(b.left, b.top, b.right, b.bottom);
    Texte(c_, b.left + 5, b.top + 5, t);
    c_.TagReadable(b, "marque");
    return true;
}

int Marques::PoseToutes(const std::vector<AMarquer>& marques) {
    if (!m_.marquesVisibles)
        return 0;
    c_.Font = m_.fonteMarques;
    int omises = 0;
    for (const AMarquer& m : marques)
        omises += !Pose(m.ancre, m.texte, m.cote);
    return omises;
}

bool Marques::Libre(const vlRect& r) const {
    if (c_.HasClip()) {
        const vlRect clip = c_.ClipRect();
        if (r.top < clip.top || r.bottom > clip.bottom)
            return false;
    }
    const auto touche = [&r](const vlRect& autre) {
        return r.left < autre.right && autre.left < r.right && r.top < autre.bottom &&
               autre.top < r.bottom;
    };
    return std::ranges::none_of(posees_, touche) && std::ranges::none_of(barres_, touche);
}

} // namespace chart::detail
