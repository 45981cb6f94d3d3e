// The drawer's layout, titles, 2D plot and axes.

#include "chart/engine/Dessinateur.h"

#include "chart/engine/Legende.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart::detail {

void Dessinateur::Tout(const vlRect& rect) {
    cadre_ = rect;
    Panneau(rect);
    vlRect r{rect.left + Marge(rect), rect.top + Marge(rect), rect.right - Marge(rect),
             rect.bottom - Marge(rect)};
    if (m_.titreVisible)
        Lignes(m_.titre, m_.fonteTitre, m_.aligneTitre, r, true);
    if (m_.piedVisible)
        Lignes(m_.pied, m_.fontePied, m_.alignePied, r, false);
    const Serie* secteurs = PremierSecteurs();
    if (m_.legendeVisible)
        omis.legende = DessineLegende(c_, m_, r, secteurs);
    if (r.Width() <= 0 || r.Height() <= 0) {
        complet = false;
        return;
    }
    if (secteurs != nullptr)
        Camembert(*secteurs, r);
    else
        Trace(r);
}

void Dessinateur::Panneau(const vlRect& r) {
    Plein(c_, m_.fond);
    c_.Pen = m_.cadre;
    if (m_.cadre.Style == psClear)
        c_.Pen.Style = psClear;
    else if (m_.cadre.Style != psSolid)
        c_.Pen.Width = 1;
    c_.Rectangle(r.left, r.top, r.right, r.bottom);
    if (m_.gradient) {
        const int w = m_.cadre.Style == psClear ? 0 : std::max(1, c_.Pen.Width);
        RemplitGradient(c_, {r.left + w, r.top + w, r.right - w, r.bottom - w}, m_.gradientDebut,
                        m_.gradientFin, m_.directionGradient);
    }
}

// Title lines at the top of r (or foot lines at its bottom); r loses their height.
void Dessinateur::Lignes(const std::vector<std::string>& lignes, const TFont& f, int aligne,
                         vlRect& r, bool enHaut) {
    c_.Font = f;
    std::vector<std::string> ordre = lignes;
    if (!enHaut)
        std::reverse(ordre.begin(), ordre.end());
    for (std::size_t i = 0; i < ordre.size(); ++i) {
        const std::string& l = ordre[i];
        const vlSize t = c_.TextExtent(l);
        if (t.cy > r.Height()) {
            omis.titres += int(ordre.size() - i);
            return;
        }
        omis.titres += t.cx > r.Width(); // drawn, but cut at the frame
        int x = r.left + (r.Width() - t.cx) / 2;
        if (aligne == AGauche)
            x = r.left;
        else if (aligne == ADroite)
            x = r.right - t.cx;
        x = std::max(x, r.left);
        const int y = enHaut ? r.top : r.bottom - t.cy;
        TexteLisible(c_, x, y, l, "titre");
        (enHaut ? r.top : r.bottom) += enHaut ? t.cy : -t.cy;
    }
}

const Serie* Dessinateur::PremierSecteurs() const {
    for (const Serie& s : m_.series)
        if (s.visible && s.type == TypeSerie::Secteurs)
            return &s;
    return nullptr;
}

bool Dessinateur::Horizontal() const {
    for (const Serie& s : m_.series)
        if (s.visible && !s.points.empty())
            return s.type == TypeSerie::BarresHorizontales;
    return false;
}

// The value range (Y) and the category range (X) of the visible series.
// The category range leaves half a category at each end, so bars and markers stay whole.
void Dessinateur::Etendues(double& ymin, double& ymax, double& xmin, double& xmax) const {
    bool vide = true;
    bool zero = false;
    for (const Serie& s : m_.series) {
        if (!s.visible || s.type == TypeSerie::Secteurs)
            continue;
        zero = zero || EstBarre(s.type) || s.type == TypeSerie::Aires;
        for (const PointSerie& p : s.points) {
            if (vide) {
                ymin = ymax = p.y;
                xmin = xmax = p.x;
                vide = false;
            }
            ymin = std::min(ymin, p.y);
            ymax = std::max(ymax, p.y);
            xmin = std::min(xmin, p.x);
            xmax = std::max(xmax, p.x);
        }
    }
    if (vide) {
        ymin = 0;
        ymax = 1;
        xmin = 0;
        xmax = 1;
    }
    if (zero) {
        ymin = std::min(ymin, 0.0);
        ymax = std::max(ymax, 0.0);
    }
    xmin -= 0.5;
    xmax += 0.5;
}

