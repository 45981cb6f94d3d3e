// Runs a test under a French desktop's locale: the C library then writes "2,5" for
// printf("%.1f", 2.5) and strtod stops at a point, and Qt's default locale is French. Skipped
// where fr_FR.UTF-8 is not installed (tools/setup.sh generates it).
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

class FrenchLocale : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr)
            GTEST_SKIP() << "fr_FR.UTF-8 is not installed (tools/setup.sh generates it)";
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};
