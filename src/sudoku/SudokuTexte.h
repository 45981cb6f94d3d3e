// Grids as text, for the clipboard: the picture written by the copy command and the reader of
// pasted text, which accepts that picture, a bare line of digits and most hand-made layouts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The text picture of a grid of a type: one line a row of boxes, CR LF line ends, each given
// (code 1..9) written as its digit and every other cell as '.'.
std::string TexteGrille(int type, const std::array<std::int8_t, 81>& cases);

// Reads a pasted grid: its type and problem string ('0' unknown). Returns an empty text, or
// the message of what is wrong ("Format de grille incorrect", "Grille non valide").
std::string LitTexteGrille(const std::string& texte, int& type, std::string& probleme);
