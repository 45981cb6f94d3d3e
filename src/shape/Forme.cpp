#include "shape/Forme.h"

#include "common/Setters.h"
#include "host/Conversions.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "shape/FormeCles.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

namespace {

// Nearest grid line of step `pas` through `origine`, the half step taken towards the origin's
// side so that both sides of the origin round alike.
int SnapProche1(int v, int pas, int origine) {
    if (pas <= 0)
        return v;
    const int demi = v < origine ? -pas / 2 : pas / 2;
    return ((v + demi - origine) / pas) * pas + origine;
}

// Grid line at or before v (towards the origin for points on its left or top).
int SnapBas(int v, int pas, int origine) {
    return pas >= 1 ? ((v - origine) / pas) * pas + origine : v;
}

vlPoint Borne(vlPoint p, const vlRect& page) {
    return {std::clamp(p.x, page.left, page.right), std::clamp(p.y, page.top, page.bottom)};
}

std::string Trim(const std::string& s) {
    const auto debut = s.find_first_not_of(" \t");
    const auto fin = s.find_last_not_of(" \t");
    return debut == std::string::npos ? std::string() : s.substr(debut, fin - debut + 1);
}

std::vector<std::string> Decoupe(const std::string& s, char separateur) {
    std::vector<std::string> parts;
    std::stringstream flux(s);
    for (std::string part; std::getline(flux, part, separateur);)
        parts.push_back(Trim(part));
    return parts;
}

// Points of the cubic segments, 16 a segment, so that a backend fills the curve as it fills a
// polygon.
std::vector<vlPoint> Aplatit(std::span<const vlPoint> b) {
    constexpr int kPas = 16;
    std::vector<vlPoint> points{b.front()};
    for (std::size_t i = 0; i + 3 < b.size(); i += 3) {
        for (int k = 1; k <= kPas; ++k) {
            const double t = double(k) / kPas;
            const double u = 1 - t;
            const double c0 = u * u * u, c1 = 3 * u * u * t, c2 = 3 * u * t * t, c3 = t * t * t;
            const auto coord = [&](auto membre) {
                return std::int32_t(std::lround(c0 * b[i].*membre + c1 * b[i + 1].*membre +
                                                c2 * b[i + 2].*membre + c3 * b[i + 3].*membre));
            };
            points.push_back({coord(&vlPoint::x), coord(&vlPoint::y)});
        }
    }
    return points;
}

} // namespace

TvlForme::TvlForme(TCadre* cadre) : Kind(cadre, "Forme", NUMERO, VERSION) {
    // The preferred options lay the points on the new rectangle.
    Installe();
}

TableCles TvlForme::Cles() const {
    return kClesForme;
}

std::optional<vlRect> TvlForme::Page() const {
    if (Planche() == nullptr)
        return std::nullopt;
    return RectangleCadre();
}

// ---- points and curve ----

TvlForme::Points TvlForme::PointsSurEllipse(vlRect r, int n) {
    r = r.Normalise();
    const vlPoint c = r.Centre();
    const int w = r.Width();
    const int h = r.Height();
    Points dp{};
    for (int i = 0; i < n; ++i) {
        // Clockwise on the page from the top-left, the four ends of the axes among them.
        const double a = (8.0 * i / n - 3) * std::numbers::pi / 4;
        const auto sur = [](int debut, int longueur, double t) {
            return debut + std::int32_t(std::lround(longueur * (1 + t) / 2));
        };
        dp[std::size_t(i)] = vlPoint{sur(r.left, w, std::cos(a)), sur(r.top, h, std::sin(a))} - c;
    }
    return dp;
}

void TvlForme::InitDp() {
    dp_ = PointsSurEllipse(Rect, NbPoints());
}

void TvlForme::CalculBezier() {
    // Angle turns counter-clockwise with y up, and (cos, -sin) points that way on the page
    // (y down): the arms are perpendicular to the bisector of the two neighbours.
    const int n = NbPoints();
    const double r = bloc_.Distance;
    for (int i = 0; i < n; ++i) {
        const vlPoint p = dp_[std::size_t(i)];
        const vlPoint prev = dp_[std::size_t((i + n - 1) % n)];
        const vlPoint next = dp_[std::size_t((i + 1) % n)];
        const double m = (Angle(prev, p) + Angle(next, p)) * 0.5;
        const double theta = (m - 90) * 2 * std::numbers::pi / 360;
        const vlPoint v{std::int32_t(std::cos(theta) * r), std::int32_t(std::sin(theta) * -r)};
        const vlPoint plus = p + v;
        const vlPoint moins = p - v;
        const auto d2 = [&](vlPoint a) {
            const double dx = double(a.x) - prev.x, dy = double(a.y) - prev.y;
            return dx * dx + dy * dy;
        };
        const bool plusAvant = d2(plus) >= d2(moins);
        bezier_[std::size_t(3 * i)] = p;
        bezier_[std::size_t(3 * i + 1)] = plusAvant ? plus : moins;
        bezier_[std::size_t(i == 0 ? 3 * n - 1 : 3 * i - 1)] = plusAvant ? moins : plus;
    }
    bezier_[std::size_t(3 * n)] = dp_[0];
}

