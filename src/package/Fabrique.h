// The component factory: the one place that names every component class.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TCadre;
class TComposant;

// A new component of the kind at palette index 1..16 in the frame, or null for any other
// index and for a kind not built yet. The caller owns it.
std::unique_ptr<TComposant> CreerComposant(TCadre* cadre, int index);

// The key table of the kind at a palette index, or null when the kind is not built yet.
const std::vector<std::string>* ClesDuType(int index);
