// Shared by the tests of the host and its kinds: settings applied as "Key=value" texts, and the
// data folder and the ini file pointed into a fresh folder while an object lives.
#pragma once

#include "host/Composant.h"
#include "host/Services.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Applies "Key=value" settings in order; each must be taken.
inline void Regle(TComposant& c, std::initializer_list<std::string> reglages) {
    for (const std::string& r : reglages) {
        const std::size_t egal = r.find('=');
        std::string message;
        if (!c.ChangeOption(r.substr(egal + 1), r.substr(0, egal), message))
            ADD_FAILURE() << r << " refused: " << message;
    }
}

inline std::vector<std::uint8_t> OptionBytes(TComposant& c) {
    int taille = 0;
    const auto* bloc = static_cast<const std::uint8_t*>(c.Options(taille));
    return {bloc, bloc + taille};
}

// "Key=value" settings that must each be refused with a message, leaving the options block
// and the frame as they were.
inline void Refuse(TComposant& c, std::initializer_list<std::string> reglages) {
    const std::vector<std::uint8_t> avant = OptionBytes(c);
    const vlRect rect = c.Rect;
    for (const std::string& r : reglages) {
        const std::size_t egal = r.find('=');
        std::string message;
        EXPECT_FALSE(c.ChangeOption(r.substr(egal + 1), r.substr(0, egal), message)) << r;
        EXPECT_FALSE(message.empty()) << r;
        EXPECT_EQ(OptionBytes(c), avant) << r;
        EXPECT_EQ(c.Rect, rect) << r;
    }
}

class ScopedDataFolder {
public:
    ScopedDataFolder() : previous_(PathDonnees()) { PathDonnees() = folder_.path() + "/"; }
    ~ScopedDataFolder() { PathDonnees() = previous_; }
    ScopedDataFolder(const ScopedDataFolder&) = delete;
    ScopedDataFolder& operator=(const ScopedDataFolder&) = delete;
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
    std::string previous_;
};

class ScopedIniFile {
public:
    ScopedIniFile() : previous_(FichIni()) { FichIni() = folder_.file("vorlane.ini"); }
    ~ScopedIniFile() { FichIni() = previous_; }
    ScopedIniFile(const ScopedIniFile&) = delete;
    ScopedIniFile& operator=(const ScopedIniFile&) = delete;

private:
    TempFolder folder_;
    std::string previous_;
};
