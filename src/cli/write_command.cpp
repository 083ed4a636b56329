#include "cli/write_command.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "cli/clone_verb_options.h"
#include "cli/console_prompter.h"
#include "cli/verb_arguments.h"
#include "sheet/tree_node.h"

namespace orvane::cli {
namespace {

constexpr CliParameter kYesOption =
    Switch("yes", "answer the warning and write confirmations with OK");
constexpr std::array kParameters = {
    Positional("FILE", "the clone data file to write into the radio", Presence::kRequired),
    kPortOption, kHighSpeedOption, kYesOption};

constexpr std::string_view kDescription =
    "Opens FILE as the Open command does and writes it into the radio as the Clone\n"
    "Write command does: information, the checks of the data and of the radio's model,\n"
    "the confirmations, then the data.\n"
    "\n"
    "Without --yes the confirmations are asked on the terminal ([y/N]); without a\n"
    "terminal the command refuses before anything but the information request is sent.\n"
    "When the data has errors, the sheets that carry the 'x' mark are listed, one tree\n"
    "caption per line. A progress bar goes to stderr when it is a terminal. On failure\n"
    "the message goes to stderr and the exit status is 1.";

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
    const std::optional<CloneVerbOptions> options = ReadCloneVerbOptions(invocation);
    if (!options) {
        return kExitUsage;
    }
    ConsolePrompter prompter(invocation.err, invocation.arguments.IsSet(kYesOption.name)
                                                 ? Confirmation::kAssumeYes
                                                 : Confirmation::kAskTerminal);
    TerminalProgress progress(invocation.err);
    ControllerSession session(CloneSessionOptions(prompter, progress, *options));
    MainController& controller = session.Controller();
    if (!controller.Files().OpenFile(invocation.arguments.Positionals()[0])) {
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
    return CliCommand{"write", "write a clone data file into a radio", kParameters, kDescription,
                      RunWrite};
}

}  // namespace orvane::cli