Graduation Dessinateur::Graduer(const Axe& axe, double lo, double hi) {
    if (!axe.automatique && axe.min < axe.max && std::isfinite(axe.min) && std::isfinite(axe.max)) {
        Graduation g = GraduationsNettes(axe.min, axe.max);
        g.premier = axe.min; // the manual ends hold; ticks inside them
        return g;
    }
    return GraduationsNettes(lo, hi);
}

// Labels on the category axis: the points' labels at their X, when any point has one.
std::vector<std::pair<double, std::string>> Dessinateur::LibellesCategories() const {
    std::vector<std::pair<double, std::string>> l;
    for (const Serie& s : m_.series) {
        if (!s.visible || s.type == TypeSerie::Secteurs)
            continue;
        for (const PointSerie& p : s.points)
            if (!p.libelle.empty())
                l.emplace_back(p.x, p.libelle);
        if (!l.empty())
            return l;
    }
    return l;
}

void Dessinateur::Trace(const vlRect& zone) {
    zone_ = zone;
    const bool horizontal = Horizontal();
    double ymin, ymax, xmin, xmax;
    Etendues(ymin, ymax, xmin, xmax);
    const Axe& axeValeurs = horizontal ? m_.bas : m_.gauche;
    const Axe& axeCategories = horizontal ? m_.gauche : m_.bas;
    Graduation gv = Graduer(m_.gauche, ymin, ymax);
    if (horizontal)
        gv = Graduer(m_.bas, ymin, ymax);
    const bool manuelV = !axeValeurs.automatique && axeValeurs.min < axeValeurs.max;
    const double vmin = manuelV ? axeValeurs.min : gv.premier;
    const double vmax = manuelV ? axeValeurs.max : gv.Dernier();
    const bool manuelC = !axeCategories.automatique && axeCategories.min < axeCategories.max;
    Graduation gc = Graduer(axeCategories, xmin, xmax);
    const double cmin = manuelC ? axeCategories.min : xmin;
    const double cmax = manuelC ? axeCategories.max : xmax;
    const auto libelles = LibellesCategories();
    Echelonne(gv, horizontal ? uniteBas_ : uniteGauche_);
    Echelonne(gc, horizontal ? uniteGauche_ : uniteBas_);

    // Room for the labels and titles around the plot.
    vlRect p = zone;
    const Axe& axeG = m_.gauche;
    const Axe& axeB = m_.bas;
    c_.Font = axeG.fonteLibelles;
    const int hLib = c_.TextHeight("0");
    int largeurG = 0;
    if (axeG.visible && axeG.libelles) {
        if (horizontal)
            for (const auto& [x, t] : libelles)
                largeurG = std::max(largeurG, c_.TextWidth(t));
        else
            for (int i = 0; i < gv.nombre; ++i)
                largeurG = std::max(largeurG, c_.TextWidth(gv.Libelle(i)));
        if (horizontal && libelles.empty())
            for (int i = 0; i < gc.nombre; ++i)
                largeurG = std::max(largeurG, c_.TextWidth(gc.Libelle(i)));
    }
    c_.Font = axeG.fonteTitre;
    titreGauche_ = axeG.visible ? Coupe(Titre(axeG), zone.Height()) : std::vector<std::string>{};
    const int hTitreG = int(titreGauche_.size()) * c_.TextHeight("Mg");
    c_.Font = axeB.fonteTitre;
    const int hTitreB = axeB.visible && !Titre(axeB).empty() ? c_.TextHeight("Mg") : 0;
    c_.Font = axeB.fonteLibelles;
    const int hLibB = axeB.visible && axeB.libelles ? c_.TextHeight("0") : 0;
    // The left title stands turned along the axis, left of its labels.
    p.left += largeurG + kTic + kEcart + (hTitreG ? hTitreG + kEcart : 0);
    p.top += hLib / 2;
    p.right -= kEcart + hLibB;
    deuxRangs_ = !horizontal && hLibB > 0 && LargeurCategories(libelles, gc) > p.Width();
    p.bottom -= (deuxRangs_ ? 2 : 1) * hLibB + kTic + kEcart + hTitreB;
    // Room for the wall slabs: left, below, and behind (up and towards the depth's side).
    const Epaisseurs e = EpaisseursMurs();
    const bool versDroite =
        m_.orthogonal3D || std::sin(m_.rotation3D * std::numbers::pi / 180) >= 0;
    p.left += e.gauche + (versDroite ? 0 : e.fond);
    p.right -= versDroite ? e.fond : 0;
    p.top += e.fond;
    p.bottom -= e.bas;
    // The value scale stops short of the plot's ends by the marks' room past the bars.
    const Marques::Place place = marques_.PlaceMarques(horizontal, gv);
    if (p.Width() - place.left - place.right <= 2 * kTic ||
        p.Height() - place.top - place.bottom <= 2 * kTic) {
        complet = false;
        return;
    }

    // The 3D depth and the front plane.
    Decalage d;
    if (m_.vue3D) {
        const int profondeur =
            std::min(p.Width(), p.Height()) * std::clamp(m_.pourcentage3D, 0, 100) / 200;
        if (m_.orthogonal3D) {
            d.dx = int(std::lround(profondeur * std::cos(std::numbers::pi / 4)));
            d.dy = -d.dx;
        } else {
            const double rot = m_.rotation3D * std::numbers::pi / 180;
            const double el = kElevation * std::numbers::pi / 180;
            d.dx = int(std::lround(profondeur * std::sin(rot) * std::cos(el)));
            d.dy = -int(std::lround(profondeur * std::sin(el)));
        }
    }
    vlRect front = p;
    if (d.dx > 0)
        front.right -= d.dx;
    else
        front.left -= d.dx;
    front.top -= d.dy;

    // The bottom axis runs left to right, the left one bottom to top; the values take one.
    const Echelle x{0, 1, front.left, front.right, m_.bas.inverse};
    const Echelle y{0, 1, front.bottom, front.top, m_.gauche.inverse};
    Echelle ev = horizontal ? x : y;
    Echelle ec = horizontal ? y : x;
    ev.a += horizontal ? place.left : -place.bottom;
    ev.b -= horizontal ? place.right : -place.top;
    ev.min = vmin;
    ev.max = vmax;
    ec.min = cmin;
    ec.max = cmax;

    Murs(front, d, e);
    Grille(front, d, gv, ev, horizontal);
    const int sauve = c_.SaveDC();
    // Point markers are drawn whole even at the ends of the axes; bars and lines stop there.
    const bool marqueurs = std::ranges::any_of(m_.series, [](const Serie& s) {
        return s.visible && (s.type == TypeSerie::Points || s.type == TypeSerie::Lignes);
    });
    const int m = marqueurs ? kRayonPoint : 0;
    c_.IntersectClipRect(std::min(front.left, front.left + d.dx) - m, front.top + d.dy - m,
                         std::max(front.right, front.right + d.dx) + 1 + m, front.bottom + 1 + m);
    Series(ev, ec, d, horizontal, vmin, vmax);
    c_.RestoreDC(sauve);
    // The axes run along the slabs' outer edges.
    Axes({front.left - e.gauche, front.top, front.right, front.bottom + e.bas}, gv, gc, ev, ec,
         libelles, horizontal);
    AxeProfondeur(front, d);
}

