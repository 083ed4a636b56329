#pragma once
// The clone transport as the application sees it: configures the engine for the chosen
// speed or for adjust mode, shows the progress window during reads and writes, lets the
// clone commands judge each result, shows the error message of a failed operation,
// tells the application that an operation ended, and calls the command's completion.

#include <cstdint>
#include <functional>
#include <span>

#include "base/cmc_task.h"
#include "base/message_bus.h"
#include "clone/clone_engine.h"
#include "clone/clone_environment.h"
#include "clone/clone_progress_view.h"
#include "platform/prompter.h"

namespace orvane {

class TextStore;

// The stored port number and speed choice; adjust mode forces normal speed.
struct ClonePortChoice {
    std::int32_t& comPort;
    std::int32_t& comSpeedHigh;
};

struct CloneManagerHost {
    TextStore& texts;
    Prompter& prompter;
    MessageBus& bus;
    ClonePortChoice port;
    CloneProgressView* progress;  // may be null: then nothing is shown
};

class CloneManager {
public:
    using Handler = std::function<void(CloneResult&)>;

    static constexpr int kRefreshMs = 30;

    // The information exchange runs at normal speed unless the caller asks for the
    // chosen speed (the command-line tool's --high-speed).
    enum class InformationSpeed { Normal, Chosen };

    CloneManager(const CloneEnvironment& environment, CloneManagerHost host);
    ~CloneManager();
    CloneManager(const CloneManager&) = delete;
    CloneManager& operator=(const CloneManager&) = delete;

    void SetModel(std::uint16_t modelCode, std::uint16_t modelVersion);
    void SetImageSize(std::int32_t size);
    bool IsBusy() const { return !engine_.IsIdle(); }

    // Prepares the adjust-mode entry for the next operation, for a radio of `modelType`.
    void EnterAdjustMode(int modelType);
    bool AdjustMode() const { return adjustMode_; }
    void LeaveAdjustMode() { adjustMode_ = false; }

    void SetInformationHandler(Handler handler) { informationHandler_ = std::move(handler); }
    void SetReadHandler(Handler handler) { readHandler_ = std::move(handler); }

    // Each refuses (false) while an operation runs.
    bool StartInformation(Handler completion, InformationSpeed speed = InformationSpeed::Normal);
    bool StartRead(std::span<const AddressRange> ranges, Handler completion);
    bool StartWrite(const EepromImage& image, std::span<const AddressRange> ranges,
                    Handler completion);

    const CloneEngine& Engine() const { return engine_; }

private:
    void Configure(bool highSpeed);
    void Dispatch(CloneResult& result);
    void ShowError(const CloneResult& result);
    void OpenProgress();
    void RefreshProgress(cmcTask& task);

    CloneManagerHost host_;
    CloneEngine engine_;
    cmcTaskPtr refresh_;
    Handler informationHandler_;
    Handler readHandler_;
    Handler completion_;
    std::int64_t expectedBytes_ = 0;
    CloneOperation operation_ = CloneOperation::Information;
    bool adjustMode_ = false;
};

}  // namespace orvane
