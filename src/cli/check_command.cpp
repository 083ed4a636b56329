#include "cli/check_command.h"

#include <array>
#include <ostream>
#include <string>

#include "app/file_commands.h"
#include "cli/controller_session.h"
#include "cli/model_name.h"
#include "cli/verb_arguments.h"
#include "image/file_error.h"
#include "platform/prompter.h"

namespace orvane::cli {
namespace {

constexpr std::array kParameters = {
    Positional("FILE", "a clone data file to check; \"--\" before a name that starts with '-'",
               Presence::kRepeated),
};

constexpr std::string_view kDescription =
    "Each FILE is opened as the Open command opens it: its model identity must read\n"
    "\"30740001\" and it must cover exactly the clone area (addresses 0x000-0xF9F).\n"
    "\n"
    "A file that passes is reported on standard output as \"FILE: OK (MODEL)\", MODEL\n"
    "being the model Orvane selects for it: the one the file was saved for, the\n"
    "HT-Lk1S/Lk2S for any export variant, the HT-Lk1 for a type no menu offers.\n"
    "A file that fails is reported on standard error as \"FILE: file error N: TEXT\",\n"
    "with the file error code N:\n"
    "  1  the file cannot be opened          2  the file cannot be read\n"
    "  3  not a file of this radio family    4  unknown data version\n"
    "  6  a malformed line                   7  not enough data\n"
    "  8  data outside the clone area, or a wrong model identity\n"
    "\n"
    "Exit status: 0 when every file passed, 1 when any failed, 2 for a usage error.";

// The open command's message boxes are not printed: each file's result is its own line.
class QuietPrompter final : public Prompter {
public:
    PromptAnswer Ask(const Prompt&) override { return PromptAnswer::Ok; }
};

int RunCheck(const CliInvocation& invocation) {
    QuietPrompter prompter;
    ControllerSession session{SessionOptions(prompter)};
    FileCommands& commands = session.Controller().Files();
    bool allPassed = true;
    for (const std::string& path : invocation.arguments.Positionals()) {
        if (commands.OpenFile(path)) {
            invocation.out << path << ": OK (" << ModelName(session.Controller().ModelType(), session.Texts())
                           << ")\n";
        } else {
            allPassed = false;
            invocation.err << FileErrorLine(path, commands.LastFileError(), session.Texts())
                           << '\n';
        }
    }
    return allPassed ? kExitOk : kExitFailed;
}

}  // namespace

CliCommand CheckCommand() {
    return CliCommand{"check", "check clone data files (.zcf) as the Open command reads them",
                      kParameters, kDescription, RunCheck};
}

}  // namespace orvane::cli
