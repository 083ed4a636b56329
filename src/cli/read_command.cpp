#include "cli/read_command.h"

#include <array>
#include <optional>

#include "cli/clone_verb_options.h"
#include "cli/console_prompter.h"
#include "cli/verb_arguments.h"

namespace orvane::cli {
namespace {

constexpr CliParameter kHomeOption =
    Switch("home",
           "read the radio's home settings into the common settings (the \"No\" "
           "answer of the read question)");
constexpr std::array kParameters = {kPortOption, kHighSpeedOption, kHomeOption, kOutputFileOption};

constexpr std::string_view kDescription =
    "Reads the radio's memory as the Clone Read command does (information, then the\n"
    "data) and saves it to FILE as the Save command saves it. A progress bar goes to\n"
    "stderr when it is a terminal. On failure the message goes to stderr, no file is\n"
    "written or changed and the exit status is 1.";

int RunRead(const CliInvocation& invocation) {
    const std::optional<CloneVerbOptions> options = ReadCloneVerbOptions(invocation);
    if (!options) {
        return kExitUsage;
    }
    const bool home = invocation.arguments.IsSet(kHomeOption.name);
    ConsolePrompter prompter(invocation.err, Confirmation::kAssumeYes,
                             home ? PromptAnswer::No : PromptAnswer::Yes);
    TerminalProgress progress(invocation.err);
    ControllerSession session(CloneSessionOptions(prompter, progress, *options));
    if (session.RunClone([](MainController& controller) { controller.CloneRead(); }) !=
        CloneOutcome::kRead) {
        return kExitFailed;
    }
    return session.Controller().Files().SaveFile(
               *invocation.arguments.Value(kOutputFileOption.name))
               ? kExitOk
               : kExitFailed;
}

}  // namespace

CliCommand ReadCommand() {
    return CliCommand{"read", "read a radio's memory into a clone data file", kParameters,
                      kDescription, RunRead};
}

}  // namespace orvane::cli
