#include "cli/cli_parameter.h"

namespace orvane::cli {

std::string ParameterText(const CliParameter& parameter) {
    if (parameter.positional) {
        return std::string(parameter.name);
    }
    // A one-letter option takes one dash, as "-o" always has.
    std::string text = (parameter.name.size() == 1 ? "-" : "--") + std::string(parameter.name);
    if (!parameter.valueName.empty()) {
        text += ' ';
        text += parameter.valueName;
    }
    return text;
}

std::string SynopsisText(const CliParameter& parameter) {
    const std::string text = ParameterText(parameter);
    switch (parameter.presence) {
        case Presence::kRequired:
            return text;
        case Presence::kRepeated:
            return text + "...";
        case Presence::kOptional:
            break;
    }
    return "[" + text + "]";
}

}  // namespace orvane::cli