void TvlForme::CopierP() {
    dpSauve_ = dp_;
}

void TvlForme::Reinitialise() {
    InitDp();
    dpModif_ = dp_;
    poigneeVisible_.fill(true);
    CalculerPoignees();
    CalculBezier();
}

// ---- drawing ----

void TvlForme::DessineForme(TCanvas& canvas, int mode) {
    if (!ContenuVisible(bloc_.Mode, mode))
        return;
    const vlPoint c = Centre();
    AffecteCadre(canvas, *this);
    if (bloc_.Distance < 1) {
        std::vector<vlPoint> points(Pts().begin(), Pts().end());
        for (vlPoint& p : points)
            p += c;
        canvas.Polygon(points);
    } else {
        std::vector<vlPoint> points(Bezier().begin(), Bezier().end());
        for (vlPoint& p : points)
            p += c;
        // The fill first, as the polygon of the flattened curve with no outline, then the
        // curve's own outline over it.
        if (canvas.Brush.Style != bsClear) {
            const TPen pen = canvas.Pen;
            canvas.Pen = TPen{pen.Color, 1, psClear, pmCopy};
            canvas.Polygon(Aplatit(points));
            canvas.Pen = pen;
        }
        canvas.Brush.Style = bsClear;
        canvas.PolyBezier(points);
    }
    AppliqueOptions();
}

void TvlForme::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    if (creation_)
        return;
    const int niveau = canvas.SaveDC();
    canvas.Pen = TPen{RGB(127, 127, 127), 1, psDashDotDot, pmNotXor};
    canvas.Brush = TBrush{clWhite, bsClear};
    const vlRect r = Rect.Normalise();
    canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    canvas.RestoreDC(niveau);
    DessineForme(canvas, mode);
}

void TvlForme::Imprime(TCanvas& canvas, int mode, TPlanche*) {
    DessineForme(canvas, mode);
}

void TvlForme::Preview(TCanvas& canvas, int mode, TPlanche*) {
    DessineForme(canvas, mode);
}

std::string TvlForme::AvertissementCadre() const {
    // The curve swells past its points; the page's printable area must hold it whole.
    const vlRect f = RectangleCadre();
    const vlPoint c = Centre();
    std::vector<vlPoint> trace;
    if (bloc_.Distance < 1)
        trace.assign(Pts().begin(), Pts().end());
    else
        trace = Aplatit(Bezier());
    const int demi = bloc_.StylePinceau == psSolid ? bloc_.TaillePinceau / 2 : 0;
    const vlPoint mini = Minima(trace) + c;
    const vlPoint maxi = Maxima(trace) + c;
    if (mini.x - demi >= f.left && mini.y - demi >= f.top && maxi.x + demi <= f.right &&
        maxi.y + demi <= f.bottom)
        return {};
    return Nom() + "\u00A0: le contour ne tient pas dans le cadre";
}

// ---- handles ----

void TvlForme::CalculerPoignees() {
    const vlPoint c = Centre();
    for (int i = 0; i < MAX_POINTS; ++i) {
        const vlPoint p = dp_[std::size_t(i)] + c;
        poignees_[std::size_t(i)] = {p.x - DEMI_POIGNEE, p.y - DEMI_POIGNEE, p.x + DEMI_POIGNEE,
                                     p.y + DEMI_POIGNEE};
    }
}

void TvlForme::DessinePoignees(TCanvas& canvas) {
    if (!Selectionne)
        return;
    const int niveau = canvas.SaveDC();
    canvas.Pen = TPen{};
    canvas.Brush = TBrush{clWhite, bsSolid};
    for (int i = 0; i < NbPoints(); ++i) {
        const vlRect& r = poignees_[std::size_t(i)];
        if (poigneeVisible_[std::size_t(i)])
            canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    }
    canvas.RestoreDC(niveau);
}

int TvlForme::HitTest(vlPoint p) const {
    if (Selectionne) {
        for (int i = 0; i < NbPoints(); ++i) {
            const vlRect& h = poignees_[std::size_t(i)];
            if (poigneeVisible_[std::size_t(i)] && p.x >= h.left && p.x <= h.right &&
                p.y >= h.top && p.y <= h.bottom)
                return CODE_POINT + i;
        }
    }
    return Rect.Normalise().Contient(p) ? HIT_CORPS : HIT_RIEN;
}

