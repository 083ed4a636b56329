#pragma once
// What one clone operation produced: its error code, what the radio said about itself,
// and the image received or sent.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/address_bit_map.h"
#include "image/address_range.h"
#include "image/eeprom_image.h"

namespace orvane {

enum class CloneOperation : int { Information = 1, Read = 2, Write = 3 };

// Transport result codes; each is a line of the clone error texts.
namespace clone_error {
inline constexpr int kOk = 0;
inline constexpr int kPortOpen = 2;
inline constexpr int kPortAccess = 4;  // echo mismatch, or silence with echo outstanding
inline constexpr int kNoAnswer = 5;
inline constexpr int kIllegalData = 6;
inline constexpr int kDataCount = 7;
inline constexpr int kNotEnoughData = 8;
inline constexpr int kDataOverflow = 9;
inline constexpr int kWriteRefused = 10;  // acknowledgement refused or missing: in doubt
inline constexpr int kIllegalInformation = 11;
inline constexpr int kIncompatibleModel = 14;
inline constexpr int kReadDataRejected = 15;
inline constexpr int kShortWrite = 17;
inline constexpr int kLast = 17;
}  // namespace clone_error

struct CloneResult {
    CloneOperation operation = CloneOperation::Information;
    int error = clone_error::kPortOpen;
    std::uint16_t modelCode = 0;
    std::uint16_t modelVersion = 0;
    std::vector<std::uint8_t> identity;  // the information reply after code and version
    EepromImage image;                   // received (read) or sent (write)
    AddressBitMap received;              // the addresses a read delivered
    // The device and the system's reason when the port could not be opened.
    std::string portFailure;
    bool portFailureIsPermission = false;
};

// Whether a read delivered exactly the list's addresses: 0, or 9 when something arrived
// outside them, else 8 when something is missing.
int CheckCoverage(const AddressBitMap& received, std::span<const AddressRange> ranges,
                  std::int32_t imageSize);

}  // namespace orvane
