// The machine-wide settings store, kept as an ini file (registre.ini) in the configuration
// folder: each key path is a section. Reads of a missing value and failed writes throw
// ERegistryException, as callers expect of the class library's registry.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

class TIniFile;

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    // Throws ERegistryException when no key is open or the value is missing or not a number.
    int ReadInteger(const std::string& name) const;
    // Throws ERegistryException when no key is open, the access is read-only or the file
    // cannot be written.
    void WriteInteger(const std::string& name, int value);

    // The file behind the registry: ConfigDirectory() + "/registre.ini".
    static std::string FileName();

private:
    Access access_;
    std::string key_;
    std::unique_ptr<TIniFile> file_;
};
