// What the operand dialog computes and decides, as plain code: the grid of one column per
// operation, the result of each column, random operands drawn from the dialog's settings,
// operands derived from a result, and the checks that turn the grid back into the operand
// table. The dialog shows and forwards to it; a sheet's "Operandes" and "Tirage" use it too.
#pragma once

#include "common/SuperGridModel.h"
#include "operation/OperOptions.h"

#include <cstdint>
#include <string>
#include <vector>

// Number texts with the locale's decimal separator.
// Cuts a typed cell to 6 decimals, then to 8 characters besides the separator.
std::string NormaliseCellule(std::string texte);
// A drawn or derived number: its decimal expansion at seven decimals rounded half up into six,
// without trailing zeros or a trailing separator (2.5 gives "2,5", 0.1234565 "0,123457").
std::string FormateNombre(double valeur);
// The number at the start of a text (blanks skipped; a comma or a point, no exponent); 0 when
// there is none.
double LitNombre(const std::string& texte);
// Whether a cell holds anything besides blanks.
bool CelluleRemplie(const std::string& texte);

class ChoixOp2Logique {
public:
    static constexpr int COLONNES = 25; // the row titles, then one column per operation
    static constexpr int MAX_CHIFFRES = 8;
    static constexpr int MAX_DECIMALES = 6;
    static constexpr double VALEUR_MAX = 99999999; // the largest number of MAX_CHIFFRES digits
    static constexpr const char* CARACTERES_ACCEPTES = "0123456789.,";
    static constexpr const char* TEXTE_DIV_ZERO = "Div /0";
    static constexpr const char* TEXTE_NEGATIF = "<0";

    // Works on `grille`, owned by the caller (the dialog's grid widget, or a plain model),
    // for operations of the kind `operation`.
    ChoixOp2Logique(SuperGridModel& grille, int operation);

    int Operation() const { return operation_; }
    // Operand rows are 1..LignesOperandes(); the result row follows them.
    int LignesOperandes() const { return operation_ == OP_ADDITION ? 5 : 2; }
    int LigneResultat() const { return LignesOperandes() + 1; }
    // "Addition", "Soustraction", "Multiplication" or "Division".
    static std::string Titre(int operation);
    SuperGridModel& Grille() { return grille_; }
    const SuperGridModel& Grille() const { return grille_; }

    // The settings of the edits (bounds, multiples, decimals, no zeros); the kind is not used.
    TDefinitionOperandes Reglages{};
    // What drawn exercises must show (ChoixRetenues): anything, no carry or borrow, or at
    // least one. Divisions are drawn as without it.
    int Retenues = 0;

    // Lays the grid out for the kind and fills it: table row i goes to column i + 1
    // (non-negative cells only), the settings to Reglages; then every result is computed.
    void Initialise(const TTableOperandes& table, const TDefinitionOperandes& definition);
    // After the teacher edited cells: normalises the operand cells, recomputes every result.
    void CellulesModifiees();
    // Empties the column's result cell, then fills it from its operands.
    void CalculeResultat(int colonne);
    void CalculeResultats();

    // One random number drawn from the settings; `limite` < 0 means none.
    std::string TireNombre(double limite = -1) const;
    // A divisor: drawn again while it is 0, at most ESSAIS_DIVISEUR times in all; settings that
    // draw nothing else leave it 0, which the table then refuses.
    std::string TireDiviseur(double limite = -1) const;
    static constexpr int ESSAIS_DIVISEUR = 100;
    // "Générer Nombres" on a selection: numbers drawn into the operand cells it covers, or,
    // when it lies on the result row only, results drawn and operands derived from them.
    // Under Retenues, whole exercises are drawn into the columns it covers: the operand rows
    // down to its last (two at least), the rows below emptied. False, with the message naming
    // the settings, when these cannot give such an exercise; the columns before it are drawn.
    bool GenererNombres(const GridRange& selection, std::string& message);
    static constexpr int ESSAIS_RETENUES = 100;
    // Puts `resultat` in the column's result cell and derives the operands from it.
    void DeriveOperandes(int colonne, const std::string& resultat);

    // "Valider": the first error as message (false), or the table packed from the grid and
    // the definition updated from the settings (true). Nothing is written on failure.
    bool Valider(TTableOperandes& table, TDefinitionOperandes& definition,
                 std::string& message) const;

private:
    void prepareGrille();
    // One exercise drawn into rows 1..lignes of the column as without Retenues.
    void tireColonne(int colonne, int lignes);
    bool tireAvecRetenues(int gauche, int droite, int lignes, std::string& message);
    // One exercise drawn from every number the settings can give, multiples aside; false when
    // none of them gives what Retenues asks.
    bool tireExact(int colonne, int lignes, bool avec);
    // The column's operands as whole numbers at the settings' decimals; empty when one is not.
    std::vector<std::int64_t> operandesEntiers(int colonne, int lignes) const;
    std::string cellule(int colonne, int ligne) const { return grille_.Cell(colonne, ligne); }
    void deriveAddition(int colonne, double resultat);
    void deriveSoustraction(int colonne, double resultat);
    void deriveMultiplication(int colonne, const std::string& resultat);
    void deriveDivision(int colonne, double resultat);
    // Writes the larger of a and b in row 1, the other in row 2.
    void ecritPlusGrandEnPremier(int colonne, double a, double b);

    SuperGridModel& grille_;
    int operation_;
    // While the grid is filled at opening no result is computed.
    bool remplissage_ = false;
};
