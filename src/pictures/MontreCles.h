// The clock's keys, in index order. The frame pen is pen 0 and the background brush 0; the hour
// and minute hands have a pen and a brush, the second hand a pen only.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "pictures/Montre.h"

namespace CleMontre {
using namespace ClesCadre;
enum : int {
    Fonte = ClesCadre::Fin,
    Mode,
    Detachable,
    StylePinceauHeure,
    CouleurPinceauHeure,
    TaillePinceauHeure,
    StyleBrosseHeure,
    CouleurBrosseHeure,
    StylePinceauMinute,
    CouleurPinceauMinute,
    TaillePinceauMinute,
    StyleBrosseMinute,
    CouleurBrosseMinute,
    StylePinceauSeconde,
    CouleurPinceauSeconde,
    TaillePinceauSeconde,
    Heure,
    Minute,
    Seconde,
    MontrerHeure,
    MontrerMinute,
    MontrerSeconde,
    MontrerChiffres,
    HeureSysteme,
    Temps,
    Actif,
    Enonce,
    Reponse,
};
} // namespace CleMontre

namespace montre_cles {
using M = MontreOptions;
inline constexpr auto kClesMontre = TableDesCles(
    RangsCadre(Champ<&M::StylePinceau, M::CADRE>, Champ<&M::CouleurPinceau, M::CADRE>,
               Champ<&M::TaillePinceau, M::CADRE>, Champ<&M::StyleBrosse, M::FOND>,
               Champ<&M::CouleurBrosse, M::FOND>),
    {
        CleFonte(CleMontre::Fonte, "Fonte", Champ<&M::Police>),
        CleEntier(CleMontre::Mode, "Mode", Champ<&M::Mode>, 0, 2),
        CleLibre(CleMontre::Detachable, "Detachable"),
        CleEntier(CleMontre::StylePinceauHeure, "StylePinceauHeure",
                  Champ<&M::StylePinceau, M::HEURE>, 0, kStylePinceauMax),
        CleCouleur(CleMontre::CouleurPinceauHeure, "CouleurPinceauHeure",
                   Champ<&M::CouleurPinceau, M::HEURE>),
        CleEntier(CleMontre::TaillePinceauHeure, "TaillePinceauHeure",
                  Champ<&M::TaillePinceau, M::HEURE>, 0, kTaillePinceauMax),
        CleEntier(CleMontre::StyleBrosseHeure, "StyleBrosseHeure", Champ<&M::StyleBrosse, M::HEURE>,
                  0, kStyleBrosseMax),
        CleCouleur(CleMontre::CouleurBrosseHeure, "CouleurBrosseHeure",
                   Champ<&M::CouleurBrosse, M::HEURE>),
        CleEntier(CleMontre::StylePinceauMinute, "StylePinceauMinute",
                  Champ<&M::StylePinceau, M::MINUTE>, 0, kStylePinceauMax),
        CleCouleur(CleMontre::CouleurPinceauMinute, "CouleurPinceauMinute",
                   Champ<&M::CouleurPinceau, M::MINUTE>),
        CleEntier(CleMontre::TaillePinceauMinute, "TaillePinceauMinute",
                  Champ<&M::TaillePinceau, M::MINUTE>, 0, kTaillePinceauMax),
        CleEntier(CleMontre::StyleBrosseMinute, "StyleBrosseMinute",
                  Champ<&M::StyleBrosse, M::MINUTE>, 0, kStyleBrosseMax),
        CleCouleur(CleMontre::CouleurBrosseMinute, "CouleurBrosseMinute",
                   Champ<&M::CouleurBrosse, M::MINUTE>),
        CleEntier(CleMontre::StylePinceauSeconde, "StylePinceauSeconde",
                  Champ<&M::StylePinceau, M::SECONDE>, 0, kStylePinceauMax),
        CleCouleur(CleMontre::CouleurPinceauSeconde, "CouleurPinceauSeconde",
                   Champ<&M::CouleurPinceau, M::SECONDE>),
        CleEntier(CleMontre::TaillePinceauSeconde, "TaillePinceauSeconde",
                  Champ<&M::TaillePinceau, M::SECONDE>, 0, kTaillePinceauMax),
        CleEntier(CleMontre::Heure, "Heure", Champ<&M::Heure>, 0, 23, Ini::Non),
        CleEntier(CleMontre::Minute, "Minute", Champ<&M::Minute>, 0, 59, Ini::Non),
        CleEntier(CleMontre::Seconde, "Seconde", Champ<&M::Seconde>, 0, 59, Ini::Non),
        CleDrapeau(CleMontre::MontrerHeure, "MontrerHeure", Champ<&M::MontrerHeure>),
        CleDrapeau(CleMontre::MontrerMinute, "MontrerMinute", Champ<&M::MontrerMinute>),
        CleDrapeau(CleMontre::MontrerSeconde, "MontrerSeconde", Champ<&M::MontrerSeconde>),
        CleDrapeau(CleMontre::MontrerChiffres, "MontrerChiffres", Champ<&M::MontrerChiffres>),
        CleAction(CleMontre::HeureSysteme, "HeureSysteme"),
        // Seconds since midnight, setting the three hands at once.
        CleEntier(CleMontre::Temps, "Temps", nullptr, 0, 86399, Ini::Non),
        CleLibre(CleMontre::Actif, "Actif"),
        CleEnonce(CleMontre::Enonce),
        CleReponse(CleMontre::Reponse),
    });
} // namespace montre_cles
using montre_cles::kClesMontre;
static_assert(TableConforme(kClesMontre));
