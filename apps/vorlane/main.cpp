// vorlane: the desktop editor of mathematics exercise sheets.
#include "Forms.h"
#include "MainWindow.h"
#include "Screenshots.h"

#include "host/forms/QtUserInterface.h"
#include "package/Paquet.h"
#include "platform/UserInterface.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

struct Arguments {
    std::string document;
    std::string screenshot;
    std::string form;
    bool ok = true;
};

Arguments parse(int argc, char** argv) {
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--screenshot" || arg == "--show-form") && i + 1 < argc)
            (arg == "--screenshot" ? a.screenshot : a.form) = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && a.document.empty())
            a.document = arg;
        else
            a.ok = false;
    }
    if (!a.form.empty() && a.screenshot.empty())
        a.ok = false;
    return a;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments args = parse(argc, argv);
    if (!args.ok) {
        std::cerr << "Utilisation : vorlane [DOCUMENT] [--screenshot FICHIER.png]\n"
                     "              vorlane --show-form NOM --screenshot FICHIER.png\n";
        return 1;
    }
    // Pictures need no screen.
    if (!args.screenshot.empty() && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("vorlane"));
    TQtUserInterface ui;
    TScopedUi scoped(ui);
    const TCatalogue catalogue = CataloguePaquet();
    MainWindow window(catalogue, ui);
    RegisterForms(ui, window.PropDock());
    if (!args.document.empty() && !window.OpenDocument(args.document) && !args.screenshot.empty())
        return 2;
    std::string message;
    if (!args.form.empty()) {
        if (!ScreenshotForm(window, ui, args.form, args.screenshot, message)) {
            std::cerr << "vorlane : " << message << "\n";
            return 2;
        }
        return 0;
    }
    if (!args.screenshot.empty()) {
        if (!ScreenshotWindow(window, args.screenshot, message)) {
            std::cerr << "vorlane : " << message << "\n";
            return 3;
        }
        return 0;
    }
    window.show();
    return application.exec();
}
