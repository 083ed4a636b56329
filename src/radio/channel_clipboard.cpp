#include "radio/channel_clipboard.h"

#include <algorithm>

#include "radio/channel_store.h"

namespace orvane {

void ApplyModelFilter(MemoryChannel& channel, const RadioConfiguration& options) {
    if (!(options.Vor() && options.BankMode())) {
        channel.duplex = false;
    }
    if (!options.Wx()) {
        channel.wx = MemoryChannel::kWxOff;
    }
}

void ChannelClipboard::Clear() {
    kind_ = 0;
    start_ = 0;
    channels_.clear();
}

void ChannelClipboard::CopyFrom(const ChannelStore& store, int kind, int start, int count) {
    Clear();
    kind_ = kind;
    start_ = start;
    for (int k = 0; k < count; ++k) {
        channels_.push_back(store.Load(kind, start + k));
    }
}

int ChannelClipboard::PasteTo(ChannelStore& store, int kind, int start, int count,
                              const RadioConfiguration* options) const {
    if (!HasData(kind)) {
        return 0;
    }
    const int written = std::min(Count(), count);
    for (int k = 0; k < written; ++k) {
        MemoryChannel channel = channels_[static_cast<std::size_t>(k)];
        channel.kind = kind;
        channel.position = start + k;
        if (options != nullptr) {
            ApplyModelFilter(channel, *options);
        }
        store.Store(channel);
    }
    return written;
}

}  // namespace orvane
