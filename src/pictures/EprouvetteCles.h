// The test tube's keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "pictures/Eprouvette.h"

namespace CleEprouvette {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    Lenticulaire,
    CalculsEprouvette,
    Libelles,
    StyleBrosseFond,
    CouleurBrosseFond,
    Fonte,
    Mode,
    Detachable,
    AffichagePetites,
    AffichageMoyennes,
    AffichageGrandes,
    LibelleMoyennes,
    LibelleGrandes,
    Volume,
    VolumeLiquide,
    Actif,
    Enonce,
    Reponse,
    Fin,
};
} // namespace CleEprouvette

namespace eprouvette_cles {
using E = EprouvetteOptions;
using namespace CleEprouvette;
inline constexpr std::string_view kMillilitres = "millilitres de 0 à 2971142,9 (virgule décimale)";
inline constexpr auto kClesEprouvette = TableDesCles({
    CleGeometrie(Gauche, "Gauche"),
    CleGeometrie(Haut, "Haut"),
    CleGeometrie(Largeur, "Largeur"),
    CleGeometrie(Hauteur, "Hauteur"),
    CleDrapeau(Lenticulaire, "Lenticulaire", Champ<&E::Lenticulaire>),
    CleEntier(CalculsEprouvette, "CalculsEprouvette", Champ<&E::CalculsEprouvette>, 0, 1),
    CleEntier(Libelles, "Libelles", Champ<&E::Libelles>, 0, 3),
    CleEntier(StyleBrosseFond, "StyleBrosseFond", Champ<&E::StyleBrosseFond>, 0, kStyleBrosseMax),
    CleCouleur(CouleurBrosseFond, "CouleurBrosseFond", Champ<&E::CouleurBrosseFond>),
    CleFonte(CleEprouvette::Fonte, "Fonte", Champ<&E::Police>),
    CleEntier(Mode, "Mode", Champ<&E::Mode>, 0, 2),
    CleLibre(Detachable, "Detachable"),
    CleDrapeau(AffichagePetites, "AffichagePetites", Champ<&E::AffichagePetites>),
    CleDrapeau(AffichageMoyennes, "AffichageMoyennes", Champ<&E::AffichageMoyennes>),
    CleDrapeau(AffichageGrandes, "AffichageGrandes", Champ<&E::AffichageGrandes>),
    CleDrapeau(LibelleMoyennes, "LibelleMoyennes", Champ<&E::LibelleMoyennes>),
    CleDrapeau(LibelleGrandes, "LibelleGrandes", Champ<&E::LibelleGrandes>),
    CleLue(Volume, "Volume", Champ<&E::Volume>, 0, TvlEprouvette::VOLUME_MAX, kMillilitres),
    CleLue(VolumeLiquide, "VolumeLiquide", Champ<&E::VolumeLiquide>, 0, TvlEprouvette::VOLUME_MAX,
           kMillilitres, Ini::Non),
    CleLibre(Actif, "Actif"),
    CleEnonce(Enonce),
    CleReponse(Reponse),
});
static_assert(TableConforme(kClesEprouvette));
static_assert(kClesEprouvette.size() == CleEprouvette::Fin, "a row for every key");
} // namespace eprouvette_cles

using eprouvette_cles::kClesEprouvette;
