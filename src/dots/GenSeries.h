// The series generator's logic: a formula over variables, each constant, random or given by a
// passage formula, evaluated 300 times; the results rounded, filtered, sorted and paired with
// their labels. Its dialog shows and forwards; sheets use it directly.
#pragma once

#include "dots/Formule.h"
#include "dots/JeuPoints.h"
#include "platform/UserInterface.h"

#include <string>
#include <vector>

struct PaireSerie {
    std::string Etiquette;
    std::string Reponse;
    Rational Valeur; // the answer as a number, for sorting and filtering
};

class GenSeries : public TFormModel {
public:
    static constexpr int kEvaluations = 300;

    // Works on a copy of the point set's formula, result decimals, fill settings and variables;
    // `pointsAffiches` is how many points the editor shows.
    GenSeries(const JeuPoints& jeu, int pointsAffiches);

    JeuPoints Reglages; // the generator's items of the point set, edited by the dialog

    // Compiles the formula and the passage formulas of its variables: true, the variables'
    // names listed; false with the syntax message (title "ERREUR") and where it stopped.
    bool Definir(std::string& message, std::size_t& position);
    // The formulas' variable names in order of first appearance (after a successful Definir).
    const std::vector<std::string>& Variables() const { return noms_; }
    // The settings kept under a name, or new settings for it.
    VariableSerie Definition(const std::string& nom) const;
    // Keeps a variable's settings under its name, its passage formula compiled: false with the
    // syntax message.
    bool Valider(VariableSerie v, std::string& message);

    // The 300 evaluations, filtered, sorted and limited: false with a message and its box title
    // ("PROBLEME", "ERREUR", "ERREUR DE CALCUL"), or false without a message when there is no
    // formula.
    bool Calculer(std::vector<PaireSerie>& paires, std::string& message, std::string& titre);

    static const std::vector<std::string>& Predefinies();
    // Fills the formula and its variables from a predefined entry ("aucune" changes nothing);
    // false for an unknown name.
    bool ChoisitPredefinie(const std::string& nom);

    // "&Fermer": the point set takes the formula, decimals, fill settings and the settings of
    // the variables listed for the current formula, in that order.
    void Fermer(JeuPoints& jeu);

    // The pairs the result window accepted ("Appliquer"), for the editor's grid.
    std::vector<PaireSerie> Resultat;
    bool Applique = false;

private:
    bool construitTable(std::string& message, std::size_t& position);
    void initialise();
    bool avance(std::string& message);
    Rational tire(const VariableFormule& v) const;
    void prend(VariableFormule& v, const Rational& valeur) const;

    int pointsAffiches_;
    TableVariables table_;
    FormuleCompilee formule_;
    std::vector<std::string> noms_;
};
