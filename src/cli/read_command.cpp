#include "cli/read_command.h"

#include <optional>
#include <ostream>
#include <string>

#include "cli/clone_verb_options.h"
#include "cli/console_prompter.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kSynopsis = "[--port PORT] [--high-speed] [--home] -o FILE";

constexpr std::string_view kDetails =
    "Reads the radio's memory as the Clone Read command does (information, then the\n"
    "data) and saves it to FILE as the Save command saves it.\n"
    "\n"
    "  --port PORT    COM1..COM256, a number 1..256 or a device path such as\n"
    "                 /dev/ttyUSB0; the default is the port chosen in Orvane\n"
    "  --high-speed   read the data at high speed\n"
    "  --home         read the radio's home settings into the common settings (the\n"
    "                 \"No\" answer of the read question)\n"
    "  -o FILE        the clone data file to write; an existing file is replaced\n"
    "\n"
    "A progress bar goes to stderr when it is a terminal. On failure the message goes to\n"
    "stderr, no file is written or changed and the exit status is 1.";

constexpr std::string_view kUsage =
    "Usage: orvane-cli read [--port PORT] [--high-speed] [--home] -o FILE\n"
    "Run 'orvane-cli help read' for details.\n";

struct ReadOptions {
    CloneVerbOptions clone;
    bool home = false;
    std::string output;
};

std::optional<ReadOptions> ParseOptions(const CliInvocation& invocation) {
    ReadOptions options;
    const auto& arguments = invocation.arguments;
    const bool parsed = ParseCloneVerbArguments(
        invocation, "read", kUsage, options.clone, [&](std::size_t& i) {
            if (arguments[i] == "--home") {
                options.home = true;
            } else if (arguments[i] == "-o" && i + 1 < arguments.size()) {
                options.output = arguments[++i];
            } else {
                return false;
            }
            return true;
        });
    if (!parsed) {
        return std::nullopt;
    }
    if (options.output.empty()) {
        invocation.err << "orvane-cli read: no output file given (-o FILE)\n" << kUsage;
        return std::nullopt;
    }
    return options;
}

int RunRead(const CliInvocation& invocation) {
    const std::optional<ReadOptions> options = ParseOptions(invocation);
    if (!options) {
        return kExitUsage;
    }
    ConsolePrompter prompter(invocation.err, Confirmation::kAssumeYes,
                             options->home ? PromptAnswer::No : PromptAnswer::Yes);
    TerminalProgress progress(invocation.err);
    ControllerSession session(CloneSessionOptions(prompter, progress, options->clone));
    if (session.RunClone([](MainController& controller) { controller.CloneRead(); }) !=
        CloneOutcome::kRead) {
        return kExitFailed;
    }
    return session.Controller().Files().SaveFile(options->output) ? kExitOk : kExitFailed;
}

}  // namespace

CliCommand ReadCommand() {
    return CliCommand{"read", kSynopsis, "read a radio's memory into a clone data file", kDetails,
                      RunRead};
}

}  // namespace orvane::cli
