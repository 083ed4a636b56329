// orvane-cli: the command-line tool beside the GUI, for scripts and for checking clone
// data without a display.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/fatal.h"
#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "cli/verb_arguments.h"

namespace orvane::cli {
namespace {

// A fault ends the tool with its text on stderr and exit code 3.
class CliFatalHandler final : public FatalHandler {
public:
    [[noreturn]] void Fail(const std::string& text) override {
        std::cerr << "orvane-cli: " << text << std::endl;
        std::_Exit(kFatalExitCode);
    }
};

bool IsHelpOption(const std::string& argument) {
    return argument == ParameterText(kHelpOption) || argument == "-h";
}

int Main(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const std::string& first = arguments.front();
    if (IsHelpOption(first)) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (first == ParameterText(kVersionOption)) {
        PrintVersion(std::cout);
        return kExitOk;
    }
    const CliCommand* command = FindCommand(first);
    if (command == nullptr) {
        std::cerr << "orvane-cli: unknown command '" << first << "'\n"
                  << "Run 'orvane-cli --help' for the list of commands.\n";
        return kExitUsage;
    }
    std::span<const std::string> rest(arguments.begin() + 1, arguments.end());
    if (!rest.empty() && IsHelpOption(rest.front())) {
        PrintCommandHelp(std::cout, *command);
        return kExitOk;
    }
    const std::optional<VerbArguments> parsed = VerbArguments::Parse(*command, rest, std::cerr);
    if (!parsed) {
        return kExitUsage;
    }
    return command->run(CliInvocation{*command, *parsed, std::cout, std::cerr});
}

}  // namespace
}  // namespace orvane::cli

int main(int argc, char* argv[]) {
    orvane::cli::CliFatalHandler fatalHandler;
    orvane::ScopedFatalHandler installed(fatalHandler);
    return orvane::cli::Main(std::vector<std::string>(argv + 1, argv + argc));
}
