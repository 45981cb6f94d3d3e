// The component factory, by palette index, read from the table of kinds (package/Paquet.h).
#pragma once

#include "host/Cle.h"

#include <memory>
#include <string>
#include <vector>

class TCadre;
class TComposant;

// A new component of the kind at palette index 1..16 in the frame, or null for any other
// index. The caller owns it.
std::unique_ptr<TComposant> CreerComposant(TCadre* cadre, int index);

// The key table of the kind at a palette index, empty for any other index.
TableCles ClesDuType(int index);
