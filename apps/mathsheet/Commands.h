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

// Runs mathsheet with its arguments (without the program name).
int RunMathsheet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The help text.
std::string UsageText();
