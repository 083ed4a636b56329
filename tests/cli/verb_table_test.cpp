// Every verb's parameter table against what its help shows and what its parser takes.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "cli/verb_arguments.h"

namespace orvane::cli {
namespace {

// The text with every run of blanks and line breaks made one blank, so that a wrapped
// help line reads as it was declared.
std::string Flowed(const std::string& text) {
    std::string flowed;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank || (!flowed.empty() && flowed.back() != ' ')) {
            flowed += blank ? ' ' : c;
        }
    }
    return flowed;
}

// A command line that gives every parameter of `command` once, options before the
// positional arguments; `skip` leaves that option out, or every positional argument when
// it is one (a positional argument left out alone would take its follower's value).
std::vector<std::string> FullCommandLine(const CliCommand& command, const CliParameter* skip) {
    std::vector<std::string> options;
    std::vector<std::string> positionals;
    for (const CliParameter& parameter : command.parameters) {
        if (&parameter == skip || (skip != nullptr && skip->positional && parameter.positional)) {
            continue;
        }
        if (parameter.positional) {
            positionals.push_back("value of " + std::string(parameter.name));
            continue;
        }
        options.push_back(ParameterText(parameter).substr(0, ParameterText(parameter).find(' ')));
        if (!parameter.valueName.empty()) {
            options.push_back("value of " + std::string(parameter.name));
        }
    }
    options.insert(options.end(), positionals.begin(), positionals.end());
    return options;
}

TEST(VerbTableTest, EveryVerbsHelpShowsEveryParameterItParses) {
    for (const CliCommand& command : CommandTable()) {
        SCOPED_TRACE(command.name);
        std::ostringstream help;
        PrintCommandHelp(help, command);
        EXPECT_EQ(help.str().rfind("Usage: orvane-cli " + std::string(command.name) + " " +
                                       Synopsis(command) + "\n",
                                   0),
                  0u)
            << help.str();

        std::ostringstream err;
        const auto parsed = VerbArguments::Parse(command, FullCommandLine(command, nullptr), err);
        ASSERT_TRUE(parsed.has_value()) << err.str();
        std::size_t positional = 0;
        for (const CliParameter& parameter : command.parameters) {
            const std::string given = "value of " + std::string(parameter.name);
            EXPECT_NE(Flowed(help.str())
                          .find(ParameterText(parameter) + " " + std::string(parameter.help)),
                      std::string::npos)
                << parameter.name;
            if (parameter.positional) {
                EXPECT_EQ(parsed->Positionals()[positional++], given);
            } else {
                EXPECT_TRUE(parsed->IsSet(parameter.name)) << parameter.name;
                EXPECT_EQ(parsed->Value(parameter.name), parameter.valueName.empty() ? "" : given);
            }
        }
    }
}

TEST(VerbTableTest, MisusedCommandLinesAreRefusedWithTheReasonAndTheUsage) {
    for (const CliCommand& command : CommandTable()) {
        SCOPED_TRACE(command.name);
        std::vector<std::vector<std::string>> misused = {
            {"--undeclared"}, {"---"}, {"--=x"}, {"-="}, {"-\xff"}};
        for (const CliParameter& parameter : command.parameters) {
            if (parameter.presence != Presence::kOptional) {
                misused.push_back(FullCommandLine(command, &parameter));
            }
        }
        for (const std::vector<std::string>& arguments : misused) {
            std::ostringstream err;
            EXPECT_FALSE(VerbArguments::Parse(command, arguments, err).has_value())
                << arguments.front();
            EXPECT_NE(err.str().find("orvane-cli " + std::string(command.name) + ": "),
                      std::string::npos);
            EXPECT_NE(err.str().find("\nUsage: orvane-cli " + std::string(command.name)),
                      std::string::npos)
                << err.str();
        }
    }
}

}  // namespace
}  // namespace orvane::cli
