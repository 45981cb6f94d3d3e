// The key reference for people writing sheets: each kind's keys with the values they take,
// their value in a new component and what a change does, as plain text or as Markdown.
#pragma once

#include "host/Catalogue.h"

#include <string>

enum class FormatCles { Texte, Markdown };

// One kind's keys. A kind without a table (the host's own) lists its key names only.
std::string ReferenceCles(const TCatalogue& catalogue, const TTypeComposant& type,
                          FormatCles format);
// Every available kind's keys, in catalogue order, under one heading each; in Markdown, with
// an introduction on how keys are written.
std::string ReferenceToutesCles(const TCatalogue& catalogue, FormatCles format);
