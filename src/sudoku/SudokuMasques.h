// The working form of a candidate grid: one bit set a cell (bit k = value k + 1) over the
// precomputed units and peers of its shape. SudokuGrille keeps its candidate strings as its
// contract and runs its solver and its searches on this form; every technique walks the grid in
// the same order and removes the same candidates as its string-based description, so counters,
// results and random draws are the same.
#pragma once

#include "sudoku/SudokuGrille.h"

#include <cstdint>
#include <string>

// Cells, units and peers of one grid shape.
struct GeometrieSudoku {
    int n = 9;       // values, rows, columns
    int largeur = 3; // box width (columns)
    int hauteur = 3; // box height (rows)
    int nbCases = 81;
    int nbVoisins = 20;
    // Cell indices (row x n + column) of unit u in walk order: rows, columns, then boxes band
    // by band.
    std::uint8_t unite[3 * 9][9] = {};
    // The cells sharing a row, a column or a box with a cell.
    std::uint8_t voisins[81][20] = {};
    // The cells column by column, top to bottom within a column, and the rank of a cell there.
    std::uint8_t parColonnes[81] = {};
    std::uint8_t rangColonne[81] = {};
    // The cells of a unit, and the peers of a cell, as sets of cells.
    std::uint64_t uniteEnsemble[3 * 9][2] = {};
    std::uint64_t voisinsEnsemble[81][2] = {};
    // The units holding a cell, one bit a unit.
    std::uint32_t unitesDe[81] = {};
    // The row, column and box of a cell, and the cell's place in each.
    std::uint8_t uniteDeCase[81][3] = {};
    std::uint8_t placeDansUnite[81][3] = {};

    // The shape of a box size (3 x 3, 3 x 2, 2 x 3 or 2 x 2; anything else is 3 x 3).
    static const GeometrieSudoku& De(int largeur, int hauteur);
};

// A set of cells, by index below 128.
struct EnsembleCases {
    std::uint64_t mots[2] = {0, 0};

    bool Contient(int i) const { return (mots[i >> 6] >> (i & 63)) & 1u; }
    void Ajoute(int i) { mots[i >> 6] |= std::uint64_t(1) << (i & 63); }
    void Retire(int i) { mots[i >> 6] &= ~(std::uint64_t(1) << (i & 63)); }
    bool Vide() const { return (mots[0] | mots[1]) == 0; }
    // The smallest member at least `debut`, or -1.
    int Suivant(int debut) const;
};

class SudokuMasques {
public:
    explicit SudokuMasques(const GeometrieSudoku& geometrie) : geo_(&geometrie) {}
    // The shape and the candidates of a grid.
    explicit SudokuMasques(const SudokuGrille& grille);

    const GeometrieSudoku& Geometrie() const { return *geo_; }
    std::uint16_t Masque(int i) const { return masques_[i]; }
    // The value of a solved cell, 0 otherwise.
    int Valeur(int i) const;

    // As SudokuGrille::ChargeProbleme: '0' every candidate, a digit 1..N alone, anything else
    // (a digit above N included) no candidate.
    void ChargeProbleme(const std::string& probleme);
    // Keeps the single candidate v (1..N) of a cell.
    void FixeValeur(int i, int valeur);
    // The techniques of the level; clears the counters first.
    int Resoudre(int niveau);
    int StatutCompletion() const;

    // Writes the candidates back into a grid whose strings were the starting point of this
    // form: removed candidates become blanks, a cell given a value gets its digit alone.
    void EcritDans(SudokuGrille& grille) const;

    StatRegles Stat{};

private:
    enum Effet { efRien, efChange, efContradiction };

    // The techniques run on one shape known at compile time, L x H being the box size, so that
    // the walks over units and peers unroll over constant tables.
    template <int L, int H> int resoudre(int niveau);
    // Removes the candidates of `bits` from a cell; notes a change, a cell left empty, and a
    // cell left with one candidate (to be swept by the naked singles).
    template <int L, int H> void retire(int i, unsigned bits);
    template <int L, int H> void fixe(int i, unsigned bit);
    // Notes the solved cells, whether a cell may be empty and the cells of each candidate,
    // after a whole load.
    void recense();
    // Takes a cell out of the cells of the candidates `valeurs`.
    void oteCandidats(int i, unsigned valeurs) {
        const std::uint64_t bit = std::uint64_t(1) << (i & 63);
        for (int v = 0; v < 9; ++v)
            candidats_[v].mots[i >> 6] &= ~(bit * (valeurs >> v & 1u));
    }

    template <int L, int H> int singletonsNus();
    template <int L, int H> bool singletonCache();
    template <int L, int H> unsigned seulesDe(int unite) const;
    template <int L, int H> Effet pointage();
    template <int L, int H> Effet reductionBoiteLigne();
    template <int L, int H> Effet sousEnsemblesNus();
    template <int L, int H> Effet sousEnsemblesNusUnite(int unite);
    template <int L, int H> Effet sousEnsemblesCaches();
    // Over the units of `unites`, one bit a unit.
    template <int L, int H>
    Effet sousEnsemblesCachesTaille(int taille, std::uint32_t unites,
                                    const unsigned (*positionsUnites)[10]);
    // Per direction (rows, columns) and value: its positions in each line, and the lines where
    // a cell holding it is solved.
    struct PositionsPoisson {
        unsigned positions[2][9][9];
        unsigned resolues[2][9];
    };
    template <int L, int H> void positionsPoisson(PositionsPoisson& p) const;
    template <int L, int H> Effet poisson(int taille, const PositionsPoisson& p);

    const GeometrieSudoku* geo_;
    std::uint16_t masques_[84] = {}; // three more, always empty, for reads four at a time
    // Solved cells whose value has not yet left their peers, by rank in column order.
    EnsembleCases attente_;
    // False only when no cell is empty.
    bool videPossible_ = true;
    // Per value, the cells holding it among their candidates: the naked singles sweep finds
    // the peers that lose a value without reading every peer.
    EnsembleCases candidats_[9];
    // Cells given a value since the grid was loaded.
    EnsembleCases fixees_;
    bool change_ = false;
    bool contradiction_ = false;
    // The hidden singles scan's result per unit (values one unsolved cell alone holds), valid
    // for the units whose bit is clear in sales_: a unit turns dirty when one of its cells
    // changes.
    std::uint16_t seulesUnite_[27] = {};
    std::uint32_t sales_ = ~0u;
    // The units, among those whose bit is clear in sales_, that hold such a value.
    std::uint32_t avecSeules_ = 0;
};
