// The chart: series of labelled points drawn by the chart engine as bars, lines, areas, points
// or pies, with titles, legend, axes, walls and a 3D view. Its points may follow the cells of
// grid components through import links.
#pragma once

#include "chart/engine/Chart.h"
#include "common/Kind.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The chart's saved settings. Flags are single bytes holding 0 or 1.
struct GrapheOptions {
    vlPoint Position{};
    vlSize Taille{1000, 500};
    Fonte FonteCorps{};
    std::int16_t Mode = 0;
    std::uint8_t Reserve1[2] = {};
    TColor CouleurFond = clWhite;
    TColor CouleurGradientDeb = clWhite;
    TColor CouleurGradientFin = clYellow;
    std::int16_t DirectionGradient = 0;
    std::uint8_t StylePinceauCadre = psClear;
    std::uint8_t GradientVisible = 0; // the gradient shown even in its factory colours

    TColor CouleurPinceauCadre = clBlack;
    std::int32_t TaillePinceauCadre = 1;
    std::uint8_t AligneTitre = 2;
    std::uint8_t AlignePied = 2;
    std::uint8_t AligneLegende = 1;
    std::uint8_t Hachures = 0; // every series its own hatches, for black-and-white printing
    Fonte FonteTitre{};
    Fonte FontePied{};
    Fonte FonteLegende{};
    std::uint8_t VisibleTitre = 1, VisiblePied = 1, VisibleLegende = 1;
    std::uint8_t Reserve4 = 0;
    Fonte FonteAnnotation{};
    TColor CouleurLegende = clWhite;
    TColor CouleurAnnotation = clYellow;
    std::uint8_t CadreAnnotation = 1;
    std::uint8_t Reserve5[3] = {};
    Fonte FonteAxes{};
    std::uint8_t AxeGauche = 1, AxeBas = 1, AxeProfondeur = 0;
    std::uint8_t Reserve6 = 0;
    Fonte FonteAxesTitre{};
    std::uint8_t AxesInversesX = 0, LibellesAffichesX = 1, LibellesSurAxesX = 1;
    std::uint8_t AxesInversesY = 0, LibellesAffichesY = 1, LibellesSurAxesY = 1;
    std::uint8_t AnnotationsVisibles = 1;
    std::uint8_t BrosseMurGauche = bsSolid;
    TColor CouleurMurGauche = clYellow;
    std::int32_t TailleMurGauche = 0;
    std::uint8_t MurTransparentGauche = 0;
    std::uint8_t BrosseMurFond = bsSolid;
    std::uint8_t Reserve7[2] = {};
    TColor CouleurMurFond = clAqua;
    std::int32_t TailleMurFond = 8;
    std::uint8_t MurTransparentFond = 0;
    std::uint8_t BrosseMurBas = bsSolid;
    std::uint8_t Reserve8[2] = {};
    TColor CouleurMurBas = clWhite;
    std::int32_t TailleMurBas = 18;
    std::uint8_t MurTransparentBas = 0;
    std::uint8_t MursVisibles = 0;
    std::uint8_t Vue3D = 1;
    std::uint8_t Reserve9 = 0;
    std::int16_t Pourcentage3D = 15;
    std::int16_t Rotation3D = 0;
    std::uint8_t Orthogonal3D = 1;
    std::uint8_t Reserve10[3] = {};
};
static_assert(sizeof(GrapheOptions) == 456);
static_assert(offsetof(GrapheOptions, FonteCorps) == 16);
static_assert(offsetof(GrapheOptions, Mode) == 64);
static_assert(offsetof(GrapheOptions, CouleurFond) == 68);
static_assert(offsetof(GrapheOptions, DirectionGradient) == 80);
static_assert(offsetof(GrapheOptions, StylePinceauCadre) == 82);
static_assert(offsetof(GrapheOptions, CouleurPinceauCadre) == 84);
static_assert(offsetof(GrapheOptions, AligneTitre) == 92);
static_assert(offsetof(GrapheOptions, FonteTitre) == 96);
static_assert(offsetof(GrapheOptions, VisibleTitre) == 240);
static_assert(offsetof(GrapheOptions, FonteAnnotation) == 244);
static_assert(offsetof(GrapheOptions, CadreAnnotation) == 300);
static_assert(offsetof(GrapheOptions, FonteAxes) == 304);
static_assert(offsetof(GrapheOptions, FonteAxesTitre) == 356);
static_assert(offsetof(GrapheOptions, AxesInversesX) == 404);
static_assert(offsetof(GrapheOptions, BrosseMurGauche) == 411);
static_assert(offsetof(GrapheOptions, CouleurMurGauche) == 412);
static_assert(offsetof(GrapheOptions, CouleurMurFond) == 424);
static_assert(offsetof(GrapheOptions, CouleurMurBas) == 436);
static_assert(offsetof(GrapheOptions, MursVisibles) == 445);
static_assert(offsetof(GrapheOptions, Pourcentage3D) == 448);
static_assert(offsetof(GrapheOptions, Rotation3D) == 450);
static_assert(offsetof(GrapheOptions, Orthogonal3D) == 452);

