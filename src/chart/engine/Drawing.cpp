// Colours, pens, brushes and texts shared by the chart's painter, its legend and its marks.

#include "chart/engine/Drawing.h"

#include <cmath>

namespace chart::detail {

TColor Melange(TColor a, TColor b, double t) {
    const auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return RGB(m(GetRValue(a), GetRValue(b)), m(GetGValue(a), GetGValue(b)),
               m(GetBValue(a), GetBValue(b)));
}
TColor Sombre(TColor c) {
    return Melange(c, clBlack, 0.35);
}
TColor Clair(TColor c) {
    return Melange(c, clWhite, 0.35);
}

void Plein(TCanvas& canvas, TColor couleur, int style) {
    canvas.Brush.Color = couleur;
    canvas.Brush.Style = TBrushStyle(style);
}
void Trait(TCanvas& canvas, TColor couleur, int largeur, TPenStyle style) {
    canvas.Pen = TPen{couleur, largeur, style, pmCopy};
}

void Texte(TCanvas& canvas, int x, int y, const std::string& t) {
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(x, y, t);
}

void TexteLisible(TCanvas& canvas, int x, int y, const std::string& t, std::string_view quoi) {
    Texte(canvas, x, y, t);
    const vlSize s = canvas.TextExtent(t);
    canvas.TagReadable({x, y, x + s.cx, y + s.cy}, quoi);
}

TColor CouleurSerie(const Serie& s) {
    return s.points.empty() ? clRed : s.points.front().couleur;
}

bool EstBarre(TypeSerie t) {
    return t == TypeSerie::Barres || t == TypeSerie::BarresHorizontales;
}

} // namespace chart::detail
