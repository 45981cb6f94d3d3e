#include "platform/Paths.h"
#include "platform/StagedFiles.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <vector>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Sets or unsets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(ConfigDirectory, FollowsTheOverrideThenXdgThenHome) {
    const ScopedEnv home("HOME", "/home/maitresse");
    const std::pair<const char*, const char*> cases[] = {
        {"/xdg/conf", "/xdg/conf/vorlane"},
        {nullptr, "/home/maitresse/.config/vorlane"},
        {"relative/conf", "/home/maitresse/.config/vorlane"}};
    for (const auto& [xdg, expected] : cases) {
        const ScopedEnv env("XDG_CONFIG_HOME", xdg);
        SetConfigDirectory("/elsewhere");
        EXPECT_EQ(ConfigDirectory(), "/elsewhere");
        SetConfigDirectory("");
        EXPECT_EQ(ConfigDirectory(), expected);
    }
}

// Folders are made with their parents; a file is written whole in place of the old one,
// keeping its permissions and leaving no temporary behind, or not at all; reading takes every
// byte and refuses what is no file, leaving the contents as they were.
TEST(Files, WriteThenReadEveryByteAndRefuseWhatIsNoFolderOrFile) {
    const TempFolder folder;
    const std::string nested = folder.file("a/b/c");
    EXPECT_TRUE(MakeDirectories(nested) && MakeDirectories(nested));
    EXPECT_TRUE(fs::is_directory(nested));
    const std::string blocker = folder.put("blocker", "untouched");
    for (const std::string& refused : {blocker, blocker + "/sub", std::string()})
        EXPECT_FALSE(MakeDirectories(refused)) << refused;

    const std::string path = folder.file("doc.bin");
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const std::string binary = std::string("a\0b\r\n\xFF", 6) + std::string(300000, 'z');
    ASSERT_TRUE(WriteFileAtomically(path, binary));
    std::string contents;
    ASSERT_TRUE(ReadWholeFile(path, contents));
    EXPECT_EQ(contents, binary);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(ReadWholeFile(folder.file("absent"), contents));
    EXPECT_FALSE(ReadWholeFile(nested, contents));
    EXPECT_EQ(contents, binary);

    for (const std::string& refused : {blocker + "/x", folder.file("missing/x"), std::string()})
        EXPECT_FALSE(WriteFileAtomically(refused, "data")) << refused;
    EXPECT_EQ(ReadBack(blocker), "untouched");
    // A folder or a pipe in the way is refused and stays; a link is written through and stays.
    fs::create_directories(folder.file("target/inside"));
    EXPECT_FALSE(WriteFileAtomically(folder.file("target"), "data"));
    EXPECT_TRUE(fs::is_directory(folder.file("target/inside")));
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(WriteFileAtomically(folder.file("pipe"), "data"));
    EXPECT_TRUE(fs::is_fifo(folder.file("pipe")));
    fs::create_symlink(path, folder.file("link"));
    fs::create_symlink("new.bin", folder.file("dangling"));
    for (const char* link : {"link", "dangling"}) {
        ASSERT_TRUE(WriteFileAtomically(folder.file(link), link));
        EXPECT_TRUE(fs::is_symlink(folder.file(link)));
        EXPECT_EQ(ReadBack(folder.file(link)), link);
    }
    EXPECT_EQ(ReadBack(path), "link");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 8); // no temporary left
}

TEST(DataDirectory, TheEnvironmentThenTheInstalledFolderThenTheSourceTree) {
    const TempFolder prefix;
    const std::string program = prefix.file("bin/vorlane");
    const std::string installed = "../share/vorlane-math";
    EXPECT_EQ(ChooseDataDirectory(nullptr, program, installed, "/src/data"), "/src/data");
    fs::create_directories(prefix.file("share/vorlane-math"));
    EXPECT_EQ(ChooseDataDirectory(nullptr, program, installed, "/src/data"),
              prefix.file("share/vorlane-math"));
    EXPECT_EQ(ChooseDataDirectory("", program, installed, "/src/data"),
              prefix.file("share/vorlane-math"));
    EXPECT_EQ(ChooseDataDirectory("/mine", program, installed, "/src/data"), "/mine");
    const ScopedEnv env("VL_DATA_DIR", "/override");
    EXPECT_EQ(DataDirectory(), "/override");
}

// Without a runtime folder, the process gets a private one (mode 0700, in memory when it can)
// for its time, then neither folder nor variable is left; a folder already given is kept.
TEST(PrivateRuntimeDirectory, MadePrivateForTheRunOnlyWhenNoneIsGiven) {
    std::string made;
    {
        const ScopedEnv unset("XDG_RUNTIME_DIR", nullptr);
        {
            const PrivateRuntimeDirectory runtime;
            ASSERT_NE(std::getenv("XDG_RUNTIME_DIR"), nullptr);
            made = std::getenv("XDG_RUNTIME_DIR");
            EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all);
            if (fs::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0) {
                EXPECT_EQ(fs::path(made).parent_path(), "/dev/shm");
            }
        }
        EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), nullptr);
        EXPECT_FALSE(fs::exists(made));
    }
    const ScopedEnv given("XDG_RUNTIME_DIR", "/run/user/given");
    {
        const PrivateRuntimeDirectory runtime;
        EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/given");
    }
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/given");
}

