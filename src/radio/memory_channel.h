#pragma once
// One decoded 16-byte channel record: a memory channel, the model's default channel or
// the home VFO channel, with the position flags that belong to it.

#include <cstdint>
#include <string>

#include "radio/frequency.h"

namespace orvane {

struct MemoryChannel {
    static constexpr int kNone = 0;
    static constexpr int kMemory = 1;
    static constexpr int kDefault = 4;  // record 1 of the model's default image
    static constexpr int kHomeVfo = 5;
    static constexpr int kWxOff = 255;

    // The kind asked for, kept even when it names no record (then nothing else is set).
    int kind = kNone;
    int position = 0;
    bool used = false;
    Hertz rxHz = 0;
    Hertz txHz = 0;
    // Set by the frequency entry when a channel without a frequency got its first one.
    bool isNew = false;
    std::string name = std::string(8, ' ');
    std::uint8_t dotMask = 0;
    bool duplex = false;
    bool txInhibit = false;
    int wx = kWxOff;  // 0..9 (shown 1..10) or kWxOff
    bool tag = false;

    bool HasWx() const { return wx != kWxOff; }
    bool operator==(const MemoryChannel&) const = default;
};

}  // namespace orvane
