#include "cli/controller_session.h"

#include <QEventLoop>

namespace orvane::cli {
namespace {

std::unique_ptr<QCoreApplication> ApplicationIfNone() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 1;
    static char name[] = "orvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::vector<std::string> ProgramArguments(const std::vector<std::string>& given) {
    std::vector<std::string> arguments{"orvane-cli"};
    arguments.insert(arguments.end(), given.begin(), given.end());
    return arguments;
}

}  // namespace

ControllerSession::ControllerSession(const SessionOptions& options)
    : application_(ApplicationIfNone()),
      arguments_(ProgramArguments(options.arguments)),
      store_(QtSettingsStore::DefaultFilePath(), AppSettings::kRegistryPath),
      readOnlyStore_(store_),
      settings_(readOnlyStore_, lock_, ScreenSize{}, arguments_),
      objects_(settings_, timers_, clock_, options.prompter),
      port_(store_, options.port),
      controller_(
          ControllerServices{objects_.Context(), view_, metrics_,
                             CloneEnvironment{timers_, clock_, waiter_, device_, port_.Locator()},
                             options.progress, nullptr},
          arguments_) {
    settings_.ComPort = port_.Number();
    settings_.ComSpeedHigh = options.highSpeed ? 1 : 0;
    controller_.Start();
}

void ControllerSession::Settle() {
    // A message may post another; each pump delivers what was queued before it began.
    while (objects_.Bus().QueuedCount() > 0) {
        objects_.Bus().Pump();
    }
}

CloneOutcome ControllerSession::RunClone(const std::function<void(MainController&)>& command) {
    std::optional<CloneOutcome> outcome;
    controller_.Clone().SetOutcomeListener([&outcome](CloneOutcome ended) { outcome = ended; });
    command(controller_);
    QEventLoop loop;
    while (!outcome) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    controller_.Clone().SetOutcomeListener(nullptr);
    return *outcome;
}

}  // namespace orvane::cli
