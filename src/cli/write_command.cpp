#include "cli/write_command.h"

#include <optional>
#include <ostream>
#include <string>

#include "cli/clone_verb_options.h"
#include "cli/console_prompter.h"
#include "sheet/tree_node.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kSynopsis = "FILE [--port PORT] [--high-speed] [--yes]";

constexpr std::string_view kDetails =
    "Opens FILE as the Open command does and writes it into the radio as the Clone\n"
    "Write command does: information, the checks of the data and of the radio's model,\n"
    "the confirmations, then the data.\n"
    "\n"
    "  --port PORT    COM1..COM256, a number 1..256 or a device path such as\n"
    "                 /dev/ttyUSB0; the default is the port chosen in Orvane\n"
    "  --high-speed   write the data at high speed\n"
    "  --yes          answer the warning and write confirmations with OK\n"
    "\n"
    "Without --yes the confirmations are asked on the terminal ([y/N]); without a\n"
    "terminal the command refuses before anything but the information request is sent.\n"
    "When the data has errors, the sheets that carry the 'x' mark are listed, one tree\n"
    "caption per line. A progress bar goes to stderr when it is a terminal. On failure\n"
    "the message goes to stderr and the exit status is 1.";

constexpr std::string_view kUsage =
    "Usage: orvane-cli write FILE [--port PORT] [--high-speed] [--yes]\n"
    "Run 'orvane-cli help write' for details.\n";

struct WriteOptions {
    CloneVerbOptions clone;
    bool yes = false;
    std::string file;
};

std::optional<WriteOptions> ParseOptions(const CliInvocation& invocation) {
    WriteOptions options;
    const auto& arguments = invocation.arguments;
    const bool parsed = ParseCloneVerbArguments(
        invocation, "write", kUsage, options.clone, [&](std::size_t& i) {
            if (arguments[i] == "--yes") {
                options.yes = true;
            } else if (options.file.empty() && !arguments[i].starts_with("-")) {
                options.file = arguments[i];
            } else {
                return false;
            }
            return true;
        });
    if (!parsed) {
        return std::nullopt;
    }
    if (options.file.empty()) {
        invocation.err << "orvane-cli write: no file given\n" << kUsage;
        return std::nullopt;
    }
    return options;
}

// The captions of the sheets the check found in error: where the user has to look.
void ListErrorSheets(MainController& controller, std::ostream& err) {
    int errors = 0;
    const WarningFindings findings = controller.RunWarningCheck(&errors, nullptr);
    for (const std::string& call : findings.errorSheets) {
        if (const TreeNode* node = controller.Tree()->FindNodeByLinkText(call)) {
            err << node->text << '\n';
        }
    }
}

int RunWrite(const CliInvocation& invocation) {
    const std::optional<WriteOptions> options = ParseOptions(invocation);
    if (!options) {
        return kExitUsage;
    }
    ConsolePrompter prompter(invocation.err,
                             options->yes ? Confirmation::kAssumeYes : Confirmation::kAskTerminal);
    TerminalProgress progress(invocation.err);
    ControllerSession session(CloneSessionOptions(prompter, progress, options->clone));
    MainController& controller = session.Controller();
    if (!controller.Files().OpenFile(options->file)) {
        return kExitFailed;
    }
    switch (session.RunClone([](MainController& c) { c.CloneWrite(); })) {
        case CloneOutcome::kWritten:
            return kExitOk;
        case CloneOutcome::kRefused:
            ListErrorSheets(controller, invocation.err);
            return kExitFailed;
        case CloneOutcome::kCancelled:
            if (prompter.RefusedWithoutTerminal()) {
                invocation.err << "orvane-cli write: not confirmed: there is no terminal to ask "
                                  "on; give --yes to confirm\n";
            }
            return kExitFailed;
        default:
            return kExitFailed;
    }
}

}  // namespace

CliCommand WriteCommand() {
    return CliCommand{"write", kSynopsis, "write a clone data file into a radio", kDetails,
                      RunWrite};
}

}  // namespace orvane::cli
