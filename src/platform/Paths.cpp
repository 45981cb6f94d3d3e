#include "platform/Paths.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex overrideMutex;
std::string configOverride; // guarded by overrideMutex

// Closes a file descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (a delayed write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string homeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return ".";
}

bool writeAll(int fd, const std::string& contents) {
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

// Creates the temporary file beside the target under a fresh name, as mkstemp does but with
// the usual creation mode: O_EXCL refuses any name already there, a planted link included, so a
// save never writes through a file someone else put in its way. -1 when it cannot.
int createTemporary(const std::string& target, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + ".tmp-" + std::to_string(::getpid()) + "-" +
                    std::to_string(counter++) + "-" + std::to_string(entropy() % 1000000);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The file a save replaces: a link's target, even one not created yet, so that the link stays
// a link. A chain of links is followed as far as the system itself would.
std::string fileBehind(const std::string& path) {
    std::filesystem::path current = path;
    std::error_code error;
    for (int depth = 0; depth < 40 && std::filesystem::is_symlink(current, error); ++depth) {
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

// What a save finds in its target's place: nothing yet, or a regular file whose permissions the
// new file keeps. Anything else (a folder, a device, a pipe, a socket, a loop of links) is not
// replaced.
struct Place {
    bool replaceable = false;
    std::optional<mode_t> mode;
};

Place placeOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {errno == ENOENT, std::nullopt};
    if (!S_ISREG(info.st_mode))
        return {};
    return {true, info.st_mode & 07777};
}

// Makes the rename itself durable; a failure here does not undo the write.
void syncFolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

bool writeTemporary(FileDescriptor& fd, std::optional<mode_t> mode, const std::string& contents) {
    if (mode)
        ::fchmod(fd.get(), *mode);
    return writeAll(fd.get(), contents) && ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace

std::string ConfigDirectory() {
    {
        const std::lock_guard lock(overrideMutex);
        if (!configOverride.empty())
            return configOverride;
    }
    // The base folder must be absolute; a relative one is ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/vorlane";
    return homeDirectory() + "/.config/vorlane";
}

std::string ChooseDataDirectory(const char* environment, const std::string& program,
                                const std::string& installed, const std::string& source) {
    if (environment != nullptr && *environment != '\0')
        return environment;
    std::error_code error;
    if (!program.empty() && !installed.empty()) {
        const std::filesystem::path beside =
            (std::filesystem::path(program).parent_path() / installed).lexically_normal();
        if (std::filesystem::is_directory(beside, error))
            return beside.string();
    }
    return source;
}

std::string DataDirectory() {
    std::error_code error;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
#ifdef VL_INSTALLED_DATA_DIR
    const std::string installed = VL_INSTALLED_DATA_DIR;
#else
    const std::string installed;
#endif
#ifdef VL_SOURCE_DATA_DIR
    const std::string source = VL_SOURCE_DATA_DIR;
#else
    const std::string source = "data";
#endif
    return ChooseDataDirectory(std::getenv("VL_DATA_DIR"), program, installed, source);
}

PrivateRuntimeDirectory::PrivateRuntimeDirectory() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return;
    std::error_code error;
    std::string pattern =
        (std::filesystem::temp_directory_path(error) / "vorlane-runtime-XXXXXX").string();
    if (error || ::mkdtemp(pattern.data()) == nullptr) // mkdtemp gives mode 0700
        return;
    created_ = pattern;
    ::setenv("XDG_RUNTIME_DIR", created_.c_str(), 1);
}

PrivateRuntimeDirectory::~PrivateRuntimeDirectory() {
    if (created_.empty())
        return;
    ::unsetenv("XDG_RUNTIME_DIR");
    std::error_code ignored;
    std::filesystem::remove_all(created_, ignored);
}

void SetConfigDirectory(const std::string& path) {
    const std::lock_guard lock(overrideMutex);
    configOverride = path;
}

bool MakeDirectories(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return false;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::string result;
    result.reserve(std::size_t(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        result.append(buffer, std::size_t(got));
    }
    contents = std::move(result);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
    if (path.empty())
        return false;
    const std::string target = fileBehind(path);
    const Place place = placeOf(target);
    if (!place.replaceable)
        return false;
    std::string temporary;
    FileDescriptor fd(createTemporary(target, temporary));
    if (!fd.valid())
        return false;
    if (!writeTemporary(fd, place.mode, contents) ||
        ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(target);
    return true;
}
