#pragma once
// The frames of the clone protocol: FE FE, receiver, sender, command, payload, FD.
// Requests carry the model code and version as binary; data frames carry ASCII
// hexadecimal text, so FE and FD never occur inside a payload. Shared by the engine and
// the simulated radio, which speaks the other side.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/cmc_buff.h"

namespace orvane {

inline constexpr std::uint8_t kFrameStart = 0xFE;
inline constexpr std::uint8_t kFrameEnd = 0xFD;
inline constexpr std::uint8_t kRadioAddress = 0xEE;
inline constexpr std::uint8_t kProgramAddress = 0xEF;

enum CloneCommand : std::uint8_t {
    kInformationRequest = 0xE0,
    kInformationReply = 0xE1,
    kReadRequest = 0xE2,
    kWriteRequest = 0xE3,
    kDataFrame = 0xE4,
    kEndFrame = 0xE5,
    kWriteAcknowledge = 0xE6,
    kSetupCommand = 0xE8,
};

// Which way a frame travels: to the radio it is addressed EE from EF, back EF from EE.
enum class FrameRoute { ToRadio, FromRadio };

// The maker text that opens every end frame.
inline constexpr std::string_view kMakerText = "Zelk Inc.";

// `preamble` extra FE, then FE FE, the route, the command.
void AppendFrameHead(cmcBuff& out, FrameRoute route, std::uint8_t command, int preamble);

// A request (E0, E2, E3): the model code and version, two bytes each, high byte first.
void AppendRequestFrame(cmcBuff& out, std::uint8_t command, std::uint16_t modelCode,
                        std::uint16_t modelVersion, int preamble);

// The two's complement of the 8-bit sum of address, count and data: all decoded bytes
// of a data frame, checksum included, add up to 0.
std::uint8_t DataChecksum(std::uint16_t address, std::span<const std::uint8_t> data);

// A data frame (E4): "%04X%02X" of the address and count, the bytes and the checksum,
// as upper-case hexadecimal text.
void AppendDataFrame(cmcBuff& out, FrameRoute route, std::uint16_t address,
                     std::span<const std::uint8_t> data, int preamble);

// The end frame's payload: the maker text and, with the count suffix, the number of data
// frames modulo 256 as two hexadecimal digits.
std::string EndFrameText(bool countSuffix, std::int64_t frameCount);
void AppendEndFrame(cmcBuff& out, FrameRoute route, bool countSuffix, std::int64_t frameCount);

// Upper-case hexadecimal text as bytes; nothing for an odd length or any other
// character.
std::optional<std::vector<std::uint8_t>> DecodeHexText(std::span<const std::uint8_t> text);

// Gathers received bytes into frames: FE (re)starts a frame with that byte, bytes
// before a start are dropped, FD completes it.
class FrameAssembler {
public:
    enum class Event { None, Complete };

    // Feeds one byte; Complete when it ended a frame, which Frame() then holds (without
    // the FD) until the next byte.
    Event Feed(std::uint8_t byte);
    const cmcBuff& Frame() const { return frame_; }
    void Clear() {
        frame_.Clear();
        completed_ = false;
    }

private:
    cmcBuff frame_;
    bool completed_ = false;
};

}  // namespace orvane
