#include "platform/Registry.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace {

// Backslashes and slashes both separate key names; empty names are dropped, so
// "\Logiciel\\Math\" and "Logiciel/Math" are the same key.
std::string normaliseKey(const std::string& key) {
    std::string result;
    std::string name;
    const auto flush = [&] {
        if (name.empty())
            return;
        if (!result.empty())
            result += '/';
        result += name;
        name.clear();
    };
    for (const char c : key) {
        if (c == '\\' || c == '/')
            flush();
        else
            name += c;
    }
    flush();
    return result;
}

std::string quoted(const std::string& text) {
    return "«\u00A0" + text + "\u00A0»";
}

} // namespace

TRegistry::TRegistry(Access access) : access_(access) {}

TRegistry::~TRegistry() = default;

std::string TRegistry::FileName() {
    return ConfigDirectory() + "/registre.ini";
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    CloseKey();
    const std::string section = normaliseKey(key);
    if (section.empty())
        return false;
    file_ = std::make_unique<TIniFile>(FileName());
    if (file_->SectionExists(section)) {
        key_ = section;
        return true;
    }
    if (!canCreate || access_ == KEY_READ)
        return false;
    file_->CreateSection(section);
    if (!file_->UpdateFile()) {
        file_->Reload();
        return false;
    }
    key_ = section;
    return true;
}

void TRegistry::CloseKey() {
    key_.clear();
    file_.reset();
}

bool TRegistry::ValueExists(const std::string& name) const {
    return file_ != nullptr && !key_.empty() && file_->ValueExists(key_, name);
}

std::optional<int> TRegistry::ReadInteger(const std::string& name, std::string& message) const {
    if (file_ == nullptr || key_.empty()) {
        message = "Aucune clé de registre n'est ouverte pour lire " + quoted(name) + ".";
        return std::nullopt;
    }
    if (!file_->ValueExists(key_, name)) {
        message = "La valeur " + quoted(name) + " de la clé " + quoted(key_) + " n'existe pas.";
        return std::nullopt;
    }
    int value = 0;
    if (!TIniFile::ParseInteger(file_->ReadString(key_, name, ""), value)) {
        message = "La valeur " + quoted(name) + " de la clé " + quoted(key_) +
                  " n'est pas un nombre entier.";
        return std::nullopt;
    }
    return value;
}

// Reads the file again before changing it, so the write does not undo what another registry
// object wrote since this key was opened; the change reaches the disk before returning.
bool TRegistry::WriteInteger(const std::string& name, int value, std::string& message) {
    if (file_ == nullptr || key_.empty()) {
        message = "Aucune clé de registre n'est ouverte pour écrire " + quoted(name) + ".";
        return false;
    }
    if (access_ == KEY_READ) {
        message = "La clé " + quoted(key_) +
                  " est ouverte en lecture seule\u00A0: impossible d'écrire " + quoted(name) + ".";
        return false;
    }
    file_->Reload();
    file_->WriteInteger(key_, name, value);
    if (!file_->UpdateFile()) {
        file_->Reload();
        message = "Impossible d'écrire le fichier " + quoted(file_->FileName()) + ".";
        return false;
    }
    return true;
}
