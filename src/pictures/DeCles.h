// The die's keys, in index order.
#pragma once

#include "host/Cle.h"
#include "pictures/De.h"

namespace CleDe {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    StylePinceauCadre,
    CouleurPinceauCadre,
    TaillePinceauCadre,
    StyleBrosseFond,
    CouleurBrosseFond,
    Aspect,
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
};
} // namespace CleDe

inline constexpr Cle kClesDe[] = {
    CleGeometrie(CleDe::Gauche, "Gauche"),
    CleGeometrie(CleDe::Haut, "Haut"),
    CleGeometrie(CleDe::Largeur, "Largeur"),
    CleGeometrie(CleDe::Hauteur, "Hauteur"),
    CleEntier(CleDe::StylePinceauCadre, "StylePinceauCadre", Champ<&DeOptions::StylePinceau>, 0,
              kStylePinceauMax),
    CleCouleur(CleDe::CouleurPinceauCadre, "CouleurPinceauCadre",
               Champ<&DeOptions::CouleurPinceau>),
    CleEntier(CleDe::TaillePinceauCadre, "TaillePinceauCadre", Champ<&DeOptions::TaillePinceau>, 0,
              kTaillePinceauMax),
    CleEntier(CleDe::StyleBrosseFond, "StyleBrosseFond", Champ<&DeOptions::StyleBrosse>, 0,
              kStyleBrosseMax),
    CleCouleur(CleDe::CouleurBrosseFond, "CouleurBrosseFond", Champ<&DeOptions::CouleurBrosse>),
    CleDrapeau(CleDe::Aspect, "Aspect", Champ<&DeOptions::Aspect>),
    CleEntier(CleDe::Mode, "Mode", Champ<&DeOptions::Mode>, 0, 2),
    CleLibre(CleDe::Detachable, "Detachable"),
    CleEntier(CleDe::StyleBrossePoint, "StyleBrossePoint", Champ<&DeOptions::StyleBrossePoint>, 0,
              kStyleBrosseMax),
    CleCouleur(CleDe::CouleurPoint, "CouleurPoint", Champ<&DeOptions::CouleurPoint>),
    CleDrapeau(CleDe::Orientation, "Orientation", Champ<&DeOptions::Orientation>),
    CleEntier(CleDe::Valeur1, "Valeur1", Champ<&DeOptions::Valeur1>, 0, 6, Ini::Non),
    CleEntier(CleDe::Valeur2, "Valeur2", Champ<&DeOptions::Valeur2>, 0, 6, Ini::Non),
    CleAction(CleDe::Aleatoire, "Aleatoire"),
    CleAction(CleDe::Permuter, "Permuter"),
    CleLibre(CleDe::Actif, "Actif"),
};
static_assert(TableConforme(kClesDe));
