#pragma once
// The main controller over the real texts, settings record, data model and clone
// manager, with the window, the user's answers, the printer and the serial line played
// by test doubles, all under virtual time. A simulated radio can be put behind the line.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/app_settings.h"
#include "app/application_objects.h"
#include "app/main_controller.h"
#include "base/message_bus.h"
#include "fake_main_view.h"
#include "radio/cell_names.h"
#include "support/fake_font_metrics.h"
#include "support/fake_instance_lock.h"
#include "support/memory_settings_store.h"
#include "support/scripted_prompter.h"
#include "text/text_resource.h"
#include "text/text_store.h"
#include "transport_fixture.h"

namespace orvane::testing {

class NullPrinter final : public SheetPrinter {
public:
    void PrintSheet(const std::string& openCall, PrintTarget) override {
        printed.push_back(openCall);
    }
    void PrintSheets(const std::vector<std::string>& calls, const std::string&,
                     PrintTarget) override {
        printed.insert(printed.end(), calls.begin(), calls.end());
    }
    std::vector<std::string> printed;
};

class ControllerFixture : public ::testing::Test, public TransportFixture {
protected:
    explicit ControllerFixture(std::vector<std::string> arguments = {"orvane"})
        : arguments_(std::move(arguments)) {
        texts.SetSource(MainResource());
        helpTexts.SetSource(HelpTopicResource());
    }

    // Creates and starts the controller, as the program does once the window exists.
    MainController& Start() {
        controller = std::make_unique<MainController>(
            ControllerServices{context, view, metrics, Environment(), nullptr, givenPrinter},
            arguments_);
        controller->Start();
        bus.Pump();
        return *controller;
    }

    // Lets `ms` of virtual time pass, with the bus pumped as the program pumps it.
    void Run(std::uint32_t ms) {
        constexpr std::uint32_t kPumpMs = ApplicationObjects::kBusPumpIntervalMs;
        for (std::uint32_t step = 0; step < ms; step += kPumpMs) {
            time.Advance(kPumpMs);
            bus.Pump();
        }
    }

    std::vector<std::string> arguments_;
    MemorySettingsStore store;
    FakeInstanceLock lock;
    AppSettings settings{store, lock, ScreenSize{1024, 768}, arguments_};
    TextStore texts;
    TextStore helpTexts;
    MessageBus bus;
    CellNames cellNames;
    ScriptedPrompter prompter;
    AppContext context{settings, texts, helpTexts, bus, cellNames, time, time, prompter};
    FakeMainView view;
    FakeFontMetrics metrics;
    NullPrinter printer;
    SheetPrinter* givenPrinter = &printer;  // null: a program without printing
    std::unique_ptr<MainController> controller;
};

}  // namespace orvane::testing
