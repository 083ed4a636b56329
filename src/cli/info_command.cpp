#include "cli/info_command.h"

#include <QCoreApplication>

#include <array>
#include <optional>
#include <ostream>
#include <span>

#include "app/app_settings.h"
#include "cli/clone_session.h"
#include "cli/model_name.h"
#include "cli/console_prompter.h"
#include "cli/clone_verb_options.h"
#include "clone/clone_result_checks.h"
#include "qt/qt_settings_store.h"
#include "text/text_store.h"

namespace orvane::cli {
namespace {

// An identity field as text; anything unprintable shows as '.'.
std::string FieldText(std::span<const std::uint8_t> field) {
    std::string text;
    for (std::uint8_t byte : field) {
        text += byte >= 0x20 && byte <= 0x7E ? static_cast<char>(byte) : '.';
    }
    return text;
}

void PrintIdentity(std::ostream& out, const RadioIdentity& identity, TextStore& texts) {
    std::string comment = FieldText(identity.Comment());
    comment.erase(comment.find_last_not_of(' ') + 1);
    out << "Model: " << ModelName(identity.ModelType(), texts) << '\n'
        << "Comment: " << comment << '\n'
        << "Firmware: " << FieldText(identity.Firmware()) << '\n'
        << "Version: " << FieldText(identity.VersionText()) << '\n';
}

int RunInfo(const CliInvocation& invocation) {
    const std::optional<CloneVerbOptions> options = ReadCloneVerbOptions(invocation);
    if (!options) {
        return kExitUsage;
    }

    int argc = 1;
    char name[] = "orvane-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QtSettingsStore store(QtSettingsStore::DefaultFilePath(), AppSettings::kRegistryPath);
    const PortTarget target(store, options->port);

    ConsolePrompter prompter(invocation.err);
    CloneSession session(target.Locator(), target.Number(), options->highSpeed, prompter);
    if (session.RunInformation(CloneManager::InformationSpeed::Chosen) != clone_error::kOk) {
        return kExitFailed;
    }
    PrintIdentity(invocation.out, session.Identity(), session.Texts());
    return kExitOk;
}

constexpr std::array kParameters = {kPortOption, kHighSpeedOption};

constexpr std::string_view kDescription =
    "Runs the clone information exchange and prints the radio's model, clone\n"
    "comment, firmware field and version. On failure the message Orvane would show\n"
    "goes to stderr and the exit status is 1.";

}  // namespace

CliCommand InfoCommand() {
    return CliCommand{"info", "show the model, comment and firmware of the radio", kParameters,
                      kDescription, RunInfo};
}

}  // namespace orvane::cli
