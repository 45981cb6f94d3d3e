// Lays an operation's exercises out in a rectangle and draws them, number by number and cell
// by cell: the four kinds posed in columns or written in line (multiplications and divisions
// in DessinMultDiv.cpp). One object serves one layout call; it draws only and never changes
// the exercises.
#pragma once

#include "operation/OperGen.h"
#include "operation/OperOptions.h"
#include "platform/Canvas.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The cell grid of a layout: digit cell width and height, the room of a decimal comma, and the
// thin space each side of an in-line sign (none on grid squares, where a sign has its square).
struct CellulesOperation {
    int cw = 0;
    int ch = 0;
    int extra = 0;
    int fin = 0;
};

class DessinOperation {
public:
    // The canvas holds the exercise font and the drawing pen when the object is used.
    DessinOperation(TCanvas& canvas, const OperOptions& options, const ListeOperations& liste,
                    const TFont& police, const TFont& policeCorrige, CellulesOperation cellules,
                    bool correction);

    // The minus sign as printed (a hyphen would read as a negative number's).
    static constexpr const char* MOINS = "\u2212";
    // Room kept between a frame's line and what is drawn inside it: 1.5 mm beyond the line.
    static constexpr int MARGE_CADRE = 15;
    // A hole's dash is at least this thick (0.3 mm), whatever the pen of the lines.
    static constexpr int EPAISSEUR_TROU = 3;
    // The rectangle exercises are laid out in, inside a frame whose line is `epaisseur` wide:
    // the margin and half the line in from each side; whole cells in from each side when the
    // frame offers cells (a grid), so that digits stay on its squares.
    static vlRect Interieur(vlRect cadre, int epaisseur, vlSize cellule);

    // Up to NombreOperations exercises from number `premier` of the list, starting at offset
    // pos from the rectangle's top-left corner; returns the offset that follows them. An
    // exercise is drawn whole inside the rectangle or not at all: one that does not fit on its
    // row goes to the next row, and those left when the rectangle is full are counted.
    vlPoint DessineAdditions(vlRect rect, vlPoint pos, int premier);
    vlPoint DessineSoustractions(vlRect rect, vlPoint pos, int premier);
    vlPoint DessineMultiplications(vlRect rect, vlPoint pos, int premier);
    vlPoint DessineDivisions(vlRect rect, vlPoint pos, int premier);
    // Inline divisions ("a : b = q Reste r" or "a = q × b + r").
    vlPoint DessineDivisionLigne(vlRect rect, vlPoint pos, int premier);

    // The exercises the layouts so far found no room for.
    int ExercicesHorsCadre() const { return horsCadre_; }

    void DessineAdditionPosee(vlRect rect, vlPoint pos, const Addition& addition);
    void DessineSoustractionPosee(vlRect rect, vlPoint pos, const Soustraction& soustraction);
    // One posed multiplication whose digits end at droiteHaut.x (offsets from the rectangle's
    // top-left corner); one posed division whose vertical bar stands at barreHaut.x.
    void DessineMultiplicationPosee(vlRect rect, vlPoint droiteHaut,
                                    const Multiplication& multiplication);
    void DessineDivisionPosee(vlRect rect, vlPoint barreHaut, const Division& division);

    // Draws s from p (top-left of its first cell), one character a cell, baselines on the row's
    // bottom: holes as a thick dash almost a digit wide in the test version and as the digit in
    // the correction font in the corrected one; with grouping, an empty cell between groups of
    // three integer digits.
    void DessineNombreZ(vlPoint p, const std::string& s, bool sauteBlancsTete, bool grouperMilliers,
                        bool virguleCorrige, bool cacheVirgule);

    // cx: width of the integer part (with its group gaps), cy: width of the decimal part (with
    // the comma's room).
    static vlSize ExtentNombre(const std::string& s, int cw, int extra, bool grouperMilliers);

    // A number without its leading zeros, plain or hidden: "0012" becomes "  12", "0,5" stays.
    static std::string SansZerosTete(const std::string& nombre);

