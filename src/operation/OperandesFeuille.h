// The operation component's sheet-only keys, which do from a sheet what a teacher does in the
// operand dialog:
//   Operandes = 12;7,5 | 1000;999   the operands of each exercise ("|" between exercises,
//                                   ";" between operands, decimal comma or point);
//   Tirage = de 10 à 100, multiples de 5 ou de 2, 2 décimales, sans zéros, 3 opérandes
//   Tirage = min;max;multiple;ou de;décimales;pas de zéros[;opérandes]
//                                   the dialog's random settings, by name (the range needed,
//                                   the other parts in any order) or by position, then "Générer
//                                   Nombres" over the operand rows of the first NombreOperations
//                                   exercises (only the first `opérandes` rows when given) and
//                                   "Valider"; the table then holds exactly those exercises.
// Both go through the dialog's logic: the same checks and messages, the same draws.
#pragma once

#include "host/Catalogue.h"
#include <string>
#include <vector>

class TComposant;
struct TDefinitionOperandes;

const std::vector<CleFeuille>& ClesFeuilleOperation();

// Applies one of those keys to an operation component: true when taken, false with the
// message of the refusal.
bool AppliqueCleFeuilleOperation(TComposant& composant, const std::string& cle,
                                 const std::string& valeur, std::string& message);

// A sheet's section begins and ends: the holes are dug once, when its keys have all been read.
void DebuteFeuilleOperation(TComposant& composant);
bool TermineFeuilleOperation(TComposant& composant, std::string& message);

// The draw's settings in the named form "Tirage" reads, the parts left at 0 left out;
// `operandes` 0 for every operand row.
std::string TirageLisible(const TDefinitionOperandes& definition, int operandes);
