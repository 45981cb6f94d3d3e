// A canvas that draws nothing and keeps the box around everything drawn on it: the room an
// exercise takes, found by drawing it, before it is placed. Text is measured with the fonts of
// the canvas it stands for.
#pragma once

#include "platform/Canvas.h"

#include <string>
#include <utility>
#include <vector>

class CanvasEncre : public TCanvas {
public:
    explicit CanvasEncre(TCanvas& mesure);

    // The box around what was drawn since the last Efface; empty when nothing was.
    bool Vide() const { return vide_; }
    vlRect Boite() const { return boite_; }
    void Efface() { vide_ = true; }

    void Polyline(std::span<const vlPoint> points) override;
    void Polygon(std::span<const vlPoint> points) override;
    void PolyBezier(std::span<const vlPoint> points) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const vlRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextOutAngle(int x, int y, const std::string& text, int tenthsOfDegree) override;
    vlSize TextExtent(const std::string& text) override;
    TTextMetric GetTextMetrics() override;
    void StretchDraw(const vlRect& rect, const TPicture& picture) override;

protected:
    void Line(int x1, int y1, int x2, int y2) override;

private:
    // Adds a box, widened by half the pen on each side when `trait`.
    void ajoute(vlRect r, bool trait);
    void points(std::span<const vlPoint> points);

    struct Mesure {
        TFont police;
        std::string texte;
        vlSize taille;
    };

    TCanvas& mesure_;
    std::vector<Mesure> mesures_;
    std::vector<std::pair<TFont, TTextMetric>> metriques_;
    bool vide_ = true;
    vlRect boite_;
};
