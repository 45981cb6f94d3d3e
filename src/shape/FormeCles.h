// The shape's keys, in index order.
#pragma once

#include "host/Cle.h"
#include "shape/Forme.h"

namespace CleForme {
using namespace ClesCadre;
enum : int {
    Reinitialise = ClesCadre::Fin,
    Mode,
    NbPoints,
    Distance,
    Detachable,
    Actif,
    Points,
};
} // namespace CleForme

namespace forme_cles {
// "Distance" is sent as 0 to 100 and kept ten times larger, the arms' length in tenths of a
// millimetre; the ini file keeps the kept value.
inline constexpr auto kClesForme = TableDesCles(
    RangsCadre(Champ<&FormeOptions::StylePinceau>, Champ<&FormeOptions::CouleurPinceau>,
               Champ<&FormeOptions::TaillePinceau>, Champ<&FormeOptions::StyleBrosse>,
               Champ<&FormeOptions::CouleurBrosse>),
    {
        CleAction(CleForme::Reinitialise, "Réinitialise"),
        CleEntier(CleForme::Mode, "Mode", Champ<&FormeOptions::Mode>, 0, 2),
        CleLue(CleForme::NbPoints, "NbPoints", Champ<&FormeOptions::NbPoints>, 8, 32,
               "8, 16, 24 ou 32"),
        CleLue(CleForme::Distance, "Distance", Champ<&FormeOptions::Distance>, 0, 1000,
               "entier de 0 à 100 (dixièmes de centimètre)"),
        CleLibre(CleForme::Detachable, "Detachable"),
        CleLibre(CleForme::Actif, "Actif"),
        // The points from the margin origin, in centimetres: "2;2 | 4;2 | ...".
        Cle{CleForme::Points, "Points", Lecture::Texte, 0, 0, nullptr, Refait::Rien, Ini::Non, 0,
            "NbPoints points x;y en cm depuis les marges, séparés par |"},
    });
} // namespace forme_cles
using forme_cles::kClesForme;
static_assert(TableConforme(kClesForme));
