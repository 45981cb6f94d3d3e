// The operation's keys, in index order.
#pragma once

#include "host/Cle.h"
#include "operation/Operation.h"

namespace CleOperation {
enum : int {
    Gauche,
    Haut,
    Largeur,
    Hauteur,
    Operation,
    DifficulteMult,
    PositionTrous,
    DivisionLongue,
    TrousIsoles,
    OperationPosee,
    Fonte,
    FonteCorrige,
    Detachable,
    SeparerMilliers,
    AlignerSurCarreau,
    Rediriger,
    DefinirOperandes,
    GenererCalcul,
    NombreOperations,
    InhibeCalculsAuto,
    PrecisionDiv,
    DivTypeLignes,
    DifficulteDiv,
    StylePinceauCadre,
    CouleurPinceauCadre,
    TaillePinceauCadre,
    StyleBrosseFond,
    CouleurBrosseFond,
    EpaisseurTrait,
    UtiliserCrayonGras,
    EspSuppl,
    Actif,
    Exercices,
    Repartir,
    Retenues,
};
} // namespace CleOperation

namespace operation_cles {
using O = OperOptions;
constexpr Refait kExercice = Refait::Exercice;
inline constexpr auto kClesOperation = TableDesCles({
    CleGeometrie(CleOperation::Gauche, "Gauche"),
    CleGeometrie(CleOperation::Haut, "Haut"),
    CleGeometrie(CleOperation::Largeur, "Largeur"),
    CleGeometrie(CleOperation::Hauteur, "Hauteur"),
    // The kind of operation, kept in the ini file with the operand dialog's settings.
    CleEntier(CleOperation::Operation, "Operation", nullptr, OP_ADDITION, OP_DIVISION, Ini::Non),
    CleEntier(CleOperation::DifficulteMult, "DifficulteMult", Champ<&O::DifficulteMult>, 0, 2,
              Ini::Usine, kExercice),
    // The holes of the current kind (bits); each kind is kept in the ini file.
    CleEntier(CleOperation::PositionTrous, "PositionTrous", nullptr, 0, 15, Ini::Non),
    CleDrapeau(CleOperation::DivisionLongue, "DivisionLongue", Champ<&O::DivisionLongue>,
               Ini::Usine, kExercice),
    CleDrapeau(CleOperation::TrousIsoles, "TrousIsoles", Champ<&O::TrousIsoles>, Ini::Usine,
               kExercice),
    CleDrapeau(CleOperation::OperationPosee, "OperationPosee", Champ<&O::OperationPosee>),
    CleFonte(CleOperation::Fonte, "Fonte", Champ<&O::Fonte>),
    CleFonte(CleOperation::FonteCorrige, "FonteCorrige", Champ<&O::FonteCorrige>),
    CleLibre(CleOperation::Detachable, "Detachable"),
    CleDrapeau(CleOperation::SeparerMilliers, "SeparerMilliers", Champ<&O::SeparerMilliers>),
    CleDrapeau(CleOperation::AlignerSurCarreau, "AlignerSurCarreau", Champ<&O::AlignerSurCarreau>),
    CleTexte(CleOperation::Rediriger, "Rediriger", kValeursRediriger),
    CleAction(CleOperation::DefinirOperandes, "DefinirOperandes"),
    CleAction(CleOperation::GenererCalcul, "GenererCalcul"),
    CleEntier(CleOperation::NombreOperations, "NombreOperations", Champ<&O::NombreOperations>, 1,
              TvlOperation::MAX_OPERATIONS),
    CleDrapeau(CleOperation::InhibeCalculsAuto, "InhibeCalculsAuto", Champ<&O::InhibeCalculsAuto>),
    CleEntier(CleOperation::PrecisionDiv, "PrecisionDiv", Champ<&O::PrecisionDiv>, 0, 8, Ini::Usine,
              kExercice),
    CleDrapeau(CleOperation::DivTypeLignes, "DivTypeLignes", Champ<&O::DivTypeLignes>),
    CleEntier(CleOperation::DifficulteDiv, "DifficulteDiv", Champ<&O::DifficulteDiv>, 0, 2,
              Ini::Usine, kExercice),
    CleEntier(CleOperation::StylePinceauCadre, "StylePinceauCadre", Champ<&O::StylePinceauCadre>, 0,
              kStylePinceauMax),
    CleCouleur(CleOperation::CouleurPinceauCadre, "CouleurPinceauCadre",
               Champ<&O::CouleurPinceauCadre>),
    // In hundredths of a centimetre.
    CleEntier(CleOperation::TaillePinceauCadre, "TaillePinceauCadre", Champ<&O::TaillePinceauCadre>,
              0, kTaillePinceauMax),
    // A component made from the ini file without these entries gets a solid white background.
    CleEntier(CleOperation::StyleBrosseFond, "StyleBrosseFond", Champ<&O::StyleBrosseFond>, 0,
              kStyleBrosseMax, Ini::Valeur, Refait::Rien, bsSolid),
    CleCouleur(CleOperation::CouleurBrosseFond, "CouleurBrosseFond", Champ<&O::CouleurBrosseFond>,
               Ini::Valeur, 0xFFFFFF),
    CleEntier(CleOperation::EpaisseurTrait, "EpaisseurTrait", Champ<&O::EpaisseurTrait>, 0, 50),
    // A font text: both fonts become it, the corrected one in red.
    CleTexte(
        CleOperation::UtiliserCrayonGras, "UtiliserCrayonGras",
        "police des deux versions\u00A0: nom,taille,couleur,styles (au départ CrayonL,18,0,gras)"),
    CleLibre(CleOperation::EspSuppl, "EspSuppl", Champ<&O::EspSuppl>, Ini::Usine),
    CleLibre(CleOperation::Actif, "Actif"),
    // The exercises as drawn, holes included (the records in hexadecimal), so that a sheet
    // gives them back whatever the draws.
    CleTexte(
        CleOperation::Exercices, "Exercices",
        "exercices séparés par |, chiffres à trouver entre crochets\u00A0: 12 + 4[5]6 = [475]"),
    // Off, the exercises are packed from the top-left corner.
    CleDrapeau(CleOperation::Repartir, "Repartir", Champ<&O::Repartir>),
    // A change draws the operands again within the draw's settings; divisions keep theirs.
    Cle{CleOperation::Retenues, "Retenues", Lecture::Entier, 0, 2, Champ<&O::Retenues>,
        Refait::Rien, Ini::Non, 0,
        "0 au choix, 1 sans retenue, 2 avec au moins une retenue (additions, soustractions, "
        "multiplications\u00A0; tire de nouveaux opérandes, sans effet sur les divisions)"},
});
} // namespace operation_cles
using operation_cles::kClesOperation;
static_assert(TableConforme(kClesOperation));
