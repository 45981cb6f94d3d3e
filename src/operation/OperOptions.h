// The operation component's saved settings: its options block (written as its memory image),
// the operand definition record inside it, and the operand table kept beside it.
#pragma once

#include "host/Fonte.h"
#include "platform/Geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Kinds of operation, as stored in TDefinitionOperandes::Operation.
enum TypeOperation : std::int32_t {
    OP_ADDITION = 0,
    OP_SOUSTRACTION = 1,
    OP_MULTIPLICATION = 2,
    OP_DIVISION = 3,
};

// The highest PositionTrous of a kind: an addition has four numbers that can carry holes, the
// other kinds three.
constexpr int PositionTrousMax(int type) {
    return type == OP_ADDITION ? 15 : 7;
}

// The kind of operation and the settings with which the operand dialog draws operands.
struct TDefinitionOperandes {
    std::int32_t Operation;
    std::uint8_t Remplissage1[4];
    double ValeurMin;
    double ValeurMax;
    double Multiple1;
    double Multiple2;
    std::int32_t Decimales; // 0..6, 0 for whole numbers
    bool PasDeZeros;
    std::uint8_t Remplissage2[3];
};

static_assert(sizeof(TDefinitionOperandes) == 48);
static_assert(offsetof(TDefinitionOperandes, Operation) == 0);
static_assert(offsetof(TDefinitionOperandes, ValeurMin) == 8);
static_assert(offsetof(TDefinitionOperandes, ValeurMax) == 16);
static_assert(offsetof(TDefinitionOperandes, Multiple1) == 24);
static_assert(offsetof(TDefinitionOperandes, Multiple2) == 32);
static_assert(offsetof(TDefinitionOperandes, Decimales) == 40);
static_assert(offsetof(TDefinitionOperandes, PasDeZeros) == 44);

// Kind 0, operands 1 to 100, no multiples, whole numbers, zeros allowed.
TDefinitionOperandes DefinitionStandard();
// "min,max,multiple1,multiple2,decimals,kind,noZeros" with four decimals and a point,
// whatever the locale: the factory record reads "1.0000,100.0000,0.0000,0.0000,0,0,0".
std::string DefinitionVersTexte(const TDefinitionOperandes& d);
// Reads that text into d (padding bytes untouched). Unreadable or missing numbers read as 0;
// the seventh field is optional (false when missing or empty).
void TexteVersDefinition(const std::string& texte, TDefinitionOperandes& d);

struct OperOptions {
    vlPoint Position; // top-left, relative to the page margin origin
    vlSize Taille;
    TDefinitionOperandes DefinitionOperandes;
    // Which numbers carry holes, one entry per kind of operation (bit masks).
    std::int16_t PositionTrous[4];
    bool DivisionLongue;
    bool TrousIsoles;    // holes on single digits rather than on whole numbers
    bool OperationPosee; // in columns rather than in line
    std::uint8_t Remplissage1;
    ::Fonte Fonte;
    ::Fonte FonteCorrige;
    bool SeparerMilliers;
    bool AlignerSurCarreau;
    std::int16_t NombreOperations; // 1..24
    std::int16_t DifficulteMult;   // 0 easy, 1 medium, 2 hard
    std::int16_t DifficulteDiv;    // 0 easy, 1 medium, 2 hard
    bool InhibeCalculsAuto;
    std::uint8_t Remplissage2;
    std::int16_t PrecisionDiv; // 0..8 decimals of quotients
    bool DivTypeLignes;
    std::int8_t StylePinceauCadre;
    std::uint8_t Remplissage3[2];
    std::int32_t CouleurPinceauCadre;
    std::int32_t TaillePinceauCadre;
    std::int8_t StyleBrosseFond;
    std::uint8_t Remplissage4[3];
    std::int32_t CouleurBrosseFond;
    std::int16_t EpaisseurTrait; // 0..50
    bool EspSuppl;
    bool Repartir;        // rows and columns of exercises spread over the whole frame
    std::int8_t Retenues; // ChoixRetenues: the carries drawn exercises show (record version 4)
    std::uint8_t Reserve[62];
};

static_assert(sizeof(OperOptions) == 272);
static_assert(offsetof(OperOptions, Position) == 0);
static_assert(offsetof(OperOptions, Taille) == 8);
static_assert(offsetof(OperOptions, DefinitionOperandes) == 16);
static_assert(offsetof(OperOptions, PositionTrous) == 64);
static_assert(offsetof(OperOptions, DivisionLongue) == 72);
static_assert(offsetof(OperOptions, TrousIsoles) == 73);
static_assert(offsetof(OperOptions, OperationPosee) == 74);
static_assert(offsetof(OperOptions, Fonte) == 76);
static_assert(offsetof(OperOptions, FonteCorrige) == 124);
static_assert(offsetof(OperOptions, SeparerMilliers) == 172);
static_assert(offsetof(OperOptions, AlignerSurCarreau) == 173);
static_assert(offsetof(OperOptions, NombreOperations) == 174);
static_assert(offsetof(OperOptions, DifficulteMult) == 176);
static_assert(offsetof(OperOptions, DifficulteDiv) == 178);
static_assert(offsetof(OperOptions, InhibeCalculsAuto) == 180);
static_assert(offsetof(OperOptions, PrecisionDiv) == 182);
static_assert(offsetof(OperOptions, DivTypeLignes) == 184);
static_assert(offsetof(OperOptions, StylePinceauCadre) == 185);
static_assert(offsetof(OperOptions, CouleurPinceauCadre) == 188);
static_assert(offsetof(OperOptions, TaillePinceauCadre) == 192);
static_assert(offsetof(OperOptions, StyleBrosseFond) == 196);
static_assert(offsetof(OperOptions, CouleurBrosseFond) == 200);
static_assert(offsetof(OperOptions, EpaisseurTrait) == 204);
static_assert(offsetof(OperOptions, EspSuppl) == 206);
static_assert(offsetof(OperOptions, Repartir) == 207);
static_assert(offsetof(OperOptions, Retenues) == 208);
static_assert(offsetof(OperOptions, Reserve) == 209);

// The first bytes of the block of record version 1 (before the line width and extra spacing).
constexpr std::size_t TAILLE_OPTIONS_V1 = 208;

// The operands of the exercises: row i holds exercise i's operands; a negative value ends a
// row, and a row whose first or second value is negative ends the table.
constexpr int LIGNES_OPERANDES = 24;
constexpr int COLONNES_OPERANDES = 5;
using TLigneOperandes = std::array<double, COLONNES_OPERANDES>;
using TTableOperandes = std::array<TLigneOperandes, LIGNES_OPERANDES>;
static_assert(sizeof(TTableOperandes) == 960);

// Every cell a random whole number 1..100, drawn row by row.
void RemplitAuHasard(TTableOperandes& table);