int TvlForme::Curseur(int code) const {
    if (code >= CODE_POINT && code < CODE_POINT + NbPoints())
        return CURSEUR_CROIX;
    return code == HIT_CORPS ? CURSEUR_MAIN : CURSEUR_DEFAUT;
}

// ---- interactive change ----

vlPoint TvlForme::SnapProche(vlPoint q) const {
    const vlSize pas = Pas();
    const vlPoint org = Org();
    return {SnapProche1(q.x, pas.cx, org.x), SnapProche1(q.y, pas.cy, org.y)};
}

void TvlForme::InitModif(TCanvas& canvas, vlPoint p, int code) {
    const vlPoint c = Centre();
    if (code >= CODE_POINT && code < CODE_POINT + NbPoints()) {
        const vlPoint d = dp_[std::size_t(code - CODE_POINT)] + c - p;
        prise_ = {d.x, d.y};
    } else {
        const vlPoint d = Rect.LireOrg() - p;
        prise_ = {d.x, d.y};
    }
    code_ = code;
    rectModif_ = Rect;
    dpModif_ = dp_;
    dpCandidat_ = dp_;
    DessineMotif(canvas);
}

vlRect TvlForme::CalculeMotif(vlPoint p) {
    const vlPoint q = SnapProche(p + vlPoint{prise_.cx, prise_.cy});
    const std::optional<vlRect> page = Page();
    const int n = NbPoints();
    if (code_ == CODE_CREATION) {
        const vlPoint coin = page ? Borne(q, *page) : q;
        const vlRect r{rectModif_.left, rectModif_.top, coin.x, coin.y};
        dpCandidat_ = PointsSurEllipse(r, n);
        return r;
    }
    if (code_ == HIT_CORPS) {
        dpCandidat_ = dpModif_;
        vlRect r = rectModif_.Normalise();
        r.EcrireOrg(q);
        if (page) {
            vlPoint d{0, 0};
            if (r.right > page->right)
                d.x = page->right - r.right;
            if (r.left + d.x < page->left)
                d.x = page->left - r.left;
            if (r.bottom > page->bottom)
                d.y = page->bottom - r.bottom;
            if (r.top + d.y < page->top)
                d.y = page->top - r.top;
            r.Offset(d);
        }
        return r;
    }
    if (code_ >= CODE_POINT && code_ < CODE_POINT + n) {
        const vlPoint c = rectModif_.Normalise().Centre();
        for (int i = 0; i < n; ++i)
            dpCandidat_[std::size_t(i)] = dpModif_[std::size_t(i)] + c;
        dpCandidat_[std::size_t(code_ - CODE_POINT)] = page ? Borne(q, *page) : q;
        const std::span<const vlPoint> absolus(dpCandidat_.data(), std::size_t(n));
        const vlPoint mini = Minima(absolus);
        const vlPoint maxi = Maxima(absolus);
        const vlRect r{mini.x, mini.y, maxi.x, maxi.y};
        const vlPoint nc = r.Centre();
        for (int i = 0; i < n; ++i)
            dpCandidat_[std::size_t(i)] -= nc;
        return r;
    }
    return rectModif_;
}

void TvlForme::BougeMotif(TCanvas& canvas, vlPoint p, bool efface) {
    const vlRect r = CalculeMotif(p);
    if (efface)
        DessineMotif(canvas);
    rectModif_ = r;
    dpModif_ = dpCandidat_;
    DessineMotif(canvas);
}

void TvlForme::DessineMotif(TCanvas& canvas) {
    const int niveau = canvas.SaveDC();
    canvas.Brush = TBrush{clWhite, bsClear};
    canvas.Pen = TPen{clBlack, 1, psDashDot, pmNot};
    const vlPoint c = rectModif_.Normalise().Centre();
    std::vector<vlPoint> trace;
    for (int i = 0; i < NbPoints(); ++i)
        trace.push_back(dpModif_[std::size_t(i)] + c);
    trace.push_back(trace.front());
    canvas.Polyline(trace);
    canvas.RestoreDC(niveau);
}

void TvlForme::StopModif(TCanvas& canvas, bool efface) {
    if (efface)
        DessineMotif(canvas);
    dp_ = dpModif_;
    Rect = rectModif_.Normalise();
    code_ = HIT_RIEN;
    CalculerPoignees();
    CalculBezier();
    CopierP();
}

