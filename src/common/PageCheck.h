// The page check: each component is drawn once more on a canvas that keeps only the boxes its
// kind marked as having to stay readable; boxes that cover each other or leave the frame, and
// printed frames that overlap on a page, become warning lines naming the components.
#pragma once

#include <string>
#include <vector>

class TDocument;

// One line a component with covered or escaping items, then one a pair of overlapping frames:
// "P : 2 pièces se chevauchent", "« A » et « B » se chevauchent sur la page 1".
std::vector<std::string> VerifieEncre(const TDocument& document);
