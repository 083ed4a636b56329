#pragma once
// The program's own clipboard of channels: decoded channels with the list kind and the
// position they were copied from. It lives in program memory only.

#include <vector>

#include "radio/memory_channel.h"
#include "sheet/radio_configuration.h"

namespace orvane {

class ChannelStore;

// What a channel written by Paste or Clear may hold on the selected model: duplex only
// on a VOR model outside export mode, a WX channel only on a WX model.
void ApplyModelFilter(MemoryChannel& channel, const RadioConfiguration& options);

class ChannelClipboard {
public:
    void Clear();
    // Takes `count` channels of list `kind` from `start` on.
    void CopyFrom(const ChannelStore& store, int kind, int start, int count);
    // Holds channels copied from a list of `kind` (never for kind 0).
    bool HasData(int kind) const { return kind_ != 0 && kind_ == kind; }
    // Writes min(stored count, `count`) channels at `start`, `start` + 1, ... and returns
    // how many it wrote; with `options` each is first made fit for that model.
    int PasteTo(ChannelStore& store, int kind, int start, int count,
                const RadioConfiguration* options) const;

    int Count() const { return static_cast<int>(channels_.size()); }
    int Start() const { return start_; }
    const std::vector<MemoryChannel>& Channels() const { return channels_; }

private:
    int kind_ = 0;
    int start_ = 0;
    std::vector<MemoryChannel> channels_;
};

}  // namespace orvane
