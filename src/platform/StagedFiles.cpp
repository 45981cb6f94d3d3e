#include "platform/StagedFiles.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <string_view>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporaries of every StagedFiles alive, for the thread that removes them on a signal, and
// how many runs are putting their files in place (a signal then waits for the run to end).
struct PendingTemporaries {
    std::mutex mutex;
    std::set<std::string> paths;
    int committing = 0;
};

PendingTemporaries& pending() {
    static PendingTemporaries temporaries;
    return temporaries;
}

void remember(const std::string& temporary) {
    const std::lock_guard lock(pending().mutex);
    pending().paths.insert(temporary);
}

void forget(const std::string& temporary) {
    const std::lock_guard lock(pending().mutex);
    pending().paths.erase(temporary);
}

void countCommit(int change) {
    const std::lock_guard lock(pending().mutex);
    pending().committing += change;
}

// Temporaries are hidden files named after the process that writes them, short whatever the
// target's name, so that a later run can tell those of a process that died.
constexpr std::string_view kTemporaryPrefix = ".vl-";
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string folderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

// The process that wrote a temporary, from its name; 0 for any other file.
pid_t writerOf(const std::string& name) {
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return 0;
    long long pid = 0;
    const char* begin = name.data() + kTemporaryPrefix.size();
    const auto [end, error] = std::from_chars(begin, name.data() + name.size(), pid);
    return error == std::errc() && *end == '-' && pid > 0 && pid <= INT_MAX ? pid_t(pid) : 0;
}

// Removes the temporaries that processes now dead left in the folder (killed before they could
// clean up), our own files only.
void removeStaleTemporaries(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const pid_t writer = writerOf(entry.path().filename().string());
        if (writer == 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH)
            continue;
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid())
            ::unlink(entry.path().c_str());
    }
}

// Creates the temporary file beside the target under a fresh name, as mkstemp does but with
// the usual creation mode: O_EXCL refuses any name already there, a planted link included, so a
// save never writes through a file someone else put in its way. -1 when it cannot.
int createTemporary(const std::string& target, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    std::random_device entropy;
    const std::filesystem::path folder = folderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++) + "-" +
                                 std::to_string(entropy() % 1000000) +
                                 std::string(kTemporarySuffix);
        temporary = (folder / name).string();
        const int fd =
            ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A link someone else may have planted: in a sticky folder anyone may write to (/tmp), a link
