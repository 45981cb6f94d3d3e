// The points of a connect-the-dots component and the settings its series generator and points
// editor keep with them, saved after the options block in this order: formula, result decimals,
// grid steps, model picture, fill settings, variables, points.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TStream;

// A point: its place as fractions of the drawing (negative when not placed) and its two texts.
struct PointRelier {
    double x = 0;
    double y = 0;
    std::string Etiquette; // shown in the exercise
    std::string Reponse;   // shown in the corrected version
    bool Place() const { return x >= 0 && y >= 0; }
    bool operator==(const PointRelier&) const = default;
};

// How a variable of the generator's formula behaves from one value to the next.
enum : std::int16_t {
    COMPORTEMENT_CONSTANT = 0,
    COMPORTEMENT_ALEATOIRE = 1,
    COMPORTEMENT_PASSAGE = 2
};

// A variable's settings, kept under its name.
struct VariableSerie {
    std::string Nom;
    std::string Passage;        // the passage formula as typed
    std::string PassageCompile; // its prefix form; empty unless the behaviour is a passage formula
    double Maximum = 0;
    double Minimum = 0;
    std::int16_t Comportement = COMPORTEMENT_CONSTANT;
    double Initiale = 0;
    std::int16_t Decimales = 0;
    bool operator==(const VariableSerie&) const = default;
};

// Order of the generated pairs.
enum : std::int16_t { TRI_AUCUN = 0, TRI_CROISSANT = 1, TRI_DECROISSANT = 2 };

struct JeuPoints {
    static constexpr int kMaxPoints = 100;
    static constexpr int kMaxVariables = 100;
    static constexpr int kMaxDecimales = 5;
    static constexpr int kMaxPas = 100; // grid step in millimetres
    static constexpr double kMaxBorne = 1e9;

    std::string Formule;
    std::int16_t DecimalesResultat = 0;
    std::int32_t PasX = 0; // millimetres, 0 no grid
    std::int32_t PasY = 0;
    std::string Image; // the editor's model picture
    bool SupprimerIdentiques = true;
    bool SeLimiter = false; // as many pairs as placed points
    std::int16_t Tri = TRI_CROISSANT;
    bool SupprimerInferieurs = false;
    bool SupprimerSuperieurs = false;
    double BorneInferieure = 0;
    double BorneSuperieure = 0;
    std::vector<VariableSerie> Variables;
    std::vector<PointRelier> Points;

    bool operator==(const JeuPoints&) const = default;
};

bool SauveJeuPoints(TStream& s, const JeuPoints& jeu);
// Reads into `jeu` field by field, each checked against its range; stops at the first failure,
// the element being read reset to empty texts and zero numbers and what was read before kept.
bool ChargeJeuPoints(TStream& s, JeuPoints& jeu);
