// The clock face: a dial with sixty graduations and the numbers 1 to 12, and hour, minute and
// second hands set to a stored time, for time-telling exercises.
#pragma once

#include "common/Kind.h"
#include "host/Fonte.h"

#include <cstddef>
#include <cstdint>

// The clock's saved settings. Pens: frame, hour, minute, second hand; brushes: background,
// hour, minute hand.
struct MontreOptions {
    enum : int { CADRE = 0, HEURE = 1, MINUTE = 2, SECONDE = 3 };
    enum : int { FOND = 0 };

    std::uint8_t StylePinceau[4] = {psSolid, psSolid, psSolid, psSolid};
    TColor CouleurPinceau[4] = {clBlack, clBlack, clBlack, clBlack};
    std::int32_t TaillePinceau[4] = {1, 1, 1, 1};
    std::uint8_t StyleBrosse[3] = {bsSolid, bsSolid, bsSolid};
    std::uint8_t Reserve = 0;
    TColor CouleurBrosse[3] = {clWhite, clWhite, clWhite};
    Fonte Police;          // the numbers
    std::int16_t Mode = 0; // display mode of the hands
    std::int16_t Heure = 12;
    std::int16_t Minute = 15;
    std::int16_t Seconde = 0;
    std::uint8_t MontrerHeure = 1;
    std::uint8_t MontrerMinute = 1;
    std::uint8_t MontrerSeconde = 1;
    std::uint8_t MontrerChiffres = 1;
};
static_assert(sizeof(MontreOptions) == 112);
static_assert(offsetof(MontreOptions, StylePinceau) == 0);
static_assert(offsetof(MontreOptions, CouleurPinceau) == 4);
static_assert(offsetof(MontreOptions, TaillePinceau) == 20);
static_assert(offsetof(MontreOptions, StyleBrosse) == 36);
static_assert(offsetof(MontreOptions, Reserve) == 39);
static_assert(offsetof(MontreOptions, CouleurBrosse) == 40);
static_assert(offsetof(MontreOptions, Police) == 52);
static_assert(offsetof(MontreOptions, Mode) == 100);
static_assert(offsetof(MontreOptions, Heure) == 102);
static_assert(offsetof(MontreOptions, Minute) == 104);
static_assert(offsetof(MontreOptions, Seconde) == 106);
static_assert(offsetof(MontreOptions, MontrerHeure) == 108);
static_assert(offsetof(MontreOptions, MontrerMinute) == 109);
static_assert(offsetof(MontreOptions, MontrerSeconde) == 110);
static_assert(offsetof(MontreOptions, MontrerChiffres) == 111);

class TvlMontre : public Kind<TvlMontre, MontreOptions> {
public:
    static constexpr int NUMERO = 76;
    // Version 2 adds the statement and answer under the dial.
    static constexpr std::int16_t VERSION = 2;

    // Shows the time of day of its creation (HeureSysteme).
    explicit TvlMontre(TCadre* cadre);
    TvlMontre(const TvlMontre&) = default;

    TableCles Cles() const override;

    // The font the numbers are written in.
    const TFont& PoliceChiffres() const { return police_; }

    vlSize TailleCreation() const override { return {600, 600}; }
    std::string NomProp() const override { return "MontreProp"; }
    bool DblClk(int shift, vlPoint p) override;
    std::vector<std::string> Description() const override;
    // Factory values; the numbers take the host's global font.
    void RestaureStandardNonApplique() override;

    // The dial, then the line under it.
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // The time of the hands ("9 h 15"; "9 h 15 min 30 s" with a second hand off 0), to draw
    // when the test version hides the hands.
    std::optional<CibleImage> Cible() const override;

    // The hands at the time of day the host gives (SourceHeure: the local time in the editor).
    void HeureSysteme();
    // The hands at a time of day given in seconds since midnight.
    void ChangeTemps(int secondes);

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void AppliqueOptions() override;

private:
    void DessineCadran(TCanvas& canvas, int mode);
    // A hand drawn as a quadrilateral from the centre to its tip, in the hand's pen and brush.
    void DessineAiguille(TCanvas& canvas, vlPoint centre, vlPoint pointe, int aiguille);

    TFont police_;
};
