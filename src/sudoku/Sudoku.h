// The sudoku component: a 9 x 9, 6 x 6 or 4 x 4 grid with its givens, shown as digits or as
// pictures, generated at a chosen level, browsed in a puzzle database, copied and pasted as
// text, mixed by symmetries; hidden values appear in the corrected version.
#pragma once

#include "common/Kind.h"
#include "host/Fonte.h"
#include "platform/Picture.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuGrille.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class TListe;

// The sudoku's saved settings.
struct SudokuOptions {
    std::int32_t StylePinceau = 0; // frame pen style (low byte)
    std::int32_t CouleurPinceau = 0;
    std::int32_t TaillePinceau = 10; // 1/100 cm
    std::int32_t StyleBrosse = 1;    // background brush style (low byte), clear
    std::int32_t CouleurBrosse = 0;
    Fonte Police;
    std::int32_t ListeTravail = 0; // working value of the list binding, not meaningful stored
    std::int16_t TypeGrille = 0;
    std::int16_t Niveau = 3;
    std::int16_t NbValeurs = 0; // minimum number of givens
    std::int16_t Reserve1 = 0;
    std::int32_t CouleurCorrige = 255;
    std::int16_t Affichage = 0;
    // Cell codes, row-major: 0 empty, 1..9 given, 10 no value, 11..19 hidden value + 10.
    std::int8_t Cases[81] = {};
    std::uint8_t RespecterProportions = 1;
    std::uint8_t Transparent = 0;
    std::uint8_t Reserve2 = 0;
    StatRegles Stat{};
    std::uint8_t Filtre[13] = {}; // one flag per counter 0..12
    std::uint8_t Reserve3 = 0;
    std::int32_t PremierTrouve = -1; // first record matching the filter
    std::int32_t EnrCourant = 0;
    char PathBdd[260] = {};
    // 1: a generated puzzle's rating shows exactly its level (0 in documents made before).
    std::uint8_t NiveauStrict = 0;
    std::uint8_t Reserve4[61] = {};
    std::uint8_t Reserve5[2] = {};
};
static_assert(sizeof(SudokuOptions) == 544);
static_assert(offsetof(SudokuOptions, StylePinceau) == 0);
static_assert(offsetof(SudokuOptions, CouleurPinceau) == 4);
static_assert(offsetof(SudokuOptions, TaillePinceau) == 8);
static_assert(offsetof(SudokuOptions, StyleBrosse) == 12);
static_assert(offsetof(SudokuOptions, CouleurBrosse) == 16);
static_assert(offsetof(SudokuOptions, Police) == 20);
static_assert(offsetof(SudokuOptions, ListeTravail) == 68);
static_assert(offsetof(SudokuOptions, TypeGrille) == 72);
static_assert(offsetof(SudokuOptions, Niveau) == 74);
static_assert(offsetof(SudokuOptions, NbValeurs) == 76);
static_assert(offsetof(SudokuOptions, CouleurCorrige) == 80);
static_assert(offsetof(SudokuOptions, Affichage) == 84);
static_assert(offsetof(SudokuOptions, Cases) == 86);
static_assert(offsetof(SudokuOptions, RespecterProportions) == 167);
static_assert(offsetof(SudokuOptions, Transparent) == 168);
static_assert(offsetof(SudokuOptions, Stat) == 170);
static_assert(offsetof(SudokuOptions, Filtre) == 198);
static_assert(offsetof(SudokuOptions, PremierTrouve) == 212);
static_assert(offsetof(SudokuOptions, EnrCourant) == 216);
static_assert(offsetof(SudokuOptions, PathBdd) == 220);
static_assert(offsetof(SudokuOptions, NiveauStrict) == 480);
static_assert(offsetof(SudokuOptions, Reserve4) == 481);

class TvlSudoku : public Kind<TvlSudoku, SudokuOptions> {
public:
    static constexpr int NUMERO = 135;
    static constexpr std::int16_t VERSION = 1;
    static constexpr int TailleCheminMax = 259;

    explicit TvlSudoku(TCadre* cadre);
    TvlSudoku(const TvlSudoku& other);

    TableCles Cles() const override;
    // The technique names, by statistics counter.
    static const std::array<const char*, StatRegles::Taille>& NomsRegles();

    vlSize TailleCreation() const override { return {900, 900}; }
    std::string NomProp() const override { return "SudokuProp"; }
    std::vector<std::string> Description() const override;
    // A strict level the last generation could not reach, and the level it took.
    std::string AvertissementCadre() const override;
    void RestaureStandardNonApplique() override;
    void SignaleDisparition(TComposant* autre) override;

    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    void DessineCase(TCanvas& canvas, const vlRect& carre, int index);

    // Side of the grid and cells: N, and the number of cells in use.
    int NbValeursGrille() const;

    // A new puzzle from the type, level and minimum number of givens, of exactly that level
    // when the strict level is on and the count allows it (else of the hardest level found,
    // with a warning); false (message shown) when the engine failed, the puzzle then unchanged.
    bool GenereGrille();
    void TransformeGrille();
    void Copier();
    bool Coller();

    // Database access (the file is opened and closed by each operation).
    bool RechercheBdd(const std::string& filtre);
    void DeplaceDansBase(int sens);
    bool ValideEnrCourant();
    bool CreeProbleme(const std::vector<std::uint8_t>& grille);
    // Opens the "SudokuDiaGenere" search dialog; `enregistre` checks its save box.
    void OuvreRecherche(bool enregistre);
    // Takes a puzzle found by the search.
    void RecoitProbleme(const StatRegles& stat, const std::array<std::int8_t, 81>& cases);

    const TPicture& Image(int valeur) const { return images_[size_t(valeur - 1)]; }
    void ChangeImage(int valeur, const TPicture& image) { images_[size_t(valeur - 1)] = image; }
    const std::string& ReferenceChamp() const { return reference_; }
    const TListe* Liste() const { return liste_; }
    // The information memo's lines.
    std::vector<std::string> Informations() const;

protected:
    std::optional<std::string> TexteCle(const Cle& cle) override;
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void ApresCle(int index) override;
    std::vector<IniEntry> EntreesIniPropres() override;
    void Genere() override { GenereGrille(); }
    bool SauveDonnees(TStream& s) override;
    bool ChargeDonnees(TStream& s) override;
    void LibereDonnees() override;

private:
    // Takes the "Cases" key: the 81 cell codes, one character each.
    bool changeCases(const std::string& valeur, std::string& message);
    bool ouvreBase(FichierBaseSudoku& base);
    bool correspond(const CleBase& cle) const;
    // Scans records from `debut` to `fin` (inclusive, either direction) for the first match.
    void chercheEntre(std::int64_t debut, std::int64_t fin);
    bool lireProbleme();
    void prendCases(const StatRegles& stat, const std::string& probleme,
                    const std::string& solution);
    bool lieListe(const std::string& nom, std::string& message);
    void decodeImages(const std::string& reference);
    void dessineGrille(TCanvas& canvas, const vlRect& r, int s);
    std::string chemin() const;
    void changeChemin(const std::string& chemin);

    std::string reference_; // '<', the field name, '>'
    std::array<TPicture, 9> images_;
    TListe* liste_ = nullptr;
    std::string avertissement_; // of the last generation, while its puzzle is shown
};
