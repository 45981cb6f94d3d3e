// The machine-wide settings store, kept as an ini file (registre.ini) in the configuration
// folder: each key path is a section. A read or write that cannot be done says why in a
// message the caller can show; nothing throws.
#pragma once

#include <memory>
#include <optional>
#include <string>

class TIniFile;

class TRegistry {
public:
    enum Access { KEY_READ = 1, KEY_ALL_ACCESS = 3 };

    explicit TRegistry(Access access = KEY_ALL_ACCESS);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Opens a key; when it does not exist, creates it only if canCreate. False when the key
    // cannot be opened.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    bool ValueExists(const std::string& name) const;
    // The value, or nothing with the reason in `message` when no key is open or the value is
    // missing or not a number.
    std::optional<int> ReadInteger(const std::string& name, std::string& message) const;
    // False with the reason in `message` when no key is open, the access is read-only or the
    // file cannot be written.
    bool WriteInteger(const std::string& name, int value, std::string& message);

    // The file behind the registry: ConfigDirectory() + "/registre.ini".
    static std::string FileName();

private:
    Access access_;
    std::string key_;
    std::unique_ptr<TIniFile> file_;
};
