#include "pictures/Thermometre.h"

#include "common/Setters.h"
#include "host/Conversions.h"
#include "host/Services.h"
#include "pictures/ThermometreCles.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// Tick lengths and the gap between the tube and a number, in tenths of a millimetre.
constexpr int kGrande = 100;
constexpr int kMoyenne = 50;
constexpr int kPetite = 25;
constexpr int kEcartGrande = 110;
constexpr int kEcartMoyenne = 60;
// Room between a unit label and the bulb, and left of the widest number.
constexpr int kEcartUnite = 40;
constexpr int kMargeGauche = 120;

// The first multiple of 10 at or above v.
int PremiereDizaine(int v) {
    const int reste = ((v % 10) + 10) % 10;
    return reste == 0 ? v : v + 10 - reste;
}

// One scale beside the tube: its ends, where its value v lies, and which side it draws on.
struct Echelle {
    int bas = 0;
    int haut = 0;
    int x = 0;     // the tube wall it starts from
    int sens = -1; // -1 leftwards, 1 rightwards
    int y0 = 0;    // the y of `bas`
    int longueur = 0;

    int Y(int v) const {
        return y0 - int(static_cast<long long>(v - bas) * longueur / (haut - bas));
    }
};

// Where a text goes: written when it fits the frame whole, counted otherwise.
using Ecrit = std::function<void(int x, int y, const std::string& texte)>;

// The ticks and numbers of the scales: the big ticks of both first, then the medium, then the
// small ones.
void DessineEchelles(TCanvas& canvas, const std::vector<Echelle>& echelles,
                     const ThermometreOptions& bloc, const Ecrit& ecrit) {
    const auto trait = [&](const Echelle& e, int v, int longueurTrait) {
        const int y = e.Y(v);
        canvas.MoveTo(e.x, y);
        canvas.LineTo(e.x + e.sens * longueurTrait, y);
    };
    const auto nombre = [&](const Echelle& e, int v, int ecart) {
        const std::string texte = std::to_string(v);
        const vlSize taille = canvas.TextExtent(texte);
        const int x = e.sens < 0 ? e.x - ecart - taille.cx : e.x + ecart;
        ecrit(x, e.Y(v) - taille.cy / 2, texte);
    };
    // Numbers an em apart at least.
    const auto lisibles = [&](const Echelle& e) {
        return ChoisitNumeros(double(e.longueur) / (e.haut - e.bas), HauteurChiffres(canvas));
    };
    for (const Echelle& e : echelles) {
        const long long pas = lisibles(e).pasDizaines;
        for (int v = PremiereDizaine(e.bas); v <= e.haut; v += 10) {
            if (bloc.AffichageGrandes != 0)
                trait(e, v, kGrande);
            if (bloc.LibelleGrandes != 0 && v % pas == 0)
                nombre(e, v, kEcartGrande);
        }
    }
    for (const Echelle& e : echelles) {
        const bool cinq = lisibles(e).cinq;
        for (int v = PremiereDizaine(e.bas) + 5; v <= e.haut; v += 10) {
            if (bloc.AffichageMoyennes != 0)
                trait(e, v, kMoyenne);
            if (bloc.LibelleMoyennes != 0 && cinq)
                nombre(e, v, kEcartMoyenne);
        }
    }
    if (bloc.AffichagePetites != 0)
        for (const Echelle& e : echelles)
            for (int v = e.bas; v <= e.haut; ++v)
                trait(e, v, kPetite);
}

} // namespace

TvlThermometre::TvlThermometre(TCadre* cadre) : Kind(cadre, "Thermomètre", NUMERO, VERSION) {
    PrepareLegende(2);
    Installe();
    tireTemperature();
}

void TvlThermometre::tireTemperature() {
    const int bas = std::max<int>(bloc_.TemperatureMinimum, MinimumPossible());
    const int etendue = bloc_.TemperatureMaximum - bas;
    bloc_.Temperature = std::int16_t(etendue < 1 ? bas : bas + Random() % etendue);
}

void TvlThermometre::gardeTemperatureDansEchelle() {
    if (bloc_.Temperature < bloc_.TemperatureMinimum ||
        bloc_.Temperature > bloc_.TemperatureMaximum)
        tireTemperature();
}

TableCles TvlThermometre::Cles() const {
    return kClesThermometre;
}

bool TvlThermometre::DblClk(int, vlPoint) {
    return true;
}

void TvlThermometre::RestaureStandardNonApplique() {
    ThermometreOptions standard;
    standard.Temperature = bloc_.Temperature;
    standard.Police.Copie(GlobalFonte());
    bloc_ = standard;
}

void TvlThermometre::AppliqueOptions() {
    CommonComponent::AppliqueOptions();
    bloc_.Police.Restaure(police_);
}

