#include "common/Setters.h"

#include <cstdlib>

void AffecteBrush(TCanvas& canvas, TBrush& brosse, TBrushStyle style, TColor couleur) {
    brosse.Color = couleur;
    brosse.Style = style;
    canvas.Brush = brosse;
}

void AffectePen(TCanvas& canvas, TPen& pinceau, TPenStyle style, TColor couleur, int taille) {
    pinceau.Color = couleur;
    if (taille < 1) {
        pinceau.Width = 1;
        pinceau.Style = psClear;
    } else if (style != psSolid) {
        pinceau.Width = 1;
        pinceau.Style = style;
    } else {
        pinceau.Width = taille;
        pinceau.Style = psSolid;
    }
    canvas.Pen = pinceau;
}

void AffecteCadre(TCanvas& canvas, CommonComponent& composant) {
    const FrameFields cadre = composant.ChampsCadre();
    AffecteBrush(canvas, composant.Brosse, TBrushStyle(cadre.brushStyle.Get()),
                 TColor(cadre.brushColour.Get()));
    AffectePen(canvas, composant.Pinceau, TPenStyle(cadre.penStyle.Get()),
               TColor(cadre.penColour.Get()), cadre.penWidth.Get());
}

std::string AvertissementTextes(const std::string& nom, int n) {
    if (n == 0)
        return {};
    return nom + "\u00A0: " + std::to_string(n) +
           (n == 1 ? " nombre ne tient pas" : " nombres ne tiennent pas") + " dans le cadre";
}

NumerosLisibles ChoisitNumeros(double parUnite, int ligne) {
    NumerosLisibles n;
    n.cinq = 5 * parUnite >= ligne;
    long long dizaines = 10;
    int chiffre = 1;
    while (chiffre * dizaines * parUnite < ligne && dizaines < 1000000000LL) {
        if (chiffre == 5)
            dizaines *= 10;
        chiffre = chiffre == 1 ? 2 : chiffre == 2 ? 5 : 1;
    }
    n.pasDizaines = chiffre * dizaines;
    return n;
}

int HauteurChiffres(TCanvas& canvas) {
    return canvas.Font.Height != 0 ? std::abs(canvas.Font.Height) : canvas.TextExtent("0").cy;
}
