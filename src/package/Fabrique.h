// The component factory: the one place that names every component class.
#pragma once

#include "host/Cle.h"

#include <memory>
#include <string>
#include <vector>

class TCadre;
class TComposant;

// A new component of the kind at palette index 1..16 in the frame, or null for any other
// index and for a kind not built yet. The caller owns it.
std::unique_ptr<TComposant> CreerComposant(TCadre* cadre, int index);

// The key table of the kind at a palette index, empty when the kind is not built yet.
TableCles ClesDuType(int index);
