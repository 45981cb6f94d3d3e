// Puzzle database files: the 12 bytes "SudokuGrille" and a grid type byte, then records sorted
// by key, each a 13-byte key (the low bytes of the counters 0..12 of the puzzle's solve) and
// the packed problem (two cells a byte, the first in the high nibble, 0 for an unknown cell).
#pragma once

#include "platform/Erreur.h"
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

// An open database file, read-only, closed when the object goes.
class FichierBaseSudoku {
public:
    bool Ouvert() const { return fichier_ != nullptr; }
    int Type() const { return type_; }
    // Records in the file.
    std::int64_t NbEnregistrements() const;
    // Reads record k; false past the last whole record or on a read failure.
    bool LitEnregistrement(std::int64_t k, EnregistrementBase& enregistrement);
    void Ferme() { fichier_.reset(); }

private:
    friend bool OuvreBaseLecture(const std::string&, FichierBaseSudoku&, Erreur&);

    struct Fermeture {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    std::unique_ptr<std::FILE, Fermeture> fichier_;
    int type_ = 0;
    std::int64_t taille_ = 0; // bytes
};

// Opens a database read-only, its grid type in base.Type(); false with the reason in
// `message` (the file then closed) when the file is missing, not a regular file, not a
// database, or ends inside a record.
bool OuvreBaseLecture(const std::string& nom, FichierBaseSudoku& base, std::string& message);
// The same, telling a file that cannot be opened (Fichier) from one that is not a whole
// database (Donnees).
bool OuvreBaseLecture(const std::string& nom, FichierBaseSudoku& base, Erreur& erreur);

// A whole database in memory: the one way records are added. It is read whole, changed, and
// written back whole to a new file that replaces the old one only once complete, so a crash
// never leaves a half-shifted base.
struct BaseEnMemoire {
    int Type = 0;
    std::vector<EnregistrementBase> Enregistrements;

    // Inserts after every record whose key is not greater (CompareCles order).
    void Insere(EnregistrementBase enregistrement);
};

// Reads every record of a database; false with the reason in `message`.
bool LitBase(const std::string& nom, BaseEnMemoire& base, std::string& message);
bool LitBase(const std::string& nom, BaseEnMemoire& base, Erreur& erreur);
// Writes a database atomically; false with the reason in `message`.
bool EcritBase(const std::string& nom, const BaseEnMemoire& base, std::string& message);

// Adds a puzzle to a database of the type, creating the file when it does not exist: read,
// insert in order, write atomically. False with the reason in `message` when the file is not
// a whole database of that type or cannot be written (the file then unchanged).
bool AjouteEnBase(const StatRegles& stat, const std::string& nom, int type,
                  const std::string& probleme, std::string& message);
