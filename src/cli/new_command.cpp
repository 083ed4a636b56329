#include "cli/new_command.h"

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "app/file_commands.h"
#include "base/ascii_case.h"
#include "cli/cli_help.h"
#include "cli/console_prompter.h"
#include "cli/controller_session.h"
#include "cli/model_name.h"
#include "cli/verb_arguments.h"
#include "image/model_type.h"

namespace orvane::cli {
namespace {

constexpr CliParameter kModelOption =
    ValueOption("model", "MODEL",
                "HT-Lk1, HT-Lk2 or HT-Lk1S/Lk2S (any case); the default is the model "
                "chosen in Orvane");
constexpr std::array kParameters = {kModelOption, kOutputFileOption};

constexpr std::string_view kDescription =
    "Makes the data of a new document, as the New command does, and saves it to\n"
    "FILE as the Save command saves it. On failure the file error goes to stderr,\n"
    "FILE is left as it was and the exit status is 1.";

// The selectable model called `name` by the model name block.
std::optional<std::int32_t> ModelNamed(const std::string& name, TextStore& texts) {
    for (const std::int32_t type : model_type::kSelectable) {
        if (EqualIgnoringAsciiCase(ModelName(type, texts), name)) {
            return type;
        }
    }
    return std::nullopt;
}

int RunNew(const CliInvocation& invocation) {
    ConsolePrompter prompter(invocation.err);
    ControllerSession session{SessionOptions(prompter)};
    if (const std::optional<std::string> model = invocation.arguments.Value(kModelOption.name)) {
        const std::optional<std::int32_t> type = ModelNamed(*model, session.Texts());
        if (!type) {
            return UsageError(invocation,
                              "unknown model '" + *model + "' (HT-Lk1, HT-Lk2 or HT-Lk1S/Lk2S)");
        }
        session.Controller().ChangeModel(*type, false);
    }
    FileCommands& commands = session.Controller().Files();
    commands.NewData();
    return commands.SaveFile(*invocation.arguments.Value(kOutputFileOption.name)) ? kExitOk
                                                                                  : kExitFailed;
}

}  // namespace

CliCommand NewCommand() {
    return CliCommand{"new", "save the data of a new document for a model", kParameters,
                      kDescription, RunNew};
}

}  // namespace orvane::cli
