// What the application tests share: a Qt application for fonts and page writers (never a
// display), mathsheet run in-process, and a scratch folder per test.
#pragma once

#include "Commands.h"

#include "platform/Paths.h"
#include "platform/qt/QtApplicationGuard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QtApplicationGuard>(); }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QtApplicationGuard> app_;
};
inline const ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

inline Outcome RunInProcess(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunMathsheet(args, out, err);
    return {code, out.str(), err.str()};
}

// A test with a scratch folder of its own, removed at the end.
class ScratchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("vl_" + std::string(test->test_suite_name()) + "_" + test->name() + "_" +
                std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        EXPECT_TRUE(WriteFileAtomically(path(name), text));
        return path(name);
    }
    static std::string read(const std::string& file) {
        std::string content;
        EXPECT_TRUE(ReadWholeFile(file, content)) << file;
        return content;
    }

    std::filesystem::path dir_;
};
