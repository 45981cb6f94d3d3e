// Lays an operation's exercises out in a rectangle and draws them, number by number and cell
// by cell: the four kinds posed in columns or written in line (multiplications and divisions
// in DessinMultDiv.cpp). One object serves one layout call; it draws only and never changes
// the exercises.
#pragma once

#include "operation/OperGen.h"
#include "operation/OperOptions.h"
#include "platform/Canvas.h"

#include <string>
#include <vector>

// The cell grid of a layout: digit cell width and height, and the room of a decimal comma.
struct CellulesOperation {
    int cw = 0;
    int ch = 0;
    int extra = 0;
};

class DessinOperation {
public:
    // The canvas holds the exercise font and the drawing pen when the object is used.
    DessinOperation(TCanvas& canvas, const OperOptions& options, const ListeOperations& liste,
                    const TFont& police, const TFont& policeCorrige, CellulesOperation cellules,
                    bool correction);

    // Up to NombreOperations exercises from number `premier` of the list, starting at offset
    // pos from the rectangle's top-left corner; returns the offset that follows them.
    vlPoint DessineAdditions(vlRect rect, vlPoint pos, int premier);
    vlPoint DessineSoustractions(vlRect rect, vlPoint pos, int premier);
    vlPoint DessineMultiplications(vlRect rect, vlPoint pos, int premier);
    vlPoint DessineDivisions(vlRect rect, vlPoint pos, int premier);
    // Inline divisions ("a : b = q Reste r" or "a = q × b + r").
    vlPoint DessineDivisionLigne(vlRect rect, vlPoint pos, int premier);

    void DessineAdditionPosee(vlRect rect, vlPoint pos, const Addition& addition);
    void DessineSoustractionPosee(vlRect rect, vlPoint pos, const Soustraction& soustraction);
    // One posed multiplication whose digits end at droiteHaut.x (offsets from the rectangle's
    // top-left corner); one posed division whose vertical bar stands at barreHaut.x.
    void DessineMultiplicationPosee(vlRect rect, vlPoint droiteHaut,
                                    const Multiplication& multiplication);
    void DessineDivisionPosee(vlRect rect, vlPoint barreHaut, const Division& division);

    // Draws s from p (top-left of its first cell), one character a cell, baselines on the row's
    // bottom: holes as a dash in the test version and as the digit in the correction font in
    // the corrected one; with grouping, an empty cell between groups of three integer digits.
    void DessineNombreZ(vlPoint p, const std::string& s, bool sauteBlancsTete, bool grouperMilliers,
                        bool virguleCorrige, bool cacheVirgule);

    // cx: width of the integer part (with its group gaps), cy: width of the decimal part (with
    // the comma's room).
    static vlSize ExtentNombre(const std::string& s, int cw, int extra, bool grouperMilliers);

    // An inline difference without its leading zeros: "0012" becomes "  12", "0,5" stays.
    static std::string SansZerosTete(const std::string& difference);

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
    };

    // Exercises side by side in rows: the next row starts at the left, `pasY` lower; false
    // when it starts below the rectangle.
    static bool rangSuivant(const vlRect& rect, vlPoint& pos, int pasY);
    // After the last exercise, a row begun is ended.
    static vlPoint finRangs(vlPoint pos, int pasY);
    // After an inline exercise `largeur` wide: a stroke before the next one when it fits on
    // the row, else a new line.
    void separeEnLigne(const vlRect& rect, vlPoint o, vlPoint& pos, int largeur);

    // Additions and subtractions share their layouts.
    vlPoint dessineListe(vlRect rect, vlPoint pos, int premier);
    std::vector<Exercice> exercices(int premier, bool enLigne) const;
    vlPoint dessineColonnes(vlRect rect, vlPoint pos, const std::vector<Exercice>& liste);
    // finDeListe: a blank row after the list.
    vlPoint dessineEnLigne(vlRect rect, vlPoint pos, const std::vector<Exercice>& liste,
                           bool finDeListe = true);
    void dessinePosee(vlRect rect, vlPoint pos, const Exercice& exercice);
    void signe(int x, int baseline, const std::string& s);
    // Multiplications and divisions (DessinMultDiv.cpp).
    vlPoint multiplicationsPosees(vlRect rect, vlPoint pos, int premier);
    vlPoint multiplicationsEnLigne(vlRect rect, vlPoint pos, int premier);
    vlPoint divisionsPosees(vlRect rect, vlPoint pos, int premier);
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
};
