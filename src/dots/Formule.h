// The series generator's formula language: infix text over named variables, numbers and quoted
// texts, compiled to a prefix text whose operands are "v<index>" references into a table of
// variables shared by every formula of a series, and evaluated on that table.
//
// Operators by increasing priority: "|"; "&"; "<" ">" "<=" ">=" "<>" "="; "+" "-";
// "*" "/" ":" (integer quotient) "%" (remainder); "^". Equal priorities group left to right;
// a leading "-" negates (written "!" in the prefix text), a leading "+" is ignored.
#pragma once

#include "dots/Rational.h"

#include <cstdint>
#include <string>
#include <vector>

// A variable of the table: a name of the formulas, a number written in them, or a quoted text.
struct VariableFormule {
    std::string Nom; // empty for literals
    Rational Valeur;
    bool Litteral = false; // a number or text of the formula: its value never changes
    bool Texte = false;    // a quoted text, shown as written
    std::string TexteLitteral;
    std::int16_t Decimales = 0;    // a literal's as written
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

// Numbers are read with "." or the system decimal separator, whatever the C locale says; a
// number too long to be held exactly is a syntax error at its first digit.
// Compiles `texte`, adding the names, numbers and texts it holds to `table`. On a syntax error:
// false, `message` the text split at the first character that could not be taken, `position`
// that character's index in bytes (the length of the text when the end came too soon). A text
// longer than kLongueurMax is refused as such.
bool CompileFormule(const std::string& texte, TableVariables& table, FormuleCompilee& resultat,
                    std::string& message, std::size_t& position);

// Evaluates a prefix text on the table's values, exactly (a power with an exponent that is not
// whole goes through the nearest double); false with "Variable inconnue", "Division par zéro",
// "Opérateur inconnu" or "Résultat hors limites" (a value too large to be held exactly).
bool EvalueFormule(const std::string& prefixe, const TableVariables& table, Rational& resultat,
                   std::string& message);

// The label of a template: each "v<index>" replaced by its variable's value truncated to its
// decimals, or by its text.
std::string EtiquetteModele(const std::string& modele, const TableVariables& table);

// A value written at `decimales` decimals with the system decimal separator, truncated or
// rounded half up ("?" when the scaled value is too large).
std::string EcritTronque(const Rational& valeur, int decimales);
std::string EcritArrondi(const Rational& valeur, int decimales);
// The value rounded half up or truncated at `decimales` decimals; unchanged when too large.
Rational Arrondi(const Rational& valeur, int decimales);
Rational Tronque(const Rational& valeur, int decimales);
