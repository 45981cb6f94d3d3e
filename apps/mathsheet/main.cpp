// mathsheet: builds printable mathematics exercise sheets from a text description.
#include "Commands.h"

#include "platform/Paths.h"
#include "platform/qt/QtApplicationGuard.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Fonts and page writers need a Qt application, never a display; Qt looks for a runtime
    // folder as it starts.
    const PrivateRuntimeDirectory runtime;
    const QtApplicationGuard application;
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunMathsheet(args, std::cout, std::cerr);
}
