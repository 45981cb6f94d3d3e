#include "pictures/Cube.h"

#include "common/Setters.h"
#include "host/Consigne.h"
#include "host/Conversions.h"
#include "host/Planche.h"
#include "host/Stream.h"
#include "pictures/CubeCles.h"
#include "platform/Random.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* kPasDePlace = "Pas de place pour le dessin";
// Stored sizes: the keys' half millimetres in tenths.
constexpr int kStockeMin = TvlCube::TAILLE_MIN * TvlCube::PAS_TAILLE;
constexpr int kStockeMax = TvlCube::TAILLE_MAX * TvlCube::PAS_TAILLE;

// How a kind of block is laid out with unit edge s and gap g: the height of the first row when
// it opens the drawing, the room it needs before the right edge, the step to the next row and
// the step to the next block.
struct Rangement {
    int premierY;
    int place;
    int ligne;
    int pas;
};

Rangement RangementDe(TvlCube::Piece::Sorte sorte, int s, int g) {
    switch (sorte) {
    case TvlCube::Piece::Millier:
        return {15 * s, 15 * s, 15 * s + g, 10 * s + g};
    case TvlCube::Piece::Centaine:
        return {32 * s / 3, 32 * s / 3, 10 * s + g, 10 * s + g};
    case TvlCube::Piece::Dizaine:
        return {32 * s / 3, 3 * s / 2, 10 * s + g, s + g};
    case TvlCube::Piece::Unite:
        break;
    }
    return {3 * s / 2, 3 * s / 2, s + g, s + g};
}

// Thousands, hundreds, tens and units.
std::array<int, 4> Chiffres(int nombre) {
    return {nombre / 1000, nombre / 100 % 10, nombre / 10 % 10, nombre % 10};
}

void Ligne(TCanvas& canvas, std::initializer_list<vlPoint> points) {
    const vlPoint* p = points.begin();
    canvas.MoveTo(p->x, p->y);
    for (++p; p != points.end(); ++p)
        canvas.LineTo(p->x, p->y);
}

void Polygone(TCanvas& canvas, std::initializer_list<vlPoint> points) {
    canvas.Polygon(std::span<const vlPoint>(points.begin(), points.size()));
}

} // namespace

TvlCube::TvlCube(TCadre* cadre) : Kind(cadre, "Cube décimal", NUMERO, VERSION) {
    PrepareLegende(2);
    Installe();
    bloc_.NombreCube = std::int16_t(Random() % 10);
    // A new frame fitted to its blocks keeps its top left corner where it was placed.
    const vlPoint place = Rect.Normalise().LireOrg();
    AjusteTaille();
    vlRect ajuste = Rect.Normalise();
    ajuste.EcrireOrg(place);
    ChangeCoords(ajuste);
}

TableCles TvlCube::Cles() const {
    return kClesCube;
}

bool TvlCube::ChangeOption(const std::string& valeur, const std::string& nom,
                           std::string& message) {
    const bool ajuste = EstAjuste();
    const bool pris = Kind::ChangeOption(valeur, nom, message);
    if (pris && ajuste && !EstAjuste() && (nom == "Enonce" || nom == "Reponse" || nom == "Mode"))
        AjusteTaille();
    return pris;
}

bool TvlCube::DblClk(int, vlPoint) {
    return true;
}

void TvlCube::RestaureStandardNonApplique() {
    CubeOptions standard;
    standard.NombreCube = bloc_.NombreCube;
    bloc_ = standard;
}

void TvlCube::RestaureDefaut() {
    CommonComponent::RestaureDefaut();
    const CubeOptions standard;
    if (bloc_.TailleCube < kStockeMin || bloc_.TailleCube > kStockeMax)
        bloc_.TailleCube = standard.TailleCube;
    if (bloc_.IntervalleCube < kStockeMin || bloc_.IntervalleCube > kStockeMax)
        bloc_.IntervalleCube = standard.IntervalleCube;
}

std::vector<IniEntry> TvlCube::EntreesIniPropres() {
    return {IniEntry::Integer("TailleCube", IntField(bloc_.TailleCube)),
            IniEntry::Integer("IntervalleCube", IntField(bloc_.IntervalleCube))};
}

bool TvlCube::ChargeDonnees(TStream& s) {
    return VerifiePlage(s, bloc_.TailleCube, kStockeMin, kStockeMax, "TailleCube") &&
           VerifiePlage(s, bloc_.IntervalleCube, kStockeMin, kStockeMax, "IntervalleCube");
}

