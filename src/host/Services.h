// The host's services and values that components use.
#pragma once

#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"

#include <functional>
#include <span>
#include <string>

// The ini file of per-kind preferred options (FichIniUtilisateur() by default; empty: none).
std::string& FichIni();
// The user's ini file: ConfigDirectory() + "/vorlane.ini", under the XDG configuration folder.
std::string FichIniUtilisateur();
// The key of the package-wide settings in the registry.
std::string& RegPath();
// Makes the host's key in the registry when it is missing, as an installer would: the package
// keeps its settings only under a key that exists. False when it cannot be made.
bool PrepareHostKey();
// The data folder (pictures, puzzle databases, help pages), with a trailing "/": DataDirectory()
// unless changed.
std::string& PathDonnees();
// The default font of new components: Andika 14 pt, black.
TFont& GlobalFonte();
// The display mode of the moment on the calling thread: 0 editing, 1 test version, 2 corrected
// version. Each thread has its own, so that copies of a sheet can be built while another draws.
int& ModeVisu();
// Where components made on the calling thread take the time of day from, in seconds since
// midnight: the local clock unless replaced (the sheet builder draws it from its seed, so that
// a seed rebuilds a sheet). Each thread has its own, as for ModeVisu.
std::function<int()>& SourceHeure();

// The folder of the help pages: PathDonnees() + "help/".
std::string DossierAide();
// The page (a file name in DossierAide()) of a help topic and context: a kind number opens the
// kind's page, 136 and 137 the sudoku dialogs', topic 1 context 9 the package options dialog's;
// "" for any other topic.
std::string PageAide(int topic, int context);
// Gives a kind number its help page (a file name in DossierAide() without ".md"); the
// catalogue registers each kind it learns. An empty page changes nothing.
void EnregistrePageAide(int topic, const std::string& page);
// Opens the page of a topic. A topic without a page, or whose page is not installed, opens the
// contents (index.md) with a note that says so.
void Aide(int topic, int context);
// Opens the page of a window by the name it is registered under ("OperProp": OperProp.md), or
// the contents with a note when it has none.
void AideFiche(const std::string& nomFiche);
// Registers a named information text and returns its handle, from 1 (texts of the program's
// own are used when `texte` is empty, as for "InfoMult"); registering a name again updates its
// text and keeps its handle. AfficheInfoWindow shows it in an information window.
int EnregistreInfo(const std::string& nom, const std::string& texte, int flags);
void AfficheInfoWindow(int handle);
// The text registered under a handle ("" when unknown).
std::string TexteInfo(int handle);

// Draws a component's frame with the canvas's pen and brush: the outline (Rectangle) when the
// given pen style is not psClear and its width above 0, otherwise a fill with the brush unless
// the brush is clear. Returns false, drawing nothing, when the rectangle has no area, so there
// is no content to draw either.
bool RectangleAff(TCanvas& canvas, int taillePinceau, int stylePinceau, const vlRect& rect);
// Writes a host notice (lines separated by "\n") centred in the rectangle and clipped to it:
// grey characters 3 mm high in the global font's face. The canvas state is restored after.
void AfficheTexteSysteme(TCanvas& canvas, const vlRect& rect, const std::string& texte);

// Direction from `origine` to `p` in degrees, 0 along +x, counter-clockwise on the page
// (y grows downwards), in [0, 360).
double Angle(vlPoint p, vlPoint origine);
// The two points at `distance` on either side of the line (a, b), perpendicular to it at
// point `m`.
void ProjectionPerp(vlPoint a, vlPoint b, vlPoint m, double distance, vlPoint& p1, vlPoint& p2);
// Smallest x and y, largest x and y of the points ((0,0) for none).
vlPoint Minima(std::span<const vlPoint> points);
vlPoint Maxima(std::span<const vlPoint> points);

// Loads the picture PathDonnees() + nom (".png" or ".jpg" tried when the name has no
// extension); false when there is no such readable picture.
bool ChargeBitmap(TPicture& picture, const std::string& nom);
