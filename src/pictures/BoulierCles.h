// The abacus's keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "pictures/Boulier.h"

#include <cstdint>

namespace CleBoulier {
using namespace ClesCadre;
enum : int {
    Dummy = ClesCadre::Fin,
    Mode,
    Detachable,
    TypeBoulier,
    Base,
    CouleurRangee1,
    CouleurRangee2,
    CouleurRangee3,
    NbTiges,
    ValeurBoulier,
    Fonctionnement,
    ColorerRangeesColonnes,
    CouleurCol1,
    CouleurCol2,
    Actif,
    CouleurBoulesDepl,
    Enonce,
    Reponse,
};
} // namespace CleBoulier

namespace boulier_cles {
using B = BoulierOptions;
inline constexpr auto kClesBoulier = TableDesCles(
    RangsCadre(Champ<&B::StylePinceau>, Champ<&B::CouleurPinceau>, Champ<&B::TaillePinceau>,
               Champ<&B::StyleBrosse>, Champ<&B::CouleurBrosse>),
    {
        CleInterne(CleBoulier::Dummy, "Dummy", Lecture::Action),
        CleEntier(CleBoulier::Mode, "Mode", Champ<&B::Mode>, 0, 2),
        CleLibre(CleBoulier::Detachable, "Detachable"),
        CleLue(CleBoulier::TypeBoulier, "TypeBoulier", Champ<&B::TypeBoulier>,
               TvlBoulier::DROITE_GAUCHE, TvlBoulier::ABAQUE, "entier, ramené entre 0 et 4"),
        CleEntier(CleBoulier::Base, "Base", Champ<&B::Base>, 2, 16),
        CleCouleur(CleBoulier::CouleurRangee1, "CouleurRangee1", Champ<&B::CouleurRangee1>),
        CleCouleur(CleBoulier::CouleurRangee2, "CouleurRangee2", Champ<&B::CouleurRangee2>),
        CleCouleur(CleBoulier::CouleurRangee3, "CouleurRangee3", Champ<&B::CouleurRangee3>),
        CleEntier(CleBoulier::NbTiges, "NbTiges", Champ<&B::NbTiges>, 1, 32),
        CleEntier(CleBoulier::ValeurBoulier, "ValeurBoulier", Champ<&B::ValeurBoulier>, 0,
                  1000000000, Ini::Non),
        // 0 first layout, 1 moving beads, any other value colouring.
        Cle{CleBoulier::Fonctionnement, "Fonctionnement", Lecture::Entier, INT16_MIN, INT16_MAX,
            Champ<&B::Fonctionnement>, Refait::Rien, Ini::Usine, 0,
            "entier\u00A0: 0 disposition de la version 1, 1 déplacer les boules, un autre (de "
            "-32768 "
            "à 32767) colorier les boules"},
        CleLibre(CleBoulier::ColorerRangeesColonnes, "ColorerRangeesColonnes",
                 Champ<&B::ColorerRangeesColonnes>, Ini::Usine),
        CleCouleur(CleBoulier::CouleurCol1, "CouleurCol1", Champ<&B::CouleurCol1>),
        CleCouleur(CleBoulier::CouleurCol2, "CouleurCol2", Champ<&B::CouleurCol2>),
        CleLibre(CleBoulier::Actif, "Actif"),
        CleCouleur(CleBoulier::CouleurBoulesDepl, "CouleurBoulesDepl",
                   Champ<&B::CouleurBoulesDepl>),
        CleEnonce(CleBoulier::Enonce),
        CleReponse(CleBoulier::Reponse),
    });
} // namespace boulier_cles
using boulier_cles::kClesBoulier;
static_assert(TableConforme(kClesBoulier));
static_assert(kClesBoulier.size() == 27);