std::optional<bool> TvlCube::ChangeOptionPropre(int index, const std::string& valeur,
                                                std::string& message) {
    if (index == CleCube::AjusterTaille) {
        AjusteTaille();
        return false;
    }
    if (index != CleCube::NombreCube && index != CleCube::TailleCube &&
        index != CleCube::IntervalleCube)
        return std::nullopt;
    const bool nombre = index == CleCube::NombreCube;
    int v = 0;
    if (!ConvInt(valeur, v, message, nombre ? 0 : TAILLE_MIN, nombre ? 9999 : TAILLE_MAX))
        return false;
    // A frame still at the size fitted to the blocks follows them; one the teacher sized stays.
    const bool ajuste = EstAjuste();
    if (nombre)
        bloc_.NombreCube = std::int16_t(v);
    else
        (index == CleCube::TailleCube ? bloc_.TailleCube : bloc_.IntervalleCube) =
            std::int16_t(v * PAS_TAILLE);
    if (ajuste)
        AjusteTaille();
    return true;
}

std::optional<std::string> TvlCube::TexteCle(const Cle& cle) {
    if (cle.index == CleCube::TailleCube)
        return std::to_string(bloc_.TailleCube / PAS_TAILLE);
    if (cle.index == CleCube::IntervalleCube)
        return std::to_string(bloc_.IntervalleCube / PAS_TAILLE);
    return CommonComponent::TexteCle(cle);
}

vlSize TvlCube::TailleAjustee() const {
    const int s = bloc_.TailleCube;
    const int g = bloc_.IntervalleCube;
    const int n = bloc_.NombreCube;
    const auto [milliers, centaines, dizaines, unites] = Chiffres(n);
    const int hauteur = n >= 1000 ? 15 * s : n >= 10 ? 32 * s / 3 : 3 * s / 2;
    const int largeur = (10 * s + g) * milliers + (milliers > 0 ? 5 * s : 0) +
                        (10 * s + g) * centaines + (s + g) * (dizaines + unites) + s / 3;
    return {largeur, hauteur};
}

// The room a fitted frame may take: the page inside its margins (and under its header).
static vlRect Place(const TPlanche* planche) {
    return planche != nullptr ? planche->ZoneUtile() : vlRect{0, 0, INT32_MAX / 2, INT32_MAX / 2};
}

// The fitted size: one row, or when the room is narrower, the rows the blocks wrap to; the
// instruction's band above them and the line under them.
vlSize TvlCube::TailleAjusteeDans(const vlRect& place, const std::string& consigne) const {
    const vlSize t = TailleAjustee();
    const int legende = HauteurLegende();
    if (t.cx <= place.Width())
        return {t.cx, t.cy + legende + HauteurConsigneEstimee(consigne, t.cx)};
    return {place.Width(), legende + HauteurConsigneEstimee(consigne, place.Width()) +
                               std::max(t.cy, TailleNecessaire(bloc_.NombreCube, bloc_.TailleCube,
                                                               bloc_.IntervalleCube, place.Width())
                                                  .cy)};
}

bool TvlCube::EstAjusteAvec(const std::string& consigne) const {
    const vlRect r = Rect.Normalise();
    const vlRect place = Place(Planche());
    const vlSize t = TailleAjusteeDans(place, consigne);
    return r.Width() == std::min(t.cx, place.Width()) &&
           r.Height() == std::min(t.cy, place.Height());
}

void TvlCube::ApresConsigne(const std::string& avant) {
    if (EstAjusteAvec(avant))
        AjusteTaille();
}

void TvlCube::AjusteTaille() {
    const vlRect r = Rect.Normalise();
    const vlRect place = Place(Planche());
    const vlSize t = TailleAjusteeDans(place, Consigne());
    // Left and bottom edges kept, unless the blocks would pass the margins: then the frame
    // moves back inside them, cut to them when wider.
    const int largeur = std::min(t.cx, place.Width());
    const int hauteur = std::min(t.cy, place.Height());
    const int gauche = std::max(place.left, std::min(r.left, place.right - largeur));
    const int bas = std::min(place.bottom, std::max(r.bottom, place.top + hauteur));
    ChangeCoords({gauche, bas - hauteur, gauche + largeur, bas});
}

// ---- layout ----

std::vector<TvlCube::Piece> TvlCube::Rangees(int nombre, int s, int g, vlRect r) {
    std::vector<Piece> pieces;
    if (nombre < 1)
        return pieces;
    const std::array<int, 4> chiffres = Chiffres(nombre);
    int x = r.left;
    int y = r.top;
    for (int k = 0; k < 4; ++k) {
        const auto sorte = Piece::Sorte(k);
        const Rangement rangement = RangementDe(sorte, s, g);
        for (int i = 0; i < chiffres[std::size_t(k)]; ++i) {
            if (pieces.empty()) {
                y = r.top + rangement.premierY;
            } else if (x + rangement.place > r.right) {
                x = r.left;
                y += rangement.ligne;
            }
            pieces.push_back({sorte, x, y});
            x += rangement.pas;
        }
    }
    return pieces;
}

