#pragma once
// The one-wire cloning cable: everything the program sends comes straight back to it
// (the echo) and reaches the radio; the radio's answers share the same wire. Bytes
// cross it one after another, at the line's baud rate when paced.

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "simulated_radio.h"

namespace orvane::sim {

struct LineFaults {
    bool noEcho = false;
    std::int64_t corruptEchoAt = -1;  // index of the echoed byte that comes back altered
};

class SimulatedLine {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    SimulatedLine(SimulatedRadio& radio, LineFaults faults, bool paced)
        : radio_(radio), faults_(faults), paced_(paced) {}

    // Bytes the program wrote.
    void FromProgram(const std::uint8_t* bytes, std::size_t count, TimePoint now);
    // Moves every byte whose wire time has come. The radio hears the program's bytes
    // only when the program's line speed (0: unknown) is the radio's; the bytes for the
    // program are appended to `toProgram`.
    void Run(TimePoint now, std::uint32_t lineBaud, std::vector<std::uint8_t>& toProgram);
    // Time until the next byte is due; nothing when the wire is idle.
    std::optional<std::chrono::microseconds> NextDue(TimePoint now) const;
    bool Idle() const { return wire_.empty(); }

private:
    struct WireByte {
        std::uint8_t value;
        bool fromProgram;
    };

    void Pass(const WireByte& byte, std::uint32_t lineBaud, std::vector<std::uint8_t>& toProgram);

    SimulatedRadio& radio_;
    LineFaults faults_;
    bool paced_;
    std::deque<WireByte> wire_;
    TimePoint nextFree_{};
    std::int64_t echoed_ = 0;
    std::vector<std::uint8_t> answer_;
};

}  // namespace orvane::sim
