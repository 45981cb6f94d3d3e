// Text set in lines: paragraphs with bold and italic runs, wrapped at a width and placed left,
// centred, right or justified. Used by the text component and by the instruction band every
// component can carry.
#pragma once

#include "platform/Geometry.h"
#include "platform/Graphics.h"

#include <string>
#include <string_view>
#include <vector>

class TCanvas;

// A run of text in one style (fsBold, fsItalic).
struct Morceau {
    std::string texte;
    TFontStyles style = 0;
    bool operator==(const Morceau&) const = default;
};
using Paragraphe = std::vector<Morceau>;

// Reads the inline notation: "**" starts or ends bold, "*" italic, "\*" is a plain star. A
// style left open ends with the paragraph. Runs of the same style are joined.
Paragraphe LitStyles(std::string_view texte);
// The paragraphs of a text: each line break, or the two characters "\n", starts a new one.
std::vector<std::string> CoupeParagraphes(std::string_view texte);

enum class Alignement : int { Gauche = 0, Centre = 1, Droite = 2, Justifie = 3 };

// A run placed on its line: x from the line's left end.
struct MorceauPlace {
    std::string texte;
    TFontStyles style = 0;
    int x = 0;
    int mot = 0; // the word's rank on its line: justified lines widen the gaps between words
};

struct LignePlacee {
    std::vector<MorceauPlace> morceaux;
    int largeur = 0;            // from the first run's left to the last one's right
    bool finParagraphe = false; // the paragraph's last line (never stretched when justified)
};

// Wraps a paragraph at `largeur` with the canvas measuring in `police` and its styles: words
// go whole on a line while they fit; a word longer than a line is cut between characters.
// An empty paragraph gives one empty line.
std::vector<LignePlacee> CoupeLignes(TCanvas& canvas, const TFont& police,
                                     const Paragraphe& paragraphe, int largeur);

// Draws a line at `gauche`, its top at `haut`, placed in `largeur` as `alignement` says, each
// run in its style, all on one baseline; tags each run readable as `quoi`.
void DessineLigne(TCanvas& canvas, const TFont& police, const LignePlacee& ligne, int gauche,
                  int haut, int largeur, Alignement alignement, std::string_view quoi);