// Where one series takes its points' label, X, Y and colour from: four links to grid
// components, each a row or a column and an optional range along it.
struct LienImport {
    std::uint64_t Source[4] = {}; // grid identifier per attribute, 0: no link
    std::uint8_t Colonne[4] = {}; // 1: a column, 0: a row
    std::int32_t Numero[4] = {};  // the row or column
    std::int32_t Premier[4] = {}; // first cell along it, 0 with Dernier 0: all
    std::int32_t Dernier[4] = {};
    std::int32_t Reserve = 0;
};
static_assert(sizeof(LienImport) == 88);
static_assert(offsetof(LienImport, Colonne) == 32);
static_assert(offsetof(LienImport, Numero) == 36);
static_assert(offsetof(LienImport, Premier) == 52);
static_assert(offsetof(LienImport, Dernier) == 68);

// A sheet's link to a grid its sheet makes further down: kept by grid name until every
// component exists.
struct LienAttendu {
    int serie = 0;    // the series' index in the sheet's data
    int attribut = 0; // 0..3: label, X, Y, colour
    std::string grille;
    LienImport lien{}; // the attribute's row or column and range, its source still 0
    std::string texte; // the key's value, to quote in a refusal
};

// An axis range: automatic, or the stored ends.
struct BornesAxe {
    bool automatique = true;
    double min = 0;
    double max = 0;
};

// What the chart holds beside its options block.
struct DonneesGraphe {
    std::vector<chart::Serie> series;
    std::vector<LienImport> liens; // one per series, by index
    std::vector<std::string> titre, pied;
    std::string titreGauche, titreBas;
    BornesAxe gauche, bas;
};

class EditionGraphe;

class TvlGraphe : public Kind<TvlGraphe, GrapheOptions> {
public:
    static constexpr int NUMERO = 62;
    static constexpr std::int16_t VERSION = 2;
    static constexpr int kAttributs = 4; // label, X, Y, colour

    explicit TvlGraphe(TCadre* cadre);
    TvlGraphe(const TvlGraphe&) = default;

    TableCles Cles() const override;
    vlSize TailleCreation() const override { return {1000, 500}; }
    std::string NomProp() const override { return "GrapheProp"; }
    bool DblClk(int shift, vlPoint p) override;
    bool EditeurPropre() const override { return true; }
    std::vector<std::string> Description() const override;
    // The data as the sheet keys read them back: each series with its points and links, then
    // the titles and axes (a first series replaces the titles).
    std::vector<TCleValeur> ExerciceFeuille() override { return donneesFeuille(); }
    std::string AvertissementCadre() const override { return avertissement_; }

    // The factory settings, every font the host's.
    void RestaureStandardNonApplique() override;
    // Keeps the block's position and size those of the frame.
    bool Sauve(TStream& s) override;

    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    void Imprime(TCanvas& canvas, int mode, TPlanche* planche) override;
    void Tracer(TCanvas& canvas, bool impression);

    DonneesGraphe& Donnees() { return donnees_; }
    const DonneesGraphe& Donnees() const { return donnees_; }
    // The engine's model of the options and data, fonts in canvas units.
    chart::Modele Modele() const;

    // Refreshes every linked point from its grid.
    void MiseAJourImports();
    // One grid cell into one attribute of one point; nothing when the cell is empty.
    void DecoderValeur(int serie, int point, int attribut, int cellule, const TComposant& source);

    // The data a sheet is giving, kept between its keys; opened from the chart on first use.
    EditionGraphe& Feuille();
    // Whether a sheet gave a series yet: its first replaces the series made at creation.
    bool feuilleSeriesDonnees = false;
    // The sheet's links waiting for their grid, in the order given.
    std::vector<LienAttendu> liensAttendus;

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void AppliqueOptions() override;
    bool SauveDonnees(TStream& s) override;
    bool ChargeDonnees(TStream& s) override;
    void LibereDonnees() override { donnees_ = {}; }

private:
    std::vector<TCleValeur> donneesFeuille() const;
    DonneesGraphe donnees_;
    std::string avertissement_;
    // A copy starts without the sheet's pending data: it belongs to the original only.
    struct FeuilleEnCours {
        std::shared_ptr<EditionGraphe> donnees;
        FeuilleEnCours() = default;
        FeuilleEnCours(const FeuilleEnCours&) {}
        FeuilleEnCours& operator=(const FeuilleEnCours&) { return *this; }
    };
    FeuilleEnCours feuille_;

    // A link as a sheet writes it: attribute, grid name, row or column, number, range.
    std::string DecritLien(const LienImport& l, int k) const;
};