std::optional<bool> TvlThermometre::ChangeOptionPropre(int index, const std::string& valeur,
                                                       std::string& message) {
    using namespace CleThermometre;
    int v = 0;
    switch (index) {
    // Each end stays on its side of the other: a minimum above the old maximum needs the
    // maximum first.
    case TemperatureMinimum:
        if (!ConvInt(valeur, v, message, -300, bloc_.TemperatureMaximum - 1))
            return false;
        bloc_.TemperatureMinimum = std::int16_t(v);
        gardeTemperatureDansEchelle();
        return true;
    case TemperatureMaximum:
        if (!ConvInt(valeur, v, message, bloc_.TemperatureMinimum + 1, 5000))
            return false;
        bloc_.TemperatureMaximum = std::int16_t(v);
        gardeTemperatureDansEchelle();
        return true;
    case LibelleTemperatureGauche:
    case LibelleTemperatureDroite:
        if (!ConvInt(valeur, v, message))
            return false;
        (index == LibelleTemperatureGauche ? bloc_.LibelleTemperatureGauche
                                           : bloc_.LibelleTemperatureDroite) =
            std::int16_t(std::clamp(v, 0, SANS_UNITE));
        return true;
    default:
        return std::nullopt;
    }
}

std::string TvlThermometre::Unite(int code) {
    switch (code) {
    case 0:
        return "°C";
    case 1:
        return "°F";
    case 2:
        return "K";
    default:
        return {};
    }
}

int TvlThermometre::Conversion(double t) const {
    double celsius = t;
    if (bloc_.LibelleTemperatureGauche == 1)
        celsius = (t - 32) * 0.55;
    else if (bloc_.LibelleTemperatureGauche == 2)
        celsius = t - 273.16;
    double resultat = celsius;
    if (bloc_.LibelleTemperatureGauche != SANS_UNITE) {
        if (bloc_.LibelleTemperatureDroite == 1)
            resultat = 1.8 * celsius + 32;
        else if (bloc_.LibelleTemperatureDroite == 2)
            resultat = celsius + 273.16;
    }
    return int(std::trunc(resultat));
}

int TvlThermometre::ZeroAbsolu(int code) {
    switch (code) {
    case 0:
        return -273;
    case 1:
        return -459;
    case 2:
        return 0;
    default:
        return -300;
    }
}

int TvlThermometre::MinimumPossible() const {
    int v = std::max(-300, ZeroAbsolu(bloc_.LibelleTemperatureGauche));
    // The conversion rises with its value: step up until the right scale is possible too.
    if (bloc_.LibelleTemperatureDroite != SANS_UNITE)
        while (v < 5000 && Conversion(v) < ZeroAbsolu(bloc_.LibelleTemperatureDroite))
            ++v;
    return v;
}

int TvlThermometre::TemperatureMontree() const {
    return std::max<int>(bloc_.Temperature, MinimumPossible());
}

std::optional<CibleImage> TvlThermometre::Cible() const {
    const std::string unite = Unite(bloc_.LibelleTemperatureGauche);
    return CibleImage{std::to_string(TemperatureMontree()) + (unite.empty() ? "" : " " + unite),
                      "Colorie jusqu'à %s", bloc_.Mode == MODE_CORRIGE};
}

void TvlThermometre::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    const vlRect r = ZoneImage();
    const int niveau = canvas.SaveDC();
    canvas.IntersectClipRect(r.left, r.top, r.right, r.bottom);
    std::string erreur;
    DessineThermometre(canvas, mode, erreur);
    canvas.RestoreDC(niveau);
    SignaleErreurDessin(erreur);
    // The drawing borrowed the component's brush for the bulb: give it back the block's.
    AppliqueOptions();
    DessineLegende(canvas, mode);
}

