// Reading mathsheet's options with QCommandLineParser, with the program's French messages.
#pragma once

#include <QCommandLineParser>

#include <cstdint>
#include <string>
#include <vector>

// Declares the options and parses `args` (without the program name): options may come
// anywhere, "-seed" reads as "--seed". False with the message of a usage error ("option
// inconnue « -x »", "l'option -o attend une valeur").
bool ParseCommandLine(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                      const std::vector<std::string>& args, std::string& error);

// The value of an option, in UTF-8.
std::string OptionValue(const QCommandLineParser& parser, const QString& name);

// Reads a whole number within [min, max] from the text.
bool NumberBetween(const std::string& text, long long min, long long max, long long& value);

// The program's version, from the build.
const char* MathsheetVersion();

// The command that builds one sheet again: "mathsheet build feuille.txt --seed 2625889020", or
// "mathsheet demo --seed 2625889020" when `sheet` is empty, with "--mode M" unless `mode` is
// "both". Arguments a shell would split or expand are quoted. The output is left out: the
// sheet is the same in every format.
std::string RebuildCommand(const std::string& sheet, std::uint32_t seed, const std::string& mode);

// The PDF a sheet is built to when no output is named: "cours/feuille.txt" gives
// "cours/feuille.pdf".
std::string DefaultOutput(const std::string& sheet);
