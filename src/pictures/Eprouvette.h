// The graduated test tube: a cylinder on a foot with a pouring lip, filled to a liquid volume,
// graduated in millilitres, centilitres, decilitres or litres. Its scale follows either a
// volume typed by the teacher or the cylinder's real size on paper.
#pragma once

#include "common/Kind.h"
#include "host/Fonte.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The test tube's saved settings. Volumes are in hundredths of a millilitre.
struct EprouvetteOptions {
    std::uint8_t StyleBrosseFond = bsSolid; // the liquid
    std::uint8_t Reserve1[3] = {};
    TColor CouleurBrosseFond = 0xFFFF00;
    Fonte Police;          // the graduation numbers
    std::int16_t Mode = 0; // display mode of the liquid
    std::uint8_t Lenticulaire = 1;
    std::uint8_t Reserve2 = 0;
    std::int32_t CalculsEprouvette = 0; // 0 the scale follows Volume, 1 Volume follows the size
    std::int32_t Libelles = 0;          // step of the graduations: 0 ml, 1 cl, 2 dl, 3 l
    std::uint8_t AffichagePetites = 1;
    std::uint8_t AffichageMoyennes = 1;
    std::uint8_t AffichageGrandes = 1;
    std::uint8_t LibelleMoyennes = 1;
    std::uint8_t LibelleGrandes = 1;
    std::uint8_t Reserve3[3] = {};
    std::int32_t Volume = 1000;         // the graduated part, full
    std::int32_t LargeurInterieure = 0; // tenths of a millimetre, refreshed by Options
    std::int32_t HauteurGraduee = 0;    // tenths of a millimetre, refreshed by Options
    std::int32_t VolumeLiquide = 0;
};
static_assert(sizeof(EprouvetteOptions) == 92);
static_assert(offsetof(EprouvetteOptions, CouleurBrosseFond) == 4);
static_assert(offsetof(EprouvetteOptions, Police) == 8);
static_assert(offsetof(EprouvetteOptions, Mode) == 56);
static_assert(offsetof(EprouvetteOptions, Lenticulaire) == 58);
static_assert(offsetof(EprouvetteOptions, CalculsEprouvette) == 60);
static_assert(offsetof(EprouvetteOptions, Libelles) == 64);
static_assert(offsetof(EprouvetteOptions, AffichagePetites) == 68);
static_assert(offsetof(EprouvetteOptions, LibelleGrandes) == 72);
static_assert(offsetof(EprouvetteOptions, Volume) == 76);
static_assert(offsetof(EprouvetteOptions, LargeurInterieure) == 80);
static_assert(offsetof(EprouvetteOptions, HauteurGraduee) == 84);
static_assert(offsetof(EprouvetteOptions, VolumeLiquide) == 88);

class TvlEprouvette : public Kind<TvlEprouvette, EprouvetteOptions> {
public:
    static constexpr int NUMERO = 80;
    // Version 2 adds the line under the picture.
    static constexpr std::int16_t VERSION = 2;
    // The largest volume a key takes, in hundredths of a millilitre.
    static constexpr int VOLUME_MAX = 297114290;

    // Holds a liquid volume drawn at random below the full volume; draws nothing until the
    // host ends its creation.
    explicit TvlEprouvette(TCadre* cadre);
    // A copy draws at once.
    TvlEprouvette(const TvlEprouvette& autre);

    TableCles Cles() const override;

    // Wide enough for the unit over the numbers and for the volume written under the tube.
    vlSize TailleCreation() const override { return {250, 600}; }
    std::string NomProp() const override { return "EprouvetteProp"; }
    bool DblClk(int shift, vlPoint p) override;
    std::vector<std::string> Description() const override;
    // The factory settings in the host's global font; the liquid drawn stays.
    void RestaureStandardNonApplique() override;

    // The block, its inner width and graduated height (tenths of a millimetre) refreshed.
    void* Options(int& taille) override;
    void ChangeCoords(vlRect r) override;
    void ChangeTaille(vlSize s) override;
    void TermineConstruction() override;
    void StopModifCreation(TCanvas& canvas, bool efface) override;
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override;

    // The tube, then the line under it.
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // The liquid volume ("14,85 ml"), to pour when the test version hides the liquid.
    std::optional<CibleImage> Cible() const override;

    // The graduation numbers the last drawing left out for want of room.
    std::string AvertissementCadre() const override;

    // With "Recalcule graduations", the full volume of the cylinder the frame draws.
    void EffectuerCalculs();
    // The outline's seven points, relative to the picture's origin.
    void CalculerPoints();
    const std::array<vlPoint, 7>& Points() const { return points_; }

    // The inner width and graduated height in centimetres, of the tube the frame draws above
    // the line under it.
    double LargeurCm() const;
    double HauteurCm() const;
    // The full volume in millilitres the scale spreads over the graduated height.
    double VolumePlein() const;
    // Hundredths of a millilitre as text: "14,85", "6,5", "10".
    static std::string Millilitres(int centiemes);

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    std::optional<std::string> TexteCle(const Cle& cle) override;
    void ApresCle(int index) override;
    void AppliqueOptions() override;

private:
    void DessineLiquide(TCanvas& canvas, vlPoint origine);
    // A number beside its tick, added to `numeros` when drawn; answers where the tick starts.
    // The unit goes by the highest number, left of `droite` (where the short ticks start).
    int DessineNumero(TCanvas& canvas, const std::string& texte, const vlRect& trait, vlPoint o,
                      std::vector<vlRect>& numeros);
    void DessineUnite(TCanvas& canvas, const std::vector<vlRect>& numeros, int droite);
    void DessineGraduations(TCanvas& canvas, vlPoint origine);

    std::array<vlPoint, 7> points_{};
    TFont police_;
    bool enCreation_ = false;
    int textesHorsCadre_ = 0;
    bool uniteHorsCadre_ = false; // the unit left out of the last drawing
};
