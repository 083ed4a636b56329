#include "app/application_objects.h"

#include <string>

#include "base/fatal.h"
#include "text/text_resource.h"

namespace orvane {
namespace {

// A store takes its source once; a refusal means the program was built wrong.
void Load(TextStore& store, const TextResource& resource, const std::string& name) {
    if (!store.SetSource(resource)) {
        Fatal("The " + name + " could not be loaded.");
    }
}

}  // namespace

ApplicationObjects::ApplicationObjects(AppSettings& settings, TimerHost& timers, const Clock& clock,
                                       Prompter& prompter)
    : context_{settings, texts_, helpTexts_, bus_, cellNames_, timers, clock, prompter},
      busPump_(MakeTask(timers)) {
    Load(texts_, MainResource(), "main text resource");
    Load(helpTexts_, HelpTopicResource(), "help topic resource");
    busPump_->SetCallback([this](cmcTask&) { bus_.Pump(); });
    busPump_->Start(kBusPumpIntervalMs);
}

}  // namespace orvane
