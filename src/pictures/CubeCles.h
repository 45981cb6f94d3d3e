// The base-ten blocks' keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "pictures/Cube.h"

namespace CleCube {
using namespace ClesCadre;
enum : int {
    NombreCube = ClesCadre::Fin,
    Mode,
    Detachable,
    TailleCube,
    IntervalleCube,
    AjusterTaille,
    Actif,
    Enonce,
    Reponse,
};
} // namespace CleCube

namespace cube_cles {
using C = CubeOptions;
inline constexpr auto kClesCube = TableDesCles(
    RangsCadre(Champ<&C::StylePinceau>, Champ<&C::CouleurPinceau>, Champ<&C::TaillePinceau>,
               Champ<&C::StyleBrosse>, Champ<&C::CouleurBrosse>),
    {
        CleEntier(CleCube::NombreCube, "NombreCube", Champ<&C::NombreCube>, 0, 9999, Ini::Non),
        CleEntier(CleCube::Mode, "Mode", Champ<&C::Mode>, 0, 2),
        CleLibre(CleCube::Detachable, "Detachable"),
        // In half millimetres; the block keeps tenths (the ini file too).
        CleEntier(CleCube::TailleCube, "TailleCube", nullptr, TvlCube::TAILLE_MIN,
                  TvlCube::TAILLE_MAX, Ini::Non),
        CleEntier(CleCube::IntervalleCube, "IntervalleCube", nullptr, TvlCube::TAILLE_MIN,
                  TvlCube::TAILLE_MAX, Ini::Non),
        CleAction(CleCube::AjusterTaille, "AjusterTaille"),
        CleLibre(CleCube::Actif, "Actif"),
        CleEnonce(CleCube::Enonce),
        CleReponse(CleCube::Reponse),
    });
} // namespace cube_cles
using cube_cles::kClesCube;
static_assert(TableConforme(kClesCube));
static_assert(kClesCube.size() == 18);
