#include "platform/qt/QtApplicationGuard.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>

namespace {

bool hasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

} // namespace

QtApplicationGuard::QtApplicationGuard() {
    if (QCoreApplication::instance() != nullptr)
        return;
    // A platform chosen by the user wins; otherwise run without a screen when there is none.
    if (!hasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

QtApplicationGuard::~QtApplicationGuard() = default;
