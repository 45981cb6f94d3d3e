// The operation component's sheet-only keys, which do from a sheet what a teacher does in the
// operand dialog:
//   Operandes = 12;7,5 | 1000;999   the operands of each exercise ("|" between exercises,
//                                   ";" between operands, decimal comma or point);
//   Tirage = min;max;multiple;ou de;décimales;pas de zéros[;opérandes]
//                                   the dialog's random settings, then "Générer Nombres" over
//                                   the operand rows of the first NombreOperations exercises
//                                   (only the first `opérandes` rows when given) and "Valider";
//                                   the table then holds exactly those exercises.
// Both go through the dialog's logic: the same checks and messages, the same draws.
#pragma once

#include "host/Catalogue.h"
#include <string>
#include <vector>

class TComposant;

const std::vector<CleFeuille>& ClesFeuilleOperation();

// Applies one of those keys to an operation component: true when taken, false with the
// message of the refusal.
bool AppliqueCleFeuilleOperation(TComposant& composant, const std::string& cle,
                                 const std::string& valeur, std::string& message);
