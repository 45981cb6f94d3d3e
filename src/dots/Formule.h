// The series generator's formula language: infix text over named variables, numbers and quoted
// texts, compiled to a prefix text whose operands are "v<index>" references into a table of
// variables shared by every formula of a series, and evaluated on that table.
//
// Operators by increasing priority: "|"; "&"; "<" ">" "<=" ">=" "<>" "="; "+" "-";
// "*" "/" ":" (integer quotient) "%" (remainder); "^". Equal priorities group left to right;
// a leading "-" negates (written "!" in the prefix text), a leading "+" is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A variable of the table: a name of the formulas, a number written in them, or a quoted text.
struct VariableFormule {
    std::string Nom; // empty for literals
    double Valeur = 0;
    bool Litteral = false; // a number or text of the formula: its value never changes
    bool Texte = false;    // a quoted text, shown as written
    std::string TexteLitteral;
    std::int16_t Decimales = 0;
    std::int16_t Comportement = 0; // see VariableSerie
    double Initiale = 0;
    std::string Passage;        // as typed
    std::string PassageCompile; // prefix text
    double Minimum = 0;
    double Maximum = 0;
};

using TableVariables = std::vector<VariableFormule>;

struct FormuleCompilee {
    std::string Prefixe; // "+ v0 * v1 v2"
    std::string Modele;  // the text as typed with each operand replaced by "v<index>"
};

// Deepest nesting of parentheses and signs a formula may hold, and its longest text.
constexpr int kProfondeurMax = 200;
constexpr std::size_t kLongueurMax = 1000;

// Compiles `texte`, adding the names, numbers and texts it holds to `table`. On a syntax error:
// false, `message` the text split at the first character that could not be taken, `position`
// that character's index in bytes (the length of the text when the end came too soon). A text
// longer than kLongueurMax is refused as such.
bool CompileFormule(const std::string& texte, TableVariables& table, FormuleCompilee& resultat,
                    std::string& message, std::size_t& position);

// Evaluates a prefix text on the table's values; false with "Variable inconnue", "Division par
// zéro", "Opérateur inconnu" or "Résultat hors limites" (a value that is not finite).
bool EvalueFormule(const std::string& prefixe, const TableVariables& table, double& resultat,
                   std::string& message);

// The label of a template: each "v<index>" replaced by its variable's value truncated to its
// decimals, or by its text.
std::string EtiquetteModele(const std::string& modele, const TableVariables& table);

// A value written at `decimales` decimals with the system decimal separator, truncated or
// rounded half up; values within a billionth of a step edge count as on it.
std::string EcritTronque(double valeur, int decimales);
std::string EcritArrondi(double valeur, int decimales);
// The value rounded half up at `decimales` decimals, as EcritArrondi writes it.
double Arrondi(double valeur, int decimales);
double Tronque(double valeur, int decimales);
