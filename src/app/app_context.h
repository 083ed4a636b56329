#pragma once
// The application-wide objects, created by the program's entry point in this order and
// destroyed in the reverse order, handed by reference to whoever needs them.

#include "app/app_settings.h"
#include "base/message_bus.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/timer_host.h"
#include "radio/cell_names.h"
#include "text/text_store.h"

namespace orvane {

struct AppContext {
    AppSettings& settings;
    TextStore& texts;      // the main text resource
    TextStore& helpTexts;  // the help topics
    MessageBus& bus;
    CellNames& cellNames;  // the CT_/CL_ names that definition texts link to
    TimerHost& timers;
    const Clock& clock;
    Prompter& prompter;
};

}  // namespace orvane
