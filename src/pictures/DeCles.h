// The die's keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "pictures/De.h"

namespace CleDe {
using namespace ClesCadre;
enum : int {
    Aspect = ClesCadre::Fin,
    Mode,
    Detachable,
    StyleBrossePoint,
    CouleurPoint,
    Orientation,
    Valeur1,
    Valeur2,
    Aleatoire,
    Permuter,
    Actif,
    Reponse,
};
} // namespace CleDe

namespace de_cles {
inline constexpr auto kClesDe = TableDesCles(
    RangsCadre(Champ<&DeOptions::StylePinceau>, Champ<&DeOptions::CouleurPinceau>,
               Champ<&DeOptions::TaillePinceau>, Champ<&DeOptions::StyleBrosse>,
               Champ<&DeOptions::CouleurBrosse>),
    {
        CleDrapeau(CleDe::Aspect, "Aspect", Champ<&DeOptions::Aspect>),
        CleEntier(CleDe::Mode, "Mode", Champ<&DeOptions::Mode>, 0, 2),
        CleLibre(CleDe::Detachable, "Detachable"),
        CleEntier(CleDe::StyleBrossePoint, "StyleBrossePoint", Champ<&DeOptions::StyleBrossePoint>,
                  0, kStyleBrosseMax),
        CleCouleur(CleDe::CouleurPoint, "CouleurPoint", Champ<&DeOptions::CouleurPoint>),
        CleDrapeau(CleDe::Orientation, "Orientation", Champ<&DeOptions::Orientation>),
        CleEntier(CleDe::Valeur1, "Valeur1", Champ<&DeOptions::Valeur1>, 0, 6, Ini::Non),
        CleEntier(CleDe::Valeur2, "Valeur2", Champ<&DeOptions::Valeur2>, 0, 6, Ini::Non),
        CleAction(CleDe::Aleatoire, "Aleatoire"),
        CleAction(CleDe::Permuter, "Permuter"),
        CleLibre(CleDe::Actif, "Actif"),
        CleReponse(CleDe::Reponse),
    });
} // namespace de_cles
using de_cles::kClesDe;
static_assert(TableConforme(kClesDe));
