// A QApplication on the offscreen platform for the form tests (no display needed).
#pragma once

#include "host/forms/NumberEdits.h"
#include "host/forms/TCadreStyle.h"
#include "host/forms/TPageAspect.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

class QtWidgetsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "forms_test";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr)
            app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

// Registers the environment once per test program.
inline const ::testing::Environment* const kQtWidgetsEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtWidgetsEnvironment);
