#include "chart/engine/Chart.h"

#include "chart/engine/Dessinateur.h"

#include <algorithm>

namespace chart {

using namespace detail;

namespace {

// With several series on the axes each is drawn in one colour, the legend's: its first point's,
// or, when an earlier series has it, the first colour of ours that none has yet.
void DistingueSeries(std::vector<Serie>& series) {
    static constexpr TColor kCouleurs[] = {clRed,  clBlue,  clGreen, clYellow,  clMaroon, clPurple,
                                           clTeal, clOlive, clNavy,  clFuchsia, clLime,   clAqua};
    std::vector<Serie*> visibles;
    for (Serie& s : series)
        if (s.visible && s.type != TypeSerie::Secteurs && !s.points.empty())
            visibles.push_back(&s);
    if (visibles.size() < 2)
        return;
    std::vector<TColor> prises;
    const auto prise = [&](TColor c) {
        return std::find(prises.begin(), prises.end(), c) != prises.end();
    };
    for (Serie* s : visibles) {
        TColor couleur = CouleurSerie(*s);
        if (prise(couleur)) {
            const auto libre = std::find_if(std::begin(kCouleurs), std::end(kCouleurs),
                                            [&](TColor k) { return !prise(k); });
            if (libre != std::end(kCouleurs))
                couleur = *libre;
        }
        for (PointSerie& p : s->points)
            p.couleur = couleur;
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
    DistingueSeries(m.series);
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
