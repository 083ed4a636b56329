#pragma once
// Adds channels after the last channel of a bank (or of the export model's list) as a
// user typing them would: into the bank's next blank row, or into a row added after the
// bank's end while the banks have room. The frequency and the name go through the same
// entry rules as text typed into the channel sheet; a channel the radio cannot receive is
// refused, and so is one the bank already holds, so that a table imported again or into
// a new document adds nothing twice.

#include <optional>
#include <string>

#include "exchange/exchange_summary.h"
#include "radio/channel_store.h"
#include "radio/memory_channel.h"
#include "sheet/radio_configuration.h"

namespace orvane {

class EepromImage;

// A channel as another program writes it, in text.
struct TypedChannel {
    enum class Transmit { kSame, kOff, kSplit };
    std::string frequency;  // megahertz
    std::string name;
    Transmit transmit = Transmit::kSame;
    std::string txFrequency;  // megahertz, for kSplit
    bool skipped = false;     // left out of scans
};

// What became of one channel: the channel stored, or why it was refused.
struct AppendResult {
    std::optional<MemoryChannel> channel;
    RefusalReason refusal;  // when there is no channel
};

class ChannelAppender {
public:
    ChannelAppender(EepromImage& image, const RadioConfiguration& options);

    // The channel `typed` makes at the end of `bank`, not stored yet, or why it is
    // refused. `bank` is ignored by the export model, which has one list.
    AppendResult Enter(const TypedChannel& typed, int bank) const;
    // Stores a channel just made by Enter for the same bank: at its position, which the
    // bank gains when it lies after the bank's end.
    void Store(MemoryChannel& channel, int bank);
    AppendResult Append(const TypedChannel& typed, int bank);

private:
    // The position a new channel of `bank` takes; empty when the bank or list is full.
    std::optional<int> FreePosition(int bank) const;
    bool BeyondBank(int position, int bank) const;
    // The bank (or list) already holds a channel like `channel`.
    bool Holds(const MemoryChannel& channel, int bank) const;
    std::optional<RefusalReason> EnterFrequencies(const TypedChannel& typed,
                                                  MemoryChannel& channel) const;

    EepromImage& image_;
    RadioConfiguration options_;
    ChannelStore store_;
};

}  // namespace orvane
