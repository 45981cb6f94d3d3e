// The chart's data in editable form: each series' title, type, marks style, points as text
// and import link, with the titles and axes. The chart data editor works on it; sheets fill it
// too. Opening copies a chart into it; transfer writes it back.
//
// The editor's grid shows one series transposed, and the tools below take a block of that
// grid in its own coordinates:
//   row 0 the point numbers, row 1 the labels, row 2 the X, row 3 the Y, row 4 the colours;
//   column 0 the row titles, column c (from 1) the point c - 1.
// Questions to the user are asked by the editor window; this class only tells whether one is
// needed and makes the change.
#pragma once

#include "chart/Graphe.h"
#include "platform/UserInterface.h"

#include <string>
#include <vector>

class TComposant;
class TProjectInterface;

struct PointEdition {
    std::string libelle;
    std::string x; // blank: the point has no X
    std::string y; // blank: the point has no Y
    TColor couleur = clWhite;
};

struct SerieEdition {
    std::string titre;
    int type = -1; // 0..6: the series type code minus 1; -1 while undefined
    int styleMarques = 0;
    std::vector<PointEdition> points;
    LienImport lien{};
    bool visible = true; // not saved: lasts while the document is open
};

// The series type captions, in type order.
inline constexpr const char* kTypesSerie[] = {
    "Lignes",   "Aires", "Points", "Histogrammes verticaux", "Histogrammes horizontaux",
    "Secteurs", "Traits"};

// The rows of the editor's grid.
inline constexpr int kLigneNumeros = 0;
inline constexpr int kLigneLibelle = 1;
inline constexpr int kLigneX = 2;
inline constexpr int kLigneY = 3;
inline constexpr int kLigneCouleur = 4;
inline constexpr int kLignesGrille = 5;
// The row titles of column 0, rows 1 to 4.
inline constexpr const char* kTitresLignes[] = {"Libellé", "Abcisse  X", "Ordonnée Y", "Couleur"};

// A block of the grid, ends included.
struct ZoneGrille {
    int gauche = 0, haut = 0, droite = 0, bas = 0;
};

// The random number tool's settings: v = minimum + (draw mod (maximum - minimum)), multiplied
// or divided by the factor, plus the addend.
struct ReglagesAleatoires {
    double minimum = 0, maximum = 100;
    bool multiplier = true; // false: divide
    double facteur = 1, ajout = 0;

    // The settings last used in this process, first the defaults above.
    static ReglagesAleatoires& Memoire();
    // A maximum below the minimum exchanged with it; a factor 0 with divide made 1.
    ReglagesAleatoires Corriges() const;
};

// The sequence tool's choices, in the dialog's order.
inline constexpr const char* kChoixSuite[] = {"1,2,3,...",
                                              "lundi, mardi, mercredi,..",
                                              "lun,mar,mer,jeu,ven,sam,dim",
                                              "l,m,m,j,v,s,d",
                                              "janvier, février,mars,",
                                              "jan,fév,mars, avr, mai,...",
                                              "j,f,m,a,m,j,j,a,s,o,n,d",
                                              "arc-en-ciel (6 couleurs) r-o-j-v-b-vi"};
inline constexpr int kChoixSuiteNumerique = 0;
inline constexpr int kChoixSuiteArcEnCiel = 7;
// The case styles of the words, in the dialog's order.
inline constexpr const char* kCassesSuite[] = {"minuscules", "majuscules",
                                               "première lettre majuscule"};

struct ReglagesSuite {
    int choix = 0;             // index in kChoixSuite
    int depart = 1;            // "Commencer à partir de\u00A0: "
    double multiplicateur = 1; // numeric sequence only
    int casse = 0;             // index in kCassesSuite
};

class EditionGraphe : public TFormModel {
public:
    static constexpr int kColonnesMin = 1;
    static constexpr int kColonnesMax = 100;

    std::vector<SerieEdition> series;
    std::vector<std::string> titre, pied;
    std::string titreX, titreY;
    BornesAxe axeX, axeY;
    int courante = 0; // the series shown in the grid

