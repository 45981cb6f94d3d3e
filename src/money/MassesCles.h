// The masses' keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "money/Masses.h"

namespace CleMasses {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    Fonte,
    Mode,
    Detachable,
    NbMasses,
    ZoomMasses,
    SommeMasses,
    ChoixHasardMasses,
    IntervalleMasses,
    ReorganiseMasses,
    MontrerTexte,
    Actif,
    Enonce,
    Reponse,
};
} // namespace CleMasses

namespace masses_cles {
inline constexpr auto kClesMasses = TableDesCles({
    CleGeometrie(CleMasses::Gauche, "Gauche"),
    CleGeometrie(CleMasses::Haut, "Haut"),
    CleGeometrie(CleMasses::Largeur, "Largeur"),
    CleGeometrie(CleMasses::Hauteur, "Hauteur"),
    CleFonte(CleMasses::Fonte, "Fonte", Champ<&MassesOptions::Police>),
    CleEntier(CleMasses::Mode, "Mode", Champ<&MassesOptions::Mode>, 0, 2),
    CleLibre(CleMasses::Detachable, "Detachable"),
    CleTexte(CleMasses::NbMasses, "NbMasses",
             "nombres de 0 à 10 séparés par des virgules\u00A0: les masses de 1 kg à 1 g"),
    CleEntier(CleMasses::ZoomMasses, "ZoomMasses", Champ<&MassesOptions::ZoomMasses>, 10, 300),
    CleTexte(CleMasses::SommeMasses, "SommeMasses", "masse entière de 0 à 18 880 g"),
    CleTexteBornee(CleMasses::ChoixHasardMasses, "ChoixHasardMasses", nullptr, 1, 10, Ini::Non),
    CleEntier(CleMasses::IntervalleMasses, "IntervalleMasses",
              Champ<&MassesOptions::IntervalleMasses>, 0, 100),
    CleAction(CleMasses::ReorganiseMasses, "ReorganiseMasses"),
    CleLibre(CleMasses::MontrerTexte, "MontrerTexte", Champ<&MassesOptions::MontrerTexte>,
             Ini::Usine),
    CleLibre(CleMasses::Actif, "Actif"),
    CleEnonce(CleMasses::Enonce),
    CleReponse(CleMasses::Reponse),
});
} // namespace masses_cles
using masses_cles::kClesMasses;
static_assert(TableConforme(kClesMasses));
static_assert(TvlMasses::kCleComptes == CleMasses::NbMasses &&
              TvlMasses::kCleHasard == CleMasses::ChoixHasardMasses &&
              TvlMasses::kCleReorganise == CleMasses::ReorganiseMasses);