// Labels of seven digits or more are written in thousands, millions or billions, as far as
// the step allows whole labels, and the axis' title names the unit.
void Dessinateur::Echelonne(Graduation& g, std::string& unite) {
    static const char* const kUnites[] = {"", "en milliers", "en millions", "en milliards"};
    const double plusGrand = std::max(std::fabs(g.Valeur(0)), std::fabs(g.Dernier()));
    if (plusGrand < 1e6 || g.exposant < 3)
        return;
    g.milliers = std::min(g.exposant / 3, 3);
    unite = kUnites[g.milliers];
}

std::string Dessinateur::Titre(const Axe& a) const {
    const std::string& unite = &a == &m_.gauche ? uniteGauche_ : &a == &m_.bas ? uniteBas_ : "";
    if (unite.empty())
        return a.titre;
    return a.titre.empty() ? unite : a.titre + " (" + unite + ")";
}

// The bottom category labels side by side with their gaps, in the bottom axis' font.
int Dessinateur::LargeurCategories(const std::vector<std::pair<double, std::string>>& libelles,
                                   const Graduation& gc) {
    c_.Font = m_.bas.fonteLibelles;
    const int ecart = std::max(kEcart, c_.TextHeight("0") / 2);
    int total = 0;
    for (const auto& [x, t] : libelles)
        total += c_.TextWidth(t) + ecart;
    if (libelles.empty())
        for (int i = 0; i < gc.nombre; ++i)
            total += c_.TextWidth(gc.Libelle(i)) + ecart;
    return total;
}