    // The chart's series, titles and axes, numbers printed as text.
    static EditionGraphe Ouvre(const TvlGraphe& graphe);
    // Replaces the chart's series, links, titles and axes. Refused before any change, false
    // with the message, when a series has an undefined type ("Série N: le type de série n'est
    // pas défini") or an X or Y text is not a number (see VerifieNombres). A series with no X
    // or Y text is left out with its link; a point with a Y alone takes its rank as X, and the
    // reverse.
    bool Transfere(TvlGraphe& graphe, std::string& message) const;

    // ---- The grid ----

    // The number of points of a series (its grid columns less the titles); 0 for no series.
    int Colonnes(int serie) const;
    // The text of a grid cell: the point number, label, X, Y, or the colour as a number.
    std::string Cellule(int serie, int ligne, int colonne) const;
    // Writes a cell typed or pasted: label, X or Y as is; in the colour row only a colour
    // number (0..0xFFFFFF, decimal or 0x hexadecimal) is taken. False when nothing changed.
    bool EcritCellule(int serie, int ligne, int colonne, const std::string& texte);
    // Sets the colour of the points of the columns gauche..droite.
    void ColorieColonnes(int serie, int gauche, int droite, TColor couleur);
    // The colour new columns get, by column number (from 1): a print-friendly palette.
    static TColor CouleurColonne(int colonne);

    // ---- Tools ----

    // Fills rows 2 and 3 of the block with drawn numbers, column by column, X before Y, the
    // settings corrected first. Returns the number of cells written.
    int RemplitAleatoire(int serie, ZoneGrille zone, const ReglagesAleatoires& reglages);
    // Fills the block row by row, left to right, with the chosen sequence, in the rows that
    // choice writes. Returns the number of cells written.
    int RemplitSuite(int serie, ZoneGrille zone, const ReglagesSuite& reglages);
    // The n-th term of a word sequence (n from the start value, brought into range as the fill
    // does), cased; empty for the numeric sequence and the rainbow.
    static std::string MotSuite(int choix, int n, int casse);

    // A column count brought into 1..100.
    static int BorneColonnes(int colonnes);
    // Whether resizing would drop a column with label, X or Y text ("SUPPRESSION DE DONNEES").
    bool PerteAuRedimensionnement(int serie, int colonnes) const;
    // Resizes the series to the count brought into 1..100; new columns are empty, coloured.
    void Redimensionne(int serie, int colonnes);

    // Whether deleting the series must be confirmed: a point has label or X text.
    bool SuppressionAConfirmer(int serie) const;
    void SupprimeSerie(int serie);
    // Appends a series of undefined type, titled "Série N", with the current series' column
    // count; makes it the current one and returns its index.
    int AjouteSerie();
    // Puts the series in the new order: ordre[i] is the old index of the series going to place
    // i. False, with nothing changed, unless ordre is a permutation of the series.
    bool Ordonne(const std::vector<int>& ordre);
    void ChangeVisibilite(int serie, bool visible);

    // Sets the series' four import links and copies the linked cells of the document's grids
    // into its points at once, by the chart's rules for refreshing imports.
    void LieImport(int serie, const LienImport& lien, const TProjectInterface& document);

    // Whether every X and Y text is blank or a number ("," or "." and an optional exponent);
    // else false with "Série 2, point 3: « 1,2,3 » n'est pas un nombre" (numbered from 1).
    bool VerifieNombres(std::string& message) const;
    // A cell's number: blank is no number; "," or "." and an exponent are read.
    static bool LitNombre(const std::string& texte, double& v);
    // A number as the shortest text that reads back, with the decimal comma.
    static std::string EcritNombre(double v);

private:
    bool Existe(int serie) const { return serie >= 0 && std::size_t(serie) < series.size(); }
    // The point of a grid column (from 1); null outside the series.
    PointEdition* Point(int serie, int colonne);
    const PointEdition* Point(int serie, int colonne) const;
    static void CopieCellule(PointEdition& p, int attribut, int cellule, const TComposant& source);
};

// The cells, as indices in a grid of `colonnes` x `lignes` counted row by row, that link k takes
// for the points 0, 1, ..., at most `points` of them; none when the link leaves the grid.
std::vector<int> CellulesLiees(const LienImport& lien, int k, int colonnes, int lignes, int points);
