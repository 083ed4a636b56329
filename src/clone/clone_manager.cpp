#include "clone/clone_manager.h"

#include "clone/clone_error_message.h"
#include "clone/clone_messages.h"
#include "clone/clone_script.h"
#include "clone/progress_fill.h"
#include "image/model_version.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kNormalSpeed = "9600,N,8,1";
constexpr const char* kHighSpeed = "38400,N,8,1";
constexpr int kNormalRequestPreamble = 24;
constexpr int kHighSpeedRequestPreamble = 96;
constexpr int kHighSpeedDataPreamble = 48;
constexpr std::uint32_t kScriptDelayMs = 200;
constexpr std::uint32_t kFinalTimeoutMs = 10000;
constexpr std::uint32_t kAdjustScriptTimeoutMs = 1500;
constexpr std::int32_t kDataSize = 32;

}  // namespace

CloneManager::CloneManager(const CloneEnvironment& environment, CloneManagerHost host)
    : host_(host), engine_(environment), refresh_(MakeTask(environment.timers)) {
    refresh_->SetCallback([this](cmcTask& task) { RefreshProgress(task); });
}

CloneManager::~CloneManager() {
    refresh_.reset();
    if (host_.progress != nullptr && host_.progress->IsOpen()) {
        host_.progress->Close();
    }
}

void CloneManager::SetModel(std::uint16_t modelCode, std::uint16_t modelVersion) {
    engine_.Config().modelCode = modelCode;
    engine_.Config().modelVersion = modelVersion;
}

void CloneManager::SetImageSize(std::int32_t size) { engine_.Config().imageSize = size; }

void CloneManager::EnterAdjustMode(int modelType) {
    host_.port.comSpeedHigh = 0;
    adjustMode_ = true;
    CloneConfig& config = engine_.Config();
    config.script =
        AdjustModeScript(config.modelCode, static_cast<std::uint16_t>(ModelVersion(modelType)));
    config.portNumber = host_.port.comPort;
    config.linkSettings = kNormalSpeed;
    config.requestPreamble = kNormalRequestPreamble;
    config.dataPreamble = 0;
    config.scriptTimeoutMs = kAdjustScriptTimeoutMs;
}

void CloneManager::Configure(bool highSpeed) {
    CloneConfig& config = engine_.Config();
    if (adjustMode_) {
        // The entry script prepared by EnterAdjustMode stays for this operation.
        config.linkSettings = kNormalSpeed;
        config.requestPreamble = kNormalRequestPreamble;
        config.dataPreamble = 0;
    } else if (highSpeed) {
        config.script = SpeedChangeScript(config.modelCode);
        config.requestPreamble = kHighSpeedRequestPreamble;
        config.dataPreamble = kHighSpeedDataPreamble;
        config.linkSettings = kHighSpeed;
    } else {
        config.script.clear();
        config.requestPreamble = kNormalRequestPreamble;
        config.dataPreamble = 0;
        config.linkSettings = kNormalSpeed;
    }
    config.portNumber = host_.port.comPort;
    config.scriptDelayMs = kScriptDelayMs;
    config.echoCheck = true;
    config.countSuffix = true;
    config.dataSize = kDataSize;
    config.finalTimeoutMs = kFinalTimeoutMs;
}

bool CloneManager::StartInformation(Handler completion, InformationSpeed speed) {
    if (IsBusy()) {
        return false;
    }
    host_.bus.Post(message::kCloneInformationStarting, 0, 0, false);
    operation_ = CloneOperation::Information;
    completion_ = std::move(completion);
    Configure(speed == InformationSpeed::Chosen && host_.port.comSpeedHigh != 0);
    return engine_.StartInformation([this](CloneResult& result) { Dispatch(result); });
}

bool CloneManager::StartRead(std::span<const AddressRange> ranges, Handler completion) {
    if (IsBusy()) {
        return false;
    }
    expectedBytes_ = RangeByteCount(ranges);
    operation_ = CloneOperation::Read;
    completion_ = std::move(completion);
    Configure(host_.port.comSpeedHigh != 0);
    engine_.StartRead(ranges, [this](CloneResult& result) { Dispatch(result); });
    OpenProgress();
    return true;
}

bool CloneManager::StartWrite(const EepromImage& image, std::span<const AddressRange> ranges,
                              Handler completion) {
    if (IsBusy()) {
        return false;
    }
    expectedBytes_ = RangeByteCount(ranges);
    operation_ = CloneOperation::Write;
    completion_ = std::move(completion);
    Configure(host_.port.comSpeedHigh != 0);
    engine_.StartWrite(image, ranges, [this](CloneResult& result) { Dispatch(result); });
    OpenProgress();
    return true;
}

void CloneManager::OpenProgress() {
    if (host_.progress != nullptr && !host_.progress->IsOpen()) {
        host_.progress->Open();
    }
    refresh_->Start(kRefreshMs);
}

void CloneManager::RefreshProgress(cmcTask& task) {
    if (host_.progress != nullptr && host_.progress->IsOpen()) {
        host_.progress->Paint(FilledProgressCells(engine_.DataBytes(), expectedBytes_));
    }
    if (engine_.IsIdle()) {
        task.Stop();
    }
}

void CloneManager::Dispatch(CloneResult& result) {
    if (operation_ == CloneOperation::Information) {
        if (informationHandler_) {
            informationHandler_(result);
        } else {
            result.error = clone_error::kIllegalInformation;
        }
    } else if (operation_ == CloneOperation::Read) {
        if (readHandler_) {
            readHandler_(result);
        } else {
            result.error = clone_error::kNotEnoughData;
        }
    }
    ShowError(result);

    host_.bus.Post(message::kCloneProgressClosed, 0, 0, false);
    if (host_.progress != nullptr && host_.progress->IsOpen()) {
        host_.progress->Close();
    }
    host_.bus.Post(message::kCloneOperationFinished, result.error == clone_error::kOk ? 1 : 0, 0,
                   false);

    if (completion_) {
        Handler completion = std::move(completion_);
        completion_ = nullptr;
        completion(result);
    }
}

void CloneManager::ShowError(const CloneResult& result) {
    std::string text = CloneErrorMessage(result, host_.port.comPort, host_.texts);
    if (text.empty()) {
        return;
    }
    host_.prompter.Ask(Prompt{host_.texts.FirstLine("GI_Sys_AppTitle"), text, PromptIcon::Error,
                              PromptButtons::Ok});
}

}  // namespace orvane
