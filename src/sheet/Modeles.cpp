#include "sheet/Modeles.h"

#include "host/Services.h"
#include "platform/Paths.h"
#include "sheet/Sheet.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace {

constexpr std::string_view kDescription = "# Description :";
constexpr std::string_view kPrefix = "modele:";

// The index of the level a name starts with ("ce2-tables" is CE2), or -1.
int levelOf(const std::string& name) {
    const std::vector<std::string>& levels = ModelLevels();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        // The levels are ASCII capitals, the file names lower case: "CE2" starts "ce2-".
        std::string prefix = levels[i] + "-";
        std::ranges::transform(prefix, prefix.begin(), [](unsigned char c) { return c | 0x20; });
        if (name.starts_with(prefix) && name.size() > prefix.size())
            return int(i);
    }
    return -1;
}

// The text after "# Description :" on the first line, trimmed; empty when there is none.
std::string descriptionOf(const std::string& path) {
    std::string text;
    std::string error;
    if (!ReadInputFile(path, text, error, 1 << 20))
        return {};
    std::string line = text.substr(0, text.find('\n'));
    if (!line.starts_with(kDescription))
        return {};
    line.erase(0, kDescription.size());
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

} // namespace

const std::vector<std::string>& ModelLevels() {
    static const std::vector<std::string> levels{"CP", "CE1", "CE2", "CM1", "CM2"};
    return levels;
}

std::string ModelsFolder() {
    return PathDonnees() + "modeles/";
}

std::vector<SheetModel> ListModels(const std::string& folder) {
    std::vector<std::pair<int, SheetModel>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".txt" || !entry.is_regular_file(ec))
            continue;
        const std::string name = path.stem().string();
        const int level = levelOf(name);
        std::string description = descriptionOf(path.string());
        if (level < 0 || description.empty())
            continue;
        found.push_back(
            {level,
             {name, ModelLevels()[std::size_t(level)], std::move(description), path.string()}});
    }
    std::ranges::sort(found, [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.name < b.second.name;
    });
    std::vector<SheetModel> models;
    for (auto& [level, model] : found)
        models.push_back(std::move(model));
    return models;
}

bool FindModel(const std::vector<SheetModel>& models, const std::string& name, SheetModel& found,
               std::string& message) {
    const auto it = std::ranges::find(models, name, &SheetModel::name);
    if (it == models.end()) {
        message = "modèle inconnu «\u00A0" + Citation(name) +
                  "\u00A0» (voir «\u00A0mathsheet modeles\u00A0» pour la liste)";
        return false;
    }
    found = *it;
    return true;
}

bool IsModelArgument(const std::string& argument, std::string& name) {
    if (!argument.starts_with(kPrefix))
        return false;
    name = argument.substr(kPrefix.size());
    return true;
}
