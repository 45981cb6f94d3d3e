// Where the program keeps its settings and finds its data.
#pragma once

#include <string>

// $XDG_CONFIG_HOME/vorlane (or ~/.config/vorlane), created on demand by the writers.
std::string ConfigDirectory();
// Overrides the configuration folder (tests, portable runs); an empty text restores the default.
void SetConfigDirectory(const std::string& path);
// Creates a folder and its parents; false when it cannot.
bool MakeDirectories(const std::string& path);
// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& contents);
// Writes a file through a temporary file renamed over the old one, so a failed write never
// leaves a half-written file; false when it fails.
bool WriteFileAtomically(const std::string& path, const std::string& contents);
