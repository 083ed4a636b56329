#pragma once
// The frequency combinations the radio accepts for the selected model and options.
// Nothing is refused: a failing channel only gets a mark.

#include "sheet/radio_configuration.h"

namespace orvane {

struct MemoryChannel;
class EepromImage;

class ChannelChecks {
public:
    ChannelChecks(EepromImage& image, const RadioConfiguration& options)
        : image_(image), options_(options) {}

    // Each is true when the channel is to be marked; blank channels only count with
    // `includeBlank`.
    bool RxCheck(const MemoryChannel& channel, bool includeBlank) const;
    // Only the separate transmit frequency of a navigation-band duplex channel.
    bool TxCheck(const MemoryChannel& channel, bool includeBlank) const;
    bool DuplexCheck(const MemoryChannel& channel, bool includeBlank) const;
    bool AnyCheck(const MemoryChannel& channel, bool includeBlank) const;

    // Any used channel of the bank fails a check. An empty bank with no channels before
    // it checks position 0.
    bool BankHasErrors(int bank) const;
    // The same over the export model's list of 100.
    bool ListHasErrors() const;
    // Among banks 1..9, a bank with channels follows an empty one.
    bool BankGap() const;

private:
    bool Exempt(const MemoryChannel& channel, bool includeBlank) const;
    bool RangeHasErrors(int first, int last) const;

    EepromImage& image_;
    RadioConfiguration options_;
};

}  // namespace orvane
