#include "cli/clone_session.h"

#include <QEventLoop>

#include "image/image_layout.h"
#include "image/model_version.h"

namespace orvane::cli {

CloneSession::CloneSession(const PortLocator& locator, int comPort, bool highSpeed,
                           Prompter& prompter)
    : comPort_(comPort),
      comSpeedHigh_(highSpeed ? 1 : 0),
      manager_(CloneEnvironment{timers_, clock_, waiter_, device_, locator},
               CloneManagerHost{texts_, prompter, bus_, {comPort_, comSpeedHigh_}, nullptr}) {
    texts_.SetSource(MainResource());
    manager_.SetInformationHandler([this](CloneResult& result) {
        JudgeInformationResult(result, manager_.AdjustMode(), identity_);
    });
    manager_.SetReadHandler([this](CloneResult& result) {
        JudgeReadResult(result);
        if (result.error == clone_error::kOk) {
            readImage_.Assign(result.image);
        }
    });
    manager_.SetModel(kModelCode, 0);
    manager_.SetImageSize(kImageCapacity);
}

int CloneSession::RunToEnd(bool started) {
    if (!started) {
        return clone_error::kPortOpen;
    }
    QEventLoop loop;
    while (!finished_) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    int error = *finished_;
    finished_.reset();
    return error;
}

int CloneSession::RunInformation(CloneManager::InformationSpeed speed) {
    return RunToEnd(manager_.StartInformation(
        [this](CloneResult& result) { finished_ = result.error; }, speed));
}

int CloneSession::RunRead(std::span<const AddressRange> ranges) {
    return RunToEnd(
        manager_.StartRead(ranges, [this](CloneResult& result) { finished_ = result.error; }));
}

int CloneSession::RunWrite(const EepromImage& image, std::span<const AddressRange> ranges) {
    return RunToEnd(manager_.StartWrite(image, ranges,
                                        [this](CloneResult& result) { finished_ = result.error; }));
}

}  // namespace orvane::cli
