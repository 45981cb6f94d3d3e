// The notes' keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "money/EuroBillets.h"

namespace CleBillets {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    Mode,
    Detachable,
    IntervalleBillets,
    NbBillets,
    SommeBillets,
    NoirEtBlanc,
    RectoVerso,
    ZoomBillets,
    AligneDroite,
    ReorganiseBillets,
    ChoixHasardBillets,
    Actif,
    Enonce,
    Reponse,
};
} // namespace CleBillets

namespace billets_cles {
inline constexpr auto kClesEuroBillets = TableDesCles({
    CleGeometrie(CleBillets::Gauche, "Gauche"),
    CleGeometrie(CleBillets::Haut, "Haut"),
    CleGeometrie(CleBillets::Largeur, "Largeur"),
    CleGeometrie(CleBillets::Hauteur, "Hauteur"),
    CleEntier(CleBillets::Mode, "Mode", Champ<&BilletsOptions::Mode>, 0, 2),
    CleLibre(CleBillets::Detachable, "Detachable"),
    CleEntier(CleBillets::IntervalleBillets, "IntervalleBillets",
              Champ<&BilletsOptions::IntervalleBillets>, 0, 100),
    CleTexte(CleBillets::NbBillets, "NbBillets",
             "7 nombres de 0 à 10 séparés par des virgules\u00A0: les billets de 500 € à 5 €"),
    CleTexte(CleBillets::SommeBillets, "SommeBillets",
             "somme entière de 0 à 8850 €, multiple de 5"),
    CleLibre(CleBillets::NoirEtBlanc, "NoirEtBlanc", Champ<&BilletsOptions::NoirEtBlanc>,
             Ini::Usine),
    CleLibre(CleBillets::RectoVerso, "RectoVerso", Champ<&BilletsOptions::RectoVerso>, Ini::Usine),
    CleEntier(CleBillets::ZoomBillets, "ZoomBillets", Champ<&BilletsOptions::ZoomBillets>, 10, 100),
    CleLibre(CleBillets::AligneDroite, "AligneDroite", Champ<&BilletsOptions::AligneDroite>,
             Ini::Usine),
    CleAction(CleBillets::ReorganiseBillets, "ReorganiseBillets"),
    CleTexteBornee(CleBillets::ChoixHasardBillets, "ChoixHasardBillets", nullptr, 1, 10, Ini::Non),
    CleLibre(CleBillets::Actif, "Actif"),
    CleEnonce(CleBillets::Enonce),
    CleReponse(CleBillets::Reponse),
});
} // namespace billets_cles
using billets_cles::kClesEuroBillets;
static_assert(TableConforme(kClesEuroBillets));
static_assert(TvlEuroBillets::kCleComptes == CleBillets::NbBillets &&
              TvlEuroBillets::kCleHasard == CleBillets::ChoixHasardBillets &&
              TvlEuroBillets::kCleReorganise == CleBillets::ReorganiseBillets);
