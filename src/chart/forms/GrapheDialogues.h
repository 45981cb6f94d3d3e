// What the chart data editor's five dialogs edit: the tools' settings, a column count, the
// current series' import links with the document's grids to choose from, and the series' order
// and visibility. Each dialog is shown through the user-interface service under its name.
#pragma once

#include "chart/EditionGraphe.h"

#include <cstdint>
#include <string>
#include <vector>

struct ModeleAleatoire : TFormModel {
    static constexpr const char* Nom = "GrapheAleatoire";
    ReglagesAleatoires reglages;
};

struct ModeleSuite : TFormModel {
    static constexpr const char* Nom = "GrapheSuites";
    ReglagesSuite reglages;
};

struct ModeleTaille : TFormModel {
    static constexpr const char* Nom = "GrapheTaille";
    int colonnes = 1;
};

// A grid component of the document, as the import dialog offers it.
struct GrilleSource {
    std::string nom;
    std::uint64_t id = 0;
};

struct ModeleImport : TFormModel {
    static constexpr const char* Nom = "GrapheImport";
    LienImport lien{};
    std::vector<GrilleSource> grilles;
};

// The series in their current order; OK leaves `ordre` (ordre[i]: the series going to place i)
// and `visibles` (by the series' current index).
struct ModeleOrdre : TFormModel {
    static constexpr const char* Nom = "GrapheOrdre";
    std::vector<std::string> noms;
    std::vector<bool> visibles;
    std::vector<int> ordre;
};
