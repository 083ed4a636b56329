#include "cli/info_command.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <span>

#include "app/app_settings.h"
#include "cli/clone_session.h"
#include "cli/model_name.h"
#include "cli/console_prompter.h"
#include "cli/port_option.h"
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

}  // namespace

int RunInfo(const CliInvocation& invocation) {
    std::optional<PortChoice> port;
    bool highSpeed = false;
    const auto& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--high-speed") {
            highSpeed = true;
        } else if (arguments[i] == "--port" && i + 1 < arguments.size()) {
            port = ParsePort(arguments[++i]);
            if (!port) {
                invocation.err << "orvane-cli info: '" << arguments[i]
                               << "' is not a port (COM1..COM256, 1..256 or a device path)\n";
                return kExitUsage;
            }
        } else {
            invocation.err << "orvane-cli info: unexpected argument '" << arguments[i] << "'\n"
                           << "Usage: orvane-cli info " << kInfoSynopsis << '\n';
            return kExitUsage;
        }
    }

    int argc = 1;
    char name[] = "orvane-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QtSettingsStore store(QtSettingsStore::DefaultFilePath(), AppSettings::kRegistryPath);
    const PortTarget target(store, port);

    ConsolePrompter prompter(invocation.err);
    CloneSession session(target.Locator(), target.Number(), highSpeed, prompter);
    if (session.RunInformation(CloneManager::InformationSpeed::Chosen) != clone_error::kOk) {
        return kExitFailed;
    }
    PrintIdentity(invocation.out, session.Identity(), session.Texts());
    return kExitOk;
}

}  // namespace orvane::cli
