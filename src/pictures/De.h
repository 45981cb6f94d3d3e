// The die: one face of 1 to 6 pips, or a domino of two halves of 0 to 6 pips, on a rounded
// rectangle. Its values are drawn at random when it is created and on demand.
#pragma once

#include "common/Kind.h"

#include <cstddef>
#include <cstdint>

// The die's saved settings.
struct DeOptions {
    std::uint8_t StylePinceau = psSolid; // outline pen style
    std::uint8_t Reserve1[3] = {};
    TColor CouleurPinceau = clBlack; // outline colour, also the pips' outline
    std::int32_t TaillePinceau = 1;
    std::uint8_t StyleBrosse = bsSolid; // face brush
    std::uint8_t Reserve2[3] = {};
    TColor CouleurBrosse = clWhite;
    std::int16_t Aspect = 0;      // 0 a die face, otherwise a domino
    std::uint8_t Orientation = 0; // 0 horizontal, 1 vertical
    std::uint8_t Reserve3 = 0;
    std::int16_t Valeur1 = 1; // the die, or the first half
    std::int16_t Valeur2 = 0; // the second half
    std::int16_t Mode = 0;    // display mode of the pips
    std::uint8_t StyleBrossePoint = bsSolid;
    std::uint8_t Reserve4 = 0;
    TColor CouleurPoint = clBlack;
};
static_assert(sizeof(DeOptions) == 36);
static_assert(offsetof(DeOptions, StylePinceau) == 0);
static_assert(offsetof(DeOptions, CouleurPinceau) == 4);
static_assert(offsetof(DeOptions, TaillePinceau) == 8);
static_assert(offsetof(DeOptions, StyleBrosse) == 12);
static_assert(offsetof(DeOptions, CouleurBrosse) == 16);
static_assert(offsetof(DeOptions, Aspect) == 20);
static_assert(offsetof(DeOptions, Orientation) == 22);
static_assert(offsetof(DeOptions, Valeur1) == 24);
static_assert(offsetof(DeOptions, Valeur2) == 26);
static_assert(offsetof(DeOptions, Mode) == 28);
static_assert(offsetof(DeOptions, StyleBrossePoint) == 30);
static_assert(offsetof(DeOptions, CouleurPoint) == 32);

class TvlDe : public Kind<TvlDe, DeOptions> {
public:
    static constexpr int NUMERO = 77;
    // Version 2 adds the line under the picture.
    static constexpr std::int16_t VERSION = 2;

    explicit TvlDe(TCadre* cadre);
    TvlDe(const TvlDe&) = default;

    TableCles Cles() const override;

    vlSize TailleCreation() const override { return {300, 300}; }
    std::string NomProp() const override { return "DeProp"; }
    bool DblClk(int shift, vlPoint p) override;
    std::vector<std::string> Description() const override;
    // "Orientation" first: it turns the frame as it is received, so a sheet gives it before the
    // size and place, which then replace the turned new frame.
    std::vector<TCleValeur> ReglagesFeuille() override;

    // The factory settings; the values drawn at creation stay.
    void RestaureStandardNonApplique() override;

    // The picture, then the line under it.
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // The pips to count: the die's, or the sum of the domino's two halves.
    std::optional<CibleImage> Cible() const override;
    // The pips of a value centred in r, pips turned by the orientation.
    void DessinePoints(TCanvas& canvas, vlRect r, int valeur);
    // Sets the pen like every picture kind, but always in the outline colour of the die.
    void AffectePen(TCanvas& canvas, TPenStyle style, TColor couleur, int taille);

    // New values: both halves 0..6 for a domino, 1..6 for a die.
    void Tire();
    // Exchanges the frame's width and height about its centre.
    void Tourne();

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void ApresCle(int index) override;

private:
    void DessineImage(TCanvas& canvas, int mode);
};
