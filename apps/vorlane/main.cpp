// vorlane: the desktop editor of mathematics exercise sheets.
#include "Launch.h"

#include "platform/Paths.h"
#include "platform/qt/QtApplicationGuard.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    // Qt's and its libraries' messages are not the user's business, except a real problem.
    RouteQtMessages();
    // Pictures need no screen.
    if (WantsScreenshot(argc, argv) && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt looks for a runtime folder as it starts.
    const PrivateRuntimeDirectory runtime;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlane"));
    QApplication::setApplicationVersion(QStringLiteral(VL_VERSION));
    LoadQtTranslations(application);
    return RunEditor(QApplication::arguments().mid(1), std::cout, std::cerr);
}
