// mathsheet: builds printable mathematics exercise sheets from a text description.
#include "Commands.h"

#include "platform/Paths.h"
#include "platform/StagedFiles.h"
#include "platform/qt/QtApplicationGuard.h"

#include <QHashFunctions>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Ctrl+C or a kill during a build leaves no temporary file; the old outputs stay.
    RemoveTemporariesOnSignal();
    // A file-size limit makes a write fail, reported like a full disk, instead of a crash.
    std::signal(SIGXFSZ, SIG_IGN);
    // The PDF writer lists fonts in hash order: a fixed seed makes the same sheet and --seed
    // give the same bytes from one run to the next.
    QHashSeed::setDeterministicGlobalSeed();
    // The commands that draw start a Qt application, never with a display; Qt looks for a
    // runtime folder as it starts.
    RouteQtMessages();
    QtApplicationGuard application(QtApplicationGuard::Start::OnDemand);
    const std::vector<std::string> args(argv + 1, argv + argc);
    int code = EXIT_OK;
    {
        const PrivateRuntimeDirectory runtime;
        code = RunMathsheet(args, std::cout, std::cerr, application);
    }
    // Every output is in place and standard output checked: the run is over. Tearing the Qt
    // application down would only cost time, most of it fontconfig loading its whole
    // configuration to destroy it even when no font was used; the system takes everything back.
    std::fflush(nullptr);
    std::_Exit(code);
}
