#include "cli/verb_arguments.h"

#include <QCommandLineParser>

#include <cctype>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_help.h"

namespace orvane::cli {
namespace {

// Arguments go through Qt as Latin-1, one character per byte, so that a file name in
// any encoding comes back byte for byte.
QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text) { return text.toLatin1().toStdString(); }

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

// Qt names an unknown option without its dashes; the message quotes it as it was typed.
std::string ParseProblem(const QCommandLineParser& parser, std::span<const std::string> arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    for (const std::string& argument : arguments) {
        const std::string_view typed = std::string_view(argument).substr(0, argument.find('='));
        const std::size_t nameStart = typed.find_first_not_of('-');
        if (!unknown.empty() && nameStart != 0 && nameStart != std::string_view::npos &&
            Latin1(typed.substr(nameStart)) == unknown.front()) {
            return "unknown option '" + std::string(typed) + "'";
        }
    }
    return Bytes(parser.errorText());
}

// The reason a command line does not fit the table's presence rules; empty when it fits.
std::string MissingOrExtra(const CliCommand& command, const QCommandLineParser& parser,
                           std::span<const std::string> positionals) {
    std::size_t taken = 0;
    bool repeated = false;
    for (const CliParameter& parameter : command.parameters) {
        if (!parameter.positional) {
            if (parameter.presence == Presence::kRequired &&
                !parser.isSet(Latin1(parameter.name))) {
                return "no " + Lowercase(parameter.valueName) + " given (" +
                       ParameterText(parameter) + ")";
            }
            continue;
        }
        if (taken == positionals.size()) {
            if (parameter.presence != Presence::kOptional) {
                return "no " + Lowercase(parameter.name) + " given";
            }
            continue;
        }
        ++taken;
        repeated = repeated || parameter.presence == Presence::kRepeated;
    }
    if (!repeated && taken < positionals.size()) {
        return "unexpected argument '" + positionals[taken] + "'";
    }
    return {};
}

}  // namespace

std::optional<VerbArguments> VerbArguments::Parse(const CliCommand& command,
                                                  std::span<const std::string> arguments,
                                                  std::ostream& err) {
    QCommandLineParser parser;
    // "-o" is an option of its own, never the letters of several.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CliParameter& parameter : command.parameters) {
        if (!parameter.positional) {
            QCommandLineOption option(Latin1(parameter.name));
            option.setValueName(Latin1(parameter.valueName));
            parser.addOption(option);
        }
    }
    QStringList line{Latin1("orvane-cli")};
    for (const std::string& argument : arguments) {
        line << Latin1(argument);
    }
    VerbArguments parsed;
    std::string problem;
    if (!parser.parse(line)) {
        problem = ParseProblem(parser, arguments);
    } else {
        for (const QString& positional : parser.positionalArguments()) {
            parsed.positionals_.push_back(Bytes(positional));
        }
        problem = MissingOrExtra(command, parser, parsed.positionals_);
    }
    if (!problem.empty()) {
        PrintUsageError(err, command, problem);
        return std::nullopt;
    }
    for (const QString& name : parser.optionNames()) {
        parsed.values_[Bytes(name)] = Bytes(parser.value(name));
    }
    return parsed;
}

std::optional<std::string> VerbArguments::Value(std::string_view option) const {
    const auto it = values_.find(option);
    return it == values_.end() ? std::nullopt : std::optional<std::string>(it->second);
}

}  // namespace orvane::cli
