// The connect-the-dots keys, in index order.
#pragma once

#include "dots/Relier.h"
#include "host/Cle.h"

namespace CleRelier {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    StylePinceauCadre,
    CouleurPinceauCadre,
    TaillePinceauCadre,
    AfficherLignes,
    Dummy,
    Fonte,
    Mode,
    Detachable,
    Liste,
    EnrCde,
    EnrPos,
    DecoderFiltre,
    Rediriger,
    StylePoints,
    Actif,
};
} // namespace CleRelier

namespace relier_cles {
using R = RelierOptions;
inline constexpr auto kClesRelier = TableDesCles({
    CleGeometrie(CleRelier::Gauche, "Gauche"),
    CleGeometrie(CleRelier::Haut, "Haut"),
    CleGeometrie(CleRelier::Largeur, "Largeur"),
    CleGeometrie(CleRelier::Hauteur, "Hauteur"),
    CleEntier(CleRelier::StylePinceauCadre, "StylePinceauCadre", Champ<&R::StylePinceau>, 0,
              kStylePinceauMax),
    CleCouleur(CleRelier::CouleurPinceauCadre, "CouleurPinceauCadre", Champ<&R::CouleurPinceau>),
    CleEntier(CleRelier::TaillePinceauCadre, "TaillePinceauCadre", Champ<&R::TaillePinceau>, 0,
              kTaillePinceauMax),
    // Joins the points and shows the answers in every view.
    CleLibre(CleRelier::AfficherLignes, "AfficherLignes", Champ<&R::AfficherLignes>, Ini::Usine),
    CleInterne(CleRelier::Dummy, "Dummy", Lecture::Action),
    CleFonte(CleRelier::Fonte, "Fonte", Champ<&R::Fonte>),
    CleEntier(CleRelier::Mode, "Mode", Champ<&R::Mode>, 0, 2),
    CleLibre(CleRelier::Detachable, "Detachable"),
    // A list component with a "texte" field, or "Aucune"; then the list's own notices.
    CleTexte(CleRelier::Liste, "Liste", "nom du composant Liste dont il montre les lignes"),
    CleInterne(CleRelier::EnrCde, "EnrCde"),
    CleInterne(CleRelier::EnrPos, "EnrPos"),
    CleInterne(CleRelier::DecoderFiltre, "DecoderFiltre"),
    CleTexte(CleRelier::Rediriger, "Rediriger", kValeursRediriger),
    CleEntier(CleRelier::StylePoints, "StylePoints", Champ<&R::StylePoints>, 0, 5),
    CleLibre(CleRelier::Actif, "Actif"),
});
} // namespace relier_cles
using relier_cles::kClesRelier;
static_assert(TableConforme(kClesRelier));
static_assert(std::size(kClesRelier) == 19);
