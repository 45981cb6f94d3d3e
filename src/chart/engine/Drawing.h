// Colours, pens, brushes and texts shared by the chart's painter, its legend and its marks.
#pragma once

#include "chart/engine/Chart.h"

#include <string>
#include <string_view>

namespace chart::detail {

inline constexpr int kEcart = 10; // gap between texts and what they label

TColor Melange(TColor a, TColor b, double t);
TColor Sombre(TColor c);
TColor Clair(TColor c);
void Plein(TCanvas& canvas, TColor couleur, int style = bsSolid);
void Trait(TCanvas& canvas, TColor couleur, int largeur = 1, TPenStyle style = psSolid);
void Texte(TCanvas& canvas, int x, int y, const std::string& t);
// Texte, its box marked as having to stay readable, named by what it is ("légende").
void TexteLisible(TCanvas& canvas, int x, int y, const std::string& t, std::string_view quoi);
// The series' one colour (lines, areas): its first point's.
TColor CouleurSerie(const Serie& s);
bool EstBarre(TypeSerie t);

// Black hatches over the shape that `dessine` has just filled, when `style` asks for any.
template <class F> void Hachure(TCanvas& canvas, int style, F&& dessine) {
    if (style == bsSolid || style == bsClear)
        return;
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    Plein(canvas, clBlack, style);
    canvas.Pen.Style = psClear;
    dessine();
    canvas.Pen = pen;
    canvas.Brush = brush;
}

} // namespace chart::detail
