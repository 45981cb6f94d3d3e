// A page of the document: its size, margins and squared-paper grid, all in tenths of a mm, and
// its header (title, name line, score box).
#pragma once

#include "platform/Geometry.h"

#include <string>

class TCanvas;

class TPlanche {
public:
    enum class Format { A4, A5 };

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

    // Draws the header; the corrected version (mode 2) writes "Corrigé" beside the title.
    void DessineEntete(TCanvas& canvas, int mode) const;
    // Writes a line in small type at the foot of the page, in the bottom margin.
    void DessinePied(TCanvas& canvas, const std::string& texte) const;
};

// The number of characters of a UTF-8 text.
int NbCaracteres(const std::string& texte);
