// The mathsheet command line: parsing and the commands.
#pragma once

#include "platform/Erreur.h"

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes.
enum ExitCode : int {
    EXIT_OK = 0,
    EXIT_USAGE = 1,
    EXIT_BAD_INPUT = 2, // a sheet or document that cannot be used
    EXIT_IO = 3,        // a file that cannot be read or written
};

// The exit code of a refusal of that kind.
int ExitCodeOf(GenreErreur genre);

class QtApplicationGuard;

// Runs mathsheet with its arguments (without the program name). The commands that draw or
// measure text start the Qt application through `application`, whose owner decides when it
// goes; the others never start one. The second form starts it for the command's own time.
int RunMathsheet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 QtApplicationGuard& application);
int RunMathsheet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The help text.
std::string UsageText();
