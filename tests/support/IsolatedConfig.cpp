// Every test program runs with a configuration folder of its own, empty when it starts and
// removed when it ends: no test reads the user's settings or leaves its own behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

class IsolatedConfig : public ::testing::Environment {
public:
    void SetUp() override {
        // A death test's child keeps its parent's folder, which the parent removes.
        if (!GTEST_FLAG_GET(internal_run_death_test).empty())
            return;
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vl-test-config-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << "no temporary folder";
        folder_ = pattern;
        ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }

    void TearDown() override {
        if (folder_.empty())
            return;
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::string folder_;
};

[[maybe_unused]] const ::testing::Environment* const kIsolatedConfig =
    ::testing::AddGlobalTestEnvironment(new IsolatedConfig);

} // namespace
