#include "platform/Paths.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Sets or unsets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Names in a folder other than the ones expected: leftovers of a write.
std::vector<std::string> strayNames(const std::string& folder, const std::string& expected) {
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != expected)
            stray.push_back(entry.path().filename().string());
    return stray;
}

} // namespace

TEST(ConfigDirectory, FollowsXdgThenHomeAndTheOverride) {
    SetConfigDirectory("");
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg/conf");
        EXPECT_EQ(ConfigDirectory(), "/xdg/conf/vorlane");
        SetConfigDirectory("/elsewhere");
        EXPECT_EQ(ConfigDirectory(), "/elsewhere");
        SetConfigDirectory("");
        EXPECT_EQ(ConfigDirectory(), "/xdg/conf/vorlane");
    }
    const ScopedEnv home("HOME", "/home/maitresse");
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(ConfigDirectory(), "/home/maitresse/.config/vorlane");
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "relative/conf");
        EXPECT_EQ(ConfigDirectory(), "/home/maitresse/.config/vorlane");
    }
}

TEST(MakeDirectories, CreatesParentsAndRefusesImpossiblePaths) {
    const TempFolder folder;
    const std::string nested = folder.file("a/b/c");
    EXPECT_TRUE(MakeDirectories(nested));
    EXPECT_TRUE(fs::is_directory(nested));
    EXPECT_TRUE(MakeDirectories(nested));
    const std::string file = folder.put("file", "x");
    EXPECT_FALSE(MakeDirectories(file));
    EXPECT_FALSE(MakeDirectories(file + "/sub"));
    EXPECT_FALSE(MakeDirectories(""));
}

TEST(ReadWholeFile, ReadsBinaryContentsAndRefusesNonFiles) {
    const TempFolder folder;
    const std::string binary("a\0b\r\n\xFF", 6);
    const std::string path = folder.put("data.bin", binary);
    std::string contents = "previous";
    ASSERT_TRUE(ReadWholeFile(path, contents));
    EXPECT_EQ(contents, binary);
    contents = "kept";
    EXPECT_FALSE(ReadWholeFile(folder.file("absent"), contents));
    EXPECT_FALSE(ReadWholeFile(folder.path(), contents));
    EXPECT_EQ(contents, "kept");
    ASSERT_TRUE(ReadWholeFile(folder.put("empty", ""), contents));
    EXPECT_EQ(contents, "");
}

TEST(WriteFileAtomically, CreatesAndReplacesLeavingNoTemporaryFile) {
    const TempFolder folder;
    const std::string path = folder.file("doc.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    EXPECT_EQ(ReadBack(path), "first");
    const std::string big(300000, 'z');
    ASSERT_TRUE(WriteFileAtomically(path, big));
    EXPECT_EQ(ReadBack(path), big);
    EXPECT_TRUE(strayNames(folder.path(), "doc.txt").empty());
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheReplacedFile) {
    const TempFolder folder;
    const std::string path = folder.put("private.ini", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(WriteFileAtomically, FailsWhenTheFolderCannotHoldTheFile) {
    const TempFolder folder;
    const std::string blocker = folder.put("blocker", "untouched");
    EXPECT_FALSE(WriteFileAtomically(blocker + "/x", "data"));
    EXPECT_FALSE(WriteFileAtomically(folder.file("missing/x"), "data"));
    EXPECT_FALSE(WriteFileAtomically("", "data"));
    EXPECT_EQ(ReadBack(blocker), "untouched");
    EXPECT_EQ(strayNames(folder.path(), "blocker"), std::vector<std::string>{});
}

// The temporary file is written, then the rename fails: the old entry stays as it was and
// the temporary file is removed.
TEST(WriteFileAtomically, FailedRenameKeepsTheOldEntryAndRemovesTheTemporary) {
    const TempFolder folder;
    const std::string target = folder.file("target");
    fs::create_directories(target + "/inside");
    EXPECT_FALSE(WriteFileAtomically(target, "data"));
    EXPECT_TRUE(fs::is_directory(target + "/inside"));
    EXPECT_TRUE(strayNames(folder.path(), "target").empty());
}
