#include "chart/engine/Chart.h"

#include "chart/engine/Dessinateur.h"

#include <algorithm>
#include <cmath>

namespace chart {

using namespace detail;

namespace {

constexpr int kHachures[] = {bsFDiagonal, bsHorizontal, bsBDiagonal,
                             bsVertical,  bsCross,      bsDiagCross};

// With several series on the axes each is drawn in one colour, the legend's: its first point's,
// or, when an earlier series has it, the first palette colour that none has yet; past the
// palette, the palette again, each round with hatches of its own. With hatching asked for, every
// series (or every point of a lone series) gets its own hatches.
void DistingueSeries(std::vector<Serie>& series, bool hachures) {
    std::vector<Serie*> visibles;
    for (Serie& s : series)
        if (s.visible && !s.points.empty())
            visibles.push_back(&s);
    if (visibles.size() == 1 ||
        (!visibles.empty() && visibles.front()->type == TypeSerie::Secteurs)) {
        if (hachures)
            for (std::size_t i = 0; i < visibles.front()->points.size(); ++i)
                visibles.front()->points[i].hachure = kHachures[i % std::size(kHachures)];
        return;
    }
    std::vector<TColor> prises;
    for (std::size_t k = 0; k < visibles.size(); ++k) {
        Serie& s = *visibles[k];
        if (s.type == TypeSerie::Secteurs)
            continue;
        TColor couleur = CouleurSerie(s);
        const auto prise = [&](TColor c) { return std::ranges::count(prises, c); };
        if (prise(couleur) > 0) {
            const auto libre =
                std::ranges::find_if(kPalette, [&](TColor c) { return prise(c) == 0; });
            couleur = libre != std::end(kPalette) ? *libre : kPalette[k % std::size(kPalette)];
        }
        const auto fois = prise(couleur);
        int hachure = bsSolid;
        if (hachures)
            hachure = kHachures[k % std::size(kHachures)];
        else if (fois > 0)
            hachure = kHachures[std::size_t(fois - 1) % std::size(kHachures)];
        for (PointSerie& p : s.points) {
            p.couleur = couleur;
            p.hachure = hachure;
        }
        prises.push_back(couleur);
    }
}

// Measures texts on the target canvas and draws nothing: a trial layout.
class Mesure final : public TCanvas {
public:
    explicit Mesure(TCanvas& cible) : cible_(cible) {}
    void Polyline(std::span<const vlPoint>) override {}
    void Polygon(std::span<const vlPoint>) override {}
    void PolyBezier(std::span<const vlPoint>) override {}
    void Rectangle(int, int, int, int) override {}
    void RoundRect(int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Pie(int, int, int, int, int, int, int, int) override {}
    void FillRect(const vlRect&) override {}
    void TextOut(int, int, const std::string&) override {}
    void TextOutAngle(int, int, const std::string&, int) override {}
    void StretchDraw(const vlRect&, const TPicture&) override {}
    vlSize TextExtent(const std::string& text) override {
        const TFont garde = cible_.Font;
        cible_.Font = Font;
        const vlSize s = cible_.TextExtent(text);
        cible_.Font = garde;
        return s;
    }
    TTextMetric GetTextMetrics() override {
        const TFont garde = cible_.Font;
        cible_.Font = Font;
        const TTextMetric m = cible_.GetTextMetrics();
        cible_.Font = garde;
        return m;
    }

protected:
    void Line(int, int, int, int) override {}

private:
    TCanvas& cible_;
};

constexpr int kPointsMin = 7, kPointsMax = 14;

// The model with every text font held between 7 points and `plafond`.
Modele AuPlafond(Modele m, int plafond) {
    const auto borne = [plafond](TFont& f) {
        // Canvas fonts are -(points x 254 / 72) tenths of a millimetre high.
        const int points = f.Height < 0 ? -f.Height * 72 / 254 : kPointsMax;
        f.Height = -(std::clamp(points, kPointsMin, plafond) * 254 / 72);
    };
    for (TFont* f : {&m.fonteTitre, &m.fontePied, &m.fonteLegende, &m.fonteMarques,
                     &m.gauche.fonteLibelles, &m.gauche.fonteTitre, &m.bas.fonteLibelles,
                     &m.bas.fonteTitre, &m.profondeur.fonteLibelles, &m.profondeur.fonteTitre})
        borne(*f);
    return m;
}

} // namespace

int NiveauGris(TColor c) {
    return int(std::lround(0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c)));
}

void RemplitGradient(TCanvas& canvas, const vlRect& r, TColor debut, TColor fin, int direction) {
    const bool vertical = direction == 0 || direction == 1;
    const int longueur = vertical ? r.Height() : r.Width();
    if (longueur <= 0)
        return;
    const bool inverse = direction == 1 || direction == 3;
    const int bandes = std::min(longueur, 64);
    canvas.Brush.Style = bsSolid;
    for (int i = 0; i < bandes; ++i) {
        const int a = longueur * i / bandes, b = longueur * (i + 1) / bandes;
        const double t = bandes > 1 ? double(i) / (bandes - 1) : 0;
        canvas.Brush.Color = Melange(debut, fin, inverse ? 1 - t : t);
        canvas.FillRect(vertical ? vlRect{r.left, r.top + a, r.right, r.top + b}
                                 : vlRect{r.left + a, r.top, r.left + b, r.bottom});
    }
}

bool Dessine(const Modele& modele, TCanvas& canvas, const vlRect& rect, Omissions* omissions) {
    const vlRect r = rect.Normalise();
    if (r.Width() <= 0 || r.Height() <= 0)
        return false;
    const int niveau = canvas.SaveDC();
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    const TFont font = canvas.Font;
    canvas.IntersectClipRect(r.left, r.top, r.right + 1, r.bottom + 1);
    Modele m = modele;
    DistingueSeries(m.series, m.hachures);
    // The largest size at which nothing is left out or thinned, else the smallest.
    int plafond = kPointsMax;
    for (; plafond > kPointsMin; --plafond) {
        Mesure essai(canvas);
        const Modele modeleEssai = AuPlafond(m, plafond);
        Dessinateur d(modeleEssai, essai);
        d.Tout(r);
        if (d.complet && d.omis.Perdus() == 0 && d.omis.eclaircis == 0)
            break;
    }
    const Modele retenu = AuPlafond(m, plafond);
    Dessinateur dessin(retenu, canvas);
    dessin.Tout(r);
    canvas.RestoreDC(niveau);
    canvas.Pen = pen;
    canvas.Brush = brush;
    canvas.Font = font;
    if (omissions != nullptr)
        *omissions = dessin.omis;
    return dessin.complet;
}

} // namespace chart
