// Carries and borrows of posed operations, counted on whole numbers: decimal operands are
// first scaled to the same number of decimals, so that their columns line up as when posed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// What the drawn exercises of an operation must show: anything, no carry or borrow at all,
// or at least one.
enum ChoixRetenues : int { RETENUES_LIBRES = 0, SANS_RETENUE = 1, AVEC_RETENUE = 2 };

// Whether the posed operation of `type` has a carry or a borrow: an addition of all the
// operands (a column, carry-in counted, reaching ten), a subtraction of the smaller of the
// first two from the larger (a borrow), a multiplication of the first two (a digit product
// reaching ten, or partial products that carry when added). Operands are non-negative.
bool ARetenue(int type, std::span<const std::int64_t> operandes);

// The whole numbers lo..hi (0 <= lo <= hi < 10^8) a draw may give.
struct PlageEntiers {
    std::int64_t lo = 0;
    std::int64_t hi = 0;
};

// `nombre` operands within `plage` (two for a subtraction or a multiplication) whose operation
// has a carry (avecRetenue) or has none, found by an exact search of the range and then
// shuffled at random; a subtraction's first operand is the larger. Empty when the range holds
// no such exercise. Its cost does not grow with the width of the range.
std::optional<std::vector<std::int64_t>> TireExerciceRetenues(int type, int nombre,
                                                              PlageEntiers plage, bool avecRetenue);
