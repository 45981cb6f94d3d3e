// The fraction component: up to ten exercises on fractions, one a line (additions,
// subtractions, multiplications, divisions or simplifications, with their steps), parts of each
// line left blank in the test version and shown in the correction font in the corrected one.
// Like the operation, it can draw its lines into another component (a grid).
#pragma once

#include "common/Kind.h"
#include "fraction/LignesFraction.h"
#include "host/Fonte.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TDocument;

// The fraction's saved settings.
struct FractionOptions {
    std::uint8_t StylePinceauCadre = psSolid;
    std::uint8_t Reserve1[3] = {};
    TColor CouleurPinceauCadre = clBlack;
    std::int32_t TaillePinceauCadre = 1; // hundredths of a centimetre
    std::uint8_t StyleBrosseFond = bsClear;
    std::uint8_t Reserve2[3] = {};
    TColor CouleurBrosseFond = clBlack;
    ::Fonte Fonte{};                    // the exercise
    ::Fonte FonteCorrige{};             // the answers in the corrected version
    std::uint8_t AlignerSurCarreau = 0; // one digit a grid square when drawn into a grid
    std::uint8_t SimplificationIntelligente = 1;
    std::int16_t NombreOperations = 4;
    std::int16_t FractionOperation = FR_ADDITION;
    std::uint8_t MemesDenominateurs = 1;
    std::uint8_t ResultatsInterm1 = 1;
    std::uint8_t ResultatsInterm2 = 1;
    std::uint8_t Reserve3 = 0;
    std::int16_t Simplification = 2;
    std::int16_t Cache = 3;
    std::uint8_t Reserve4[2] = {};
};
static_assert(sizeof(FractionOptions) == 132);
static_assert(offsetof(FractionOptions, StylePinceauCadre) == 0);
static_assert(offsetof(FractionOptions, CouleurPinceauCadre) == 4);
static_assert(offsetof(FractionOptions, TaillePinceauCadre) == 8);
static_assert(offsetof(FractionOptions, StyleBrosseFond) == 12);
static_assert(offsetof(FractionOptions, CouleurBrosseFond) == 16);
static_assert(offsetof(FractionOptions, Fonte) == 20);
static_assert(offsetof(FractionOptions, FonteCorrige) == 68);
static_assert(offsetof(FractionOptions, AlignerSurCarreau) == 116);
static_assert(offsetof(FractionOptions, SimplificationIntelligente) == 117);
static_assert(offsetof(FractionOptions, NombreOperations) == 118);
static_assert(offsetof(FractionOptions, FractionOperation) == 120);
static_assert(offsetof(FractionOptions, MemesDenominateurs) == 122);
static_assert(offsetof(FractionOptions, ResultatsInterm1) == 123);
static_assert(offsetof(FractionOptions, ResultatsInterm2) == 124);
static_assert(offsetof(FractionOptions, Simplification) == 126);
static_assert(offsetof(FractionOptions, Cache) == 128);

class TvlFraction : public Kind<TvlFraction, FractionOptions> {
public:
    static constexpr int NUMERO = 73;
    static constexpr std::int16_t VERSION = 1;
    static constexpr int LIGNES = FractionDonnees::LIGNES;

    explicit TvlFraction(TCadre* cadre);
    TvlFraction(const TvlFraction&) = default;

    TableCles Cles() const override;
    std::string NomProp() const override { return "FractionProp"; }
    // Room for the new component's lines, steps and all, at their widest.
    vlSize TailleCreation() const override { return {1200, 1000}; }
    // Opens the fraction editor; its "Valider" gives the lines new numbers.
    bool DblClk(int shift, vlPoint p) override;
    bool EditeurPropre() const override { return true; }
    std::vector<std::string> Description() const override;
    // Each line's hidden values, as the corrected version writes them; none when nothing is
    // hidden.
    std::vector<std::string> Reponses() const override;
    // The numbers and masks of every line, then the text of each line typed over its numbers.
    std::vector<TCleValeur> ExerciceFeuille() override;
    void RestaureStandardNonApplique() override;

    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // Prints nothing while the lines are shown in another component.
    void Imprime(TCanvas& canvas, int mode, TPlanche* planche) override;
    vlPoint Emet(TCanvas& canvas, vlRect rect, vlPoint pos, vlSize cell, int mode,
                 TComposant* recepteur) override;

    // New numbers, texts and hidden parts; the texts from the numbers; the hidden parts.
    void GenererOperations();
    void GenererLignes();
    void GenererCache();
    // Takes numbers and ranges checked by the editor, then writes the texts again.
    void RemplaceDonnees(const FractionDonnees& donnees);
    // The editor on a copy of the numbers; true, the copy taken, when it closes with OK.
    bool EditerNombres();

    const FractionDonnees& Donnees() const { return donnees_; }
    const std::array<std::string, LIGNES>& Lignes() const { return lignes_; }
    ReglagesLignes Reglages() const;

    // The lines the last drawing had no room for, and the warning that says so.
    int LignesHorsCadre() const { return horsCadre_; }
    std::string AvertissementCadre() const override;

protected:
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void ApresCle(int index) override;
    void Genere() override { GenererOperations(); }
    bool SauveDonnees(TStream& s) override;
    bool ChargeDonnees(TStream& s) override;

private:
    bool dessineCadre(TCanvas& canvas);
    bool changeNombres(const std::string& valeur, std::string& message);
    bool changeLigne(const std::string& valeur, std::string& message);
    // Every line's mask with its hidden parts determined by what stays shown.
    void determineMasques();

    FractionDonnees donnees_{};
    std::array<std::string, LIGNES> lignes_{};
    int horsCadre_ = 0;
};
