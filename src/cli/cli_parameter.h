#pragma once
// One option or positional argument of a verb, declared once: the parser, the verb's help
// and the manual page all read the same entry.

#include <string>
#include <string_view>

namespace orvane::cli {

// How often the command line gives a parameter. kRepeated is for a positional argument
// that takes one or more values ("FILE...").
enum class Presence { kOptional, kRequired, kRepeated };

struct CliParameter {
    bool positional = false;
    std::string_view name;       // an option's name without dashes ("port", "o"), or a
                                 // positional argument's placeholder ("FILE")
    std::string_view valueName;  // an option's value placeholder; empty for a switch
    std::string_view help;       // one line
    Presence presence = Presence::kOptional;
};

constexpr CliParameter Switch(std::string_view name, std::string_view help) {
    return CliParameter{false, name, {}, help, Presence::kOptional};
}

constexpr CliParameter ValueOption(std::string_view name, std::string_view valueName,
                                   std::string_view help, Presence presence = Presence::kOptional) {
    return CliParameter{false, name, valueName, help, presence};
}

constexpr CliParameter Positional(std::string_view name, std::string_view help, Presence presence) {
    return CliParameter{true, name, {}, help, presence};
}

// The clone data file a verb saves to.
inline constexpr CliParameter kOutputFileOption = ValueOption(
    "o", "FILE", "the clone data file to write; an existing file is replaced", Presence::kRequired);

// The parameter as typed: "--port PORT", "-o FILE", "--yes", "FILE".
std::string ParameterText(const CliParameter& parameter);

// The parameter in a usage line: "[--port PORT]", "-o FILE", "FILE...", "[SHEET]".
std::string SynopsisText(const CliParameter& parameter);

}  // namespace orvane::cli