// Refusals happen before anything is written; an uncommitted run leaves the old files and no
// temporary; a commit puts every file in place under its final name.
TEST(StagedFiles, RefuseInputsAndNonFilesThenAllOrNothing) {
    const TempFolder folder;
    const std::string old = folder.put("old.txt", "old");
    const std::string input = folder.put("in.txt", "sheet");
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
    fs::create_symlink(input, folder.file("to-input"));
    {
        StagedFiles files;
        files.ProtectInput(input);
        std::string error;
        const std::pair<std::string, std::string> refusals[] = {
            {folder.file("to-input"), "est aussi une entrée"},
            {folder.file("pipe"), "n'est pas un fichier ordinaire"},
            {folder.path(), "n'est pas un fichier ordinaire"},
        };
        for (const auto& [path, reason] : refusals) {
            EXPECT_EQ(files.Stage(path, error), -1) << path;
            EXPECT_NE(error.find(reason), std::string::npos) << error;
        }
        const int index = files.Stage(old, error);
        ASSERT_GE(index, 0);
        EXPECT_TRUE(WriteAll(files.Descriptor(index), "new"));
        EXPECT_EQ(files.Stage(folder.file("./old.txt"), error), -1);
        EXPECT_NE(error.find("écrit deux fois"), std::string::npos) << error;
    }
    EXPECT_EQ(ReadBack(old), "old");
    EXPECT_EQ(ReadBack(input), "sheet");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 4);

    StagedFiles files;
    std::string error;
    const int first = files.Stage(folder.file("page.svg"), error);
    const int second = files.Stage(folder.file("page-2.svg"), error);
    ASSERT_TRUE(first >= 0 && second >= 0) << error;
    EXPECT_TRUE(files.Retarget(first, folder.file("page-1.svg"), error));
    EXPECT_FALSE(files.Retarget(first, folder.file("page-2.svg"), error));
    EXPECT_TRUE(WriteAll(files.Descriptor(first), "1") && WriteAll(files.Descriptor(second), "2"));
    ASSERT_TRUE(files.Commit(error)) << error;
    EXPECT_EQ(ReadBack(folder.file("page-1.svg")) + ReadBack(folder.file("page-2.svg")), "12");
    EXPECT_FALSE(fs::exists(folder.file("page.svg")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 6);
}

// Files held open past the open-file limit: the one refused says why.
TEST(StagedFiles, RunningOutOfOpenFilesSaysSo) {
    const TempFolder folder;
    const int firstFree = ::dup(0);
    ::close(firstFree);
    rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    const rlimit limit{rlim_t(firstFree + 8), saved.rlim_max};
    ::setrlimit(RLIMIT_NOFILE, &limit);
    StagedFiles files;
    std::string error;
    int staged = 0;
    while (staged < 20 && files.Stage(folder.file("p-" + std::to_string(staged)), error) >= 0)
        ++staged;
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_LT(staged, 20);
    EXPECT_NE(error.find("trop de fichiers ouverts"), std::string::npos) << error;
}

// A replaced file keeps its mode; a link another user planted in a shared sticky folder is not
// followed; a long legal name is written; temporaries of a dead run go, a live run's stay;
// files made obsolete go with the commit.
TEST(StagedFiles, KeepModesRefusePlantedLinksAndClearDeadRunsTemporaries) {
    const TempFolder folder;
    const std::string kept = folder.put("kept.txt", "old");
    ::chmod(kept.c_str(), 0640);
    const pid_t dead = ::fork();
    if (dead == 0)
        std::_Exit(0);
    ::waitpid(dead, nullptr, 0);
    const std::string stale = folder.put(".vl-" + std::to_string(dead) + "-0-0.tmp", "");
    const std::string live = folder.put(".vl-" + std::to_string(::getppid()) + "-0-0.tmp", "");
    const std::string obsolete = folder.put("p-3.svg", "old page");
    StagedFiles files;
    std::string error;
    for (const std::string& path : {kept, folder.file(std::string(250, 'a'))}) {
        const int index = files.Stage(path, error);
        ASSERT_GE(index, 0) << error;
        EXPECT_TRUE(WriteAll(files.Descriptor(index), "new"));
    }
    files.RemoveOnCommit(obsolete);
    ASSERT_TRUE(files.Commit(error)) << error;
    EXPECT_EQ(ReadBack(kept) + ReadBack(folder.file(std::string(250, 'a'))), "newnew");
    struct stat info {};
    EXPECT_TRUE(::stat(kept.c_str(), &info) == 0 && (info.st_mode & 07777) == 0640);
    EXPECT_EQ(files.Removed(), std::vector<std::string>{obsolete});
    EXPECT_FALSE(fs::exists(stale) || fs::exists(obsolete));
    EXPECT_TRUE(fs::exists(live));

    const std::string shared = folder.file("shared");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    const std::string link = shared + "/out.pdf";
    fs::create_symlink(kept, link);
    if (::geteuid() != 0 || ::lchown(link.c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    StagedFiles planted;
    EXPECT_EQ(planted.Stage(link, error), -1);
    EXPECT_NE(error.find("lien d'un autre utilisateur"), std::string::npos) << error;
}

// A signal during a run removes its temporaries before the process ends.
TEST(StagedFilesDeathTest, ASignalRemovesTheTemporaries) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const TempFolder folder;
    EXPECT_EXIT(
        {
            RemoveTemporariesOnSignal();
            StagedFiles files;
            std::string error;
            if (files.Stage(folder.file("out.pdf"), error) < 0)
                std::_Exit(1);
            ::kill(::getpid(), SIGTERM);
            for (;;)
                ::pause();
        },
        ::testing::ExitedWithCode(128 + SIGTERM), "");
    EXPECT_TRUE(fs::is_empty(folder.path()));
}
