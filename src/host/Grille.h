// The host's squared paper: a grid of square cells, each with an optional text and background
// colour. Other components lay their exercises out in its cells (Emet) and read its cells back
// (Info).
#pragma once

#include "host/Composant.h"
#include "host/Fonte.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TGrille : public TComposant {
public:
    static constexpr std::int32_t NUMERO = 200;
    static constexpr std::int16_t VERSION = 1;
    static constexpr int MAX_CASES = 200; // most columns, most rows
    static constexpr TColor SANS_COULEUR = -1;

    // Saved settings, written as their memory image.
    struct TOptions {
        std::int32_t Colonnes = 10;
        std::int32_t Lignes = 10;
        std::int32_t Cellule = 50; // cell side, tenths of a mm
        std::int32_t CouleurLignes = clSilver;
        std::int32_t EpaisseurLignes = 0; // 0: the thinnest line
        Fonte Police;
    };

    explicit TGrille(TCadre* cadre);
    TGrille(const TGrille& other);

    // The keys in index order.
    static const std::vector<std::string>& Cles();

    std::unique_ptr<TComposant> Copie() const override;
    std::string NomProp() const override { return "GrilleProp"; }
    void* Options(int& taille) override;
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override;
    // The cells and their place (the size follows the cells), the lines and the font.
    std::vector<TCleValeur> ReglagesFeuille() override;
    // Each filled cell's text and colour.
    std::vector<TCleValeur> ExerciceFeuille() override;
    // The columns and rows follow the new size, and the rectangle fits the cells exactly, with
    // the instruction's band above them.
    void ChangeCoords(vlRect r) override;
    void ApresConsigne(const std::string& /*avant*/) override { ajusteRect(); }
    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    void Imprime(TCanvas& canvas, int mode, TPlanche* planche) override;
    bool Sauve(TStream& s) override;
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override;
    int NatureServices() const override;
    bool Info(int code, TInfoReponse& reponse) const override;
    vlSize TailleCreation() const override;

    const TOptions& Reglages() const { return opts_; }
    // Cell contents, 0-based column and row; "" and SANS_COULEUR outside the grid.
    std::string Texte(int colonne, int ligne) const;
    TColor Couleur(int colonne, int ligne) const;
    // The cell's rectangle on the page.
    vlRect RectCellule(int colonne, int ligne) const;

private:
    struct Case {
        std::string texte;
        TColor couleur = SANS_COULEUR;
        bool Vide() const { return texte.empty() && couleur == SANS_COULEUR; }
    };

    bool changeTexte(const std::string& valeur, std::string& message);
    bool changeCouleur(const std::string& valeur, std::string& message);
    // Parses "colonne;ligne;reste" into 0-based coordinates inside the grid.
    bool lireCase(const std::string& valeur, const char* forme, int& colonne, int& ligne,
                  std::string& reste, std::string& message) const;
    // Refuses, with a message, cells that would not fit on the page.
    bool tientDansLaPage(int colonnes, int lignes, int cellule, std::string& message) const;
    // Takes new dimensions, keeping each cell's contents at its column and row.
    void redimensionne(int colonnes, int lignes);
    // Sets the rectangle's size to the cells' and the instruction's band above them.
    void ajusteRect();
    vlSize tailleCadre() const;
    void dessineGrille(TCanvas& canvas, int mode);

    TOptions opts_;
    std::vector<Case> cases_; // row-major, Colonnes x Lignes
};

static_assert(sizeof(TGrille::TOptions) == 68);
static_assert(offsetof(TGrille::TOptions, Colonnes) == 0);
static_assert(offsetof(TGrille::TOptions, Lignes) == 4);
static_assert(offsetof(TGrille::TOptions, Cellule) == 8);
static_assert(offsetof(TGrille::TOptions, CouleurLignes) == 12);
static_assert(offsetof(TGrille::TOptions, EpaisseurLignes) == 16);
static_assert(offsetof(TGrille::TOptions, Police) == 20);
