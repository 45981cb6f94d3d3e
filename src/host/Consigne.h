// The instruction every component can carry ("Consigne"): one or two lines written at the top of
// its frame, in the page's font, numbered when the page asks for it. The component's own drawing
// takes the frame minus that band.
#pragma once

#include "host/MiseEnPage.h"
#include "platform/Geometry.h"
#include "platform/Graphics.h"

#include <string>
#include <vector>

class TCanvas;
class TComposant;

inline constexpr int kConsigneLignesMax = 2;
inline constexpr int kConsigneCaracteresMax = 200;
// How the page numbers its instructions.
enum : int { NUMEROTE_SANS = 0, NUMEROTE_CHIFFRE = 1, NUMEROTE_EXERCICE = 2 };

// The keys every kind takes beyond its own, handled by the host, with the values each takes.
struct CleCommune {
    const char* nom;
    const char* valeurs;
};
const std::vector<CleCommune>& ClesCommunes();

// Reads an instruction as a sheet or a window gives it: a line break or "\n" between the two
// lines, blanks around each line dropped. False with a message naming the limit when it has more
// than two lines or more than kConsigneCaracteresMax characters.
bool LitConsigne(const std::string& valeur, std::string& consigne, std::string& message);
// The instruction as a sheet writes it back: its lines joined by "\n".
std::string TexteConsigne(const std::string& consigne);

// "1.", "Exercice 1 :" or nothing, for the instruction of rank `rang` (from 1).
std::string EtiquetteNumero(int numerotation, int rang);

// The band of a component's instruction, set for one drawing.
struct BandeConsigne {
    TFont police;
    std::vector<LignePlacee> lignes; // the label in bold first
    int interligne = 0;              // from one line's top to the next one's
    int hauteur = 0;                 // the whole band, the gap under it included; 0 without one
    bool coupee = false;             // the second line ends with "…": the rest had no room
};

// Sets the instruction and its label in a frame of `cadre`'s size: one or two lines of its
// width, the font a point smaller at a time (down to 9 points) until they fit two lines; what
// still does not fit is cut from the second line, which then ends with "…". A frame too short
// for a line keeps the lines it has room for; each cut marks the band `coupee`.
BandeConsigne MiseEnPageConsigne(TCanvas& canvas, const std::string& etiquette,
                                 const std::string& consigne, vlSize cadre);
// The band an instruction will take in a frame `largeur` wide, before any canvas measures it:
// two lines when its text may not hold on one, at the band's full size, so that a frame fitted
// with it leaves room enough.
int HauteurConsigneEstimee(const std::string& consigne, int largeur);
// Writes the band at the top of `cadre`, clipped to it; each run is tagged readable.
void DessineBandeConsigne(TCanvas& canvas, const BandeConsigne& bande, const vlRect& cadre);
