#include "cli/check_command.h"

#include <ostream>
#include <string>
#include <vector>

#include "app/file_commands.h"
#include "cli/controller_session.h"
#include "cli/model_name.h"
#include "image/file_error.h"
#include "platform/prompter.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kDetails =
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

constexpr std::string_view kUsage =
    "Usage: orvane-cli check FILE...\n"
    "Run 'orvane-cli help check' for details.\n";

// The open command's message boxes are not printed: each file's result is its own line.
class QuietPrompter final : public Prompter {
public:
    PromptAnswer Ask(const Prompt&) override { return PromptAnswer::Ok; }
};

// The file names, or nothing after printing the usage for a misused option.
bool CollectFiles(const CliInvocation& invocation, std::vector<std::string>& files) {
    bool optionsEnded = false;
    for (const std::string& argument : invocation.arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            invocation.err << "orvane-cli check: unknown option '" << argument << "'\n" << kUsage;
            return false;
        }
        files.push_back(argument);
    }
    if (files.empty()) {
        invocation.err << "orvane-cli check: no file given\n" << kUsage;
        return false;
    }
    return true;
}

int RunCheck(const CliInvocation& invocation) {
    std::vector<std::string> files;
    if (!CollectFiles(invocation, files)) {
        return kExitUsage;
    }
    QuietPrompter prompter;
    ControllerSession session{SessionOptions(prompter)};
    FileCommands& commands = session.Controller().Files();
    bool allPassed = true;
    for (const std::string& path : files) {
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
    return CliCommand{"check", "FILE...",
                      "check clone data files (.zcf) as the Open command reads them", kDetails,
                      RunCheck};
}

}  // namespace orvane::cli
