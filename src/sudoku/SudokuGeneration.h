// The generation of a component's puzzle: a full grid at random, a puzzle adjusted to the
// chosen level, extra givens up to the wanted number, a random symmetry, and the rating of the
// result. Plain code: a failure comes back with its message for the caller to show.
#pragma once

#include "platform/Random.h"
#include "sudoku/SudokuGrille.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A puzzle as the component keeps it: one code a cell, row-major (1..9 a given, value + 10 a
// hidden value, 0 unused), with the counters of a full-level solve.
struct GrilleGeneree {
    bool Reussi = false;
    std::string Message; // why it failed
    std::array<std::int8_t, 81> Cases{};
    StatRegles Stat{};
    bool Resolu = false;       // the full-level solve of the givens finished the grid
    std::string Avertissement; // a strict draw that had to take a lower level says why
};

// The solver level of the component's "Niveau" (1 naked singles, 2 and hidden singles,
// 3 every technique).
int NiveauSolveur(int niveau);

// Time limit of one try of the random search of a 9 x 9 grid.
constexpr int LimiteRecherche9x9Ms = 2000;

GrilleGeneree GenereGrille9x9(int niveau, int nbValeurs, TRandom& alea);
// largeurRegion 3: boxes 3 columns x 2 rows (type 1); 2: boxes 2 x 3 (type 2).
GrilleGeneree GenereGrille6x6(int largeurRegion, int niveau, int nbValeurs, TRandom& alea);
GrilleGeneree GenereGrille4x4(int niveau, int nbValeurs, TRandom& alea);
// Dispatches on the grid type.
GrilleGeneree GenereGrille(int type, int niveau, int nbValeurs, TRandom& alea);

// The level a rating shows: 1 when naked singles finish the puzzle, 2 when it needs hidden
// singles and nothing more, 3 when it needs locked candidates, a subset, a fish or more.
int NiveauDeStat(const StatRegles& stat);

// The highest level a grid type's puzzles reach (its boxes are too small for the rest).
int NiveauMaxType(int type);
// The level a strict draw aims at: the one asked, lowered to what the grid type reaches.
int NiveauStrictType(int type, int niveau);
// Draws of a strict generation before it gives up.
int EssaisStricts(int type);

// A puzzle the solver finishes and whose rating shows exactly the level (lowered to what the
// grid type reaches): puzzles are drawn as `GenereGrille` draws them until one is; after
// `EssaisStricts` draws it takes one of that level from the puzzle database `base` (none when
// empty). Failing that, the count of givens is kept and the hardest finished draw below the
// level is taken, its Avertissement saying so; it fails, with a message saying why, only when
// no draw was finished.
GrilleGeneree GenereGrilleStricte(int type, int niveau, int nbValeurs, TRandom& alea,
                                  const std::string& base);
// A puzzle of a database of the grid type whose rating shows the level: records whose key shows
// it, taken at random, each given its extra givens and symmetry as a drawn puzzle is, until one
// keeps the level. Fails with the reason when the file cannot be read, holds another grid type
// or has no such puzzle.
GrilleGeneree GrilleDeBase(const std::string& base, int type, int niveau, int nbValeurs,
                           TRandom& alea);

// The techniques a rating shows beyond naked singles, in plain French ("les paires cachées"),
// in the solver's order.
std::vector<std::string> TechniquesNecessaires(const StatRegles& stat);
// One sentence: the level the rating shows and the techniques it takes.
std::string PhraseNiveau(const StatRegles& stat);
// What a property window says when the grid type cannot reach the level; empty when it can.
std::string NoteNiveau(int type, int niveau);
// The grid type in words ("6 × 6 (régions de 3 × 2)").
const char* NomTypeGrille(int type);

// Codes of a puzzle from its problem (given digits) and its solution: the digit for a given,
// the solution digit + 10 elsewhere; `nombre` cells, the others 0.
std::array<std::int8_t, 81> CodesCases(const std::string& probleme, const std::string& solution,
                                       int nombre);
