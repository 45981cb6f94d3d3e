#include "pictures/De.h"

#include "common/Setters.h"
#include "pictures/DeCles.h"
#include "platform/Random.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The corner ellipse of the face: a quarter of the shorter side on both axes, so that the
// corners stay round whatever the proportions.
vlSize CoinArrondi(int largeur, int hauteur) {
    const int court = std::min(largeur, hauteur);
    const int long_ = std::max(largeur, hauteur);
    const int pourcentLong = long_ > 0 ? int(double(court) / long_ * 25) : 25;
    const int pourcentX = largeur <= hauteur ? 25 : pourcentLong;
    const int pourcentY = largeur <= hauteur ? pourcentLong : 25;
    return {largeur * pourcentX / 100, hauteur * pourcentY / 100};
}

// The pip centres of a value, as offsets in units of q from the centre.
std::vector<vlPoint> PositionsPoints(int valeur, bool vertical) {
    switch (valeur) {
    case 1:
        return {{0, 0}};
    case 2:
        return vertical ? std::vector<vlPoint>{{1, -1}, {-1, 1}}
                        : std::vector<vlPoint>{{-1, -1}, {1, 1}};
    case 3:
        return vertical ? std::vector<vlPoint>{{1, -1}, {-1, 1}, {0, 0}}
                        : std::vector<vlPoint>{{-1, -1}, {1, 1}, {0, 0}};
    case 4:
        return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5:
        return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}, {0, 0}};
    case 6:
        return vertical ? std::vector<vlPoint>{{-1, -1}, {0, -1}, {-1, 1}, {1, -1}, {0, 1}, {1, 1}}
                        : std::vector<vlPoint>{{-1, -1}, {-1, 0}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}};
    default:
        return {};
    }
}

} // namespace

TvlDe::TvlDe(TCadre* cadre) : Kind(cadre, "Dé", NUMERO, VERSION) {
    bloc_.Valeur1 = std::int16_t(Random() % 6 + 1);
    bloc_.Valeur2 = std::int16_t(Random() % 7);
    PrepareLegende(2);
    Installe();
}

TableCles TvlDe::Cles() const {
    return kClesDe;
}

bool TvlDe::DblClk(int, vlPoint) {
    return true;
}

void TvlDe::RestaureStandardNonApplique() {
    DeOptions standard;
    standard.Valeur1 = bloc_.Valeur1;
    standard.Valeur2 = bloc_.Valeur2;
    bloc_ = standard;
}

std::optional<bool> TvlDe::ChangeOptionPropre(int index, const std::string&, std::string&) {
    switch (index) {
    case CleDe::Aleatoire:
        Tire();
        return false;
    case CleDe::Permuter:
        std::swap(bloc_.Valeur1, bloc_.Valeur2);
        return false;
    default:
        return std::nullopt;
    }
}

void TvlDe::ApresCle(int index) {
    // Each "Orientation" received turns the frame, as the window's radio group does.
    if (index == CleDe::Orientation)
        Tourne();
}

std::vector<TCleValeur> TvlDe::ReglagesFeuille() {
    std::vector<TCleValeur> reglages = CommonComponent::ReglagesFeuille();
    const auto orientation =
        std::find_if(reglages.begin(), reglages.end(),
                     [](const TCleValeur& r) { return r.cle == "Orientation"; });
    if (orientation != reglages.end())
        std::rotate(reglages.begin(), orientation, orientation + 1);
    return reglages;
}

void TvlDe::Tire() {
    if (bloc_.Aspect != 0) {
        bloc_.Valeur1 = std::int16_t(Random() % 7);
        bloc_.Valeur2 = std::int16_t(Random() % 7);
    } else {
        bloc_.Valeur1 = std::int16_t(Random() % 6 + 1);
    }
}

