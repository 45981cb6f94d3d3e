// The thermometer: a bulb, a tube whose liquid column shows a temperature, and up to two
// graduated scales, the right one converted from the left into another unit.
#pragma once

#include "common/Kind.h"
#include "host/Fonte.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The thermometer's saved settings.
struct ThermometreOptions {
    std::uint8_t StyleBrosseFond = bsSolid; // the liquid
    std::uint8_t Reserve1[3] = {};
    TColor CouleurBrosseFond = clRed;
    Fonte Police;          // labels and numbers
    std::int16_t Mode = 0; // display mode of the liquid
    std::uint8_t AffichagePetites = 1;
    std::uint8_t AffichageMoyennes = 1;
    std::uint8_t AffichageGrandes = 1;
    std::uint8_t LibelleMoyennes = 1;
    std::uint8_t LibelleGrandes = 1;
    std::uint8_t Reserve2 = 0;
    std::int16_t LargeurConduit = 4; // millimetres
    std::int16_t TemperatureMinimum = -20;
    std::int16_t TemperatureMaximum = 60;
    std::int16_t Temperature = 0;              // in the left scale's unit
    std::int16_t LibelleTemperatureGauche = 0; // 0 °C, 1 °F, 2 K, 3 none
    std::int16_t LibelleTemperatureDroite = 3;
    std::uint8_t AfficherUnites = 1;
    std::uint8_t Reserve3[64] = {};
    std::uint8_t Reserve4[3] = {};
};
static_assert(sizeof(ThermometreOptions) == 144);
static_assert(offsetof(ThermometreOptions, CouleurBrosseFond) == 4);
static_assert(offsetof(ThermometreOptions, Police) == 8);
static_assert(offsetof(ThermometreOptions, Mode) == 56);
static_assert(offsetof(ThermometreOptions, AffichagePetites) == 58);
static_assert(offsetof(ThermometreOptions, LibelleGrandes) == 62);
static_assert(offsetof(ThermometreOptions, LargeurConduit) == 64);
static_assert(offsetof(ThermometreOptions, TemperatureMinimum) == 66);
static_assert(offsetof(ThermometreOptions, TemperatureMaximum) == 68);
static_assert(offsetof(ThermometreOptions, Temperature) == 70);
static_assert(offsetof(ThermometreOptions, LibelleTemperatureGauche) == 72);
static_assert(offsetof(ThermometreOptions, LibelleTemperatureDroite) == 74);
static_assert(offsetof(ThermometreOptions, AfficherUnites) == 76);
static_assert(offsetof(ThermometreOptions, Reserve3) == 77);
static_assert(offsetof(ThermometreOptions, Reserve4) == 141);

class TvlThermometre : public Kind<TvlThermometre, ThermometreOptions> {
public:
    static constexpr int NUMERO = 127;
    // Version 2 adds the line under the picture.
    static constexpr std::int16_t VERSION = 2;
    // The unit code of a scale that shows nothing.
    static constexpr int SANS_UNITE = 3;

    // Shows a temperature drawn at random within the scale.
    explicit TvlThermometre(TCadre* cadre);
    TvlThermometre(const TvlThermometre&) = default;

    TableCles Cles() const override;

    vlSize TailleCreation() const override { return {500, 1000}; }
    std::string NomProp() const override { return "ThermometreProp"; }
    bool DblClk(int shift, vlPoint p) override;
    std::vector<std::string> Description() const override;
    // The factory settings in the host's global font; the temperature drawn stays.
    void RestaureStandardNonApplique() override;

    // The picture, then the line under it.
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // The temperature in the left scale's unit ("18 °C"), to colour up to when the test version
    // hides the liquid.
    std::optional<CibleImage> Cible() const override;
    // The whole picture; false with the reason when the frame or the scale leaves no room for it.
    bool DessineThermometre(TCanvas& canvas, int mode, std::string& erreur);

    // The numbers and unit labels the last drawing left out for want of room.
    std::string AvertissementCadre() const override;

    // A left-scale value in the right scale's unit, truncated toward zero.
    int Conversion(double t) const;
    // The lowest whole value of a unit at or above absolute zero; -300 for no unit.
    static int ZeroAbsolu(int code);
    // The lowest left-scale value that neither scale shows below absolute zero: the tube and
    // the temperature start there whatever the stored minimum says.
    int MinimumPossible() const;
    // The temperature shown: the stored one, raised to absolute zero.
    int TemperatureMontree() const;
    // The unit's label: "°C", "°F", "K", or nothing.
    static std::string Unite(int code);

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void AppliqueOptions() override;

private:
    // A temperature drawn at random within the scale.
    void tireTemperature();
    // A new range that leaves the temperature out draws it again inside.
    void gardeTemperatureDansEchelle();

    TFont police_;
    int textesHorsCadre_ = 0;
    bool bulbeHorsCadre_ = false; // the frame too narrow for the bulb beside the left numbers
};
