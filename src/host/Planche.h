// A page of the document: its size, margins and squared-paper grid, all in tenths of a mm, and
// its header (title, name line, score box).
#pragma once

#include "platform/Geometry.h"
#include "platform/Graphics.h"

#include <optional>
#include <string>
#include <string_view>

class TCanvas;

class TPlanche {
public:
    enum class Format { A4, A5 };
    // The paper printed under the exercises: none (the grid only guides placing), squares of
    // the grid step, the French Seyès ruling, or plain lines.
    enum class TypeReglure : int { Aucune = 0, Carreaux = 1, Seyes = 2, Lignes = 3 };
    static constexpr int kSeyesInterligne = 20; // fine lines, 2 mm apart
    static constexpr int kSeyesCarreau = 80;    // heavy and vertical lines, 8 mm apart
    static constexpr int kCarreauDefaut = 50;   // squares of a page without a grid step
    static constexpr int kLignesDefaut = 80;    // lines of a page without a grid step

    TPlanche() = default;
    TPlanche(Format format, bool paysage);

    vlSize Taille;                     // page size
    vlRect Marges{100, 100, 100, 100}; // left, top, right, bottom margins (widths)
    vlSize Pas{0, 0};                  // grid step; 0 when there is no grid
    vlPoint OrgGrille{0, 0};           // grid origin, page coordinates

    // The header, at the top of the printable area: a title, the line "Nom, Prénom, Date"
    // and a score box "… / Note" (0: no box).
    std::string Titre;
    bool Entete = false;
    int Note = 0;
    TypeReglure Reglure = TypeReglure::Aucune;
    static constexpr int kTitreMax = 100; // characters
    static constexpr int kNoteMax = 1000;
    // How the components' instructions are numbered in reading order: 0 not at all, 1 "1.",
    // 2 "Exercice 1 :".
    int NumeroterConsignes = 0;
    static constexpr int kNumeroterMax = 2;

    bool AEntete() const { return !Titre.empty() || Entete || Note > 0; }
    // The height the header takes at the top of the printable area, its gap included.
    int HauteurEntete() const;
    // The band the header is drawn in, empty when there is none.
    vlRect ZoneEntete() const;

    // Top-left corner of the printable area, under the header.
    vlPoint OrgMarges() const;
    // The printable area in page coordinates, under the header.
    vlRect ZoneUtile() const;
    vlRect Rectangle() const { return {0, 0, Taille.cx, Taille.cy}; }
    // A4 portrait: 2100 x 2970.
    static vlSize TailleFormat(Format format, bool paysage);

    // Draws the ruling, in light colours, over the printable area under the header. Seyès:
    // from the area's top, a heavy line every 8 mm and three fine lines between, 2 mm apart;
    // a red margin line on the area's left edge and a vertical line every 8 mm right of it.
    // Squares follow the grid (its step and origin), lines the step from the area's top.
    void DessineReglure(TCanvas& canvas) const;
    // Lays the title out with the canvas's fonts: on one line at 16 points when it fits, else
    // on two lines, made smaller down to 12 points when they must be. The header's height
    // follows from then on, until the title or the page's width changes.
    void MesureTitre(TCanvas& canvas) const;
    // Draws the header, the title on the lines it was measured for (measured now when it was
    // not); the corrected version (mode 2) writes "Corrigé" after the title.
    void DessineEntete(TCanvas& canvas, int mode) const;
    // Writes a line in small type at the foot of the page, in the bottom margin.
    void DessinePied(TCanvas& canvas, const std::string& texte) const;
    // The font of that line, before it is made smaller to fit.
    static TFont FontePied();

private:
    // Where the title can go across the header: centred, or from the left margin.
    struct LargeursTitre {
        int centree = 0;
        int gauche = 0;
        bool operator==(const LargeursTitre&) const = default;
    };
    LargeursTitre largeursTitre(TCanvas& canvas) const;
    // Whether the last measure is of this title in this room.
    bool titreMesure() const;
    // The height of the title's rows: measured, or one row while the title is not.
    int hauteurTitre() const;

    // The last measure of the title, for that text, in that room.
    struct MesureDuTitre {
        std::string titre;
        int largeur = -1;
        bool note = false;
        int lignes = 1;
        int hauteur = 0;
    };
    mutable MesureDuTitre mesure_;
};

// "Aucune", "Carreaux", "Seyes" or "Lignes", as a sheet writes the ruling.
std::string NomReglure(TPlanche::TypeReglure reglure);
// The ruling of that name, letter case and accents aside ("seyès" is Seyes); empty for none.
std::optional<TPlanche::TypeReglure> ReglureNommee(std::string_view nom);

// The number of characters of a UTF-8 text.
int NbCaracteres(const std::string& texte);