void TvlDe::Tourne() {
    const vlRect r = Rect.Normalise();
    const vlPoint centre = r.Centre();
    const int largeur = r.Width();
    const int hauteur = r.Height();
    const int gauche = centre.x - hauteur / 2;
    const int haut = centre.y - largeur / 2;
    ChangeCoords({gauche, haut, gauche + hauteur, haut + largeur});
}

void TvlDe::AffectePen(TCanvas& canvas, TPenStyle style, TColor, int taille) {
    ::AffectePen(canvas, Pinceau, style, bloc_.CouleurPinceau, taille);
}

void TvlDe::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineImage(canvas, mode);
    DessineLegende(canvas, mode);
}

std::optional<CibleImage> TvlDe::Cible() const {
    const int points = bloc_.Valeur1 + (bloc_.Aspect != 0 ? bloc_.Valeur2 : 0);
    return CibleImage{std::to_string(points), {}, bloc_.Mode == MODE_CORRIGE};
}

void TvlDe::DessineImage(TCanvas& canvas, int mode) {
    const vlRect cadre = ZoneImage();
    AffecteCadre(canvas, *this);
    const vlSize coin = CoinArrondi(cadre.Width(), cadre.Height());
    canvas.RoundRect(cadre.left, cadre.top, cadre.right, cadre.bottom, coin.cx, coin.cy);

    vlRect r = cadre;
    if (bloc_.StylePinceau == psSolid && bloc_.TaillePinceau > 1) {
        const int retrait = bloc_.TaillePinceau / 2;
        r = {r.left + retrait, r.top + retrait, r.right - retrait, r.bottom - retrait};
    }

    if (ContenuVisible(bloc_.Mode, mode)) {
        const vlPoint c = r.Centre();
        if (bloc_.Aspect == 0) {
            DessinePoints(canvas, r, bloc_.Valeur1);
        } else if (bloc_.Orientation == 0) {
            canvas.MoveTo(c.x, r.top);
            canvas.LineTo(c.x, r.bottom);
            DessinePoints(canvas, {r.left, r.top, c.x, r.bottom}, bloc_.Valeur1);
            DessinePoints(canvas, {c.x, r.top, r.right, r.bottom}, bloc_.Valeur2);
        } else {
            canvas.MoveTo(r.left, c.y);
            canvas.LineTo(r.right, c.y);
            DessinePoints(canvas, {r.left, r.top, r.right, c.y}, bloc_.Valeur1);
            DessinePoints(canvas, {r.left, c.y, r.right, r.bottom}, bloc_.Valeur2);
        }
    }
    // The pips borrowed the component's pen and brush: give them back the block's settings.
    AppliqueOptions();
}

void TvlDe::DessinePoints(TCanvas& canvas, vlRect r, int valeur) {
    const vlPoint c = r.Centre();
    const int m = std::min(r.Width(), r.Height());
    const int s = m - 2 * (m / 12);
    if (s <= 0)
        return;
    const int p = s / 7;
    const int q = s / 3;
    AffectePen(canvas, psSolid, bloc_.CouleurPinceau, 1);
    AffecteBrush(canvas, Brosse, TBrushStyle(bloc_.StyleBrossePoint), bloc_.CouleurPoint);
    for (const vlPoint d : PositionsPoints(valeur, bloc_.Orientation != 0)) {
        const int x = c.x + d.x * q;
        const int y = c.y + d.y * q;
        canvas.Ellipse(x - p, y - p, x + p, y + p);
        canvas.TagReadable({x - p, y - p, x + p, y + p}, "point");
    }
}

std::vector<std::string> TvlDe::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    const bool domino = bloc_.Aspect != 0;
    lignes.push_back("Aspect = " + std::to_string(bloc_.Aspect));
    lignes.push_back("Orientation = " + std::to_string(bloc_.Orientation));
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    if (domino)
        lignes.push_back(std::to_string(bloc_.Valeur1) + " | " + std::to_string(bloc_.Valeur2));
    else
        lignes.push_back(std::to_string(bloc_.Valeur1));
    return lignes;
}
