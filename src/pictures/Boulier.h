// The abacus: a bead frame (rods across or upright, "Base" beads each, the number being the
// beads pushed to the counting end, rod after rod) or a spike abacus (one digit of the number in
// "Base" per rod, beads stacked on a base bar). Three working modes: the first layout, moving
// beads and colouring beads in place.
#pragma once

#include "common/Kind.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The abacus's saved settings (record version 2; version 1 held the first 44 bytes).
struct BoulierOptions {
    std::uint8_t StylePinceau = psSolid; // outline
    std::uint8_t Reserve1[3] = {};
    TColor CouleurPinceau = clBlack;
    std::int32_t TaillePinceau = 1;
    std::uint8_t StyleBrosse = bsSolid; // the wooden frame
    std::uint8_t Reserve2[3] = {};
    TColor CouleurBrosse = clMaroon;
    std::int16_t Mode = 0;
    std::int16_t TypeBoulier = 0; // 0..3 bead frames, 4 spike abacus
    std::int16_t Base = 10;       // beads per rod
    std::uint8_t Reserve3[2] = {};
    TColor CouleurRangee1 = clYellow; // rods 1, 4, 7...
    TColor CouleurRangee2 = clBlue;
    TColor CouleurRangee3 = clRed;
    std::int16_t ValeurV1 = 0; // the number as version 1 kept it
    std::int16_t NbTiges = 10;
    std::int16_t Fonctionnement = 1; // 0 first layout, 1 moving beads, other values colouring
    std::uint8_t ColorerRangeesColonnes = 0;
    std::uint8_t Reserve4 = 0;
    TColor CouleurCol1 = clRed;
    TColor CouleurCol2 = clYellow;
    TColor CouleurBoulesDepl = clRed;
    std::int32_t ValeurBoulier = 0;
    std::uint8_t Reserve5[64] = {};
};
static_assert(sizeof(BoulierOptions) == 128);
static_assert(offsetof(BoulierOptions, CouleurPinceau) == 4);
static_assert(offsetof(BoulierOptions, TaillePinceau) == 8);
static_assert(offsetof(BoulierOptions, StyleBrosse) == 12);
static_assert(offsetof(BoulierOptions, CouleurBrosse) == 16);
static_assert(offsetof(BoulierOptions, Mode) == 20);
static_assert(offsetof(BoulierOptions, TypeBoulier) == 22);
static_assert(offsetof(BoulierOptions, Base) == 24);
static_assert(offsetof(BoulierOptions, CouleurRangee1) == 28);
static_assert(offsetof(BoulierOptions, CouleurRangee2) == 32);
static_assert(offsetof(BoulierOptions, CouleurRangee3) == 36);
static_assert(offsetof(BoulierOptions, ValeurV1) == 40);
static_assert(offsetof(BoulierOptions, NbTiges) == 42);
static_assert(offsetof(BoulierOptions, Fonctionnement) == 44);
static_assert(offsetof(BoulierOptions, ColorerRangeesColonnes) == 46);
static_assert(offsetof(BoulierOptions, CouleurCol1) == 48);
static_assert(offsetof(BoulierOptions, CouleurCol2) == 52);
static_assert(offsetof(BoulierOptions, CouleurBoulesDepl) == 56);
static_assert(offsetof(BoulierOptions, ValeurBoulier) == 60);
static_assert(offsetof(BoulierOptions, Reserve5) == 64);

class TvlBoulier : public Kind<TvlBoulier, BoulierOptions> {
public:
    static constexpr int NUMERO = 95;
    // Version 3 adds the line under the picture.
    static constexpr std::int16_t VERSION = 3;
    // The bytes of a version-1 record's block.
    static constexpr std::size_t TAILLE_V1 = 44;
    enum Type : int { DROITE_GAUCHE, GAUCHE_DROITE, HAUT_BAS, BAS_HAUT, ABAQUE };

    explicit TvlBoulier(TCadre* cadre);
    TvlBoulier(const TvlBoulier&) = default;

    TableCles Cles() const override;

    vlSize TailleCreation() const override { return {1200, 800}; }
    std::string NomProp() const override { return "BoulierProp"; }
    bool DblClk(int shift, vlPoint p) override;
    std::vector<std::string> Description() const override;
    // A value beyond the beads or the rods, drawn in part: the number the drawing shows.
    std::string AvertissementCadre() const override;
    // The number the beads or digits drawn make, at most the value.
    long long ValeurMontree() const;

