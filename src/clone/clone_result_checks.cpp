#include "clone/clone_result_checks.h"

#include "image/image_layout.h"
#include "image/model_version.h"

namespace orvane {
namespace {

bool VersionAccepted(std::uint16_t version, bool adjustMode) {
    if (adjustMode) {
        return version == 4 || version == 8;
    }
    return version == 1 || version == 4 || version == 5;
}

}  // namespace

void JudgeInformationResult(CloneResult& result, bool adjustMode, RadioIdentity& identity) {
    if (result.operation != CloneOperation::Information || result.error != clone_error::kOk) {
        return;
    }
    if (result.modelCode != kModelCode) {
        result.error = clone_error::kIllegalInformation;
    } else if (!VersionAccepted(result.modelVersion, adjustMode)) {
        result.error = clone_error::kIncompatibleModel;
    } else if (result.identity.size() != RadioIdentity::kSize) {
        result.error = clone_error::kIllegalInformation;
    } else {
        identity = RadioIdentity(std::span(result.identity).first<RadioIdentity::kSize>());
    }
}

void JudgeReadResult(CloneResult& result) {
    if (result.operation != CloneOperation::Read || result.error != clone_error::kOk) {
        return;
    }
    if (!HasModelDigits(result.image)) {
        result.error = clone_error::kReadDataRejected;
    }
}

}  // namespace orvane
