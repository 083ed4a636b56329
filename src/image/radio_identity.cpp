#include "image/radio_identity.h"

#include <algorithm>

#include "image/model_type.h"

namespace orvane {
namespace {

bool IsDigit(std::uint8_t character) { return character >= '0' && character <= '9'; }

}  // namespace

RadioIdentity::RadioIdentity(std::span<const std::uint8_t, kSize> bytes) {
    std::copy(bytes.begin(), bytes.end(), bytes_.begin());
}

std::int32_t RadioIdentity::ModelType() const {
    return (Vor() ? model_type::kVor : 0) | (Wx() ? model_type::kWx : 0) |
           (ExportVariant() ? model_type::kExport : 0);
}

std::uint32_t RadioIdentity::VersionNumber() const {
    const auto text = VersionText();
    if (!IsDigit(text[0]) || text[1] != '.' || !IsDigit(text[2]) || !IsDigit(text[3])) {
        return kUnreadableVersion;
    }
    return DigitVersion(text[0], text[2], text[3]);
}

}  // namespace orvane