bool TvlThermometre::DessineThermometre(TCanvas& canvas, int mode, std::string& erreur) {
    const vlRect r = ZoneImage();
    textesHorsCadre_ = 0;
    bulbeHorsCadre_ = false;
    // A text is written whole or not at all.
    const Ecrit ecrit = [&](int x, int y, const std::string& texte) {
        const vlSize taille = canvas.TextExtent(texte);
        if (x < r.left || x + taille.cx > r.right || y < r.top || y + taille.cy > r.bottom)
            ++textesHorsCadre_;
        else {
            canvas.TextOut(x, y, texte);
            // The ink: an em about the cell's middle, the spacing the scale keeps.
            const int em = std::min(taille.cy, HauteurChiffres(canvas));
            const int haut = y + (taille.cy - em) / 2;
            canvas.TagReadable({x, haut, x + taille.cx, haut + em}, "nombre");
        }
    };
    const TFont precedente = canvas.Font;
    police_.PixelsPerInch = canvas.Font.PixelsPerInch;
    bloc_.Police.Restaure(police_);
    police_.Height = -(bloc_.Police.Taille * 254 / 72);
    canvas.Font = police_;
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.SetBkMode(TRANSPARENT);

    const vlSize zeros = canvas.TextExtent("000");
    const int left = r.left;
    const int top = r.top + zeros.cy / 2;
    const int bottom = r.bottom;
    const int d = 10 * bloc_.LargeurConduit;
    if (d == 0)
        return true;
    if (bottom - 2 * d <= top + d / 2) {
        erreur = "Pas de place pour le dessin";
        return false;
    }
    // The bulb holds as much as a tube of the whole height.
    const double longueur = (bottom - top) - d / 2;
    const double D = std::cbrt(3.0 * d * d * longueur * 0.0625);
    const int cx = int(left + D + zeros.cx + kMargeGauche);
    bulbeHorsCadre_ = cx + D > r.right;
    const int T = int((bottom - top) - 2 * D - d / 2);
    if (T < 0) {
        erreur = "Pas de place pour le dessin";
        return false;
    }
    const int possible = MinimumPossible();
    const int minimum = std::max<int>(bloc_.TemperatureMinimum, possible);
    const int maximum = bloc_.TemperatureMaximum;
    const int R = maximum - minimum;
    if (maximum <= bloc_.TemperatureMinimum) {
        erreur = "Température Minimum > au Maximum";
        return false;
    }
    if (R < 1) {
        erreur = "Température Maximum sous le zéro absolu\u00A0: entier de " +
                 std::to_string(possible + 1) + " à 5000";
        return false;
    }
    const bool visible = ContenuVisible(bloc_.Mode, mode);
    const TBrushStyle style = TBrushStyle(bloc_.StyleBrosseFond);
    const TColor couleur = bloc_.CouleurBrosseFond;
    const int basTube = int(bottom - 1.5 * D);
    const int hautTube = top + d / 2;

    AffecteBrush(canvas, Brosse, visible ? style : bsClear, visible ? couleur : clWhite);
    AffectePen(canvas, Pinceau, psSolid, clBlack, 1);
    canvas.Ellipse(int(cx - D), int(bottom - 2 * D), int(cx + D), bottom);

    if (bloc_.AfficherUnites != 0) {
        const auto unite = [&](int code, bool aGauche) {
            const std::string u = Unite(code);
            if (u.empty())
                return;
            const vlSize taille = canvas.TextExtent(u);
            const int x = int(aGauche ? cx - D - kEcartUnite - taille.cx : cx + D + kEcartUnite);
            ecrit(x, int(bottom - D - taille.cy / 2.0), u);
        };
        unite(bloc_.LibelleTemperatureGauche, true);
        unite(bloc_.LibelleTemperatureDroite, false);
    }

    if (visible) {
        const int v = std::clamp(TemperatureMontree() - minimum, 0, R);
        const int k = T - int(static_cast<long long>(v) * T / R);
        AffecteBrush(canvas, Brosse, style, couleur);
        AffectePen(canvas, Pinceau, psClear, clBlack, 0);
        canvas.Rectangle(cx - d / 2, hautTube + k, cx + d / 2, basTube);
    }

    AffectePen(canvas, Pinceau, psSolid, clBlack, 1);
    canvas.MoveTo(cx - d / 2, hautTube);
    canvas.LineTo(cx - d / 2, basTube);
    canvas.MoveTo(cx + d / 2, hautTube);
    canvas.LineTo(cx + d / 2, basTube);
    AffecteBrush(canvas, Brosse, bsClear, clWhite);
    canvas.Arc(cx - d / 2, top, cx + d / 2, top + d, cx + d / 2, hautTube, cx - d / 2, hautTube);

    std::vector<Echelle> echelles;
    if (bloc_.LibelleTemperatureGauche != SANS_UNITE)
        echelles.push_back({minimum, maximum, cx - d / 2, -1, hautTube + T, T});
    const int cMin = Conversion(minimum);
    const int cMax = Conversion(maximum);
    // A right range that converts to a single value cannot be spread along the tube.
    if (bloc_.LibelleTemperatureDroite != SANS_UNITE && cMax > cMin)
        echelles.push_back({cMin, cMax, cx + d / 2, 1, hautTube + T, T});

    DessineEchelles(canvas, echelles, bloc_, ecrit);
    canvas.Font = precedente;
    return true;
}

std::string TvlThermometre::AvertissementCadre() const {
    const std::string textes = AvertissementTextes(Nom(), textesHorsCadre_);
    if (!bulbeHorsCadre_)
        return textes;
    const std::string reservoir = "le réservoir dépasse du cadre, élargissez-le";
    return textes.empty() ? Nom() + "\u00A0: " + reservoir : textes + "\u00A0; " + reservoir;
}

std::vector<std::string> TvlThermometre::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    const auto unite = [](int code) {
        const std::string u = Unite(code);
        return u.empty() ? std::string() : " " + u;
    };
    const int gauche = bloc_.LibelleTemperatureGauche;
    const int droite = bloc_.LibelleTemperatureDroite;
    const int minimum = std::max<int>(bloc_.TemperatureMinimum, MinimumPossible());
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    lignes.push_back("Echelle gauche = " +
                     (gauche == SANS_UNITE
                          ? std::string("aucune")
                          : std::to_string(minimum) + " à " +
                                std::to_string(bloc_.TemperatureMaximum) + unite(gauche)));
    lignes.push_back("Echelle droite = " +
                     (droite == SANS_UNITE
                          ? std::string("aucune")
                          : std::to_string(Conversion(minimum)) + " à " +
                                std::to_string(Conversion(bloc_.TemperatureMaximum)) +
                                unite(droite)));
    lignes.push_back("Temperature = " + std::to_string(TemperatureMontree()) + unite(gauche));
    return lignes;
}
