#include "operation/CanvasEncre.h"

#include <algorithm>
#include <cmath>
#include <numbers>

CanvasEncre::CanvasEncre(TCanvas& mesure) : mesure_(mesure) {
    Font = mesure.Font;
    Pen = mesure.Pen;
}

void CanvasEncre::ajoute(vlRect r, bool trait) {
    r = r.Normalise();
    if (trait) {
        const int demi = std::max(Pen.Width, 1) / 2;
        r = {r.left - demi, r.top - demi, r.right + demi, r.bottom + demi};
    }
    if (vide_) {
        boite_ = r;
        vide_ = false;
        return;
    }
    boite_ = {std::min(boite_.left, r.left), std::min(boite_.top, r.top),
              std::max(boite_.right, r.right), std::max(boite_.bottom, r.bottom)};
}

void CanvasEncre::points(std::span<const vlPoint> points) {
    for (const vlPoint& p : points)
        ajoute({p.x, p.y, p.x, p.y}, true);
}

void CanvasEncre::Line(int x1, int y1, int x2, int y2) {
    ajoute({x1, y1, x2, y2}, true);
}

void CanvasEncre::Polyline(std::span<const vlPoint> p) {
    points(p);
}

void CanvasEncre::Polygon(std::span<const vlPoint> p) {
    points(p);
}

void CanvasEncre::PolyBezier(std::span<const vlPoint> p) {
    points(p); // the control points hold the curve
}

void CanvasEncre::Rectangle(int x1, int y1, int x2, int y2) {
    ajoute({x1, y1, x2, y2}, true);
}

void CanvasEncre::RoundRect(int x1, int y1, int x2, int y2, int, int) {
    ajoute({x1, y1, x2, y2}, true);
}

void CanvasEncre::Ellipse(int x1, int y1, int x2, int y2) {
    ajoute({x1, y1, x2, y2}, true);
}

void CanvasEncre::Arc(int x1, int y1, int x2, int y2, int, int, int, int) {
    ajoute({x1, y1, x2, y2}, true);
}

void CanvasEncre::Pie(int x1, int y1, int x2, int y2, int, int, int, int) {
    ajoute({x1, y1, x2, y2}, true);
}

void CanvasEncre::FillRect(const vlRect& rect) {
    ajoute(rect, false);
}

void CanvasEncre::StretchDraw(const vlRect& rect, const TPicture&) {
    ajoute(rect, false);
}

void CanvasEncre::TextOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    const vlSize taille = TextExtent(text);
    const TTextMetric metriques = GetTextMetrics();
    int gauche = x;
    switch (TextAlign() & TA_HORIZONTAL_MASK) {
    case TA_CENTER:
        gauche = x - taille.cx / 2;
        break;
    case TA_RIGHT:
        gauche = x - taille.cx;
        break;
    default:
        break;
    }
    int haut = y;
    switch (TextAlign() & TA_VERTICAL_MASK) {
    case TA_BASELINE:
        haut = y - metriques.tmAscent;
        break;
    case TA_BOTTOM:
        haut = y - metriques.tmHeight;
        break;
    default:
        break;
    }
    ajoute({gauche, haut, gauche + taille.cx, haut + metriques.tmHeight}, false);
}

// The box around the turned cell.
void CanvasEncre::TextOutAngle(int x, int y, const std::string& text, int tenthsOfDegree) {
    if (text.empty())
        return;
    const vlSize taille = TextExtent(text);
    const double a = tenthsOfDegree * std::numbers::pi / 1800;
    const double c = std::cos(a), s = std::sin(a);
    const double coins[4][2] = {{0, 0},
                                {double(taille.cx), 0},
                                {0, double(taille.cy)},
                                {double(taille.cx), double(taille.cy)}};
    vlRect boite{x, y, x, y};
    for (const auto& [u, v] : coins) {
        const int px = x + int(std::lround(u * c + v * s));
        const int py = y + int(std::lround(v * c - u * s));
        boite = {std::min(boite.left, px), std::min(boite.top, py), std::max(boite.right, px),
                 std::max(boite.bottom, py)};
    }
    ajoute(boite, false);
}

vlSize CanvasEncre::TextExtent(const std::string& text) {
    const auto connue = std::find_if(mesures_.begin(), mesures_.end(), [&](const Mesure& m) {
        return m.texte == text && m.police == Font;
    });
    if (connue != mesures_.end())
        return connue->taille;
    const TFont avant = mesure_.Font;
    mesure_.Font = Font;
    const vlSize taille = mesure_.TextExtent(text);
    mesure_.Font = avant;
    mesures_.push_back({Font, text, taille});
    return taille;
}

TTextMetric CanvasEncre::GetTextMetrics() {
    const auto connue = std::find_if(metriques_.begin(), metriques_.end(),
                                     [&](const auto& m) { return m.first == Font; });
    if (connue != metriques_.end())
        return connue->second;
    const TFont avant = mesure_.Font;
    mesure_.Font = Font;
    const TTextMetric metriques = mesure_.GetTextMetrics();
    mesure_.Font = avant;
    metriques_.emplace_back(Font, metriques);
    return metriques;
}
