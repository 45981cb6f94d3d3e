// A small business-chart engine: a model (panel, titles, legend, axes, walls, 3D view, series
// of labelled points) drawn on a TCanvas inside a rectangle, in tenths of a millimetre. Every
// element is a canvas call, so tests see it and PDF output stays vector.
#pragma once

#include "platform/Canvas.h"

#include <string>
#include <vector>

namespace chart {

// Series kinds, numbered as documents store them.
enum class TypeSerie : int {
    Lignes = 1,
    Aires = 2,
    Points = 3,
    Barres = 4,
    BarresHorizontales = 5,
    Secteurs = 6,
    Traits = 7,
};
constexpr int kTypeSerieMin = 1;
constexpr int kTypeSerieMax = 7;
// Marks styles 0..8 (value, percent, label, label + percent, label + value, legend, percent
// and total, label + percent and total, X value).
constexpr int kStyleMarquesMax = 8;

struct PointSerie {
    std::string libelle;
    double x = 0;
    double y = 0;
    TColor couleur = clRed;
    int hachure = bsSolid; // hatches drawn over the colour, or none (bsSolid)
};

// Twelve colours for series in turn, each 30 grey levels or more from the next (and the last
// from the first), so that neighbours stay apart on a black-and-white print.
inline constexpr TColor kPalette[] = {0x0000FF, 0x00FFFF, 0xFF0000, 0x00A5FF, 0x008000, 0xEBCE87,
                                      0x800080, 0x00FF00, 0x000080, 0xFFFF00, 0x800000, 0xB469FF};
// A colour's grey level on a black-and-white print, 0 to 255.
int NiveauGris(TColor c);

struct Serie {
    TypeSerie type = TypeSerie::Barres;
    std::string titre;
    int styleMarques = 0;
    bool visible = true;
    std::vector<PointSerie> points;
};

struct Axe {
    bool visible = true;
    bool automatique = true;
    bool inverse = false;
    bool libelles = true;
    bool libellesSurAxe = true; // no label past the axis ends
    double min = 0;
    double max = 0;
    std::string titre;
    TFont fonteLibelles;
    TFont fonteTitre;
};

struct Mur {
    int styleBrosse = bsSolid;
    TColor couleur = clWhite;
    int taille = 0;
};

enum Alignement : int { AGauche = 0, ADroite = 1, AuCentre = 2 };

struct Modele {
    TColor fond = clWhite;
    bool gradient = false;
    bool hachures = false; // every series (or every point of a lone series) its own hatches
    TColor gradientDebut = clWhite;
    TColor gradientFin = clYellow;
    int directionGradient = 0; // 0 top to bottom, 1 bottom to top, 2 left to right, 3 right to left
    TPen cadre{clBlack, 1, psClear};

    std::vector<std::string> titre, pied;
    TFont fonteTitre, fontePied, fonteLegende;
    int aligneTitre = AuCentre, alignePied = AuCentre;
    int aligneLegende = 1; // 0 left, 1 right, 2 top, 3 bottom
    bool titreVisible = true, piedVisible = true, legendeVisible = true;
    TColor couleurLegende = clWhite;

    TFont fonteMarques;
    TColor fondMarques = clYellow;
    bool cadreMarques = true;
    bool marquesVisibles = true;

    Axe gauche, bas, profondeur;
    Mur murGauche, murFond, murBas;
    bool mursVisibles = false;

    bool vue3D = true;
    int pourcentage3D = 15; // depth, % of the plot's smaller side
    int rotation3D = 0;     // degrees about the vertical axis, when not orthogonal
    bool orthogonal3D = true;

    std::vector<Serie> series;
};

// Axis ticks: first + i * pas for i in 0..nombre-1, pas = mantisse * 10^exposant.
struct Graduation {
    double premier = 0;
    double pas = 1;
    int nombre = 2;
    long long premierIndice = 0; // premier = premierIndice * pas, exactly
    int mantisse = 1;            // 1, 2 or 5
    int exposant = 0;
    int milliers = 0; // labels in thousands (1), millions (2) or billions (3) of the values

    double Valeur(int i) const;
    double Dernier() const { return Valeur(nombre - 1); }
    // The i-th tick printed exactly at the step's decimals, with the locale's comma and
    // thousands separator, in the unit of `milliers`; never with an exponent.
    std::string Libelle(int i) const;
};

// Nice ticks covering [lo, hi] (2 to 10 of them, on multiples of 1, 2 or 5 times a power of
// ten). Equal ends are widened; non-finite ends give 0..1.
Graduation GraduationsNettes(double lo, double hi);

// A number as the chart prints it: the shortest decimal text that reads back the same, with
// the locale's comma, and an exponent only below 10^-6 or from 10^15 on.
std::string FormateNombre(double v);
// A number as a page shows it: grouped by thousands, at most six decimals, never an
// exponent.
std::string NombreAffiche(double v);
// A mark's text in one of the nine styles, for point `i` of the series.
std::string TexteMarque(const Serie& serie, int i);

// What a drawing left out for want of room.
struct Omissions {
    int legende = 0;   // legend entries
    int libelles = 0;  // axis labels and titles, depth titles
    int marques = 0;   // marks
    int titres = 0;    // title and foot lines
    int eclaircis = 0; // value labels thinned out: every k-th tick still says the scale
    int Perdus() const { return legende + libelles + marques + titres; }
};

// Draws the model inside `rect`, clipped to it; the canvas state is restored afterwards. Every
// text (titles, legend, axes, marks) is drawn at its font's size held between 7 and 14 points,
// and smaller, down to 7 points, while anything would be left out or thinned at that size.
// False when the titles, legend and labels left no room for the plot or the pie. What was
// left out even so is counted in *omissions when given.
bool Dessine(const Modele& modele, TCanvas& canvas, const vlRect& rect,
             Omissions* omissions = nullptr);

// Fills a rectangle with a two-colour gradient in one of the four directions, as bands.
void RemplitGradient(TCanvas& canvas, const vlRect& r, TColor debut, TColor fin, int direction);

} // namespace chart
