// The exercises of an operation component as a teacher reads and edits them in a sheet, one
// exercise per value separated by " | ", the digits to find in brackets:
//   addition        "12 + 4[5]6 = [468]"
//   subtraction     "468 - 4[5]6 = 12"
//   multiplication  "12 × 34 = 48 + 36[0] = 408"  (partial products between the "=")
//   division        "785 : 23 = 34 ; 115 ; 3 (0 0 0 0)"  (the lines under the dividend, then the
//                   layout's added zeros, leading zeros, comma shift and removed zeros)
#pragma once

#include "operation/OperGen.h"

#include <optional>
#include <string>
#include <string_view>

// The text form, or nothing when a record holds what the text cannot say (the sheet then keeps
// the records' binary form); nothing for no exercise.
std::optional<std::string> EcritExercices(const ListeOperations& operations, int type);

// Reads the text form into records of the kind `type`, `maximum` exercises at most; false with
// a French message naming the exercise when one does not read, the records unchanged.
bool LitExercices(std::string_view texte, int type, std::size_t maximum,
                  ListeOperations& operations, std::string& message);

// The numbers of an exercise that hold holes, written whole with their separators, blanks
// trimmed, joined by " ; "; empty when nothing is hidden.
std::string NombresCaches(const OperGen& operation);