    // The factory settings; the number drawn at creation stays.
    void RestaureStandardNonApplique() override;
    // Version 1 gains the settings it lacked; another version than 1 to 3 cannot be read.
    void ChargeOptions(TStream& s, bool& ok) override;

    // The picture, then the line under it.
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // The number the beads show ("1 234"), to show when the test version hides it.
    std::optional<CibleImage> Cible() const override;

    // The frame of border width b in the current brush, outlined; the rectangle inside it.
    static vlRect DessineBordure(TCanvas& canvas, vlRect r, int b);
    // A bead of diameter d centred at (x, y).
    static void DessineBoule(TCanvas& canvas, int x, int y, int d);
    // The first layout; a base of 0 draws the frame and rods only. `versDebut`: the counted
    // beads go to the left or top end.
    void DessineBoulier(TCanvas& canvas, int nbTiges, bool horizontal, long long valeur,
                        const TColor (&rangees)[3], bool versDebut, int base);
    void DessineAbaque(TCanvas& canvas, int nbTiges, long long valeur, const TColor (&rangees)[3],
                       int base);
    // Moving beads: hidden, every bead rests at its starting end.
    void DessineBoulierV2Deplace(TCanvas& canvas, bool cache);
    // Colouring: hidden, every bead is white.
    void DessineBoulierV2Colorie(TCanvas& canvas, bool cache);
    void DessineAbaqueV2Deplace(TCanvas& canvas);
    void DessineAbaqueV2Colorie(TCanvas& canvas, bool cache);

    // The beads counted on each rod of a bead frame, first rod first.
    static std::vector<int> BoulesParTige(long long valeur, int base, int nbTiges);
    // The digits of each rod of the abacus, leftmost first; -1 for rods left of the highest
    // digit (all of them for 0). Digits beyond the leftmost rod are left out.
    static std::vector<int> ChiffresParTige(long long valeur, int base, int nbTiges);

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;

private:
    void DessineImage(TCanvas& canvas, int mode);
    // Where the beads of a bead frame go: the rectangle inside the border, the rods and the
    // bead diameter (0 when none fits).
    struct Cadre {
        vlRect r;
        int nbTiges = 0;
        bool horizontal = true;
        int d = 0;
        // Bead j of rod i, counted from the left or top end, or from the other one.
        vlPoint Centre(int i, bool debut, int j) const;
    };
    // Whose colour bead j of a group takes: rod i, counted from the left or top end or not.
    using Couleur = std::function<TColor(int i, bool debut, int j)>;

    Cadre dessineCadreEtTiges(TCanvas& canvas, int nbTiges, bool horizontal, int base);
    // k counted beads at one end of each rod, the others at the other end.
    void dessineGroupes(TCanvas& canvas, const Cadre& cadre, const std::vector<int>& k, int base,
                        bool versDebut, const Couleur& couleur);
    // The spike abacus: the frame, its base bar of height b, the rods and the bead diameter
    // (0 when none fits).
    struct Abaque {
        vlRect r;
        int nbTiges = 0;
        int b = 0;
        int d = 0;
        int Tige(int i) const;
        // Bead j of rod i, counted up from the bar.
        vlPoint Centre(int i, int j) const;
    };
    // The colour of bead j of rod i, which shows `chiffre`.
    using CouleurPile = std::function<TColor(int i, int chiffre, int j)>;

    // `plein`: a whole rod of beads is stacked, sharing the height with the bar.
    Abaque dessineBarreEtTiges(TCanvas& canvas, int nbTiges, int base, bool plein);
    // On each rod that shows a digit, that many beads, or a whole rod's when `plein`.
    void dessinePiles(TCanvas& canvas, const Abaque& abaque, const std::vector<int>& chiffres,
                      bool plein, const CouleurPile& couleur);
    void dessineBoule(TCanvas& canvas, vlPoint centre, int d, TColor couleur);
    TColor couleurColonne(bool debut, int j) const;
    bool horizontal() const { return bloc_.TypeBoulier <= GAUCHE_DROITE; }
    // Whether the counted beads of a frame go to its left or top end.
    bool compteesAuDebut() const {
        return bloc_.TypeBoulier == DROITE_GAUCHE || bloc_.TypeBoulier == BAS_HAUT;
    }
};
