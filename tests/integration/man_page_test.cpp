// The manual pages the build writes, rendered by the system's roff: no warnings, and
// every verb, option and start-up switch of the tables on the page.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/startup_file.h"
#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "support/process_runner.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
using cli::CliCommand;
using cli::CliParameter;

// The program's path on PATH; empty when it is not installed.
std::string FindProgram(const std::string& name) {
    std::istringstream path(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
    for (std::string directory; std::getline(path, directory, ':');) {
        if (fs::exists(fs::path(directory) / name)) {
            return (fs::path(directory) / name).string();
        }
    }
    return {};
}

std::string Page(const std::string& name) { return ORVANE_BINARY_DIR "/man/" + name; }

// The page as plain text on lines long enough that nothing wraps or hyphenates.
std::string Rendered(const std::string& groff, const std::string& page) {
    const ProcessResult result =
        RunProcess(groff, {"-ww", "-b", "-man", "-Tascii", "-rLL=400n", "-rHY=0", "-P-cbou", page});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "") << page;
    return result.out;
}

void ExpectLine(const std::string& text, const std::string& line) {
    EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos) << "no line '" << line << "'";
}

TEST(ManPageTest, OrvaneCliListsEveryVerbAndEveryOption) {
    const std::string groff = FindProgram("groff");
    if (groff.empty()) {
        GTEST_SKIP() << "groff is not installed";
    }
    const std::string text = Rendered(groff, Page("orvane-cli.1"));
    for (const CliParameter& option : cli::kGlobalOptions) {
        ExpectLine(text, "       orvane-cli " + cli::ParameterText(option));
    }
    for (const CliCommand& command : cli::CommandTable()) {
        const std::string usage = std::string(command.name) + " " + cli::Synopsis(command);
        ExpectLine(text, "       orvane-cli " + usage);
        ExpectLine(text, "   " + usage);
        for (const CliParameter& parameter : command.parameters) {
            EXPECT_NE(text.find("\n       " + cli::ParameterText(parameter)), std::string::npos)
                << command.name << ' ' << parameter.name;
        }
    }
    for (const std::string_view section : {"EXIT STATUS", "FILES", "EXAMPLES"}) {
        ExpectLine(text, std::string(section));
    }
}

TEST(ManPageTest, OrvaneListsEverySwitchFileAndVariable) {
    const std::string groff = FindProgram("groff");
    if (groff.empty()) {
        GTEST_SKIP() << "groff is not installed";
    }
    const std::string text = Rendered(groff, Page("orvane.1"));
    for (const std::string_view line : kStartupSynopsis) {
        ExpectLine(text, "       orvane " + std::string(line));
    }
    for (const StartupSwitch& entry : kStartupSwitches) {
        EXPECT_NE(text.find("\n       " + std::string(entry.name)), std::string::npos)
            << entry.name;
    }
    for (const char* part : {"~/.config/Zelk/Orvane.ini", "XDG_RUNTIME_DIR", "ENVIRONMENT"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

TEST(ManPageTest, ManAndLexgrogReadBothPagesWithoutComplaint) {
    const std::string man = FindProgram("man");
    const std::string lexgrog = FindProgram("lexgrog");
    if (man.empty() || lexgrog.empty()) {
        GTEST_SKIP() << "man-db is not installed";
    }
    for (const std::string name : {"orvane-cli", "orvane"}) {
        const ProcessResult shown = RunProcess(man, {"--warnings", "-l", Page(name + ".1")},
                                               {"MANPAGER=cat", "MANWIDTH=80"});
        EXPECT_EQ(shown.exitCode, 0) << name;
        EXPECT_EQ(shown.err, "") << name;
        const ProcessResult whatis = RunProcess(lexgrog, {Page(name + ".1")});
        EXPECT_EQ(whatis.exitCode, 0) << whatis.out;
        EXPECT_NE(whatis.out.find(": \"" + name + " - "), std::string::npos) << whatis.out;
    }
}

}  // namespace
}  // namespace orvane::testing