    // The columns of a posed number: I integer and D decimal columns with the comma's room
    // between them; a number of n characters ending k columns left of the zones' right end.
    // Its start, from the zones' left end (with the comma's room when it lies wholly in the
    // decimals).
    static int PosNombreGauche(int I, int D, int k, int n, int cw, int extra);
    // The same start; a number straddling the comma gets the placeholder "$" at the comma.
    static int FormateNombre(int I, int D, int k, std::string& texte, int cw, int extra);
    // Its width (with the comma's room when it straddles the comma).
    static int TailleNombre(int I, int D, int k, int n, int cw, int extra);
    // From the zones' right end to its left edge.
    static int PosNombreDroite(int I, int D, int k, int n, int cw, int extra);

private:
    // The numbers of one exercise, operands first, the result last, and its sign.
    struct Exercice {
        std::vector<std::string> nombres;
        std::int16_t largeurEntiere = 0;
        std::int16_t largeurDecimale = 0;
        std::string signe = "+";
        // Numbers holding a hole hide their comma (whole-number holes).
        bool cacheVirgules = false;
        // A blank row above the first operand for the carries.
        bool retenues = false;
    };

    // Draws exercise i of a layout from the point o (absolute).
    using DessinExercice = std::function<void(DessinOperation&, vlPoint o, int i)>;
    enum class Place { Ici, TropLarge, Plein };
    // An exercise whose ink, drawn from pos, covers `encre` (relative to pos) stays at pos when
    // it fits there, else goes to the start of the next row, `pasY` lower. TropLarge: it fits
    // on no row; Plein: on no row left.
    static Place rangSuivant(const vlRect& rect, vlPoint& pos, const vlRect& encre, int pasY);
    // After the last exercise, a row begun is ended.
    static vlPoint finRangs(vlPoint pos, int pasY);
    // With the spread on, the steps that share a rectangle begun at its corner among as many
    // exercises a row and as many rows as fit: each gets an equal part of the width and height.
    vlPoint repartit(const vlRect& rect, vlPoint pos, const std::vector<vlRect>& encres,
                     vlPoint pas, vlPoint ancre) const;
    // The box of what `dessine` draws for exercise i from (0, 0), in both versions so that the
    // test and the corrected version are laid out alike.
    vlRect encre(const DessinExercice& dessine, int i) const;
    std::vector<vlRect> encres(const DessinExercice& dessine, int n) const;
    // Exercises side by side in rows, `pas` apart, each drawn from its place plus `ancre`, whose
    // ink `encres` gives relative to its place (moved so that none stands out left of its place
    // or above its row); with separators, a stroke between two exercises of a row.
    void enRangs(const vlRect& rect, vlPoint& pos, const std::vector<vlRect>& encres, vlPoint pas,
                 vlPoint ancre, bool separateurs, const DessinExercice& dessine);
    void trou(int x, int y);

    // Additions and subtractions share their layouts.
    vlPoint dessineListe(vlRect rect, vlPoint pos, int premier);
    std::vector<Exercice> exercices(int premier, bool enLigne) const;
    vlPoint dessineColonnes(vlRect rect, vlPoint pos, const std::vector<Exercice>& liste);
    // finDeListe: a blank row after the list.
    vlPoint dessineEnLigne(vlRect rect, vlPoint pos, const std::vector<Exercice>& liste,
                           bool finDeListe = true);
    void dessinePosee(vlRect rect, vlPoint pos, const Exercice& exercice);
    // A sign centred in its cell, marked readable as a digit would be.
    void signe(int x, int baseline, const std::string& s);
    // A word or a line of text from x (left-aligned) on this baseline, marked readable as `quoi`.
    void mot(int x, int baseline, const std::string& s, std::string_view quoi = "mot");
    // The ink of a digit written centred on x at this baseline: its cell's width, a digit's height.
    vlRect encreChiffre(int x, int baseline) const;
    // Multiplications and divisions (DessinMultDiv.cpp).
    vlPoint multiplicationsPosees(vlRect rect, vlPoint pos, int premier);
    vlPoint multiplicationsEnLigne(vlRect rect, vlPoint pos, int premier);
    vlPoint divisionsPosees(vlRect rect, vlPoint pos, int premier);
    // The lines left-aligned from pos, broken between words to the rectangle's width; those
    // below it are left out.
    vlPoint message(vlRect rect, vlPoint pos, const std::vector<std::string>& lignes);
    void croix(int x, int y, int cw, int ch);
    int premierExercice(int premier) const;
    int finExercices(int premier) const;

    TCanvas& canvas_;
    const OperOptions& options_;
    const ListeOperations& liste_;
    const TFont& police_;
    const TFont& policeCorrige_;
    CellulesOperation cellules_;
    bool correction_;
    int horsCadre_ = 0;
};
