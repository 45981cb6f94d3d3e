#include "CommandLine.h"

#include "platform/Text.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

// The name of an option as written, without its dashes and its "=value".
QString nameOf(const std::string& arg) {
    const std::size_t start = arg.find_first_not_of('-');
    const std::size_t equals = arg.find('=');
    if (start == std::string::npos)
        return {};
    return QString::fromStdString(
        arg.substr(start, equals == std::string::npos ? equals : equals - start));
}

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

// The argument that names this option, as the user wrote it.
std::string writtenAs(const std::vector<std::string>& args, const QString& name) {
    const auto found = std::find_if(args.begin(), args.end(), [&](const std::string& arg) {
        return isOption(arg) && nameOf(arg) == name;
    });
    return found != args.end() ? *found : "--" + name.toStdString();
}

bool takesValue(const QList<QCommandLineOption>& options, const std::string& arg) {
    if (!isOption(arg) || arg.find('=') != std::string::npos)
        return false;
    return std::any_of(options.begin(), options.end(), [&](const QCommandLineOption& option) {
        return !option.valueName().isEmpty() && option.names().contains(nameOf(arg));
    });
}

// An argument as a POSIX shell reads it back: as it is when it is plain, else in single quotes.
std::string shellQuoted(const std::string& arg) {
    const bool plain = !arg.empty() && std::all_of(arg.begin(), arg.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
               std::string_view("-_./+=,:@%").find(c) != std::string_view::npos ||
               (static_cast<unsigned char>(c) & 0x80) != 0;
    });
    if (plain)
        return arg;
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

bool ParseCommandLine(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                      const std::vector<std::string>& args, std::string& error) {
    parser.addOptions(options);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList list{QStringLiteral("mathsheet")};
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    if (parser.parse(list))
        return true;
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        error = "option inconnue «\u00A0" + writtenAs(args, unknown.front()) + "\u00A0»";
        return false;
    }
    // Known options only: a value is missing at the end, or a flag was given one.
    if (!args.empty() && takesValue(options, args.back())) {
        error = "l'option " + args.back() + " attend une valeur";
        return false;
    }
    const auto withValue = std::find_if(args.begin(), args.end(), [](const std::string& arg) {
        return isOption(arg) && arg.find('=') != std::string::npos;
    });
    const std::string arg =
        withValue != args.end() ? withValue->substr(0, withValue->find('=')) : std::string("?");
    error = "l'option " + arg + " n'attend pas de valeur";
    return false;
}

std::string OptionValue(const QCommandLineParser& parser, const QString& name) {
    return parser.value(name).toStdString();
}

bool NumberBetween(const std::string& text, long long min, long long max, long long& value) {
    const std::optional<long long> number = ParseInteger(text, min, max);
    if (number)
        value = *number;
    return number.has_value();
}

const char* MathsheetVersion() {
    return VL_VERSION;
}

std::string RebuildCommand(const std::string& sheet, std::uint32_t seed, const std::string& mode) {
    const std::string command =
        sheet.empty() ? "mathsheet demo" : "mathsheet build " + shellQuoted(sheet);
    return command + " --seed " + std::to_string(seed) + (mode == "both" ? "" : " --mode " + mode);
}

std::string DefaultOutput(const std::string& sheet) {
    const std::size_t slash = sheet.find_last_of('/');
    const std::size_t dot = sheet.find_last_of('.');
    const bool extension =
        dot != std::string::npos && dot > 0 && (slash == std::string::npos || dot > slash + 1);
    return (extension ? sheet.substr(0, dot) : sheet) + ".pdf";
}
