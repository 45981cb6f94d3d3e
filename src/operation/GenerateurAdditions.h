// Builds addition and subtraction exercises from the operand table, with their holes. Building
// is deterministic but for the choice of the holes, drawn with Random().
#pragma once

#include "operation/OperGen.h"
#include "operation/OperOptions.h"

#include <string>
#include <vector>

// Which numbers may carry holes and how.
struct ReglesTrous {
    int positions = 0;   // bit mask of the kind's PositionTrous entry
    bool isoles = false; // single digits (true) or whole numbers (false)
};

// One addition per table row (2 to 5 operands, up to the row's first negative cell), stopping
// at the first row whose first or second cell is negative. Holes: bit 1 the first operand,
// 2 the last, 4 those between, 8 the sum.
ListeOperations GenereAdditions(const TTableOperandes& table, ReglesTrous trous);

// One subtraction per row from its first two cells; a row whose minuend is the smaller has its
// two cells swapped in the table. Holes: bit 1 the minuend, 2 the subtrahend, 4 the difference.
ListeOperations GenereSoustractions(TTableOperandes& table, ReglesTrous trous);

// Hides digits of the candidate numbers (already padded to the exercise's widths): one whole
// number drawn at random, or, for single digits, at most one hole per column, each in a
// candidate drawn at random that has a digit there.
void CreuseNombres(const std::vector<std::string*>& candidats, bool isoles,
                   std::int16_t largeurEntiere, std::int16_t largeurDecimale);
