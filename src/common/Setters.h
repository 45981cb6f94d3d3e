// What the picture kinds (dice, pie, clock, thermometer, test tube, abacus, base-ten blocks,
// coins, notes, masses, connect-the-dots, sudoku) share while drawing: the pen and brush
// setters, which set a pen or brush of the component's and then give it to the canvas, and the
// rule that hides a picture's answer in one version of the sheet.
#pragma once

#include "common/CommonComponent.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

#include <string>

// The colour, then the style, on the component's brush; the canvas takes that brush.
void AffecteBrush(TCanvas& canvas, TBrush& brosse, TBrushStyle style, TColor couleur);

// The colour on the component's pen; a width below 1 gives a clear pen of width 1, a style
// other than solid a pen of width 1 in that style, else the width with a solid pen. The
// canvas takes that pen.
void AffectePen(TCanvas& canvas, TPen& pinceau, TPenStyle style, TColor couleur, int taille);

// The component's frame brush, then its frame pen, from its frame keys, set as AffecteBrush and
// AffectePen set them: the ground and outline a picture starts with.
void AffecteCadre(TCanvas& canvas, CommonComponent& composant);

// Whether a picture's answer (pips, filled part, hands, liquid...) is drawn: always for a
// component mode of 0, in the editing view (mode 0), and in the version its mode names.
constexpr bool ContenuVisible(int modeComposant, int mode) {
    return modeComposant == 0 || mode == 0 || modeComposant == mode;
}

// The frame warning of a picture that left out `n` of its texts for want of room: "Thermomètre1 :
// 2 nombres ne tiennent pas dans le cadre"; empty when n is 0.
std::string AvertissementTextes(const std::string& nom, int n);

// The graduation numbers a scale has room for, one unit `parUnite` canvas units from the next
// and a number `ligne` high (HauteurChiffres): those of the fives only when they stand that far
// apart, those of the tens every `pasDizaines` units (10, 20, 50, 100, 200...), the least that
// keeps them apart.
struct NumerosLisibles {
    bool cinq = true;
    long long pasDizaines = 10;
};
NumerosLisibles ChoisitNumeros(double parUnite, int ligne);
// How tall a number of the canvas's font stands: the font's size (an em), digits never taller.
int HauteurChiffres(TCanvas& canvas);
