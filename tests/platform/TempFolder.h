// Scratch folders for the tests.
#pragma once

#include "platform/Paths.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        const std::string name = std::to_string(::getpid()) + "-" + std::to_string(counter++);
        path_ = std::filesystem::temp_directory_path() / ("vl-platform-test-" + name);
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes a file directly, bypassing the code under test.
    std::string put(const std::string& name, const std::string& contents) const {
        std::ofstream(file(name), std::ios::binary) << contents;
        return file(name);
    }

private:
    std::filesystem::path path_;
};

// Points the configuration folder at a fresh temporary folder while it lives.
class ScopedConfigDirectory {
public:
    ScopedConfigDirectory() { SetConfigDirectory(folder_.path()); }
    ~ScopedConfigDirectory() { SetConfigDirectory(""); }
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
};

inline std::string ReadBack(const std::string& path) {
    std::string contents;
    return ReadWholeFile(path, contents) ? contents : std::string("<unreadable>");
}
