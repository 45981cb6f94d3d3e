// Draws the fraction lines: reads the line language left to right and lays each line out one
// character a cell, fractions on two rows with their bar between, a division's operands as one
// compound fraction on four rows. Measuring a line runs the same reading without drawing.
#pragma once

#include "platform/Canvas.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The size of a cell: one digit wide, one row high; `fin` is the thin space on each side of a
// sign (none when the digits sit on grid squares, where a sign has its own square).
struct CellulesFraction {
    int cw = 0;
    int ch = 0;
    int fin = 0;
};

// How an element is drawn: normally, in the correction font, or as a hole: a light box where
// the digits go, the fraction bar kept. A hidden element is at least two digits wide in both.
enum : int { AFF_NORMAL = 0, AFF_CORRIGE = 1, AFF_BLANC = 2 };

class DessinFraction {
public:
    // `modeCache` is how hidden elements are drawn. Without a canvas (null) nothing is drawn:
    // the calls only measure.
    DessinFraction(TCanvas* canvas, const TFont& police, const TFont& policeCorrige,
                   CellulesFraction cellules, int modeCache);

    // Lays the line out from p (its top-left corner), the elements the mask hides drawn in the
    // hidden mode; returns the size it takes.
    vlSize DessineLigne(vlPoint p, std::string_view texte, int masque);

    // A stacked fraction from p (top-left of its two rows), each part centred over the longer
    // one, the bar spanning it with a small overhang; returns its size.
    vlSize AfficherFraction(vlPoint p, std::string_view num, std::string_view den, int mode);
    // One character a cell from x, baselines at `ligneBase`, signs with a thin space each side;
    // returns the width taken.
    int AfficherChaine(int x, int ligneBase, std::string_view texte, int mode);
    // The operands of a division that starts at `pos` (just after the "F") drawn one over the
    // other from p; returns the position in the text after them, and their width in `largeur`.
    std::size_t AfficherGrandeFraction(vlPoint p, std::string_view texte, std::size_t pos,
                                       int modePremier, int modeSecond, int& largeur);

    // Thickness of a fraction bar: a twentieth of the cell height, at most a digit's stroke
    // (about a tenth of the font's height `em`), at least the thinnest pen.
    static int EpaisseurBarre(int ch, int em);
    // What a sign of the line language shows: "×" for "*", "−" for "-", itself otherwise.
    static std::string_view Signe(char c);
    // Height of a line: two rows, four with a division's compound fraction.
    int HauteurLigne(std::string_view texte) const;
    // What the mask hides in a line, in the order the line reads, each as the corrected
    // version writes it: "7/12", "3", "(6+4)/24" for a numerator over a bar.
    static std::vector<std::string> ValeursCachees(std::string_view texte, int masque);

private:
    void barre(int x1, int x2, int y);
    // A hole's light box from x1 to x2 around the digits on `ligneBase`.
    void boite(int x1, int x2, int ligneBase);
    // The width of a text: a cell a character, two thin spaces more a sign.
    int largeur(std::string_view texte) const;
    // The room of a text drawn in `mode`: a hidden one at least two cells.
    int place(int largeurTexte, int mode) const;
    // Draws the characters from x, nothing in the hole mode.
    void ecrit(int x, int ligneBase, std::string_view texte, int mode);
    void choisitPolice(int mode);
    // Baseline of digits centred in the row that starts at `haut`.
    int baseRang(int haut) const;
    // Baseline of digits centred on the horizontal line at y.
    int baseCentree(int y) const;
    // Keeps a hidden value for ValeursCachees: a number, or a fraction when `den` is not empty.
    void retient(std::string_view num, std::string_view den, int mode);

    TCanvas* canvas_;
    const TFont& police_;
    const TFont& policeCorrige_;
    CellulesFraction c_;
    int modeCache_;
    int encre_; // height of a digit's ink
    int axe_;   // height of the operators' middle above the baseline
    int em_;    // the font's character height
    std::vector<std::string>* caches_ = nullptr; // where hidden values go, when asked
};
