#include "pictures/Camembert.h"

#include "common/Setters.h"
#include "pictures/CamembertCles.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double kPi = 3.141592653589793;
// Beyond this many sectors the lines would blacken the disc.
constexpr int kSecteursMax = 100;

} // namespace

TvlCamembert::TvlCamembert(TCadre* cadre) : Kind(cadre, "Camembert", NUMERO, VERSION) {
    PrepareLegende(2);
    Installe();
}

TableCles TvlCamembert::Cles() const {
    return kClesCamembert;
}

bool TvlCamembert::DblClk(int, vlPoint) {
    return true;
}

void TvlCamembert::ApresCle(int index) {
    // A full turn is no turn.
    if (index == CleCamembert::Angle)
        bloc_.Angle = std::int16_t(bloc_.Angle % 360);
}

void TvlCamembert::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    DessineImage(canvas, mode);
    DessineLegende(canvas, mode);
}

std::optional<CibleImage> TvlCamembert::Cible() const {
    return CibleImage{std::to_string(bloc_.Numerateur) + "/" + std::to_string(bloc_.Denominateur),
                      "Colorie les %s", bloc_.Mode == MODE_CORRIGE};
}

void TvlCamembert::DessineImage(TCanvas& canvas, int mode) {
    const vlRect cadre = ZoneImage(true);
    AffecteCadre(canvas, *this);
    canvas.Ellipse(cadre.left, cadre.top, cadre.right, cadre.bottom);

    const int rx = cadre.Width() / 2;
    const int ry = cadre.Height() / 2;
    const vlPoint centre{cadre.left + rx, cadre.top + ry};
    // The point of the ellipse at angle a, counter-clockwise from 3 o'clock.
    const auto point = [&](double a) {
        return vlPoint{std::int32_t(centre.x + rx * std::cos(a)),
                       std::int32_t(centre.y - ry * std::sin(a))};
    };
    const auto rayon = [&](double a) {
        const vlPoint p = point(a);
        canvas.MoveTo(centre.x, centre.y);
        canvas.LineTo(p.x, p.y);
    };

    const double depart = bloc_.Angle * kPi / 180;
    const int n = bloc_.Numerateur;
    const int d = bloc_.Denominateur;
    const bool horaire = bloc_.Sens == 0;
    if (d != 0 && n > 0 && ContenuVisible(bloc_.Mode, mode)) {
        AffecteBrush(canvas, Brosse, TBrushStyle(bloc_.StyleBrosseCamembert),
                     bloc_.CouleurCamembert);
        if (n % d == 0) {
            canvas.Ellipse(cadre.left, cadre.top, cadre.right, cadre.bottom);
        } else {
            const double etendue = n * 2 * kPi / d;
            // The canvas draws a pie counter-clockwise from its first ray to its second.
            const vlPoint debut = point(horaire ? depart - etendue : depart);
            const vlPoint fin = point(horaire ? depart : depart + etendue);
            canvas.Pie(cadre.left, cadre.top, cadre.right, cadre.bottom, debut.x, debut.y, fin.x,
                       fin.y);
        }
    }

    const bool secteurs = bloc_.MontrerSecteurs != 0 && d > 0 && d <= kSecteursMax;
    if (secteurs) {
        canvas.Pen.Width = 1;
        const double pas = 2 * kPi / d;
        for (int i = 0; i < d; ++i)
            rayon(horaire ? depart - i * pas : depart + i * pas);
    }
    if (bloc_.MontrerRayon != 0) {
        canvas.Pen.Width = secteurs ? 5 : 1;
        rayon(depart);
    }
    // The filled part borrowed the component's brush: give it back the disc's settings.
    AppliqueOptions();
}

std::vector<std::string> TvlCamembert::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    lignes.push_back("Angle = " + std::to_string(bloc_.Angle));
    lignes.push_back("Sens = " + std::to_string(bloc_.Sens));
    lignes.push_back("MontrerSecteurs = " + std::to_string(bloc_.MontrerSecteurs));
    lignes.push_back("MontrerRayon = " + std::to_string(bloc_.MontrerRayon));
    lignes.push_back("Mode = " + std::to_string(bloc_.Mode));
    lignes.push_back(std::to_string(bloc_.Numerateur) + "/" + std::to_string(bloc_.Denominateur));
    return lignes;
}
