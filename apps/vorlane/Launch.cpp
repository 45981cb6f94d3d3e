#include "Launch.h"

#include "Forms.h"
#include "MainWindow.h"
#include "Screenshots.h"

#include "host/Services.h"
#include "host/forms/QtUserInterface.h"
#include "package/Paquet.h"
#include "platform/UserInterface.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage = "Utilisation\u00A0: vorlane [DOCUMENT] [--screenshot FICHIER.png]\n"
                               "              vorlane --show-form NOM --screenshot FICHIER.png\n";

struct Arguments {
    std::string document;
    std::string screenshot;
    std::string form;
    bool help = false;
    bool version = false;
};

bool parse(const QStringList& args, Arguments& a) {
    const QCommandLineOption help({"h", "help"}, "aide");
    const QCommandLineOption version({"v", "version"}, "version");
    const QCommandLineOption screenshot("screenshot", "image", "FICHIER");
    const QCommandLineOption form("show-form", "fenêtre", "NOM");
    QCommandLineParser parser;
    parser.addOptions({help, version, screenshot, form});
    if (!parser.parse(QStringList{QStringLiteral("vorlane")} + args))
        return false;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return false;
    a.document = positional.isEmpty() ? std::string() : positional.front().toStdString();
    a.screenshot = parser.value(screenshot).toStdString();
    a.form = parser.value(form).toStdString();
    a.help = parser.isSet(help);
    a.version = parser.isSet(version);
    return a.form.empty() || !a.screenshot.empty();
}

} // namespace

int RunEditor(const QStringList& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    if (!parse(args, a)) {
        err << kUsage;
        return 1;
    }
    if (a.help || a.version) {
        out << (a.help ? kUsage
                       : "vorlane " + QApplication::applicationVersion().toStdString() + "\n");
        return 0;
    }
    TQtUserInterface ui;
    const TScopedUi scoped(ui);
    // A picture is taken with nobody at the screen: messages go to the error stream.
    THeadlessUi unattended(err);
    const bool picture = !a.screenshot.empty();
    if (picture)
        ui.SetUnattended(&unattended);
    // A first start makes the settings key; a picture changes no file.
    if (!picture)
        PrepareHostKey();
    const TCatalogue catalogue = CataloguePaquet();
    MainWindow window(catalogue, ui);
    RegisterForms(ui, window.PropDock());
    if (!a.document.empty() &&
        window.OpenDocument(a.document) != MainWindow::OpenResult::Complete && picture)
        return 2;
    std::string message;
    if (!a.form.empty()) {
        if (ScreenshotForm(window, ui, a.form, a.screenshot, a.document, message))
            return 0;
        err << "vorlane\u00A0: " << message << "\n";
        return 2;
    }
    if (!a.screenshot.empty()) {
        if (ScreenshotWindow(window, a.screenshot, a.document, message))
            return 0;
        err << "vorlane\u00A0: " << message << "\n";
        return 3;
    }
    window.show();
    return QApplication::exec();
}

bool WantsScreenshot(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with("--screenshot"))
            return true;
    return false;
}

bool LoadQtTranslations(QCoreApplication& application) {
    if (QLocale().language() != QLocale::French)
        return false;
    auto translator = std::make_unique<QTranslator>(&application);
    if (!translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // The application owns the translator from now on.
    return QCoreApplication::installTranslator(translator.release());
}