void TvlForme::InitModifCreation(TCanvas& canvas, vlPoint p) {
    creation_ = true;
    const vlSize pas = Pas();
    const vlPoint org = Org();
    p = {SnapBas(p.x, pas.cx, org.x), SnapBas(p.y, pas.cy, org.y)};
    // Drawn from a point off the page: from the page's nearest point.
    if (const std::optional<vlRect> page = Page())
        p = Borne(p, *page);
    Rect = {p.x, p.y, p.x, p.y};
    dp_.fill({});
    dpModif_.fill({});
    CalculerPoignees();
    CalculBezier();
    prise_ = {};
    rectModif_ = Rect;
    Selectionne = false;
    code_ = CODE_CREATION;
    DessineMotif(canvas);
}

void TvlForme::StopModifCreation(TCanvas& canvas, bool efface) {
    if (efface)
        DessineMotif(canvas);
    if (rectModif_.Width() == 0 || rectModif_.Height() == 0) {
        // A click without a drag: the default size, kept on the page.
        vlRect r = rectModif_.Normalise();
        r.ChangeSize(TailleCreation());
        TComposant::ChangeCoords(r);
        rectModif_ = Rect;
        InitDp();
        dpModif_ = dp_;
    }
    dp_ = dpModif_;
    Rect = rectModif_.Normalise();
    code_ = HIT_RIEN;
    CalculerPoignees();
    CopierP();
    CalculBezier();
    creation_ = false;
}

void TvlForme::DeplacePoint(int k, vlPoint p) {
    // Grabbed right on the point, dropped at p.
    code_ = CODE_POINT + k;
    prise_ = {};
    rectModif_ = Rect;
    dpModif_ = dp_;
    rectModif_ = CalculeMotif(p);
    dp_ = dpCandidat_;
    Rect = rectModif_.Normalise();
    code_ = HIT_RIEN;
    CalculerPoignees();
    CalculBezier();
    CopierP();
}

void TvlForme::ChangeCoords(vlRect r) {
    const vlSize avant = Rect.Normalise().LireSize();
    TComposant::ChangeCoords(r);
    const vlSize apres = Rect.LireSize();
    if (!(apres == avant)) {
        const std::span<const vlPoint> sauves(dpSauve_.data(), std::size_t(NbPoints()));
        const vlPoint mini = Minima(sauves);
        const vlPoint maxi = Maxima(sauves);
        const double sx = maxi.x > mini.x ? double(apres.cx) / (maxi.x - mini.x) : 0.0;
        const double sy = maxi.y > mini.y ? double(apres.cy) / (maxi.y - mini.y) : 0.0;
        for (int i = 0; i < NbPoints(); ++i) {
            const vlPoint s = dpSauve_[std::size_t(i)];
            // A point from a file may lie far from its box: the product stays within reach.
            const auto echelle = [](int v, double facteur) {
                return std::int32_t(std::clamp(v * facteur, -1e6, 1e6));
            };
            dp_[std::size_t(i)] = {echelle(s.x, sx), echelle(s.y, sy)};
        }
    }
    CalculerPoignees();
    CalculBezier();
}

// ---- options ----

std::optional<bool> TvlForme::ChangeOptionPropre(int index, const std::string& valeur,
                                                 std::string& message) {
    switch (index) {
    case CleForme::Reinitialise:
        Reinitialise();
        CopierP();
        return false;
    case CleForme::NbPoints: {
        int n = 0;
        if (!ConvInt(valeur, n, message, 8, 32))
            return false;
        if (!NbPointsValide(n)) {
            message = "Valeur incorrecte (acceptés\u00A0: 8,16,24,32)";
            return false;
        }
        if (n != bloc_.NbPoints) {
            bloc_.NbPoints = std::int16_t(n);
            Reinitialise();
            CopierP();
        }
        return true;
    }
    case CleForme::Distance: {
        int v = 0;
        if (!ConvInt(valeur, v, message, 0, 100))
            return false;
        bloc_.Distance = v * 10;
        CalculBezier();
        return true;
    }
    case CleForme::Points:
        return ChangePoints(valeur, message);
    default:
        return std::nullopt;
    }
}

