// The thermometer's keys, in index order.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "pictures/Thermometre.h"

namespace CleThermometre {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    LargeurConduit,
    AfficherUnites,
    Dummy,
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
    TemperatureMinimum,
    TemperatureMaximum,
    Temperature,
    LibelleTemperatureGauche,
    LibelleTemperatureDroite,
    Actif,
    Enonce,
    Reponse,
    Fin,
};
} // namespace CleThermometre

namespace thermometre_cles {
using T = ThermometreOptions;
using namespace CleThermometre;
inline constexpr std::string_view kUnites = "0 °C, 1 °F, 2 K ou 3 aucune (au-delà\u00A0: 0 ou 3)";
inline constexpr auto kClesThermometre = TableDesCles({
    CleGeometrie(Gauche, "Gauche"),
    CleGeometrie(Haut, "Haut"),
    CleGeometrie(Largeur, "Largeur"),
    CleGeometrie(Hauteur, "Hauteur"),
    CleEntier(LargeurConduit, "LargeurConduit", Champ<&T::LargeurConduit>, 1, 30),
    CleDrapeau(AfficherUnites, "AfficherUnites", Champ<&T::AfficherUnites>),
    CleInterne(Dummy, "dummy", Lecture::Action),
    CleEntier(StyleBrosseFond, "StyleBrosseFond", Champ<&T::StyleBrosseFond>, 0, kStyleBrosseMax),
    CleCouleur(CouleurBrosseFond, "CouleurBrosseFond", Champ<&T::CouleurBrosseFond>),
    CleFonte(CleThermometre::Fonte, "Fonte", Champ<&T::Police>),
    CleEntier(Mode, "Mode", Champ<&T::Mode>, 0, 2),
    CleLibre(Detachable, "Detachable"),
    CleDrapeau(AffichagePetites, "AffichagePetites", Champ<&T::AffichagePetites>),
    CleDrapeau(AffichageMoyennes, "AffichageMoyennes", Champ<&T::AffichageMoyennes>),
    CleDrapeau(AffichageGrandes, "AffichageGrandes", Champ<&T::AffichageGrandes>),
    CleDrapeau(LibelleMoyennes, "LibelleMoyennes", Champ<&T::LibelleMoyennes>),
    CleDrapeau(LibelleGrandes, "LibelleGrandes", Champ<&T::LibelleGrandes>),
    CleLue(TemperatureMinimum, "TemperatureMinimum", Champ<&T::TemperatureMinimum>, -300, 4999,
           "entier de -300 au maximum moins 1"),
    CleLue(TemperatureMaximum, "TemperatureMaximum", Champ<&T::TemperatureMaximum>, -299, 5000,
           "entier du minimum plus 1 à 5000"),
    CleEntier(Temperature, "Temperature", Champ<&T::Temperature>, -300, 5000, Ini::Non),
    CleLue(LibelleTemperatureGauche, "LibelleTemperatureGauche",
           Champ<&T::LibelleTemperatureGauche>, 0, 3, kUnites),
    CleLue(LibelleTemperatureDroite, "LibelleTemperatureDroite",
           Champ<&T::LibelleTemperatureDroite>, 0, 3, kUnites),
    CleLibre(Actif, "Actif"),
    CleEnonce(Enonce),
    CleReponse(Reponse),
});
static_assert(TableConforme(kClesThermometre));
static_assert(kClesThermometre.size() == CleThermometre::Fin, "a row for every key");
} // namespace thermometre_cles

using thermometre_cles::kClesThermometre;
