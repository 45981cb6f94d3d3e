#include "Sheet.h"

#include "platform/Text.h"

#include <string_view>

namespace {

// Removes a comment: "#" at the start or after a blank.
std::string_view stripComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    }
    return line;
}

} // namespace

std::string SheetError(const std::string& fileName, int line, const std::string& message) {
    return fileName + ":" + std::to_string(line) + ": " + message;
}

bool ParseSheet(const std::string& text, const std::string& fileName, Sheet& sheet,
                std::string& error) {
    sheet = Sheet{};
    sheet.fileName = fileName;
    std::string_view rest(text);
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    int number = 0;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view raw = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const std::string_view line = Trim(stripComment(raw));
        if (line.empty())
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) {
                error = SheetError(fileName, number,
                                   "en-tête de section mal formé « " + std::string(line) + " »");
                return false;
            }
            sheet.sections.push_back(
                {number, std::string(Trim(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        const auto equal = line.find('=');
        if (equal == std::string_view::npos) {
            error =
                SheetError(fileName, number, "ligne sans « = » : « " + std::string(line) + " »");
            return false;
        }
        if (sheet.sections.empty()) {
            error = SheetError(fileName, number, "clé hors de toute section");
            return false;
        }
        const std::string key(Trim(line.substr(0, equal)));
        if (key.empty()) {
            error = SheetError(fileName, number, "clé vide");
            return false;
        }
        sheet.sections.back().entries.push_back(
            {number, key, std::string(Trim(line.substr(equal + 1)))});
    }
    return true;
}
