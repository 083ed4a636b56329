#include "clone/clone_result_checks.h"

#include <algorithm>

#include "image/image_layout.h"
#include "image/model_version.h"

namespace orvane {
namespace {

constexpr std::size_t kFlagsAOffset = 16;

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
    } else if (result.identity.size() != kRadioIdentitySize) {
        result.error = clone_error::kIllegalInformation;
    } else {
        std::copy(result.identity.begin(), result.identity.end(), identity.begin());
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

int RadioModelType(const RadioIdentity& identity) {
    const std::uint8_t flags = identity[kFlagsAOffset];
    return ((flags >> 2) & 1) | (((flags >> 3) & 1) << 1) | ((flags & 1) << 2);
}

}  // namespace orvane
