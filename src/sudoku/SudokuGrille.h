// The sudoku grid engine: a candidate grid of one of four shapes, a solver by human techniques
// that counts the techniques it needed, a randomised completion of a grid, the turning of a
// solution into a puzzle for a level, and the mixing of a grid by symmetries. Plain code: no
// screen and no file; every draw goes through the grid's random generator.
#pragma once

#include "platform/Random.h"

#include <cstdint>
#include <stop_token>
#include <string>

// Grid types (the component's "TypeGrille").
enum TypeGrilleSudoku : int {
    tg9x9 = 0,     // boxes 3 columns x 3 rows
    tg6x6_3x2 = 1, // boxes 3 columns x 2 rows
    tg6x6_2x3 = 2, // boxes 2 columns x 3 rows
    tg4x4 = 3,     // boxes 2 x 2
};

// Status of a solve: stuck, solved, or contradiction (or time limit reached).
enum StatutSudoku : int { ssBloque = 0, ssResolu = 1, ssContradiction = 2 };

// Counters of the techniques a solve needed.
enum IndexRegle : int {
    rgCellulesOpaques = 0, // cells left unsolved by the first pass of naked singles
    rgUniqueCache = 1,     // hidden singles placed
    rgVerrouRegion = 2,    // passes in which pointing removed candidates
    rgVerrouLigne = 3,     // passes in which box-line reduction removed candidates
    rgPaireNue = 4,
    rgTripletNu = 5,
    rgQuadrupletNu = 6,
    rgPaireCachee = 7,
    rgTripletCache = 8,
    rgQuadrupletCache = 9,
    rgQuintupletCache = 10,
    rgXWing = 11,
    rgSwordfish = 12,
    rgAutre = 13, // a pasted grid needed extra clues
};

struct StatRegles {
    static constexpr int Taille = 14;
    // The counters that make up a puzzle's profile (and a database key).
    static constexpr int TailleProfil = 13;
    std::uint16_t Compteur[Taille];

    std::uint16_t& operator[](int i) { return Compteur[i]; }
    std::uint16_t operator[](int i) const { return Compteur[i]; }
    bool operator==(const StatRegles&) const = default;
};
static_assert(sizeof(StatRegles) == 28);

// The solving level that uses every technique.
constexpr int NiveauComplet = 10;

class SudokuGrille {
public:
    static constexpr int TailleMax = 9;
    static constexpr char Vide = ' ';
    // Nodes of a limited random search allowed per millisecond of its time limit: about what
    // the search managed when candidates were walked as strings, so that a try that used to
    // end within its time limit still ends the same way, and one that did not stops early.
    static constexpr int NoeudsParMs = 150;

    StatRegles Stat{};
    std::int32_t NbLignes = 9;
    std::int32_t NbColonnes = 9;
    std::int32_t LargeurRegion = 3;
    std::int32_t HauteurRegion = 3;
    std::int32_t NbValeurs = 9;
    // Candidate strings: position k holds '1' + k while value k + 1 is a candidate, a blank
    // otherwise. Smaller grids use the top-left part.
    char Cases[TailleMax][TailleMax][TailleMax + 1];

    // A 9 x 9 grid whose cells have every candidate; draws from the process-wide generator.
    SudokuGrille();

    // Draws of this grid's searches and symmetries (the generator must outlive the grid's
    // use of it; a worker thread gives its own).
    void FixeAlea(TRandom& alea) { alea_ = &alea; }
    TRandom& Alea() const { return *alea_; }

    // Sets the dimensions of a type (any unknown type is a 9 x 9) and clears the counters.
    void FixeType(int type);
    // The number of cells, N x N.
    int NbCases() const { return NbValeurs * NbValeurs; }

    // Loads a problem (row-major, '0' unknown, '1'..'9' known); missing characters read as
    // unknown, any other character leaves its cell without a candidate.
    void ChargeProbleme(const std::string& probleme);
    // The values of the solved cells, '0' for the others (N x N characters).
    void LitSolution(std::string& probleme) const;
    std::string LitSolution() const;

    // Solves with the techniques of a level (0 naked singles, 1 and hidden singles, 2 and
    // more everything); clears the counters first. The time limit is not used.
    int Resoudre(int niveau, int limiteSecondes = 0);

    // Completes the clues at random until the solver of the level finishes the grid. The
    // clue string receives the digits placed; the solution string the full grid when found.
    // Returns the status of a full-level solve of the resulting clues. A time limit bounds the
    // nodes of the search (limiteMs x NoeudsParMs), never the clock, so that a seed repeats on
    // any machine: about one try in two hundred places, some thirty cells deep, values that
    // leave no solution although the techniques cannot show it, and the search below that
    // point would never end. Reaching the limit ends the try with 2. limiteNoeuds, when not
    // negative, replaces the bound on nodes. A stop request on `arret` ends the try the same way at
    // the next node.
    int GenereAleatoire(std::string& indices, std::string& solution, int niveau, int limiteMs = 0,
                        long long limiteNoeuds = -1, std::stop_token arret = {});
    // Turns a solution into a puzzle for the level: adds clues from the solution until the
    // level solves it, then removes every clue the level does not need. 1, or 2 on a
    // contradiction.
    int AjusteProbleme(std::string& probleme, const std::string& solution, std::string& resultat,
                       int niveau);

    // One character a cell (position 0 of its string), row-major, to carry per-cell codes
    // through Transforme.
    void EcritCaracteres(const std::string& codes);
    void LitCaracteres(std::string& codes) const;
    // A random symmetry of the cell contents (mirrors, quarter turns for square boxes, swaps
    // of stacks, bands, and columns and rows inside them). Digits are never relabelled.
    void Transforme();

    // Cell queries on the candidate strings.
    bool EstCandidat(int ligne, int colonne, int valeur) const {
        return Cases[ligne][colonne][valeur - 1] != Vide;
    }
    int NbCandidats(int ligne, int colonne) const;
    // The value of a solved cell, 0 otherwise.
    int Valeur(int ligne, int colonne) const;
    // Keeps the single candidate v (1..9).
    void FixeValeur(int ligne, int colonne, int valeur);
    // 1 when every cell is solved, otherwise the state of the first unsolved cell scanned
    // column by column: 0 with several candidates, 2 without any.
    int StatutCompletion() const;

private:
    TRandom* alea_;
};
