// The connect-the-dots component's sheet-only keys, which do from a sheet what a teacher does
// in the points editor and the series generator:
//   Points = 0,1;0,2;3+4;7 | ...   x;y;label;answer of each point (decimal comma; a negative x
//                                  for a point not placed), taken as "Sortie" takes the grid;
//   Pas = 5;5                      the editor's grid steps in millimetres;
//   Serie = additions nombres entre 1 et 10   a predefined series, calculated and applied;
//   Formule = a * b                the generator's formula, then one line a variable:
//   Variable = nom;comportement;initiale;min;max;décimales;passage
//   Tri = 0..2                     sorting of the results.
// Once the formula and every variable it names are given, each of the last three keys
// calculates again and applies the pairs to the points, as "Appliquer" then "Sortie" would:
// every calculation replaces all the pairs.
#pragma once

#include "host/Catalogue.h"
#include <string>
#include <vector>

class TComposant;

const std::vector<CleFeuille>& ClesFeuilleRelier();

// Applies one of those keys: true when taken, false with the message of the refusal.
bool AppliqueCleFeuilleRelier(TComposant& composant, const std::string& cle,
                              const std::string& valeur, std::string& message);

// After the section's last line, unless a "Points" line came after the series lines (as an
// exported document gives its texts): a formula needs a line for each of its variables, and its
// series must give every placed point a label and an answer, in the order and without the
// duplicates its settings ask. False with the French message of the first fault.
bool TermineFeuilleRelier(TComposant& composant, std::string& message);
