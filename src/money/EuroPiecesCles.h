// The coins' keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "money/EuroPieces.h"

namespace ClePieces {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    Mode,
    Detachable,
    NbPieces,
    Entourer,
    ZoomPieces,
    SommePieces,
    AspectPieces,
    ChoixHasardPieces,
    ReorganisePieces,
    TriPieces,
    IntervallePieces,
    Actif,
    GrainePieces,
    Enonce,
    Reponse,
};
} // namespace ClePieces

namespace pieces_cles {
inline constexpr auto kClesEuroPieces = TableDesCles({
    CleGeometrie(ClePieces::Gauche, "Gauche"),
    CleGeometrie(ClePieces::Haut, "Haut"),
    CleGeometrie(ClePieces::Largeur, "Largeur"),
    CleGeometrie(ClePieces::Hauteur, "Hauteur"),
    CleEntier(ClePieces::Mode, "Mode", Champ<&PiecesOptions::Mode>, 0, 2),
    CleLibre(ClePieces::Detachable, "Detachable"),
    CleTexte(ClePieces::NbPieces, "NbPieces",
             "8 nombres de 0 à 10 séparés par des virgules\u00A0: les pièces de 1 c à 2 €"),
    CleLibre(ClePieces::Entourer, "Entourer", Champ<&PiecesOptions::Entourer>, Ini::Usine),
    CleEntier(ClePieces::ZoomPieces, "ZoomPieces", Champ<&PiecesOptions::ZoomPieces>, 10, 200),
    CleTexte(ClePieces::SommePieces, "SommePieces", "somme de 0 à 38,80 €, deux décimales au plus"),
    CleTexteBornee(ClePieces::AspectPieces, "AspectPieces", Champ<&PiecesOptions::AspectPieces>, 0,
                   2),
    CleTexteBornee(ClePieces::ChoixHasardPieces, "ChoixHasardPieces", nullptr, 1, 10, Ini::Non),
    CleAction(ClePieces::ReorganisePieces, "RéorganisePieces"),
    CleTexteBornee(ClePieces::TriPieces, "TriPièces", Champ<&PiecesOptions::TriPieces>, 0, 2),
    CleEntier(ClePieces::IntervallePieces, "IntervallePieces",
              Champ<&PiecesOptions::IntervallePieces>, 0, 100),
    CleLibre(ClePieces::Actif, "Actif"),
    // Where the shuffle of "TriPièces = 2" starts and where it stands, so that a sheet gives
    // back the coins in the order they were drawn.
    Cle{ClePieces::GrainePieces, "GrainePieces", Lecture::Texte, 0, 0, nullptr, Refait::Rien,
        Ini::Non, 0, "deux nombres de 0 à 1 exclu\u00A0: départ;courant"},
    CleEnonce(ClePieces::Enonce),
    CleReponse(ClePieces::Reponse),
});
} // namespace pieces_cles
using pieces_cles::kClesEuroPieces;
static_assert(TableConforme(kClesEuroPieces));
static_assert(TvlEuroPieces::kCleComptes == ClePieces::NbPieces &&
              TvlEuroPieces::kCleHasard == ClePieces::ChoixHasardPieces &&
              TvlEuroPieces::kCleReorganise == ClePieces::ReorganisePieces);
