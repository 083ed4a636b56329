#pragma once
// The simulated radio's own frame codec: the frames it sends, and its strict reading of
// the frames it receives. Written from the protocol description alone; it shares no code
// with the program's frame reader and builders.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane::sim {

using Bytes = std::vector<std::uint8_t>;

// printf into a string, for the radio's messages.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Two upper-case hexadecimal digits a byte.
std::string HexText(std::span<const std::uint8_t> bytes);

// The two's complement of the 8-bit sum: with it, all the bytes add up to 0.
std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

// Frames from the radio: FE FE EF EE, the command, the payload, FD.
Bytes RadioFrame(std::uint8_t command, std::span<const std::uint8_t> payload);
// E4 carrying the text of address (high, low), count, data and checksum.
Bytes RadioDataFrame(std::uint16_t address, std::span<const std::uint8_t> data);
// E5: the maker text and the frame count modulo 256 in two hexadecimal digits.
std::string EndFrameText(std::int64_t frameCount);
Bytes RadioEndFrame(std::int64_t frameCount);

// A data frame's payload as the radio reads it.
struct DataBlock {
    std::uint16_t address = 0;
    Bytes data;
};

// Nothing, with the reason in `fault`, unless the payload is an even number of
// upper-case hexadecimal digits whose bytes are address, count, that many data bytes and
// a checksum that brings the sum to 0.
std::optional<DataBlock> ReadDataPayload(std::span<const std::uint8_t> payload, std::string& fault);

// A frame as the radio's receiver takes it off the wire.
struct ReceivedFrame {
    int wakeUp = 0;  // FE bytes before the frame's own FE FE
    std::uint8_t receiver = 0;
    std::uint8_t sender = 0;
    std::uint8_t command = 0;
    Bytes payload;
};

// The radio's receiver. A frame starts with at least two FE and ends with FD; anything
// else between frames, a frame broken off by FE, or one without room for its addresses
// and command breaks the framing rules.
class FrameReceiver {
public:
    static constexpr std::size_t kLongestFrame = 600;

    // One byte off the wire: the frame it completed, if any. A byte that breaks the
    // rules sets `fault` to one line saying how (once per stretch of such bytes).
    std::optional<ReceivedFrame> Feed(std::uint8_t byte, std::string& fault);
    void Clear();

private:
    enum class Phase { Between, InFrame, Skipping };

    Phase phase_ = Phase::Between;
    int run_ = 0;  // FE in a row between frames
    int wakeUp_ = 0;
    Bytes body_;
};

}  // namespace orvane::sim
