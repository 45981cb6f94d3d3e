// The fraction exercises as text: the numbers of each line, drawn at random or typed, and the
// line language the drawing reads. "{3/4}" is an element (a whole number or a fraction counted
// from 1 for the hidden-part mask), "9/12" a small step fraction, "[9+4]/12" a step whose
// numerator is an expression, "F2/3,5/7=" a division drawn as one compound fraction.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// The exercise data saved after the options block: the ranges of the draw, then the numbers and
// the hidden-part mask of each line.
struct FractionDonnees {
    static constexpr int LIGNES = 10;
    std::int32_t DenMin = 1;
    std::int32_t DenMax = 10;
    std::int32_t NumMin = 1;
    std::int32_t NumMax = 10;
    std::array<std::int16_t, LIGNES> A{}; // first numerator
    std::array<std::int16_t, LIGNES> C{}; // second numerator
    std::array<std::int16_t, LIGNES> B{}; // first denominator
    std::array<std::int16_t, LIGNES> D{}; // second denominator
    std::array<std::int16_t, LIGNES> Masque{};
};
static_assert(sizeof(FractionDonnees) == 116);
static_assert(offsetof(FractionDonnees, DenMin) == 0);
static_assert(offsetof(FractionDonnees, DenMax) == 4);
static_assert(offsetof(FractionDonnees, NumMin) == 8);
static_assert(offsetof(FractionDonnees, NumMax) == 12);
static_assert(offsetof(FractionDonnees, A) == 16);
static_assert(offsetof(FractionDonnees, C) == 36);
static_assert(offsetof(FractionDonnees, B) == 56);
static_assert(offsetof(FractionDonnees, D) == 76);
static_assert(offsetof(FractionDonnees, Masque) == 96);

enum OperationFraction : int {
    FR_ADDITION = 0,
    FR_SOUSTRACTION = 1,
    FR_MULTIPLICATION = 2,
    FR_DIVISION = 3,
    FR_SIMPLIFICATION = 4,
};

// Hidden-part bits of a line: first operand, second operand, every element from the third on.
enum : int { CACHE_PREMIER = 1, CACHE_SECOND = 2, CACHE_RESULTAT = 4 };

// What the texts of the lines depend on.
struct ReglagesLignes {
    int Operation = FR_ADDITION;
    bool ResultatsInterm1 = true;
    bool ResultatsInterm2 = true;
    bool SimplificationIntelligente = true;
    int Simplification = 2; // 0 none, 1 the result reduced, 2 the unreduced result inserted
};

// Limits of the ranges a teacher sets, and of a number typed or read from a file.
inline constexpr int NUMERATEUR_MAX = 1000;
inline constexpr int DENOMINATEUR_MAX = 1000;
inline constexpr int NOMBRE_MAX = 32767;

// The reduced pair, whole numbers over 1; (n, 0) unchanged.
std::pair<std::int64_t, std::int64_t> Simplifier(std::int64_t n, std::int64_t d);

// New numbers for every line, the draws in a fixed order so that a seed rebuilds them.
void GenererNombres(FractionDonnees& donnees, int operation, bool memesDenominateurs);
// The hidden-part mask of every line for a "Cache" setting.
void GenererCache(FractionDonnees& donnees, int operation, int cache);

// The text of line i from its numbers.
std::string GenererLigne(const FractionDonnees& donnees, int i, const ReglagesLignes& reglages);
std::string GenererLigneAddition(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                 bool soustraction, const ReglagesLignes& reglages);
std::string GenererLigneMultiplication(std::int64_t a, std::int64_t b, std::int64_t c,
                                       std::int64_t d, const ReglagesLignes& reglages);
std::string GenererLigneDivision(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                                 const ReglagesLignes& reglages);
std::string GenererLigneSimplification(std::int64_t a, std::int64_t b);

// Reads the run of decimal digits at pos (at most 18, so the value stays exact) and moves pos
// past the whole run; -1 when there is no digit at pos.
std::int64_t LireDigit(std::string_view texte, std::size_t& pos);

// The mask of line i with every hidden part determined by what stays shown: a single hidden
// operand, unless the other is 0 in a product, or the dividend is 0 when the divisor is hidden;
// a simplification's result. Any other hiding becomes the result's.
std::int16_t MasqueDetermine(const FractionDonnees& donnees, int i, int operation);

// False, with the range named, when a division has no non-zero numerator to draw its divisors.
bool DiviseursPossibles(int numMax, int operation, std::string& message);

// Reads a line in the line language: parts between "=" (the last may be left empty, a question
// without its result), each a sum of products of fractions "p/p" whose parts are digits,
// "[expression]" or "{fraction}", or a division "Fp,p". False with the French reason when it
// does not read, divides by 0, or when a part's value differs from the first part's.
bool VerifieLigne(std::string_view texte, std::string& message);

// Whether a text read from a file holds only the characters of the line language, and not
// too many of them.
bool LigneLisible(std::string_view texte);
inline constexpr std::size_t LIGNE_MAX = 200;
