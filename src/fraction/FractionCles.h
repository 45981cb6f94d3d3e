// The fraction's keys, in index order.
#pragma once

#include "fraction/Fraction.h"
#include "host/Cle.h"

namespace CleFraction {
using namespace ClesCadre;
enum : int {
    Detachable = ClesCadre::Fin,
    SimplificationIntelligente,
    Fonte,
    FonteCorrige,
    AlignerSurCarreau,
    Rediriger,
    NombreOperations,
    GenererCalcul,
    FractionOperation,
    MemesDenominateurs,
    ResultatsInterm1,
    Simplification,
    Cache,
    ResultatsInterm2,
    Actif,
    Nombres,
    Ligne,
};
} // namespace CleFraction

namespace fraction_cles {
using F = FractionOptions;
constexpr Refait kExercice = Refait::Exercice;
// Keys that rewrite the texts or the hidden parts do it in ApresCle; "Exercice" draws new
// numbers too.
inline constexpr auto kClesFraction = TableDesCles(
    RangsCadre(Champ<&F::StylePinceauCadre>, Champ<&F::CouleurPinceauCadre>,
               Champ<&F::TaillePinceauCadre>, Champ<&F::StyleBrosseFond>,
               Champ<&F::CouleurBrosseFond>),
    {
        CleLibre(CleFraction::Detachable, "Detachable"),
        CleDrapeau(CleFraction::SimplificationIntelligente, "SimplificationIntelligente",
                   Champ<&F::SimplificationIntelligente>),
        CleFonte(CleFraction::Fonte, "Fonte", Champ<&F::Fonte>),
        CleFonte(CleFraction::FonteCorrige, "FonteCorrigé", Champ<&F::FonteCorrige>),
        CleDrapeau(CleFraction::AlignerSurCarreau, "AlignerSurCarreau",
                   Champ<&F::AlignerSurCarreau>),
        CleTexte(CleFraction::Rediriger, "Rediriger", kValeursRediriger),
        CleEntier(CleFraction::NombreOperations, "NombreOperations", Champ<&F::NombreOperations>, 1,
                  TvlFraction::LIGNES),
        CleAction(CleFraction::GenererCalcul, "GenererCalcul"),
        CleEntier(CleFraction::FractionOperation, "FractionOperation", Champ<&F::FractionOperation>,
                  FR_ADDITION, FR_SIMPLIFICATION, Ini::Usine, kExercice),
        CleDrapeau(CleFraction::MemesDenominateurs, "MemesDenominateurs",
                   Champ<&F::MemesDenominateurs>, Ini::Usine, kExercice),
        CleDrapeau(CleFraction::ResultatsInterm1, "ResultatsInterm1", Champ<&F::ResultatsInterm1>),
        CleEntier(CleFraction::Simplification, "Simplification", Champ<&F::Simplification>, 0, 2),
        CleEntier(CleFraction::Cache, "Cache", Champ<&F::Cache>, 0, 3),
        CleDrapeau(CleFraction::ResultatsInterm2, "ResultatsInterm2", Champ<&F::ResultatsInterm2>),
        CleLibre(CleFraction::Actif, "Actif"),
        // The exercise itself, so that a sheet gives back the lines as they were drawn or typed.
        Cle{CleFraction::Nombres, "Nombres", Lecture::Texte, 0, 0, nullptr, Refait::Rien, Ini::Non,
            0, "NumMin;NumMax;DenMin;DenMax puis, par ligne, | A;B;C;D;masque"},
        Cle{CleFraction::Ligne, "Ligne", Lecture::Texte, 0, 0, nullptr, Refait::Rien, Ini::Non, 0,
            "numéro;texte de la ligne dans le langage des fractions, chaque «\u00A0=\u00A0» juste"},
    });
} // namespace fraction_cles
using fraction_cles::kClesFraction;
static_assert(TableConforme(kClesFraction));
static_assert(kClesFraction.size() == 26);
