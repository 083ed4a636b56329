#pragma once
// The 27 bytes a radio returns to an information request, read field by field: the clone
// comment it stores, its capability flags, its firmware field and version text, and the
// model type and version number derived from them.

#include <array>
#include <cstdint>
#include <span>

#include "image/image_layout.h"

namespace orvane {

class RadioIdentity {
public:
    static constexpr std::size_t kSize = 27;
    static constexpr std::size_t kFieldLength = 4;  // firmware field and version text
    // The version number of a version text that is not digit, point, digit, digit: "000".
    static constexpr std::uint32_t kUnreadableVersion = 0x303030;

    // All zero: what the program holds before any radio has answered.
    RadioIdentity() = default;
    explicit RadioIdentity(std::span<const std::uint8_t, kSize> bytes);

    std::span<const std::uint8_t, kCommentLength> Comment() const {
        return std::span(bytes_).first<kCommentLength>();
    }
    std::span<const std::uint8_t, kFieldLength> Firmware() const {
        return std::span(bytes_).subspan<kFirmwareOffset, kFieldLength>();
    }
    std::span<const std::uint8_t, kFieldLength> VersionText() const {
        return std::span(bytes_).subspan<kVersionOffset, kFieldLength>();
    }

    // Capability flags A.
    bool ExportVariant() const { return (bytes_[kFlagsAOffset] & kExportBit) != 0; }
    bool Vor() const { return (bytes_[kFlagsAOffset] & kVorBit) != 0; }
    bool Wx() const { return (bytes_[kFlagsAOffset] & kWxBit) != 0; }
    bool OptionA1() const { return (bytes_[kFlagsAOffset] & kOptionA1Bit) != 0; }
    // The radio transmits split frequencies: it says so, and it is a VOR set that is
    // not the export variant.
    bool DuplexCapable() const {
        return (bytes_[kFlagsAOffset] & kDuplexBit) != 0 && Vor() && !ExportVariant();
    }
    bool NameDisplay() const { return (bytes_[kFlagsAOffset] & kNameDisplayBit) != 0; }
    bool TotOffAllowed() const { return (bytes_[kFlagsAOffset] & kTotOffBit) != 0; }
    // Capability flags B.
    bool VfoEnabled() const { return (bytes_[kFlagsBOffset] & kVfoBit) != 0; }
    bool TuningStepChoice() const { return (bytes_[kFlagsBOffset] & kStepChoiceBit) != 0; }
    std::int32_t TuningStep() const { return (bytes_[kFlagsBOffset] >> kStepShift) & kStepMask; }
    std::uint8_t CapabilityC() const { return bytes_[kCapabilityCOffset]; }
    // The model type the flags make: VOR 1, WX 2, export variant 4.
    std::int32_t ModelType() const;

    // The version text d1 "." d2 d3 as the number DigitVersion(d1, d2, d3), or
    // kUnreadableVersion.
    std::uint32_t VersionNumber() const;

private:
    static constexpr std::size_t kFlagsAOffset = 16;
    static constexpr std::size_t kFlagsBOffset = 17;
    static constexpr std::size_t kCapabilityCOffset = 18;
    static constexpr std::size_t kFirmwareOffset = 19;
    static constexpr std::size_t kVersionOffset = 23;
    static constexpr std::uint8_t kExportBit = 0x01;
    static constexpr std::uint8_t kVorBit = 0x04;
    static constexpr std::uint8_t kOptionA1Bit = 0x02;
    static constexpr std::uint8_t kWxBit = 0x08;
    static constexpr std::uint8_t kDuplexBit = 0x10;
    static constexpr std::uint8_t kNameDisplayBit = 0x20;
    static constexpr std::uint8_t kTotOffBit = 0x40;
    static constexpr std::uint8_t kVfoBit = 0x01;
    static constexpr std::uint8_t kStepChoiceBit = 0x02;
    static constexpr int kStepShift = 2;
    static constexpr std::int32_t kStepMask = 0x03;

    std::array<std::uint8_t, kSize> bytes_{};
};

// Versions compare as the 24-bit numbers of their three digit characters.
constexpr std::uint32_t DigitVersion(std::uint8_t d1, std::uint8_t d2, std::uint8_t d3) {
    return std::uint32_t{d1} << 16 | std::uint32_t{d2} << 8 | d3;
}

}  // namespace orvane
