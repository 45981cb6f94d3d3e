// The depth of 3D charts: the depth axis, walls, boxes and ribbons.

#include "chart/engine/Dessinateur.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart::detail {

// The depth axis along the bottom right edge, the series' titles along it.
void Dessinateur::AxeProfondeur(const vlRect& f, Decalage d) {
    if (!m_.profondeur.visible || (d.dx == 0 && d.dy == 0))
        return;
    const int x = d.dx >= 0 ? f.right : f.left;
    Trait(c_, clBlack);
    c_.MoveTo(x, f.bottom);
    c_.LineTo(x + d.dx, f.bottom + d.dy);
    std::vector<const Serie*> visibles;
    for (const Serie& s : m_.series)
        if (s.visible && s.type != TypeSerie::Secteurs)
            visibles.push_back(&s);
    c_.Font = m_.profondeur.fonteLibelles;
    int dernier = 0;
    for (std::size_t i = 0; i < visibles.size(); ++i) {
        const double t = (i + 0.5) / double(visibles.size());
        const int px = x + int(std::lround(d.dx * t)), py = f.bottom + int(std::lround(d.dy * t));
        const std::string& titre = visibles[i]->titre;
        // Titles apart: one too close to the last drawn is left out.
        const int h = c_.TextHeight(titre);
        if (i > 0 && std::abs(py - dernier) < h) {
            ++omis.libelles;
            continue;
        }
        dernier = py;
        Texte(c_, d.dx >= 0 ? px + kEcart : px - kEcart - c_.TextWidth(titre), py, titre);
    }
}

Dessinateur::Epaisseurs Dessinateur::EpaisseursMurs() const {
    if (!m_.mursVisibles || !m_.vue3D || m_.pourcentage3D <= 0)
        return {};
    const auto e = [](const Mur& w) { return std::clamp(w.taille, 0, 100); };
    return {e(m_.murGauche), e(m_.murBas), e(m_.murFond)};
}

void Dessinateur::Murs(const vlRect& f, Decalage d, Epaisseurs e) {
    if (!m_.mursVisibles)
        return;
    const auto mur = [&](const Mur& w, std::vector<vlPoint> pts, bool arete = false) {
        Plein(c_, arete ? Sombre(w.couleur) : w.couleur, w.styleBrosse);
        Trait(c_, clBlack);
        c_.Polygon(pts);
    };
    // The back slab's top and side edges stand out behind the back wall.
    if (e.fond > 0 && (d.dx != 0 || d.dy != 0)) {
        const double n = std::hypot(d.dx, d.dy);
        const int ox = int(std::lround(d.dx * e.fond / n));
        const int oy = int(std::lround(d.dy * e.fond / n));
        const int x = (d.dx >= 0 ? f.right : f.left) + d.dx, haut = f.top + d.dy;
        mur(m_.murFond,
            {{f.left + d.dx, haut},
             {f.right + d.dx, haut},
             {f.right + d.dx + ox, haut + oy},
             {f.left + d.dx + ox, haut + oy}},
            true);
        mur(m_.murFond,
            {{x, haut}, {x + ox, haut + oy}, {x + ox, f.bottom + d.dy + oy}, {x, f.bottom + d.dy}},
            true);
    }
    mur(m_.murFond, {{f.left + d.dx, f.top + d.dy},
                     {f.right + d.dx, f.top + d.dy},
                     {f.right + d.dx, f.bottom + d.dy},
                     {f.left + d.dx, f.bottom + d.dy}});
    if (d.dx == 0 && d.dy == 0)
        return;
    mur(m_.murGauche, {{f.left, f.top},
                       {f.left + d.dx, f.top + d.dy},
                       {f.left + d.dx, f.bottom + d.dy},
                       {f.left, f.bottom}});
    mur(m_.murBas, {{f.left, f.bottom},
                    {f.right, f.bottom},
                    {f.right + d.dx, f.bottom + d.dy},
                    {f.left + d.dx, f.bottom + d.dy}});
    // The left and floor slabs: their front faces and their edges towards the depth.
    const int g = f.left - e.gauche;
    if (e.gauche > 0) {
        mur(m_.murGauche,
            {{g, f.top}, {g + d.dx, f.top + d.dy}, {f.left + d.dx, f.top + d.dy}, {f.left, f.top}},
            true);
        mur(m_.murGauche, {{g, f.top}, {f.left, f.top}, {f.left, f.bottom}, {g, f.bottom}});
    }
    if (e.bas > 0) {
        const int x = d.dx >= 0 ? f.right : g;
        mur(m_.murBas,
            {{x, f.bottom},
             {x + d.dx, f.bottom + d.dy},
             {x + d.dx, f.bottom + d.dy + e.bas},
             {x, f.bottom + e.bas}},
            true);
        mur(m_.murBas, {{g, f.bottom},
                        {f.right, f.bottom},
                        {f.right, f.bottom + e.bas},
                        {g, f.bottom + e.bas}});
    }
}

// A box of depth d from the front rectangle: the side and top faces, then the front.
void Dessinateur::Boite(const vlRect& r, Decalage d, TColor couleur, int hachure) {
    Trait(c_, clBlack);
    if (d.dx != 0 || d.dy != 0) {
        const int x = d.dx > 0 ? r.right : r.left;
        Plein(c_, Sombre(couleur));
        c_.Polygon(std::vector<vlPoint>{
            {x, r.top}, {x + d.dx, r.top + d.dy}, {x + d.dx, r.bottom + d.dy}, {x, r.bottom}});
        Plein(c_, Clair(couleur));
        c_.Polygon(std::vector<vlPoint>{{r.left, r.top},
                                        {r.left + d.dx, r.top + d.dy},
                                        {r.right + d.dx, r.top + d.dy},
                                        {r.right, r.top}});
    }
    Plein(c_, couleur);
    c_.Rectangle(r.left, r.top, r.right, r.bottom);
    Hachure(c_, hachure, [&] { c_.Rectangle(r.left, r.top, r.right, r.bottom); });
}

// A line given depth: one face per segment, in the colour of its end point.
void Dessinateur::Ruban(const std::vector<vlPoint>& pts, Decalage d, TColor couleur) {
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        const vlPoint a = pts[i], b = pts[i + 1];
        const std::vector<vlPoint> face{a, b, {b.x + d.dx, b.y + d.dy}, {a.x + d.dx, a.y + d.dy}};
        Plein(c_, b.y < a.y ? Clair(couleur) : couleur);
        Trait(c_, clBlack);
        c_.Polygon(face);
        // The face's width across the segment: under a stroke's, it would vanish.
        const double longueur = std::hypot(b.x - a.x, b.y - a.y);
        const double largeur =
            longueur > 0 ? std::fabs(double(b.x - a.x) * d.dy - double(b.y - a.y) * d.dx) / longueur
                         : 0;
        if (largeur < kEpaisseurTrait) {
            Trait(c_, couleur, kEpaisseurTrait);
            c_.Polyline(std::vector<vlPoint>{a, face[2]});
        }
    }
}

} // namespace chart::detail
