// The fraction component's sheet-only keys, which do from a sheet what a teacher does in the
// fraction editor:
//   Numerateurs = 1;20        the numerators' range, then new numbers for every line;
//   Denominateurs = 2;12      the denominators' range, the same;
//   Operandes = 1/4;1/6 | 6;1/2   the two operands of the first lines ("|" between lines,
//                             ";" between the operands, n for n/1), checked by "Valider".
#pragma once

#include "host/Catalogue.h"
#include <string>
#include <vector>

class TComposant;

const std::vector<CleFeuille>& ClesFeuilleFraction();

// Applies one of those keys: true when taken, false with the message of the refusal.
bool AppliqueCleFeuilleFraction(TComposant& composant, const std::string& cle,
                                const std::string& valeur, std::string& message);
