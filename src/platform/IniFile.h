// A settings file of [sections] and key=value lines, UTF-8. Reads fall back to the default the
// caller gives; writes are kept in memory and written out by UpdateFile or on destruction.
//
// Format: section and key names are case-sensitive; the first occurrence of a key in a section
// wins; a value is the raw text after the first '=' up to the line end (a CR before LF is
// dropped), blanks included. Blanks around a key name are ignored. Lines starting with ';' or
// '#' are comments: they are read past and not kept when the file is rewritten. Line breaks
// cannot be stored in a value: WriteString turns them into blanks. Key names must not hold
// '=' or line breaks, section names neither ']' nor line breaks.
#pragma once

#include <map>
#include <string>
#include <vector>

class TIniFile {
public:
    explicit TIniFile(std::string path);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // A value that is not a whole number gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // "0" is false, any other whole number true; anything else gives the default.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    bool SectionExists(const std::string& section) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& v);
    void WriteInteger(const std::string& section, const std::string& key, int v);
    void WriteBool(const std::string& section, const std::string& key, bool v);
    void EraseSection(const std::string& section);
    // Adds an empty section unless it exists.
    void CreateSection(const std::string& section);

    // Writes pending changes, creating the folder if need be; false when the file cannot be
    // written (changes stay pending).
    bool UpdateFile();
    // Reads the file again, dropping pending changes.
    void Reload();

    // A whole number as the Read methods accept it: blanks around, an optional sign, then
    // decimal digits or "0x" and hexadecimal digits, within the range of int.
    static bool ParseInteger(const std::string& text, int& value);

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
    };
    const Section* find(const std::string& section) const;
    Section& findOrAdd(const std::string& section);

    std::string path_;
    std::vector<Section> sections_;
    bool dirty_ = false;
};
