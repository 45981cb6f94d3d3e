#include "pictures/Setters.h"

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
    return nom + " : " + std::to_string(n) +
           (n == 1 ? " nombre ne tient pas" : " nombres ne tiennent pas") + " dans le cadre";
}
