// The free shape: a closed outline of 8, 16, 24 or 32 points that the teacher draws out and
// reshapes with the mouse, drawn as a polygon or, when rounded, as a smooth closed Bézier curve
// through its points.
#pragma once

#include "common/Kind.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The shape's saved settings.
struct FormeOptions {
    std::uint8_t StylePinceau = psSolid; // outline pen
    std::uint8_t Reserve1[3] = {};
    TColor CouleurPinceau = clBlack;
    std::int32_t TaillePinceau = 1;
    std::uint8_t StyleBrosse = bsClear; // fill
    std::uint8_t Reserve2[3] = {};
    TColor CouleurBrosse = clBlack;
    std::int16_t Mode = 0;       // 0 always shown, 1 test version only, 2 corrected version only
    std::int16_t NbPoints = 8;   // 8, 16, 24 or 32
    std::int32_t Distance = 100; // length of the curve's arms; below 1 a polygon
};
static_assert(sizeof(FormeOptions) == 28);
static_assert(offsetof(FormeOptions, StylePinceau) == 0);
static_assert(offsetof(FormeOptions, CouleurPinceau) == 4);
static_assert(offsetof(FormeOptions, TaillePinceau) == 8);
static_assert(offsetof(FormeOptions, StyleBrosse) == 12);
static_assert(offsetof(FormeOptions, CouleurBrosse) == 16);
static_assert(offsetof(FormeOptions, Mode) == 20);
static_assert(offsetof(FormeOptions, NbPoints) == 22);
static_assert(offsetof(FormeOptions, Distance) == 24);

class TvlForme : public Kind<TvlForme, FormeOptions> {
public:
    static constexpr int NUMERO = 72;
    static constexpr std::int16_t VERSION = 1;
    static constexpr int MAX_POINTS = 32;
    // Grab codes of an interactive change: the creation corner, the whole shape, point k as
    // CODE_POINT + k.
    static constexpr int CODE_CREATION = 1;
    static constexpr int CODE_POINT = 10;

    using Points = std::array<vlPoint, MAX_POINTS>;

    explicit TvlForme(TCadre* cadre);
    TvlForme(const TvlForme&) = default;

    TableCles Cles() const override;
    std::string NomProp() const override { return "FormeProp"; }
    std::vector<std::string> Description() const override;
    std::string AvertissementCadre() const override;
    void AppliquerOptions(const void* donnees) override;
    // Both lay the points back on the rectangle's ellipse, as the count may have changed.
    void RestaureDefaut() override;
    void RestaureStandard() override;

    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    void Imprime(TCanvas& canvas, int mode, TPlanche* planche) override;
    void Preview(TCanvas& canvas, int mode, TPlanche* planche) override;

    void CalculerPoignees() override;
    void DessinePoignees(TCanvas& canvas) override;
    int HitTest(vlPoint p) const override;
    int Curseur(int code) const override;
    void InitModif(TCanvas& canvas, vlPoint p, int code) override;
    vlRect CalculeMotif(vlPoint p) override;
    void BougeMotif(TCanvas& canvas, vlPoint p, bool efface) override;
    void DessineMotif(TCanvas& canvas) override;
    void StopModif(TCanvas& canvas, bool efface) override;
    void InitModifCreation(TCanvas& canvas, vlPoint p) override;
    void StopModifCreation(TCanvas& canvas, bool efface) override;
    void ChangeCoords(vlRect r) override;

    // n points on the ellipse the rectangle holds, clockwise from its top-left (whichever way
    // it was drawn out), relative to its centre: the ends of its axes touch the rectangle's
    // sides, where the curve runs along them, so that the default curve stays inside.
    static Points PointsSurEllipse(vlRect r, int n);
    // Lays the points on the ellipse of the component's rectangle.
    void InitDp();
    // The curve's 3 x count + 1 points from the points and the rounding.
    void CalculBezier();
    // The shape itself, without the screen's guide, when the display mode shows it.
    void DessineForme(TCanvas& canvas, int mode);
    // The points become the reference of later rescaling.
    void CopierP();

    int NbPoints() const { return bloc_.NbPoints; }
    // The points, relative to the rectangle's centre.
    std::span<const vlPoint> Pts() const { return {dp_.data(), std::size_t(NbPoints())}; }
    std::span<const vlPoint> Bezier() const {
        return {bezier_.data(), std::size_t(3 * NbPoints() + 1)};
    }
    // Moves point k to the absolute position p as a handle drag does (grid, page limits).
    void DeplacePoint(int k, vlPoint p);

    static constexpr bool NbPointsValide(int n) { return n == 8 || n == 16 || n == 24 || n == 32; }

protected:
    std::optional<std::string> TexteCle(const Cle& cle) override;
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void ChargeOptions(TStream& s, bool& ok) override;
    bool SauveDonnees(TStream& s) override;
    bool ChargeDonnees(TStream& s) override;

private:
    // The points from the margins' origin, as the "Points" key reads them.
    std::string textePoints() const;
    // Points back on the rectangle's ellipse, all handles visible, handles and curve recomputed.
    void Reinitialise();
    bool ChangePoints(const std::string& valeur, std::string& message);
    vlPoint Centre() const { return Rect.Normalise().Centre(); }
    // q snapped to the nearest grid line of the page.
    vlPoint SnapProche(vlPoint q) const;
    // Where the shape's points may go: its frame, the page within its margins.
    std::optional<vlRect> Page() const;

    Points dp_{};         // the points
    Points dpSauve_{};    // reference for rescaling
    Points dpModif_{};    // during an interactive change
    Points dpCandidat_{}; // for the current pointer position
    std::array<vlRect, MAX_POINTS> poignees_{};
    std::array<bool, MAX_POINTS> poigneeVisible_{};
    std::array<vlPoint, 3 * MAX_POINTS + 1> bezier_{};
    vlRect rectModif_{};
    vlSize prise_{};
    int code_ = 0;
    bool creation_ = false;
};
