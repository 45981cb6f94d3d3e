#include "pictures/Montre.h"

#include "common/Setters.h"
#include "host/Conversions.h"
#include "host/Services.h"
#include "pictures/MontreCles.h"
#include "platform/InkCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kPi = 3.141592653589793;
// Below this radius the dial is too small for graduations, numbers and hands.
constexpr int kRayonMin = 51;
constexpr int kGraduationMax = 50;
// Half the width of the hour and minute hands at their middle.
constexpr double kDemiLargeurAiguille = 10.0;
constexpr int kDemiCroix = 10;

// The point at distance r from the centre at a dial position p, in hours counter-clockwise
// from 3 o'clock (p = 3 is 12 o'clock).
vlPoint PointCadran(vlPoint centre, double r, double p) {
    const double a = p * kPi / 6;
    return {std::int32_t(centre.x + r * std::cos(a)), std::int32_t(centre.y - r * std::sin(a))};
}

// The position of the i-th of the sixty minute marks, clockwise from 12 o'clock.
double PositionMinute(double i) {
    double p = 15 - 0.2 * i;
    if (p >= 12)
        p -= 12;
    return p;
}

} // namespace

TvlMontre::TvlMontre(TCadre* cadre) : Kind(cadre, "Montre", NUMERO, VERSION) {
    PrepareLegende(2);
    Installe();
    HeureSysteme();
}

TableCles TvlMontre::Cles() const {
    return kClesMontre;
}

bool TvlMontre::DblClk(int, vlPoint) {
    return false;
}

void TvlMontre::AppliqueOptions() {
    CommonComponent::AppliqueOptions();
    bloc_.Police.Restaure(police_);
}

void TvlMontre::HeureSysteme() {
    constexpr int kSecondesJour = 24 * 3600;
    ChangeTemps(std::clamp(SourceHeure()(), 0, kSecondesJour - 1));
}

void TvlMontre::ChangeTemps(int secondes) {
    const int heure = secondes / 3600;
    const int minute = (secondes - 3600 * heure) / 60;
    bloc_.Heure = std::int16_t(heure);
    bloc_.Minute = std::int16_t(minute);
    bloc_.Seconde = std::int16_t(secondes - 3600 * heure - 60 * minute);
}

std::optional<bool> TvlMontre::ChangeOptionPropre(int index, const std::string& valeur,
                                                  std::string& message) {
    switch (index) {
    case CleMontre::HeureSysteme:
        HeureSysteme();
        return false;
    case CleMontre::Temps: {
        const Cle& cle = kClesMontre[CleMontre::Temps];
        int secondes = 0;
        if (!ConvInt(valeur, secondes, message, cle.min, cle.max))
            return false;
        ChangeTemps(secondes);
        return true;
    }
    default:
        return std::nullopt;
    }
}

void TvlMontre::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineCadran(canvas, mode);
    DessineLegende(canvas, mode);
}

std::optional<CibleImage> TvlMontre::Cible() const {
    const auto deuxChiffres = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    std::string heure = std::to_string(bloc_.Heure) + " h " + deuxChiffres(bloc_.Minute);
    if (bloc_.MontrerSeconde != 0 && bloc_.Seconde != 0)
        heure += " min " + deuxChiffres(bloc_.Seconde) + " s";
    return CibleImage{heure, "Dessine les aiguilles\u00A0: %s", bloc_.Mode == MODE_CORRIGE};
}