bool TvlForme::ChangePoints(const std::string& valeur, std::string& message) {
    const std::vector<std::string> couples = Decoupe(valeur, '|');
    if (int(couples.size()) != NbPoints()) {
        message = std::to_string(couples.size()) + " points donnés, il en faut " +
                  std::to_string(NbPoints()) + " (NbPoints)";
        return false;
    }
    const vlPoint m = OrgMarges();
    const vlRect page = Page().value_or(vlRect{0, 0, kMaxPageSide, kMaxPageSide});
    std::vector<vlPoint> points;
    for (std::size_t i = 0; i < couples.size(); ++i) {
        const std::vector<std::string> xy = Decoupe(couples[i], ';');
        vlPoint p;
        if (xy.size() != 2) {
            message = "Point " + std::to_string(i + 1) + "\u00A0: «\u00A0" + couples[i] +
                      "\u00A0» n'est pas de la forme x;y";
            return false;
        }
        if (!ConvVirg(xy[0], p.x, message, page.left - m.x, page.right - m.x) ||
            !ConvVirg(xy[1], p.y, message, page.top - m.y, page.bottom - m.y)) {
            message = "Point " + std::to_string(i + 1) + "\u00A0: " + message;
            return false;
        }
        points.push_back(p + m);
    }
    // Each point is dragged to its place as the mouse would drop it.
    for (std::size_t i = 0; i < points.size(); ++i)
        DeplacePoint(int(i), points[i]);
    return true;
}

void TvlForme::AppliquerOptions(const void* donnees) {
    Kind::AppliquerOptions(donnees);
    if (!NbPointsValide(bloc_.NbPoints))
        bloc_.NbPoints = FormeOptions{}.NbPoints;
    Reinitialise();
    CopierP();
}

void TvlForme::RestaureDefaut() {
    CommonComponent::RestaureDefaut();
    // A hand-edited ini count outside the four allowed ones reads as the factory count.
    if (!NbPointsValide(bloc_.NbPoints))
        bloc_.NbPoints = FormeOptions{}.NbPoints;
    Reinitialise();
    CopierP();
}

void TvlForme::RestaureStandard() {
    CommonComponent::RestaureStandard();
    Reinitialise();
    CopierP();
}

// ---- record ----

void TvlForme::ChargeOptions(TStream& s, bool& ok) {
    Kind::ChargeOptions(s, ok);
    if (!ok)
        return;
    // Values out of their keys' ranges are brought into them; another count cannot be read.
    if (!NbPointsValide(bloc_.NbPoints)) {
        ok = false;
        return;
    }
    bloc_.StylePinceau = std::min<std::uint8_t>(bloc_.StylePinceau, kStylePinceauMax);
    bloc_.StyleBrosse = std::min<std::uint8_t>(bloc_.StyleBrosse, kStyleBrosseMax);
    bloc_.CouleurPinceau = std::clamp(bloc_.CouleurPinceau, 0, 0xFFFFFF);
    bloc_.CouleurBrosse = std::clamp(bloc_.CouleurBrosse, 0, 0xFFFFFF);
    bloc_.TaillePinceau = std::clamp(bloc_.TaillePinceau, 0, kTaillePinceauMax);
    bloc_.Mode = std::clamp<std::int16_t>(bloc_.Mode, 0, 2);
    bloc_.Distance = std::clamp(bloc_.Distance, 0, 1000);
}

bool TvlForme::SauveDonnees(TStream& s) {
    for (const vlPoint p : Pts())
        if (!WritePoint(s, p))
            return false;
    return true;
}

bool TvlForme::ChargeDonnees(TStream& s) {
    // A point stays within a page's reach of the centre, so that every product stays finite.
    const int limite = kMaxPageSide;
    for (int i = 0; i < NbPoints(); ++i) {
        vlPoint p;
        if (!ReadPoint(s, p))
            return false;
        dp_[std::size_t(i)] = {std::clamp(p.x, -limite, limite), std::clamp(p.y, -limite, limite)};
    }
    dpModif_ = dp_;
    poigneeVisible_.fill(true);
    CalculerPoignees();
    CalculBezier();
    CopierP();
    return true;
}

// ---- description ----

std::vector<std::string> TvlForme::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    lignes.push_back("NbPoints = " + std::to_string(bloc_.NbPoints));
    lignes.push_back("Arrondi = " + TexteCentimetres(bloc_.Distance * 10) + " mm");
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    lignes.push_back("Points = " + textePoints());
    return lignes;
}

std::string TvlForme::textePoints() const {
    const vlPoint m = OrgMarges();
    const vlPoint c = Centre();
    std::string points;
    for (const vlPoint p : Pts()) {
        if (!points.empty())
            points += " | ";
        points += TexteCentimetres(p.x + c.x - m.x) + ";" + TexteCentimetres(p.y + c.y - m.y);
    }
    return points;
}

std::optional<std::string> TvlForme::TexteCle(const Cle& cle) {
    if (cle.index == CleForme::Distance)
        return std::to_string(bloc_.Distance / 10);
    if (cle.index == CleForme::Points)
        return textePoints();
    return CommonComponent::TexteCle(cle);
}
