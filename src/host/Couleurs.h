// Colours as a teacher writes them in a sheet: a school colour's name ("rouge", "vert clair"),
// "#RRGGBB" as web pages and drawing programs give them, or the number 0xBBGGRR the documents
// keep, in decimal or after "0x".
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The colour 0xBBGGRR the text names, from min (0, or -1 for "no colour", also read as
// "aucune") to 0xFFFFFF; nothing when the text is none of the forms above. Names are matched
// without regard to accents, case or repeated blanks.
std::optional<int> LitCouleur(std::string_view texte, int min = 0);

// The school colours' names, in the order a message lists them, separated by ", ".
std::string NomsCouleurs();
