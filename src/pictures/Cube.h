// The base-ten blocks: a whole number from 0 to 9999 drawn as thousand cubes, hundred plates,
// ten bars and unit cubes in an oblique projection, laid out in rows that fill the frame.
#pragma once

#include "common/Kind.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The blocks' saved settings.
struct CubeOptions {
    std::uint8_t StylePinceau = psSolid; // the blocks' outline
    std::uint8_t Reserve1[3] = {};
    TColor CouleurPinceau = clBlack;
    std::int32_t TaillePinceau = 1;
    std::uint8_t StyleBrosse = bsSolid; // the blocks' faces
    std::uint8_t Reserve2[3] = {};
    TColor CouleurBrosse = clWhite;
    std::int16_t NombreCube = 0;
    std::int16_t Mode = 0;
    std::int16_t TailleCube = 50;     // edge of a unit cube, tenths of a millimetre
    std::int16_t IntervalleCube = 20; // gap between blocks, tenths of a millimetre
};
static_assert(sizeof(CubeOptions) == 28);
static_assert(offsetof(CubeOptions, CouleurPinceau) == 4);
static_assert(offsetof(CubeOptions, TaillePinceau) == 8);
static_assert(offsetof(CubeOptions, StyleBrosse) == 12);
static_assert(offsetof(CubeOptions, CouleurBrosse) == 16);
static_assert(offsetof(CubeOptions, NombreCube) == 20);
static_assert(offsetof(CubeOptions, Mode) == 22);
static_assert(offsetof(CubeOptions, TailleCube) == 24);
static_assert(offsetof(CubeOptions, IntervalleCube) == 26);

class TvlCube : public Kind<TvlCube, CubeOptions> {
public:
    static constexpr int NUMERO = 94;
    // Version 2 adds the line under the picture.
    static constexpr std::int16_t VERSION = 2;
    // "TailleCube" and "IntervalleCube" are given in half millimetres, 1 to 50.
    static constexpr int PAS_TAILLE = 5;
    static constexpr int TAILLE_MIN = 1;
    static constexpr int TAILLE_MAX = 50;

    // One block of the drawing, (x, y) the bottom-left corner of its front face.
    struct Piece {
        enum Sorte { Millier, Centaine, Dizaine, Unite } sorte;
        int x = 0;
        int y = 0;
        bool operator==(const Piece&) const = default;
    };

    explicit TvlCube(TCadre* cadre);
    TvlCube(const TvlCube&) = default;

    TableCles Cles() const override;
    // A frame fitted to its blocks stays fitted when the line under them comes or goes.
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override;

    vlSize TailleCreation() const override { return {1500, 750}; }
    std::string NomProp() const override { return "CubeProp"; }
    bool DblClk(int shift, vlPoint p) override;
    std::vector<std::string> Description() const override;

    // The factory settings; the number drawn at creation stays.
    void RestaureStandardNonApplique() override;
    // Factory settings, then the preferred ones; sizes edited by hand beyond their range keep
    // the factory values.
    void RestaureDefaut() override;

    // Nothing when a block cannot fit in the frame: the drawing error says so.
    // The picture, then the line under it.
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // The number the blocks make ("1 234"), to show when the test version hides them.
    std::optional<CibleImage> Cible() const override;

    // The frame fitted to one row of blocks, or to the rows they wrap to within the page's
    // width, its left and bottom edges kept.
    void AjusteTaille();
    // The frame's size that holds the number's blocks in one row, and whether it has it.
    vlSize TailleAjustee() const;
    // With `consigne` at the top of the frame (the component's own by default).
    bool EstAjuste() const { return EstAjusteAvec(Consigne()); }
    bool EstAjusteAvec(const std::string& consigne) const;
    vlSize TailleAjusteeDans(const vlRect& place, const std::string& consigne) const;
    // A fitted frame makes room for a new instruction.
    void ApresConsigne(const std::string& avant) override;
    // The drawing error of a frame too small, naming the frame the blocks need.
    std::string PasDePlace(const vlRect& r) const;

    // The blocks of `nombre` with unit edge s and gap g, in drawing order, rows wrapped at the
    // right of r and spread to reach its bottom (rows that do not fit keep their steps).
    static std::vector<Piece> Disposition(int nombre, int s, int g, vlRect r);
    // The same rows at their steps from r's top.
    static std::vector<Piece> Rangees(int nombre, int s, int g, vlRect r);
    // The room those rows take when wrapped at `largeurMax`.
    static vlSize TailleNecessaire(int nombre, int s, int g, int largeurMax);
    // The width and height a block takes from its corner, depth included.
    static vlSize Encombrement(Piece::Sorte sorte, int s);
    // Draws the pieces of the number in r; false, nothing drawn, when a block cannot fit in r.
    static bool DessineNombre(TCanvas& canvas, int nombre, int s, int g, vlRect r);

    static void DessineCube(TCanvas& canvas, int x, int y, int c);
    static void DessineGrilleCube(TCanvas& canvas, int x, int y, int c);
    static void DessinePlaque(TCanvas& canvas, int x, int y, int c);
    static void DessineBarre(TCanvas& canvas, int x, int y, int c);
    static void DessineGrandCube(TCanvas& canvas, int x, int y, int c);

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    std::optional<std::string> TexteCle(const Cle& cle) override;
    std::vector<IniEntry> EntreesIniPropres() override;
    bool ChargeDonnees(TStream& s) override;

private:
    void DessineImage(TCanvas& canvas, int mode);
};
