// Points the configuration folder and ini file at a scratch folder; restores the package settings.
#pragma once

#include "host/Services.h"
#include "operation/Operation.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/TempFolder.h"

#include <cstdint>
#include <string>

class SavedSettings {
public:
    SavedSettings()
        : multChiffresMax_(TvlOperation::MultChiffresMax), infoMult_(TvlOperation::InfoMult),
          regPath_(RegPath()), fichIni_(FichIni()) {
        TvlOperation::MultChiffresMax = 6;
        TvlOperation::InfoMult = 0;
        RegPath() = "Software/Vorlane";
        FichIni() = config_.folder().file("vorlane.ini");
    }
    ~SavedSettings() {
        TvlOperation::MultChiffresMax = multChiffresMax_;
        TvlOperation::InfoMult = infoMult_;
        RegPath() = regPath_;
        FichIni() = fichIni_;
    }
    SavedSettings(const SavedSettings&) = delete;
    SavedSettings& operator=(const SavedSettings&) = delete;

    const TempFolder& folder() const { return config_.folder(); }

private:
    std::int32_t multChiffresMax_;
    std::int32_t infoMult_;
    std::string regPath_;
    std::string fichIni_;
    ScopedConfigDirectory config_;
};

// Creates the host's key (RegPath(), a plain section name) with the value "MultChiffresMax".
inline void PutRegistryValue(const std::string& value) {
    TIniFile file(TRegistry::FileName());
    file.WriteString(RegPath(), "MultChiffresMax", value);
    file.UpdateFile();
}

// Creates the host's key without values.
inline void PutRegistryKey() {
    TRegistry registry;
    registry.OpenKey(RegPath(), true);
}

// The stored value, or "" when there is none.
inline std::string RegistryValue() {
    const TIniFile file(TRegistry::FileName());
    return file.ReadString(RegPath(), "MultChiffresMax", "");
}
