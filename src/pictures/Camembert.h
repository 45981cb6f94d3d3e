// The pie chart: a disc cut into equal sectors with a fraction of it filled, from a start
// angle, clockwise or counter-clockwise.
#pragma once

#include "common/Kind.h"

#include <cstddef>
#include <cstdint>

// The pie's saved settings.
struct CamembertOptions {
    std::uint8_t StylePinceau = psSolid;
    std::uint8_t Reserve1[3] = {};
    TColor CouleurPinceau = clBlack;
    std::int32_t TaillePinceau = 1;     // width of the disc's outline
    std::uint8_t StyleBrosse = bsClear; // the disc
    std::uint8_t Reserve2[3] = {};
    TColor CouleurBrosse = clWhite;
    std::int16_t Mode = 0; // display mode of the filled part
    std::uint8_t StyleBrosseCamembert = bsSolid;
    std::uint8_t Reserve3 = 0;
    TColor CouleurCamembert = clBlue;
    std::int16_t Numerateur = 1;
    std::int16_t Denominateur = 4; // number of sectors
    std::int16_t Angle = 90;       // degrees, counter-clockwise from 3 o'clock
    std::uint8_t Sens = 0;         // 0 clockwise, 1 counter-clockwise
    std::uint8_t MontrerSecteurs = 1;
    std::uint8_t MontrerRayon = 1;
    std::uint8_t Reserve4[3] = {};
};
static_assert(sizeof(CamembertOptions) == 40);
static_assert(offsetof(CamembertOptions, StylePinceau) == 0);
static_assert(offsetof(CamembertOptions, CouleurPinceau) == 4);
static_assert(offsetof(CamembertOptions, TaillePinceau) == 8);
static_assert(offsetof(CamembertOptions, StyleBrosse) == 12);
static_assert(offsetof(CamembertOptions, CouleurBrosse) == 16);
static_assert(offsetof(CamembertOptions, Mode) == 20);
static_assert(offsetof(CamembertOptions, StyleBrosseCamembert) == 22);
static_assert(offsetof(CamembertOptions, CouleurCamembert) == 24);
static_assert(offsetof(CamembertOptions, Numerateur) == 28);
static_assert(offsetof(CamembertOptions, Denominateur) == 30);
static_assert(offsetof(CamembertOptions, Angle) == 32);
static_assert(offsetof(CamembertOptions, Sens) == 34);
static_assert(offsetof(CamembertOptions, MontrerSecteurs) == 35);
static_assert(offsetof(CamembertOptions, MontrerRayon) == 36);
static_assert(offsetof(CamembertOptions, Reserve4) == 37);

class TvlCamembert : public Kind<TvlCamembert, CamembertOptions> {
public:
    static constexpr int NUMERO = 75;
    // Version 2 adds the line under the picture.
    static constexpr std::int16_t VERSION = 2;

    explicit TvlCamembert(TCadre* cadre);
    TvlCamembert(const TvlCamembert&) = default;

    TableCles Cles() const override;

    vlSize TailleCreation() const override { return {400, 400}; }
    std::string NomProp() const override { return "CamembertProp"; }
    bool DblClk(int shift, vlPoint p) override;
    std::vector<std::string> Description() const override;

    // The picture, then the line under it.
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // The fraction ("3/8"), to colour when the test version hides the filled part.
    std::optional<CibleImage> Cible() const override;

protected:
    void ApresCle(int index) override;

private:
    void DessineImage(TCanvas& canvas, int mode);
};
