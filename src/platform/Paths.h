// Where the program keeps its settings and finds its data.
#pragma once

#include <cstddef>
#include <string>

// $XDG_CONFIG_HOME/vorlane (or ~/.config/vorlane), created on demand by the writers.
std::string ConfigDirectory();
// Overrides the configuration folder (tests, portable runs); an empty text restores the default.
void SetConfigDirectory(const std::string& path);
// The data folder (palette glyphs, pictures, puzzle databases), without a trailing "/":
// $VL_DATA_DIR when set, else the installed folder beside the running program
// (<prefix>/bin/../share/vorlane-math) when it exists, else the source tree's data folder the
// program was built from.
std::string DataDirectory();
// The same choice with its inputs given: `environment` the value of $VL_DATA_DIR (null when
// unset), `program` the running program's path, `installed` the data folder relative to the
// program's folder, `source` the source tree's data folder.
std::string ChooseDataDirectory(const char* environment, const std::string& program,
                                const std::string& installed, const std::string& source);

// Gives the process a private runtime folder when $XDG_RUNTIME_DIR is unset (a batch job, a
// container, su), so the libraries that look for it find one instead of warning; the folder
// is created with mode 0700 in memory (/dev/shm), or else under the temporary folder, and
// removed, with the variable, at the end of the object's life.
class PrivateRuntimeDirectory {
public:
    PrivateRuntimeDirectory();
    ~PrivateRuntimeDirectory();
    PrivateRuntimeDirectory(const PrivateRuntimeDirectory&) = delete;
    PrivateRuntimeDirectory& operator=(const PrivateRuntimeDirectory&) = delete;

private:
    std::string created_;
};

// Creates a folder and its parents; false when it cannot.
bool MakeDirectories(const std::string& path);
// The largest input file read, so that a wrong file cannot take all the memory.
constexpr std::size_t kMaxInputBytes = std::size_t(64) << 20;
// Reads a whole regular file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& contents);
// The same with the French reason of a refusal: missing or unreadable, not a regular file (a
// folder, a pipe, a device: never waited on), or larger than `limit` bytes.
bool ReadInputFile(const std::string& path, std::string& contents, std::string& error,
                   std::size_t limit = kMaxInputBytes);
// Reads standard input to its end, refused beyond `limit` bytes.
bool ReadStandardInput(std::string& contents, std::string& error,
                       std::size_t limit = kMaxInputBytes);
// Writes a file through a temporary file renamed over the old one, so a failed write never
// leaves a half-written file; false when it fails. A link is written through: its target is
// replaced and the link stays. A path that is there and is not a regular file (a folder, a
// device, a pipe) is refused and left as it is.
bool WriteFileAtomically(const std::string& path, const std::string& contents);
