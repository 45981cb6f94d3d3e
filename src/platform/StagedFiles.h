// Outputs written under temporary names beside their targets and put in place together, so that
// a run replaces all its outputs or none: a failure half way, or the object's end without a
// commit, removes every temporary and leaves the old files as they were.
//
// A target that exists and is not a regular file (a folder, a device, a pipe) is refused, as is a
// target that is one of the run's inputs (same device and inode) or that another output of the
// run already writes. A link is written through: its target is replaced and the link stays,
// except a link planted by another user in a shared sticky folder, which is refused. A replaced
// file keeps its permissions, and its owner where we may give it.
#pragma once

#include "platform/FileDescriptor.h"

#include <set>
#include <string>
#include <vector>

class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // A file the run reads: no output may replace it.
    void ProtectInput(const std::string& path);
    // Creates the temporary for `path` and gives its index, or -1 with a French message naming
    // the path. Nothing is written to the target before Commit.
    int Stage(const std::string& path, std::string& error);
    // The descriptor to write the staged file through, valid until Commit or Discard.
    int Descriptor(int index) const { return files_.at(std::size_t(index)).fd.get(); }
    // Gives a staged file another target (with the same checks as Stage).
    bool Retarget(int index, const std::string& path, std::string& error);
    // Writes a complete staged file out to the disk and closes it, so that a run of many files
    // holds few open; false with a French message naming it when that fails.
    bool Seal(int index, std::string& error);
    // Puts every staged file in place (keeping a replaced file's permissions); false with a
    // French message when one cannot be. Every file is written out before the first is renamed,
    // so a full disk or an input-output error leaves every target as it was.
    bool Commit(std::string& error);
    // A file of an earlier run that this run's outputs make obsolete (a numbered page beyond the
    // new count): removed, if a regular file and not an input, once every staged file is in place.
    void RemoveOnCommit(const std::string& path);
    // The files the commit removed.
    const std::vector<std::string>& Removed() const { return removed_; }
    // Removes every temporary not yet put in place.
    void Discard();
    // The name a staged file takes, as given.
    const std::string& Path(int index) const { return files_.at(std::size_t(index)).path; }

private:
    struct Identity {
        unsigned long device = 0;
        unsigned long inode = 0;
        bool operator==(const Identity&) const = default;
    };
    struct File {
        std::string path;      // as the user gave it
        std::string target;    // the regular file it replaces (a link's target)
        std::string resolved;  // the target with its folders' links and dots resolved
        std::string temporary; // beside the target
        FileDescriptor fd;
        bool exists = false; // then its identity and the permissions it keeps
        Identity identity;
        unsigned mode = 0;
        unsigned owner = 0;
        unsigned group = 0;
        // Two outputs write the same file: the same existing file, or the same resolved name.
        bool sameTarget(const File& other) const {
            return (exists && other.exists && identity == other.identity) ||
                   resolved == other.resolved;
        }
    };
    bool check(const std::string& path, File& file, std::size_t self, std::string& error) const;
    static bool writeOut(File& file);

    std::vector<Identity> inputs_;
    std::vector<File> files_;
    std::vector<std::string> obsolete_;
    std::vector<std::string> removed_;
    std::set<std::string> cleaned_; // folders cleared of dead runs' temporaries
};

// Writes `contents` to `fd` in full; false on a write error.
bool WriteAll(int fd, const std::string& contents);

// Writes one file through a staged output, never over `input` (when not empty), a pipe or a
// device, and all or nothing; a failed write gives `refus` as the message.
bool WriteStagedFile(const std::string& path, const std::string& contents, const std::string& input,
                     const std::string& refus, std::string& message);

// From here on, SIGINT, SIGTERM and SIGHUP end the process only after removing the temporaries
// of every StagedFiles still alive (exit code 128 + signal). To be called first thing in main,
// before any thread starts, so that every thread leaves these signals to the one that waits.
void RemoveTemporariesOnSignal();
