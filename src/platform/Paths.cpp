#include "platform/Paths.h"

#include "platform/FileDescriptor.h"
#include "platform/StagedFiles.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex overrideMutex;
std::string configOverride; // guarded by overrideMutex

std::string homeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return ".";
}

constexpr const char* kStandardInput = "l'entrée standard";

std::string tooLarge(const std::string& name, std::size_t limit) {
    const char* const large = name == kStandardInput ? " est trop grosse (" : " est trop gros (";
    return name + large + std::to_string(limit >> 20) + " Mo au plus)";
}

bool readToEnd(int fd, const std::string& name, std::string& contents, std::string& error,
               std::size_t limit) {
    std::string result;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = "impossible de lire " + name;
            return false;
        }
        if (got == 0)
            break;
        if (result.size() + std::size_t(got) > limit) {
            error = tooLarge(name, limit);
            return false;
        }
        result.append(buffer, std::size_t(got));
    }
    contents = std::move(result);
    return true;
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
    // In memory first, where a session's runtime folder is: making and removing a folder there
    // writes nothing to a disk (removing one on a disk discards its block at once, on some
    // file systems). Else the temporary folder.
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    for (const std::filesystem::path& parent : {std::filesystem::path("/dev/shm"), temporary}) {
        if (parent.empty())
            continue;
        std::string pattern = (parent / "vorlane-runtime-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) // mkdtemp gives mode 0700
            continue;
        created_ = pattern;
        ::setenv("XDG_RUNTIME_DIR", created_.c_str(), 1);
        return;
    }
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
    std::string ignored;
    return ReadInputFile(path, contents, ignored);
}

// Opening without waiting: a pipe opened for reading would wait for a writer forever, so the
// file is opened non-blocking, refused unless regular, and then read normally.
bool ReadInputFile(const std::string& path, std::string& contents, std::string& error,
                   std::size_t limit) {
    const std::string name = "«\u00A0" + path + "\u00A0»";
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
        error =
            "impossible de lire " + name + (errno == ENOENT ? "\u00A0: fichier introuvable" : "");
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = name + " n'est pas un fichier ordinaire";
        return false;
    }
    if (std::size_t(info.st_size) > limit) {
        error = tooLarge(name, limit);
        return false;
    }
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    return readToEnd(fd.get(), name, contents, error, limit);
}

bool ReadStandardInput(std::string& contents, std::string& error, std::size_t limit) {
    return readToEnd(STDIN_FILENO, kStandardInput, contents, error, limit);
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
    StagedFiles files;
    std::string error;
    const int index = files.Stage(path, error);
    return index >= 0 && WriteAll(files.Descriptor(index), contents) && files.Commit(error);
}