void Dessinateur::Grille(const vlRect& f, Decalage d, const Graduation& g, const Echelle& ev,
                         bool horizontal) {
    Trait(c_, clSilver, 1, psDot);
    for (int i = 0; i < g.nombre; ++i) {
        const double v = g.Valeur(i);
        if (v < ev.min || v > ev.max)
            continue;
        const int t = ev(v);
        // Along the back wall, and across the depth on the floor or the left wall, so that a
        // series in any slice of the depth has its line to be read against.
        const bool relief = d.dx != 0 || d.dy != 0;
        if (horizontal) {
            c_.MoveTo(t, f.bottom);
            if (relief)
                c_.LineTo(t + d.dx, f.bottom + d.dy);
            c_.MoveTo(t + d.dx, f.bottom + d.dy);
            c_.LineTo(t + d.dx, f.top + d.dy);
        } else {
            c_.MoveTo(f.left, t);
            if (relief)
                c_.LineTo(f.left + d.dx, t + d.dy);
            c_.MoveTo(f.left + d.dx, t + d.dy);
            c_.LineTo(f.right + d.dx, t + d.dy);
        }
    }
}

void Dessinateur::Series(const Echelle& ev, const Echelle& ec, Decalage d, bool horizontal,
                         double vmin, double vmax) {
    int nbBarres = 0, nbRubans = 0;
    for (const Serie& s : m_.series) {
        const bool montree = s.visible && !s.points.empty();
        nbBarres += montree && EstBarre(s.type);
        nbRubans += montree && (s.type == TypeSerie::Lignes || s.type == TypeSerie::Aires);
    }
    const double origine = std::clamp(0.0, vmin, vmax);
    int rang = 0;
    std::vector<AMarquer> marques;
    std::vector<const Serie*> rubans;
    for (const Serie& s : m_.series) {
        if (!s.visible || s.points.empty() || s.type == TypeSerie::Secteurs)
            continue;
        if (EstBarre(s.type))
            Barres(s, ev, ec, d, horizontal, origine, rang++, nbBarres, marques);
        else if (s.type == TypeSerie::Lignes || s.type == TypeSerie::Aires)
            rubans.push_back(&s);
        else // points and thin lines lie on the back wall, where the gridlines are
            Courbe(s, ev, ec, {d, {}}, horizontal, origine, marques);
    }
    // Each line or area takes its own slice of the depth, in the depth axis' order from the
    // front; the farthest is drawn first.
    for (int k = nbRubans - 1; k >= 0; --k) {
        Tranche t;
        t.avant = {d.dx * k / nbRubans, d.dy * k / nbRubans};
        t.profondeur = {d.dx * (k + 1) / nbRubans - t.avant.dx,
                        d.dy * (k + 1) / nbRubans - t.avant.dy};
        Courbe(*rubans[std::size_t(k)], ev, ec, t, horizontal, origine, marques);
    }
    omis.marques += marques_.PoseToutes(marques);
}

