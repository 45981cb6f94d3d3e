// The ready-made sheets shipped with the data: one sheet text a file in the "modeles" folder,
// named after its level and topic ("ce1-heures.txt"), its first line saying what it gives
// ("# Description : Lire et dessiner l'heure…").
#pragma once

#include <string>
#include <vector>

struct SheetModel {
    std::string name;        // "ce1-heures"
    std::string level;       // "CE1"
    std::string description; // one line
    std::string path;        // the sheet file
};

// The school levels, in school order: CP, CE1, CE2, CM1, CM2.
const std::vector<std::string>& ModelLevels();

// The folder of the ready-made sheets: PathDonnees() + "modeles/".
std::string ModelsFolder();

// The "*.txt" sheets of `folder`, sorted by level then name. A file whose name does not start
// with a level ("cm1-") or whose first line is not a description is left out.
std::vector<SheetModel> ListModels(const std::string& folder);

// The model of that name; false with a French message naming the command that lists them.
bool FindModel(const std::vector<SheetModel>& models, const std::string& name, SheetModel& found,
               std::string& message);

// Whether a sheet argument of the command line is "modele:NAME"; `name` is then NAME.
bool IsModelArgument(const std::string& argument, std::string& name);