// owned by neither the folder's owner nor us is not followed, as the kernel's protected links
// rule has it.
bool plantedLink(const std::filesystem::path& link) {
    struct stat folder {};
    struct stat info {};
    if (::stat(folderOf(link.string()).c_str(), &folder) != 0 || ::lstat(link.c_str(), &info) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && info.st_uid != folder.st_uid && info.st_uid != ::geteuid();
}

// The file a save replaces: a link's target, even one not created yet, so that the link stays
// a link. A chain of links is followed as far as the system itself would.
// Empty when a link on the way is one not to follow.
std::string fileBehind(const std::string& path) {
    std::filesystem::path current = path;
    std::error_code error;
    for (int depth = 0; depth < 40 && std::filesystem::is_symlink(current, error); ++depth) {
        if (plantedLink(current))
            return {};
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

// Makes the renames themselves durable; a failure here does not undo the write.
void syncFolderOf(const std::string& path) {
    const FileDescriptor fd(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

std::string inQuotes(const std::string& path) {
    return "«\u00A0" + path + "\u00A0»";
}

} // namespace

bool WriteStagedFile(const std::string& path, const std::string& contents, const std::string& input,
                     const std::string& refus, std::string& message) {
    StagedFiles outputs;
    if (!input.empty())
        outputs.ProtectInput(input);
    const int index = outputs.Stage(path, message);
    if (index < 0)
        return false;
    if (!WriteAll(outputs.Descriptor(index), contents)) {
        message = refus;
        return false;
    }
    return outputs.Commit(message);
}

bool WriteAll(int fd, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= std::size_t(written);
    }
    return true;
}

StagedFiles::~StagedFiles() {
    Discard();
}

void StagedFiles::ProtectInput(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        inputs_.push_back(
            {static_cast<unsigned long>(info.st_dev), static_cast<unsigned long>(info.st_ino)});
}

// Fills the file's target and the permissions it keeps; false with the reason a target is not
// replaced. `self` is the file's own index among the staged ones (or their count for a new one).
bool StagedFiles::check(const std::string& path, File& file, std::size_t self,
                        std::string& error) const {
    if (path.empty()) {
        error = "Impossible d'écrire un fichier sans nom";
        return false;
    }
    const std::string target = fileBehind(path);
    if (target.empty()) {
        error =
            inQuotes(path) +
            " est un lien d'un autre utilisateur dans un dossier partagé\u00A0: il n'est pas suivi";
        return false;
    }
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        error = "Impossible d'écrire le fichier " + inQuotes(path);
        return false;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        error = inQuotes(path) +
                " existe et n'est pas un fichier ordinaire\u00A0: il n'est pas remplacé";
        return false;
    }
    file.path = path;
    file.target = target;
    std::error_code ignored;
    file.resolved = std::filesystem::weakly_canonical(target, ignored).string();
    file.exists = exists;
    file.identity = {static_cast<unsigned long>(info.st_dev),
                     static_cast<unsigned long>(info.st_ino)};
    file.mode = exists ? unsigned(info.st_mode & 07777) : 0;
    file.owner = info.st_uid;
    file.group = info.st_gid;
    if (exists && std::find(inputs_.begin(), inputs_.end(), file.identity) != inputs_.end()) {
        error =
            inQuotes(path) + " est aussi une entrée de la commande\u00A0: il n'est pas remplacé";
        return false;
    }
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (i != self && files_[i].sameTarget(file)) {
            error = inQuotes(path) + " serait écrit deux fois par la même commande";
            return false;
        }
    }
    return true;
}

int StagedFiles::Stage(const std::string& path, std::string& error) {
    File file;
    if (!check(path, file, files_.size(), error))
        return -1;
    if (const std::string folder = folderOf(file.target); cleaned_.insert(folder).second)
        removeStaleTemporaries(folder);
    file.fd = FileDescriptor(createTemporary(file.target, file.temporary));
    if (!file.fd.valid()) {
        error = "Impossible d'écrire le fichier " + inQuotes(path) +
                (errno == EMFILE || errno == ENFILE ? "\u00A0: trop de fichiers ouverts" : "");
        return -1;
    }
    remember(file.temporary);
    files_.push_back(std::move(file));
    return int(files_.size()) - 1;
}

bool StagedFiles::Retarget(int index, const std::string& path, std::string& error) {
    File& file = files_.at(std::size_t(index));
    File checked;
    if (!check(path, checked, std::size_t(index), error))
        return false;
    if (std::filesystem::path(checked.target).parent_path() !=
        std::filesystem::path(file.target).parent_path()) {
        error = "Impossible d'écrire le fichier " + inQuotes(path);
        return false;
    }
    file.path = checked.path;
    file.target = checked.target;
    file.resolved = checked.resolved;
    file.exists = checked.exists;
    file.identity = checked.identity;
    file.mode = checked.mode;
    file.owner = checked.owner;
    file.group = checked.group;
    return true;
}

// Writes the file's bytes out and closes it; a file already closed was written out then.
bool StagedFiles::writeOut(File& file) {
    if (!file.fd.valid())
        return true;
    return ::fsync(file.fd.get()) == 0 && file.fd.close();
}

bool StagedFiles::Seal(int index, std::string& error) {
    File& file = files_.at(std::size_t(index));
    if (writeOut(file))
        return true;
    error = "Impossible d'écrire le fichier " + inQuotes(file.path);
    return false;
}

bool StagedFiles::Commit(std::string& error) {
    for (File& file : files_) {
        if (!writeOut(file)) {
            error = "Impossible d'écrire le fichier " + inQuotes(file.path);
            Discard();
            return false;
        }
        // A replaced file keeps its owner where we may give it, and its permissions.
        if (file.exists) {
            if (::chown(file.temporary.c_str(), file.owner, file.group) != 0)
                ::chown(file.temporary.c_str(), uid_t(-1), file.group);
            ::chmod(file.temporary.c_str(), mode_t(file.mode));
        }
    }
    // From the first rename on, a signal waits for the commit to end: the run completes.
    countCommit(+1);
    for (File& file : files_) {
        if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
            countCommit(-1);
            error = "Impossible d'écrire le fichier " + inQuotes(file.path);
            Discard();
            return false;
        }
        forget(file.temporary);
        file.temporary.clear();
    }
    for (const std::string& path : obsolete_)
        if (::unlink(path.c_str()) == 0)
            removed_.push_back(path);
    countCommit(-1);
    for (const File& file : files_)
        syncFolderOf(file.target);
    return true;
}

void StagedFiles::RemoveOnCommit(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    const Identity identity{static_cast<unsigned long>(info.st_dev),
                            static_cast<unsigned long>(info.st_ino)};
    if (std::find(inputs_.begin(), inputs_.end(), identity) == inputs_.end())
        obsolete_.push_back(path);
}

void StagedFiles::Discard() {
    for (File& file : files_) {
        file.fd.close();
        if (file.temporary.empty())
            continue;
        ::unlink(file.temporary.c_str());
        forget(file.temporary);
        file.temporary.clear();
    }
}

void RemoveTemporariesOnSignal() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, signal);
    if (::pthread_sigmask(SIG_BLOCK, &signals, nullptr) != 0)
        return;
    std::thread([signals] {
        for (;;) {
            int received = 0;
            if (::sigwait(&signals, &received) != 0)
                return;
            std::lock_guard lock(pending().mutex);
            if (pending().committing > 0)
                continue; // the files are being put in place: the run ends normally
            for (const std::string& temporary : pending().paths)
                ::unlink(temporary.c_str());
            ::_exit(128 + received);
        }
    }).detach();
}
