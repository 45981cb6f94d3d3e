// The connect-the-dots component: points joined in the order of their answers. The test version
// shows each point's marker and label; the corrected version joins the points in their stored
// order and shows the answers. Like the operation, it can draw into another component (a grid).
#pragma once

#include "common/Kind.h"
#include "dots/JeuPoints.h"
#include "host/Fonte.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TListe;

// The component's saved settings.
struct RelierOptions {
    std::uint8_t StylePinceau = psSolid; // lines and markers
    std::uint8_t Reserve1[3] = {};
    TColor CouleurPinceau = clBlack; // lines, markers and the markers' fill
    std::int32_t TaillePinceau = 1;  // hundredths of a centimetre
    ::Fonte Fonte{};                 // labels and answers
    std::int32_t Mode = 0;
    std::int32_t ValeurListe = 0; // working value of the list binding, not meaningful stored
    std::int16_t StylePoints = 0; // 0..5, see TvlRelier::TraceCroix
    std::uint8_t AfficherLignes = 0;
    std::uint8_t Reserve2[63] = {};
    std::uint8_t Remplissage[2] = {};
};
static_assert(sizeof(RelierOptions) == 136);
static_assert(offsetof(RelierOptions, StylePinceau) == 0);
static_assert(offsetof(RelierOptions, CouleurPinceau) == 4);
static_assert(offsetof(RelierOptions, TaillePinceau) == 8);
static_assert(offsetof(RelierOptions, Fonte) == 12);
static_assert(offsetof(RelierOptions, Mode) == 60);
static_assert(offsetof(RelierOptions, ValeurListe) == 64);
static_assert(offsetof(RelierOptions, StylePoints) == 68);
static_assert(offsetof(RelierOptions, AfficherLignes) == 70);
static_assert(offsetof(RelierOptions, Reserve2) == 71);
static_assert(offsetof(RelierOptions, Remplissage) == 134);

class TvlRelier : public Kind<TvlRelier, RelierOptions> {
public:
    static constexpr int NUMERO = 99;
    static constexpr std::int16_t VERSION = 1;
    // Distance of an answer from its point in the corrected version.
    static constexpr int DISTANCE_REPONSE = 10;

    explicit TvlRelier(TCadre* cadre);
    TvlRelier(const TvlRelier& other);

    TableCles Cles() const override;
    vlSize TailleCreation() const override { return {600, 600}; }
    std::string NomProp() const override { return "RelierProp"; }
    // Opens the points editor; "Sortie" gives the point set its changes.
    bool DblClk(int shift, vlPoint p) override;
    bool EditeurPropre() const override { return true; }
    std::vector<std::string> Description() const override;
    // The generator's settings, then the points themselves (applied last, so that they stand
    // whatever the generator would draw).
    std::vector<TCleValeur> ExerciceFeuille() override;
    void RestaureStandardNonApplique() override;

    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // Prints nothing while the points are shown in another component.
    void Imprime(TCanvas& canvas, int mode, TPlanche* planche) override;
    // Lays the points out in `rect` below the vertical offset of `pos`; a receiver's cell
    // replaces the grid step.
    vlPoint Emet(TCanvas& canvas, vlRect rect, vlPoint pos, vlSize cell, int mode,
                 TComposant* recepteur) override;
    // A marker of the chosen style centred on (x, y), filled in the pen colour; its half size.
    int TraceCroix(TCanvas& canvas, int x, int y);
    // Writes `texte` beside (x, y) at distance d, away from the middle of `cadre`. False when it
    // would leave the frame: it is then not written.
    bool Afficher(TCanvas& canvas, int x, int y, const std::string& texte, int d,
                  const vlRect& cadre);

    JeuPoints& Jeu() { return jeu_; }
    // While a sheet is read: whether its last line about the texts was "Points" (texts given
    // as they are) rather than a series key (texts the series must fill). Not saved.
    bool TextesDonnes = false;
    const JeuPoints& Jeu() const { return jeu_; }
    // Nine points along a path through a 3 x 3 division of the creation size, with rising
    // answers: what a new component shows.
    void PointsExemple();

    // The labels from the "texte" field of successive records of the bound list, from its
    // current record on, read with a field reference "<texte,...>".
    void DecodeChampTexte(const std::string& reference);
    // Asks which field editor to open and opens it: IDYES the text editor (the points editor on
    // its value grid), IDNO the field editor (the labels taken again from the bound list's text
    // field, or a note when no list is bound), IDCANCEL nothing. Returns the answer.
    int EditeurChamps();
    // The points editor, on its value grid when `valeurs`; "Sortie" writes back into the points.
    void EditerPoints(bool valeurs);
    void SignaleDisparition(TComposant* autre) override;

    // Texts the last drawing could not fit in the frame.
    int TextesHorsCadre() const { return horsCadre_; }
    std::string AvertissementCadre() const override;

protected:
    std::optional<std::string> TexteCle(const Cle& cle) override;
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void AppliqueOptions() override;
    bool SauveDonnees(TStream& s) override;
    bool ChargeDonnees(TStream& s) override;
    void LibereDonnees() override { jeu_ = JeuPoints{}; }

private:
    bool lieListe(const std::string& nom, std::string& message);

    JeuPoints jeu_;
    TFont police_;
    std::string reference_; // the list field reference
    TListe* liste_ = nullptr;
    int horsCadre_ = 0;
};
