// The pie chart's keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "pictures/Camembert.h"

namespace CleCamembert {
using namespace ClesCadre;
enum : int {
    StyleBrosseCamembert = ClesCadre::Fin,
    Mode,
    Detachable,
    CouleurCamembert,
    Numerateur,
    Denominateur,
    Angle,
    Sens,
    MontrerSecteurs,
    MontrerRayon,
    Actif,
    Enonce,
    Reponse,
};
} // namespace CleCamembert

namespace camembert_cles {
inline constexpr auto kClesCamembert = TableDesCles(
    RangsCadre(Champ<&CamembertOptions::StylePinceau>, Champ<&CamembertOptions::CouleurPinceau>,
               Champ<&CamembertOptions::TaillePinceau>, Champ<&CamembertOptions::StyleBrosse>,
               Champ<&CamembertOptions::CouleurBrosse>),
    {
        CleEntier(CleCamembert::StyleBrosseCamembert, "StyleBrosseCamembert",
                  Champ<&CamembertOptions::StyleBrosseCamembert>, 0, kStyleBrosseMax),
        CleEntier(CleCamembert::Mode, "Mode", Champ<&CamembertOptions::Mode>, 0, 2),
        CleLibre(CleCamembert::Detachable, "Detachable"),
        CleCouleur(CleCamembert::CouleurCamembert, "CouleurCamembert",
                   Champ<&CamembertOptions::CouleurCamembert>),
        CleEntier(CleCamembert::Numerateur, "Numerateur", Champ<&CamembertOptions::Numerateur>, 0,
                  1000),
        CleEntier(CleCamembert::Denominateur, "Denominateur",
                  Champ<&CamembertOptions::Denominateur>, 1, 1000),
        CleEntier(CleCamembert::Angle, "Angle", Champ<&CamembertOptions::Angle>, 0, 360),
        CleDrapeau(CleCamembert::Sens, "Sens", Champ<&CamembertOptions::Sens>),
        CleDrapeau(CleCamembert::MontrerSecteurs, "MontrerSecteurs",
                   Champ<&CamembertOptions::MontrerSecteurs>),
        CleDrapeau(CleCamembert::MontrerRayon, "MontrerRayon",
                   Champ<&CamembertOptions::MontrerRayon>),
        CleLibre(CleCamembert::Actif, "Actif"),
        CleEnonce(CleCamembert::Enonce),
        CleReponse(CleCamembert::Reponse),
    });
} // namespace camembert_cles
using camembert_cles::kClesCamembert;
static_assert(TableConforme(kClesCamembert));