std::vector<TvlCube::Piece> TvlCube::Disposition(int nombre, int s, int g, vlRect r) {
    std::vector<Piece> pieces = Rangees(nombre, s, g, r);
    if (pieces.empty())
        return pieces;
    // Rows spread so that the last ones reach the bottom, none lower than it; rows that do not
    // fit keep their steps rather than cover each other.
    const int y0 = pieces.front().y;
    if (y0 > r.bottom) {
        for (Piece& p : pieces)
            p.y = r.bottom;
        return pieces;
    }
    const int a = r.bottom - y0;
    const int etendue = pieces.size() > 1 ? pieces[pieces.size() - 2].y - y0 : 0;
    if (etendue > a || pieces.back().y > r.bottom)
        return pieces;
    std::vector<Piece> etalees = pieces;
    for (Piece& p : etalees) {
        if (p.y <= y0)
            continue;
        if (a > 0 && etendue > 0)
            p.y = int((long long)(p.y - y0) * a / etendue) + y0;
        // A last row spread past the bottom would sit on the row above it.
        if (p.y > r.bottom)
            return pieces;
        p.y = std::min(p.y, r.bottom - 1);
    }
    return etalees;
}

vlSize TvlCube::TailleNecessaire(int nombre, int s, int g, int largeurMax) {
    const std::vector<Piece> pieces = Rangees(nombre, s, g, {0, 0, largeurMax, 0});
    vlSize taille;
    for (const Piece& p : pieces) {
        taille.cx = std::max(taille.cx, p.x + Encombrement(p.sorte, s).cx);
        taille.cy = std::max(taille.cy, p.y);
    }
    return taille;
}

vlSize TvlCube::Encombrement(Piece::Sorte sorte, int s) {
    const int c = sorte == Piece::Unite ? s : 10 * s;
    const int t = 21 * c / 20 / 21;
    switch (sorte) {
    case Piece::Centaine:
        return {c + t, c + t};
    case Piece::Dizaine:
        return {c / 10 + t, c + t};
    default:
        return {3 * c / 2, 3 * c / 2};
    }
}

bool TvlCube::DessineNombre(TCanvas& canvas, int nombre, int s, int g, vlRect r) {
    const std::vector<Piece> pieces = Disposition(nombre, s, g, r);
    const auto horsCadre = [&](const Piece& p) {
        const vlSize taille = Encombrement(p.sorte, s);
        return p.x + taille.cx > r.right || p.y - taille.cy < r.top || p.y > r.bottom;
    };
    if (std::any_of(pieces.begin(), pieces.end(), horsCadre))
        return false;
    for (const Piece& p : pieces) {
        // The front face, which the next block never covers.
        const int face = p.sorte == Piece::Unite ? s : 10 * s;
        const int largeur = p.sorte == Piece::Unite || p.sorte == Piece::Dizaine ? s : 10 * s;
        canvas.TagReadable({p.x, p.y - face, p.x + largeur, p.y}, "bloc");
        switch (p.sorte) {
        case Piece::Millier:
            DessineGrandCube(canvas, p.x, p.y, 10 * s);
            break;
        case Piece::Centaine:
            DessinePlaque(canvas, p.x, p.y, 10 * s);
            break;
        case Piece::Dizaine:
            DessineBarre(canvas, p.x, p.y, 10 * s);
            break;
        case Piece::Unite:
            DessineCube(canvas, p.x, p.y, s);
            break;
        }
    }
    return true;
}

// ---- drawing ----

void TvlCube::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineImage(canvas, mode);
    DessineLegende(canvas, mode);
}

std::optional<CibleImage> TvlCube::Cible() const {
    return CibleImage{TexteNombre(bloc_.NombreCube), "Représente %s", bloc_.Mode == MODE_CORRIGE};
}

void TvlCube::DessineImage(TCanvas& canvas, int mode) {
    SignaleErreurDessin({});
    const vlRect r = ZoneImage();
    const int niveau = canvas.SaveDC();
    canvas.IntersectClipRect(r.left, r.top, r.right, r.bottom);
    AffecteCadre(canvas, *this);
    if (ContenuVisible(bloc_.Mode, mode) &&
        !DessineNombre(canvas, bloc_.NombreCube, bloc_.TailleCube, bloc_.IntervalleCube, r))
        SignaleErreurDessin(PasDePlace(r));
    canvas.RestoreDC(niveau);
}