void TvlMontre::DessineCadran(TCanvas& canvas, int mode) {
    using M = MontreOptions;
    const TPenStyle styleCadre = TPenStyle(bloc_.StylePinceau[M::CADRE]);
    const TColor couleurCadre = bloc_.CouleurPinceau[M::CADRE];
    const int tailleCadre = bloc_.TaillePinceau[M::CADRE];

    // The dial, in the frame pen (a clear one when its width is 0) and the background brush.
    AffecteBrush(canvas, Brosse, TBrushStyle(bloc_.StyleBrosse[M::FOND]),
                 bloc_.CouleurBrosse[M::FOND]);
    Pinceau.Color = couleurCadre;
    Pinceau.Width = tailleCadre != 0 ? tailleCadre : 1;
    Pinceau.Style = tailleCadre != 0 ? styleCadre : psClear;
    canvas.Pen = Pinceau;
    const vlRect cadre = ZoneRonde();
    canvas.Ellipse(cadre.left, cadre.top, cadre.right, cadre.bottom);

    vlRect r = cadre;
    if (styleCadre == psSolid && tailleCadre > 1) {
        const int retrait = tailleCadre / 2;
        r = {r.left + retrait, r.top + retrait, r.right - retrait, r.bottom - retrait};
    }
    const int rayon = std::min(r.Width() / 2, r.Height() / 2);
    if (rayon < kRayonMin) {
        AppliqueOptions();
        return;
    }
    const vlPoint centre{r.left + r.Width() / 2, r.top + r.Height() / 2};
    const int graduation = std::min(rayon / 4, kGraduationMax);
    const int longueur = rayon - graduation;

    // The numbers' font, its height in this canvas's units.
    const TFont policePrecedente = canvas.Font;
    const unsigned alignementPrecedent = canvas.TextAlign();
    const int fondPrecedent = canvas.BkMode();
    police_.PixelsPerInch = canvas.Font.PixelsPerInch;
    bloc_.Police.Restaure(police_);
    police_.Height = -(bloc_.Police.Taille * 254 / 72);
    canvas.Font = police_;
    canvas.SetTextAlign(TA_CENTER | TA_TOP);

    AffectePen(canvas, Pinceau, psSolid, couleurCadre, 1);
    canvas.MoveTo(centre.x - kDemiCroix, centre.y);
    canvas.LineTo(centre.x + kDemiCroix, centre.y);
    canvas.MoveTo(centre.x, centre.y - kDemiCroix);
    canvas.LineTo(centre.x, centre.y + kDemiCroix);

    if (graduation > 1) {
        for (int i = 0; i < 60; ++i) {
            const int trait = i % 5 == 0 ? graduation : graduation / 2;
            const int debut = rayon - trait;
            if (debut <= 0)
                continue;
            const double p = PositionMinute(i);
            const vlPoint a = PointCadran(centre, debut, p);
            const vlPoint b = PointCadran(centre, rayon, p);
            canvas.MoveTo(a.x, a.y);
            canvas.LineTo(b.x, b.y);
        }
    }

    AffectePen(canvas, Pinceau, styleCadre, couleurCadre, tailleCadre);
    canvas.SetBkMode(TRANSPARENT);

    if (graduation > 1 && bloc_.MontrerChiffres != 0 && rayon - graduation > 0) {
        // Each number's place (top centre) and ink (an em about its cell's middle), 3 first.
        const auto places = [&] {
            std::vector<std::pair<vlPoint, vlRect>> p;
            for (int k = 0; k < 12; ++k) {
                const vlSize etendue = canvas.TextExtent(std::to_string((14 - k) % 12 + 1));
                const int distance = rayon - graduation - std::max(etendue.cx, etendue.cy) / 2;
                const double a = k * kPi / 6;
                const int x = int(centre.x + distance * std::cos(a));
                const int y = int(centre.y - distance * std::sin(a) - etendue.cy / 2);
                const int em = std::min(etendue.cy, HauteurChiffres(canvas));
                const int haut = y + (etendue.cy - em) / 2;
                p.push_back(
                    {{x, y},
                     {x - etendue.cx / 2, haut, x + etendue.cx - etendue.cx / 2, haut + em}});
            }
            return p;
        };
        // On a small dial the numbers are written smaller until neighbours keep apart.
        auto p = places();
        const auto serres = [&p] {
            for (std::size_t k = 0; k < p.size(); ++k)
                if (SeCouvrent(p[k].second, p[(k + 1) % p.size()].second))
                    return true;
            return false;
        };
        while (serres() && std::abs(canvas.Font.Height) > 1) {
            canvas.Font.Height = canvas.Font.Height * 9 / 10;
            p = places();
        }
        for (int k = 0; k < 12; ++k) {
            const auto& [coin, encre] = p[std::size_t(k)];
            canvas.TextOut(coin.x, coin.y, std::to_string((14 - k) % 12 + 1));
            canvas.TagReadable(encre, "nombre");
        }
    }

    if (ContenuVisible(bloc_.Mode, mode)) {
        if (bloc_.MontrerMinute != 0) {
            const double p = PositionMinute(bloc_.Minute) - bloc_.Seconde / 300.0;
            DessineAiguille(canvas, centre, PointCadran(centre, longueur, p), M::MINUTE);
        }
        if (bloc_.MontrerHeure != 0) {
            const int heure = bloc_.Heure >= 12 ? bloc_.Heure - 12 : bloc_.Heure;
            double p = 15 - heure;
            if (p >= 12)
                p -= 12;
            p -= bloc_.Minute / 60.0 + bloc_.Seconde / 3600.0;
            DessineAiguille(canvas, centre, PointCadran(centre, longueur * 2 / 3, p), M::HEURE);
        }
        if (bloc_.MontrerSeconde != 0) {
            const vlPoint pointe = PointCadran(centre, longueur, PositionMinute(bloc_.Seconde));
            AffectePen(canvas, Pinceau, TPenStyle(bloc_.StylePinceau[M::SECONDE]),
                       bloc_.CouleurPinceau[M::SECONDE], bloc_.TaillePinceau[M::SECONDE]);
            canvas.MoveTo(centre.x, centre.y);
            canvas.LineTo(pointe.x, pointe.y);
        }
    }

    canvas.Font = policePrecedente;
    canvas.SetTextAlign(alignementPrecedent);
    canvas.SetBkMode(fondPrecedent);
    // The hands borrowed the component's pen and brush: give them back the frame's settings.
    AppliqueOptions();
}

