#include "cli/new_command.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "app/file_commands.h"
#include "base/ascii_case.h"
#include "cli/console_prompter.h"
#include "cli/controller_session.h"
#include "cli/model_name.h"
#include "image/model_type.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kSynopsis = "[--model MODEL] -o FILE";

constexpr std::string_view kDetails =
    "Makes the data of a new document, as the New command does, and saves it to FILE as\n"
    "the Save command saves it.\n"
    "\n"
    "  --model MODEL  HT-Lk1, HT-Lk2 or HT-Lk1S/Lk2S (any case); the default is the\n"
    "                 model chosen in Orvane\n"
    "  -o FILE        the clone data file to write; an existing file is replaced\n"
    "\n"
    "On failure the file error goes to stderr, FILE is left as it was and the exit\n"
    "status is 1.";

constexpr std::string_view kUsage =
    "Usage: orvane-cli new [--model MODEL] -o FILE\n"
    "Run 'orvane-cli help new' for details.\n";

// The selectable model called `name` by the model name block.
std::optional<std::int32_t> ModelNamed(const std::string& name, TextStore& texts) {
    for (const std::int32_t type : model_type::kSelectable) {
        if (EqualIgnoringAsciiCase(ModelName(type, texts), name)) {
            return type;
        }
    }
    return std::nullopt;
}

struct NewOptions {
    std::optional<std::string> model;
    std::string output;
};

std::optional<NewOptions> ParseOptions(const CliInvocation& invocation) {
    NewOptions options;
    const auto& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--model" && hasValue) {
            options.model = arguments[++i];
        } else if (argument == "-o" && hasValue) {
            options.output = arguments[++i];
        } else {
            invocation.err << "orvane-cli new: unexpected argument '" << argument << "'\n"
                           << kUsage;
            return std::nullopt;
        }
    }
    if (options.output.empty()) {
        invocation.err << "orvane-cli new: no output file given (-o FILE)\n" << kUsage;
        return std::nullopt;
    }
    return options;
}

int RunNew(const CliInvocation& invocation) {
    const std::optional<NewOptions> options = ParseOptions(invocation);
    if (!options) {
        return kExitUsage;
    }
    ConsolePrompter prompter(invocation.err);
    ControllerSession session{SessionOptions(prompter)};
    if (options->model) {
        const std::optional<std::int32_t> type = ModelNamed(*options->model, session.Texts());
        if (!type) {
            invocation.err << "orvane-cli new: unknown model '" << *options->model
                           << "' (HT-Lk1, HT-Lk2 or HT-Lk1S/Lk2S)\n"
                           << kUsage;
            return kExitUsage;
        }
        session.Controller().ChangeModel(*type, false);
    }
    FileCommands& commands = session.Controller().Files();
    commands.NewData();
    return commands.SaveFile(options->output) ? kExitOk : kExitFailed;
}

}  // namespace

CliCommand NewCommand() {
    return CliCommand{"new", kSynopsis, "save the data of a new document for a model", kDetails,
                      RunNew};
}

}  // namespace orvane::cli