std::string TvlCube::PasDePlace(const vlRect& r) const {
    const int s = bloc_.TailleCube;
    const int g = bloc_.IntervalleCube;
    // Wide enough for the widest block, the rows that width gives.
    int largeur = r.Width();
    for (const Piece& p : Rangees(bloc_.NombreCube, s, g, {0, 0, 0, 0}))
        largeur = std::max(largeur, Encombrement(p.sorte, s).cx);
    const vlSize t = TailleNecessaire(bloc_.NombreCube, s, g, largeur);
    const auto cm = [](int dixiemes) { return TexteCentimetres((dixiemes + 9) / 10 * 10); };
    // The frame around r: the line under the picture and the instruction above it.
    const int autour = Rect.Normalise().Height() - r.Height() + HauteurConsigne();
    return std::string(kPasDePlace) + "\u00A0: il faut un cadre de " +
           cm(std::max(t.cx, r.Width())) + " cm de large et " + cm(t.cy + autour) + " cm de haut";
}

void TvlCube::DessineCube(TCanvas& canvas, int x, int y, int c) {
    const int e = 3 * c / 2;
    canvas.Rectangle(x, y - c, x + c, y);
    Polygone(canvas, {{x, y - c}, {x + e / 3, y - e}, {x + e, y - e}, {x + c, y - c}});
    Polygone(canvas, {{x + c, y}, {x + e, y - e / 3}, {x + e, y - e}, {x + c, y - c}});
}

void TvlCube::DessineGrilleCube(TCanvas& canvas, int x, int y, int c) {
    const int e = 3 * c / 2;
    for (int i = 1; i <= 9; ++i) {
        const int t = i * c / 10;
        const int u = i * e / 30;
        Ligne(canvas, {{x, y - t}, {x + c, y - t}, {x + e, y - t - e / 3}});
        Ligne(canvas, {{x + t, y}, {x + t, y - c}, {x + t + e / 3, y - e}});
        Ligne(canvas, {{x + c + u, y - u}, {x + c + u, y - u - c}});
        Ligne(canvas, {{x + u, y - c - u}, {x + u + c, y - c - u}});
    }
}

void TvlCube::DessineGrandCube(TCanvas& canvas, int x, int y, int c) {
    DessineCube(canvas, x, y, c);
    DessineGrilleCube(canvas, x, y, c);
}

void TvlCube::DessinePlaque(TCanvas& canvas, int x, int y, int c) {
    const int e2 = 21 * c / 20;
    const int t = e2 / 21;
    canvas.Rectangle(x, y - c, x + c, y);
    Polygone(canvas, {{x, y - c}, {x + c, y - c}, {x + c + t, y - c - t}, {x + t, y - c - t}});
    Polygone(canvas, {{x + c, y}, {x + c, y - c}, {x + c + t, y - c - t}, {x + c + t, y - t}});
    for (int i = 1; i <= 9; ++i) {
        const int p = i * c / 10;
        Ligne(canvas, {{x + p, y}, {x + p, y - c}, {x + p + t, y - e2}});
        Ligne(canvas, {{x, y - p}, {x + c, y - p}, {x + e2, y - p - t}});
    }
}

void TvlCube::DessineBarre(TCanvas& canvas, int x, int y, int c) {
    const int w = c / 10;
    const int e2 = 21 * c / 20;
    const int t = e2 / 21;
    canvas.Rectangle(x, y - c, x + w, y);
    Polygone(canvas, {{x, y - c}, {x + w, y - c}, {x + w + t, y - c - t}, {x + t, y - c - t}});
    Polygone(canvas, {{x + w, y}, {x + w, y - c}, {x + w + t, y - c - t}, {x + w + t, y - t}});
    for (int i = 1; i <= 9; ++i) {
        const int p = i * c / 10;
        Ligne(canvas, {{x, y - p}, {x + w, y - p}, {x + w + t, y - p - t}});
    }
}

// ---- description ----

std::vector<std::string> TvlCube::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    lignes.push_back("NombreCube = " + std::to_string(bloc_.NombreCube));
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    lignes.push_back("TailleCube = " + std::to_string(bloc_.TailleCube / PAS_TAILLE));
    lignes.push_back("IntervalleCube = " + std::to_string(bloc_.IntervalleCube / PAS_TAILLE));
    const auto [milliers, centaines, dizaines, unites] = Chiffres(bloc_.NombreCube);
    lignes.push_back(std::to_string(milliers) + " millier(s), " + std::to_string(centaines) +
                     " centaine(s), " + std::to_string(dizaines) + " dizaine(s), " +
                     std::to_string(unites) + " unité(s)");
    return lignes;
}