void TvlMontre::DessineAiguille(TCanvas& canvas, vlPoint centre, vlPoint pointe, int aiguille) {
    const vlPoint milieu{(centre.x + pointe.x) / 2, (centre.y + pointe.y) / 2};
    vlPoint p1;
    vlPoint p2;
    ProjectionPerp(centre, pointe, milieu, kDemiLargeurAiguille, p1, p2);
    AffecteBrush(canvas, Brosse, TBrushStyle(bloc_.StyleBrosse[aiguille]),
                 bloc_.CouleurBrosse[aiguille]);
    AffectePen(canvas, Pinceau, TPenStyle(bloc_.StylePinceau[aiguille]),
               bloc_.CouleurPinceau[aiguille], bloc_.TaillePinceau[aiguille]);
    const vlPoint coins[] = {centre, p1, pointe, p2};
    canvas.Polygon(coins);
}

void TvlMontre::RestaureStandardNonApplique() {
    bloc_ = MontreOptions{};
    bloc_.Police.Copie(GlobalFonte());
}

std::vector<std::string> TvlMontre::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    lignes.push_back("MontrerHeure = " + std::to_string(bloc_.MontrerHeure));
    lignes.push_back("MontrerMinute = " + std::to_string(bloc_.MontrerMinute));
    lignes.push_back("MontrerSeconde = " + std::to_string(bloc_.MontrerSeconde));
    lignes.push_back("MontrerChiffres = " + std::to_string(bloc_.MontrerChiffres));
    lignes.push_back("Fonte = " + bloc_.Police.ToString());
    char heure[32];
    std::snprintf(heure, sizeof heure, "%02d:%02d:%02d", bloc_.Heure, bloc_.Minute, bloc_.Seconde);
    lignes.push_back(heure);
    return lignes;
}