void Dessinateur::Barres(const Serie& s, const Echelle& ev, const Echelle& ec, Decalage d,
                         bool horizontal, double origine, int rang, int nb,
                         std::vector<AMarquer>& mq) {
    const double unite = std::fabs(ec(1.0) - ec(0.0));
    const double largeurTotale = unite * 0.7;
    const double largeur = largeurTotale / std::max(nb, 1);
    const int base = ev(origine);
    // Farther boxes first: the side face of one is hidden by the front of the next.
    std::vector<int> ordre(s.points.size());
    for (std::size_t i = 0; i < ordre.size(); ++i)
        ordre[i] = int(i);
    const bool versLaDroite = d.dx >= 0;
    std::sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        const int pa = ec(s.points[std::size_t(a)].x), pb = ec(s.points[std::size_t(b)].x);
        return horizontal ? pa > pb : (versLaDroite ? pa < pb : pa > pb);
    });
    for (const int i : ordre) {
        const PointSerie& pt = s.points[std::size_t(i)];
        const double centre = ec(pt.x) - largeurTotale / 2 + largeur * (rang + 0.5);
        const int c0 = int(std::lround(centre - largeur / 2));
        const int c1 = int(std::lround(centre + largeur / 2));
        const int v = ev(pt.y);
        vlRect r = horizontal ? vlRect{std::min(base, v), c0, std::max(base, v), c1}
                              : vlRect{c0, std::min(base, v), c1, std::max(base, v)};
        Boite(r, d, pt.couleur, pt.hachure);
        // The whole bar with its faces in depth: a mark over it would hide where it stops.
        marques_.Obstacle({std::min(r.left, r.left + d.dx), std::min(r.top, r.top + d.dy),
                           std::max(r.right, r.right + d.dx) + 1,
                           std::max(r.bottom, r.bottom + d.dy) + 1});
        // The mark stands past the bar's end, on the side the bar grows towards.
        if (horizontal) {
            const bool versGauche = v < base;
            mq.push_back({{v + (versGauche ? 0 : d.dx), (c0 + c1) / 2 + d.dy / 2},
                          TexteMarque(s, i),
                          versGauche ? Marques::kAGauche : Marques::kADroite});
        } else {
            const bool versBas = v > base;
            mq.push_back({{(c0 + c1) / 2 + d.dx / 2, v + (versBas ? 0 : d.dy)},
                          TexteMarque(s, i),
                          versBas ? Marques::kDessous : 0});
        }
    }
}

void Dessinateur::Courbe(const Serie& s, const Echelle& ev, const Echelle& ec, Tranche t,
                         bool horizontal, double origine, std::vector<AMarquer>& mq) {
    std::vector<vlPoint> pts;
    for (const PointSerie& p : s.points) {
        const vlPoint v = horizontal ? vlPoint{ev(p.y), ec(p.x)} : vlPoint{ec(p.x), ev(p.y)};
        pts.push_back({v.x + t.avant.dx, v.y + t.avant.dy});
    }
    const Decalage dd = t.profondeur;
    const bool relief = dd.dx != 0 || dd.dy != 0;
    if (s.type == TypeSerie::Aires) {
        const int base = ev(origine) + (horizontal ? t.avant.dx : t.avant.dy);
        std::vector<vlPoint> poly = pts;
        poly.push_back(horizontal ? vlPoint{base, pts.back().y} : vlPoint{pts.back().x, base});
        poly.push_back(horizontal ? vlPoint{base, pts.front().y} : vlPoint{pts.front().x, base});
        if (relief)
            Ruban(pts, dd, CouleurSerie(s));
        Plein(c_, CouleurSerie(s));
        Trait(c_, clBlack);
        c_.Polygon(poly);
        Hachure(c_, s.points.front().hachure, [&] { c_.Polygon(poly); });
    } else if (s.type == TypeSerie::Lignes) {
        if (relief)
            Ruban(pts, dd, CouleurSerie(s));
        else {
            Trait(c_, CouleurSerie(s), kEpaisseurTrait);
            c_.Polyline(pts);
        }
    } else if (s.type == TypeSerie::Traits) {
        // A thin line, never thinner than the chart's frame.
        Trait(c_, CouleurSerie(s), std::max(m_.cadre.Width, 3));
        c_.Polyline(pts);
    }
    // A line's markers on the back edge of its ribbon, nearest the gridlines.
    if (s.type == TypeSerie::Lignes)
        for (vlPoint& p : pts)
            p = {p.x + dd.dx, p.y + dd.dy};
    if (s.type == TypeSerie::Points || s.type == TypeSerie::Lignes) {
        const int r = kRayonPoint;
        Trait(c_, clBlack);
        for (std::size_t i = 0; i < pts.size(); ++i) {
            Plein(c_, s.points[i].couleur);
            c_.Ellipse(pts[i].x - r, pts[i].y - r, pts[i].x + r, pts[i].y + r);
        }
    }
    for (std::size_t i = 0; i < pts.size(); ++i)
        mq.push_back({{pts[i].x, pts[i].y - 20}, TexteMarque(s, int(i))});
}

