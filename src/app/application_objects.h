#pragma once
// The application-wide objects every program builds the same way over what its host
// provides: the two text stores, the message bus, the cell names, the AppContext that
// bundles them, and the bus pump.

#include "app/app_context.h"
#include "app/app_settings.h"
#include "base/cmc_task.h"
#include "base/message_bus.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/timer_host.h"
#include "radio/cell_names.h"
#include "text/text_store.h"

namespace orvane {

class ApplicationObjects {
public:
    // How often the pump delivers the messages queued on the bus.
    static constexpr int kBusPumpIntervalMs = 10;

    // Loads the built-in text resources (a failure is fatal) and starts the bus pump on
    // `timers`; the host's objects must outlive this one.
    ApplicationObjects(AppSettings& settings, TimerHost& timers, const Clock& clock,
                       Prompter& prompter);
    ApplicationObjects(const ApplicationObjects&) = delete;
    ApplicationObjects& operator=(const ApplicationObjects&) = delete;

    AppContext& Context() { return context_; }
    TextStore& Texts() { return texts_; }
    TextStore& HelpTexts() { return helpTexts_; }
    MessageBus& Bus() { return bus_; }
    CellNames& Names() { return cellNames_; }

private:
    // Created in this order and destroyed in the reverse order; the pump last, so that it
    // goes before the bus it delivers.
    TextStore texts_;
    TextStore helpTexts_;
    MessageBus bus_;
    CellNames cellNames_;
    AppContext context_;
    cmcTaskPtr busPump_;
};

}  // namespace orvane
