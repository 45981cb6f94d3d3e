// A sheet description: a UTF-8 text of [sections] and "key = value" lines. A section named
// "Page" starts a page; every other section creates one component of the kind it names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct SheetEntry {
    int line = 0;
    std::string key;
    std::string value;
};

struct SheetSection {
    int line = 0;
    std::string name;
    std::vector<SheetEntry> entries;
};

struct Sheet {
    // A sheet holds at most this many sections, pages and components together: what a class
    // prints is far below, and the work of a build stays bounded.
    static constexpr std::size_t kMaxSections = 20000;
    std::string fileName;
    std::vector<SheetSection> sections;
};

// Parses a sheet. Blank lines are ignored; "#" at the start of a line, or after a blank,
// starts a comment. A value between double quotes is taken as it is written, blanks and "#"
// included, with \" for a quote, \\ for a backslash and \n for a line break. On error returns
// false with "FILE:LINE: message".
bool ParseSheet(const std::string& text, const std::string& fileName, Sheet& sheet,
                std::string& error);

// "FILE:LINE: message", each text the message quotes (between « » or double quotes) as
// Citation gives it, and the whole message bounded.
std::string SheetError(const std::string& fileName, int line, const std::string& message);

// A text from a sheet as a message quotes it: at most 80 characters, then "…"; control bytes
// and bytes that are not UTF-8 written as \xNN.
std::string Citation(std::string_view text);

// A value as a sheet line writes it so that ParseSheet gives it back unchanged: as it is when it
// can be, else between double quotes.
std::string SheetValue(std::string_view value);