// Value labels thinned uniformly: every k-th from the one at zero (else the first), k the
// smallest that keeps them apart; the far end too when it fits beside them. A label that
// would leave the component's frame is not shown.
void Dessinateur::Eclaircis(std::vector<Graduee>& l, int zero, bool vertical, const TFont& fonte) {
    c_.Font = fonte;
    const int n = int(l.size());
    std::vector<std::pair<int, int>> e(l.size());
    std::vector<bool> dedans(l.size());
    for (int i = 0; i < n; ++i) {
        const vlSize s = c_.TextExtent(l[std::size_t(i)].texte);
        const int longueur = vertical ? s.cy : s.cx;
        const int debut = l[std::size_t(i)].pos - longueur / 2;
        e[std::size_t(i)] = {debut, debut + longueur};
        dedans[std::size_t(i)] = vertical
                                     ? debut >= cadre_.top && debut + longueur <= cadre_.bottom
                                     : debut >= cadre_.left && debut + longueur <= cadre_.right;
    }
    const int ecart = vertical ? 0 : kEcart;
    const auto apart = [&](int a, int b) {
        const auto [a0, a1] = e[std::size_t(a)];
        const auto [b0, b1] = e[std::size_t(b)];
        return a1 + ecart <= b0 || b1 + ecart <= a0;
    };
    for (int k = 1; k <= std::max(n, 1); ++k) {
        int precedent = -1;
        bool ok = true;
        for (int i = 0; i < n; ++i) {
            l[std::size_t(i)].montre = ((i - zero) % k + k) % k == 0 && dedans[std::size_t(i)];
            if (!l[std::size_t(i)].montre)
                continue;
            ok = ok && (precedent < 0 || apart(precedent, i));
            precedent = i;
        }
        if (ok)
            break;
    }
    if (n > 0 && !l.back().montre && dedans.back()) {
        int i = n - 2;
        while (i >= 0 && !l[std::size_t(i)].montre)
            --i;
        l.back().montre = i < 0 || apart(i, n - 1);
    }
    omis.eclaircis += int(std::ranges::count(l, false, &Graduee::montre));
}

void Dessinateur::Axes(const vlRect& f, const Graduation& gv, const Graduation& gc,
                       const Echelle& ev, const Echelle& ec,
                       const std::vector<std::pair<double, std::string>>& libelles,
                       bool horizontal) {
    // The category labels: the points' labels, else numbers.
    std::vector<Graduee> cat;
    if (!libelles.empty()) {
        for (const auto& [x, t] : libelles)
            if (x >= ec.min && x <= ec.max)
                cat.push_back({ec(x), t});
    } else {
        for (int i = 0; i < gc.nombre; ++i)
            if (gc.Valeur(i) >= ec.min - 1e-9 && gc.Valeur(i) <= ec.max + 1e-9)
                cat.push_back({ec(gc.Valeur(i)), gc.Libelle(i)});
    }
    // Left to right (or bottom to top), whichever way the axis runs.
    std::ranges::sort(cat, {}, &Graduee::pos);
    std::vector<Graduee> val;
    int zero = 0;
    const double tolerance = 1e-9 * std::fabs(gv.pas);
    for (int i = 0; i < gv.nombre; ++i) {
        const double v = gv.Valeur(i);
        if (v < ev.min - tolerance || v > ev.max + tolerance)
            continue;
        if (std::fabs(v) <= tolerance)
            zero = int(val.size());
        val.push_back({ev(v), gv.Libelle(i)});
    }
    const Axe& axeValeurs = horizontal ? m_.bas : m_.gauche;
    if (axeValeurs.libelles)
        Eclaircis(val, zero, !horizontal, axeValeurs.fonteLibelles);
    Trait(c_, clBlack);
    if (m_.gauche.visible) {
        c_.MoveTo(f.left, f.top);
        c_.LineTo(f.left, f.bottom);
        AxeGauche(f, horizontal ? cat : val, !horizontal);
    }
    if (m_.bas.visible) {
        c_.MoveTo(f.left, f.bottom);
        c_.LineTo(f.right, f.bottom);
        AxeBas(f, horizontal ? val : cat, horizontal);
    }
}

