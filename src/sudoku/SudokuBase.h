// Puzzle database files: the 12 bytes "SudokuGrille" and a grid type byte, then records sorted
// by key, each a 13-byte key (the low bytes of the counters 0..12 of the puzzle's solve) and
// the packed problem (two cells a byte, the first in the high nibble, 0 for an unknown cell).
#pragma once

#include "sudoku/SudokuGrille.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

constexpr char TexteEnteteBase[] = "SudokuGrille";
constexpr int TailleTexteEntete = 12;
constexpr int TailleEnteteBase = 13;
constexpr int TailleCle = StatRegles::TailleProfil;

// Codes of a failed opening.
enum CodeBase : int {
    cbCreation = -1,       // the file cannot be created
    cbOuverture = -2,      // the file cannot be opened
    cbEnteteInvalide = -3, // not a puzzle database
    cbType = -4,           // wrong grid type
};

// Cells of a grid type (81, 36 or 16), packed grid and record sizes.
int NbCasesType(int type);
int TailleGrilleBase(int type);
int TailleEnrBase(int type);

using CleBase = std::array<std::uint8_t, TailleCle>;

// The key of a puzzle: the low 8 bits of counters 0 to 12.
CleBase CleDeStat(const StatRegles& stat);
// Record order: first the pattern of present bytes (signed value at least 1), a key lacking a
// byte the other has being the smaller at the first difference; then the bytes as signed
// values. Negative, 0 or positive like a comparison.
int CompareCles(const CleBase& a, const CleBase& b);

// Packs a problem string of a type ('0' unknown; any character other than '1'..'9' packs as 0).
std::vector<std::uint8_t> CompacteProbleme(const std::string& probleme, int type);
// Unpacks a packed grid into a problem string ('0' + nibble, so a nibble above 9 gives a
// character the solver takes for a cell without a candidate).
std::string DecompacteProbleme(const std::uint8_t* octets, int taille, int type);

// One record as stored.
struct EnregistrementBase {
    CleBase Cle{};
    std::vector<std::uint8_t> Grille;
};

// An open database file, closed when the object goes.
class FichierBaseSudoku {
public:
    bool Ouvert() const { return fichier_ != nullptr; }
    int Type() const { return type_; }
    // Whole records in the file (a truncated last record does not count).
    std::int64_t NbEnregistrements() const;
    // Reads record k; false past the last whole record or on a read failure.
    bool LitEnregistrement(std::int64_t k, EnregistrementBase& enregistrement);
    // Writes record k (at the end of the file for k = NbEnregistrements()); false on failure.
    bool EcritEnregistrement(std::int64_t k, const EnregistrementBase& enregistrement);
    void Ferme() { fichier_.reset(); }

private:
    friend int OuvreBaseLecture(const std::string&, int&, FichierBaseSudoku&, std::string&);
    friend int OuvreBaseEcriture(const std::string&, int, FichierBaseSudoku&, std::string&);

    struct Fermeture {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    bool positionne(std::int64_t k);

    std::unique_ptr<std::FILE, Fermeture> fichier_;
    int type_ = 0;
    std::int64_t taille_ = 0; // bytes, kept up to date by the writes
};

// Opens a database read-only: 0 with the file in `base` and its type, or a negative code with
// its message (the file then closed).
int OuvreBaseLecture(const std::string& nom, int& type, FichierBaseSudoku& base,
                     std::string& message);
// The same, showing the message unless silent.
int OuvreBaseLecture(const std::string& nom, int& type, bool silencieux, FichierBaseSudoku& base);
// Opens a database for reading and writing, creating it with its header when it does not
// exist: 0, or a negative code with its message. A file whose records do not end on a whole
// record is refused as not being a database.
int OuvreBaseEcriture(const std::string& nom, int type, FichierBaseSudoku& base,
                      std::string& message);

// Inserts a puzzle after every record whose key is not greater, moving the greater ones one
// place towards the end. False with the message when the base cannot be opened or written
// (what was written stays).
bool AjouteEnBase(const StatRegles& stat, const std::string& nom, int type,
                  const std::string& probleme, std::string& message);

// A whole database in memory, for tools that insert many records at once: the same order as
// records inserted one by one with AjouteEnBase, written to the file in one go.
struct BaseEnMemoire {
    int Type = 0;
    std::vector<EnregistrementBase> Enregistrements;

    // Inserts before the first record whose key is greater, as AjouteEnBase does.
    void Insere(EnregistrementBase enregistrement);
};

// Reads every whole record of a database: 0, or a negative code with the message of
// OuvreBaseLecture (or the read failure's).
int LitBase(const std::string& nom, BaseEnMemoire& base, std::string& message);
// Writes a database, replacing the file only once the new one is complete; false with the
// message when it cannot.
bool EcritBase(const std::string& nom, const BaseEnMemoire& base, std::string& message);
