// The package's string table: the palette records read by InstalleComposants, as the package's
// resources hold them (UTF-8).
#pragma once

#include <functional>
#include <string>

// Fills `texte` with the string of identifier `id`; false, leaving `texte` as it was, when the
// table has none.
bool ChargeChaine(int id, std::string& texte);

// A source of strings by identifier with ChargeChaine's contract; InstalleComposants reads its
// palette records through one.
using TSourceChaines = std::function<bool(int id, std::string& texte)>;