void Dessinateur::AxeGauche(const vlRect& f, const std::vector<Graduee>& l, bool eclairci) {
    const Axe& a = m_.gauche;
    c_.Font = a.fonteLibelles;
    int dernier = INT32_MIN;
    for (const Graduee& g : l) {
        c_.MoveTo(f.left - kTic, g.pos);
        c_.LineTo(f.left, g.pos);
        if (!a.libelles || !g.montre)
            continue;
        const vlSize s = c_.TextExtent(g.texte);
        int haut = g.pos - s.cy / 2;
        if (!eclairci) {
            if (a.libellesSurAxe)
                haut = std::clamp(haut, f.top, f.bottom - s.cy);
            // Labels apart: one overlapping the last drawn is left out.
            if (dernier != INT32_MIN && std::abs(haut - dernier) < s.cy) {
                ++omis.libelles;
                continue;
            }
            dernier = haut;
        }
        TexteLisible(c_, f.left - kTic - kEcart / 2 - s.cx, haut, g.texte, "étiquette");
    }
    // The title turned a quarter, reading upwards, centred on the axis, its lines left to right.
    c_.Font = a.fonteTitre;
    c_.SetBkMode(TRANSPARENT);
    const int h = c_.TextHeight("Mg");
    for (std::size_t i = 0; i < titreGauche_.size(); ++i) {
        const vlSize s = c_.TextExtent(titreGauche_[i]);
        const int bas = std::min(zone_.bottom, (f.top + f.bottom + s.cx) / 2);
        const int pied = std::max(bas, zone_.top + s.cx);
        const int x = zone_.left + int(i) * h;
        c_.TextOutAngle(x, pied, titreGauche_[i], 900);
        // Turned a quarter about its top-left corner: the text runs up from there.
        c_.TagReadable({x, pied - s.cx, x + s.cy, pied}, "titre d'axe");
    }
}

// A title on one line no longer than `longueur`, else on two broken at the space that makes
// the longer line shortest; none when even that is too long, counted as left out.
std::vector<std::string> Dessinateur::Coupe(const std::string& titre, int longueur) {
    if (titre.empty() || c_.TextWidth(titre) <= longueur)
        return titre.empty() ? std::vector<std::string>{} : std::vector<std::string>{titre};
    std::vector<std::string> meilleur;
    int plusLongue = INT32_MAX;
    for (std::size_t i = titre.find(' '); i != std::string::npos; i = titre.find(' ', i + 1)) {
        std::vector<std::string> lignes{titre.substr(0, i), titre.substr(i + 1)};
        const int l = std::max(c_.TextWidth(lignes[0]), c_.TextWidth(lignes[1]));
        if (l < plusLongue) {
            plusLongue = l;
            meilleur = std::move(lignes);
        }
    }
    if (plusLongue > longueur) {
        ++omis.libelles;
        return {};
    }
    return meilleur;
}

void Dessinateur::AxeBas(const vlRect& f, const std::vector<Graduee>& l, bool eclairci) {
    const Axe& a = m_.bas;
    c_.Font = a.fonteLibelles;
    // Category labels too wide for one row alternate between two; on each row, one
    // too close to the last drawn is left out. Two labels of a row stand half a text's height
    // apart, a whole one when the rows alternate, so that neighbours never read as one phrase.
    const int rangs = !eclairci && deuxRangs_ ? 2 : 1;
    int finDernier[2] = {INT32_MIN, INT32_MIN};
    const int hauteur = c_.TextHeight("0");
    const int ecart = std::max(kEcart, rangs == 2 ? hauteur : hauteur / 2);
    for (std::size_t i = 0; i < l.size(); ++i) {
        const Graduee& g = l[i];
        c_.MoveTo(g.pos, f.bottom);
        c_.LineTo(g.pos, f.bottom + kTic);
        if (!a.libelles || !g.montre)
            continue;
        const vlSize s = c_.TextExtent(g.texte);
        const std::size_t rang = i % std::size_t(rangs);
        int gauche = g.pos - s.cx / 2;
        if (!eclairci) {
            if (a.libellesSurAxe)
                gauche = std::clamp(gauche, f.left, std::max(f.left, f.right - s.cx));
            if (gauche < finDernier[rang] + ecart) {
                ++omis.libelles;
                continue;
            }
            finDernier[rang] = gauche + s.cx;
        }
        TexteLisible(c_, gauche, f.bottom + kTic + kEcart / 2 + int(rang) * hauteur, g.texte,
                     "étiquette");
    }
    if (const std::string titre = Titre(a); !titre.empty()) {
        const int haut = f.bottom + kTic + kEcart + (a.libelles ? rangs * hauteur : 0);
        c_.Font = a.fonteTitre;
        const vlSize s = c_.TextExtent(titre);
        TexteLisible(c_, f.left + (f.Width() - s.cx) / 2, haut, titre, "titre d'axe");
    }
}

} // namespace chart::detail
