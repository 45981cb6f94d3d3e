// Reading mathsheet's options with QCommandLineParser, with the program's French messages.
#pragma once

#include <QCommandLineParser>

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
