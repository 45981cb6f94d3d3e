// A QApplication on the offscreen platform for the form tests (no display needed), and the
// controls of a window found by their names, as a window keeps its generated form private.
#pragma once

#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TCadreStyle.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

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

// The control of `fenetre` named `nom`; the test stops when the window has none of that type.
template <class T> T* Ctl(const QObject& fenetre, const char* nom) {
    T* controle = fenetre.findChild<T*>(QString::fromLatin1(nom));
    if (controle == nullptr)
        throw std::runtime_error(std::string("pas de contrôle ") + nom);
    return controle;
}
