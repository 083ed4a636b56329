#pragma once
// A verb's command line read by its parameter table (Qt's command-line parser does the
// reading): the options given, their values and the positional arguments.

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

struct CliCommand;

class VerbArguments {
public:
    // Reads `arguments` (those after the verb) by `command`'s parameters. Empty after
    // printing what is wrong and the verb's usage on `err`: an unknown option, an option
    // without its value, a required parameter missing, a positional argument too many.
    static std::optional<VerbArguments> Parse(const CliCommand& command,
                                              std::span<const std::string> arguments,
                                              std::ostream& err);

    bool IsSet(std::string_view option) const { return values_.contains(option); }
    // The option's value; the last one when it was given more than once.
    std::optional<std::string> Value(std::string_view option) const;
    std::span<const std::string> Positionals() const { return positionals_; }

private:
    std::map<std::string, std::string, std::less<>> values_;  // a switch has an empty value
    std::vector<std::string> positionals_;
};

}  // namespace orvane::cli
