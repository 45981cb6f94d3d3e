// What the coins, the notes and the marked masses share, as plain functions: a collection is one
// count (0 to 10) per denomination of a kind's table; its sum, its decomposition from a sum, the
// list form of its counts, random counts, another collection of the same sum, and the layout of
// its items in rows inside a frame.
#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The most items of one denomination a collection holds.
constexpr int kCompteMax = 10;

// An integer value as these kinds read theirs: text that is not an integer reads as 0.
int EntierOuZero(const std::string& texte);

// Σ count × value.
int SommeCollection(std::span<const std::int16_t> comptes, std::span<const int> valeurs);

// Greedy from the largest value down: each count is what remains divided by the value, at most
// 10. What cannot be reached with 10 of each is dropped.
void Decompose(int somme, std::span<const int> valeurs, std::span<std::int16_t> comptes);

// The sums nearest to `somme`, below and above it, that Decompose gives exactly within 0..max;
// -1 for none. Both are `somme` when it is given exactly.
struct SommesProches {
    int dessous = -1, dessus = -1;
};
SommesProches SommesFormables(int somme, int max, std::span<const int> valeurs);

// Reads "a,b,c..." in table order; a short list repeats its last count to the end, text that is
// not an integer counts 0. False, the counts unchanged, when a count is outside 0..10.
bool RemplirTableau(std::span<std::int16_t> comptes, const std::string& texte);

// Each count Random() mod (n + 1); when all are zero, one denomination drawn among all gets 1.
void ChoixHasard(std::span<std::int16_t> comptes, int n);

// Draws a new collection of the same sum, denomination by denomination, through the platform's
// generator; up to `essais` attempts. False, the counts unchanged, when every attempt got stuck.
bool Reorganise(std::span<std::int16_t> comptes, std::span<const int> valeurs, int essais);

// The counts as the property windows send them: "1,0,2".
std::string ListeComptes(std::span<const std::int16_t> comptes);

// One item of a layout. Sizes and positions in tenths of a millimetre from the area's origin.
struct Article {
    int index = 0; // denomination
    int x = 0;
    vlSize taille;
    int rangee = 0; // its row's height
    bool ouvreRangee = false;
    int largeurRangee = 0; // on a row's first item: its items' widths and gaps, less one gap
};

struct Disposition {
    std::vector<Article> articles;
    int hauteurTotale = 0;     // T: the rows and gaps below the first row
    int hauteurDisponible = 0; // A: the area's height below the first row
};

// Lays the items out in rows: an item opens a row when x + its width reaches the available width;
// a taller item raises its row back to the row's first item.
Disposition Dispose(std::span<const int> ordre, std::span<const vlSize> tailles, int intervalle,
                    int largeur, int hauteur);

// Each item's rectangle: on its row's baseline, the gaps between rows narrowed when the rows do
// not fit the area's height, down to rows that touch; rows never cover each other, and those
// still below the area are placed there (the caller leaves them out). With `alignDroite` each
// row ends at cadre.left + largeurUtile.
std::vector<vlRect> Place(const Disposition& d, const vlRect& cadre, int intervalle,
                          bool alignDroite = false, int largeurUtile = 0);

// The height of the rows laid out with no gap between them.
int HauteurSansEcart(const Disposition& d);

// "3,45 €" for cents, "1 888" for a whole number: exact, French separators.
std::string Centimes(int centimes);
std::string Milliers(int n);

// A decimal amount with a comma (or point) as cents, rounded at the third decimal the way the
// sum key has it (trunc((v + 0.005) × 100)), computed on the digits; false for text that is not a
// number or a value above `maxCentimes` or below 0.
bool LitCentimes(const std::string& texte, int maxCentimes, int& centimes);
