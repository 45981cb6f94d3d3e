#include "platform/IniFile.h"

#include "platform/Paths.h"
#include "platform/Text.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <string_view>
#include <utility>

namespace {

std::string withoutLineBreaks(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

} // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
    Reload();
}

TIniFile::~TIniFile() {
    if (!dirty_)
        return;
    try {
        UpdateFile();
    } catch (...) {
        // A destructor cannot report a failed save; the caller wanting to know calls UpdateFile.
    }
}

bool TIniFile::ParseInteger(const std::string& text, int& value) {
    const auto v = ::ParseInteger(Trim(text), std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max(), {.plus = true, .hex = true});
    if (!v)
        return false;
    value = int(*v);
    return true;
}

const TIniFile::Section* TIniFile::find(const std::string& section) const {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section& s) { return s.name == section; });
    return found == sections_.end() ? nullptr : &*found;
}

TIniFile::Section& TIniFile::findOrAdd(const std::string& section) {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section& s) { return s.name == section; });
    if (found != sections_.end())
        return *found;
    sections_.push_back({section, {}});
    return sections_.back();
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
    const Section* s = find(section);
    if (s == nullptr)
        return def;
    for (const auto& [name, value] : s->values)
        if (name == key)
            return value;
    return def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    int value = 0;
    return ParseInteger(ReadString(section, key, ""), value) ? value : def;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    int value = 0;
    return ParseInteger(ReadString(section, key, ""), value) ? value != 0 : def;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
    const Section* s = find(section);
    if (s == nullptr)
        return false;
    return std::any_of(s->values.begin(), s->values.end(),
                       [&](const auto& entry) { return entry.first == key; });
}

bool TIniFile::SectionExists(const std::string& section) const {
    return find(section) != nullptr;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& v) {
    Section& s = findOrAdd(section);
    dirty_ = true;
    for (auto& [name, value] : s.values) {
        if (name == key) {
            value = withoutLineBreaks(v);
            return;
        }
    }
    s.values.emplace_back(key, withoutLineBreaks(v));
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int v) {
    WriteString(section, key, std::to_string(v));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool v) {
    WriteString(section, key, v ? "1" : "0");
}

void TIniFile::EraseSection(const std::string& section) {
    const auto erased =
        std::erase_if(sections_, [&](const Section& s) { return s.name == section; });
    if (erased != 0)
        dirty_ = true;
}

void TIniFile::CreateSection(const std::string& section) {
    if (find(section) != nullptr)
        return;
    sections_.push_back({section, {}});
    dirty_ = true;
}

bool TIniFile::UpdateFile() {
    if (!dirty_)
        return true;
    std::string text;
    for (const Section& s : sections_) {
        if (!text.empty())
            text += '\n';
        text += '[' + s.name + "]\n";
        for (const auto& [name, value] : s.values)
            text += name + '=' + value + '\n';
    }
    const std::string folder = std::filesystem::path(path_).parent_path().string();
    if (!folder.empty())
        MakeDirectories(folder);
    if (!WriteFileAtomically(path_, text))
        return false;
    dirty_ = false;
    return true;
}

// Keys met before any section have nowhere to go and are skipped, as are lines that are
// neither a section, a key nor a comment.
void TIniFile::Reload() {
    sections_.clear();
    dirty_ = false;
    std::string text;
    if (!ReadWholeFile(path_, text))
        return;
    std::string_view rest = text;
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    Section* current = nullptr;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
            continue;
        if (trimmed.front() == '[' && trimmed.back() == ']' && trimmed.size() >= 2) {
            current = &findOrAdd(std::string(trimmed.substr(1, trimmed.size() - 2)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos)
            continue;
        const std::string key(Trim(line.substr(0, equals)));
        if (key.empty())
            continue;
        const bool known = std::any_of(current->values.begin(), current->values.end(),
                                       [&](const auto& entry) { return entry.first == key; });
        if (!known)
            current->values.emplace_back(key, std::string(line.substr(equals + 1)));
    }
}
