#pragma once
// Reads and writes channel records of an image. Only the fields a record stands for
// are written; the bits the radio keeps for itself stay as they are.

#include "radio/memory_channel.h"

namespace orvane {

class EepromImage;

class ChannelStore {
public:
    // `modelType` selects the default image the default channel comes from.
    ChannelStore(EepromImage& image, int modelType) : image_(image), modelType_(modelType) {}

    // Kind 1 positions 0..199, kind 4 and kind 5; anything else gives an empty (unused)
    // channel of that kind and position.
    MemoryChannel Load(int kind, int position) const;
    // The record of the model's default image at `position` (0..199) as a channel of
    // `kind`, with that position's default flags when the kind is a memory channel.
    MemoryChannel LoadDefaultRecord(int position, int kind) const;
    void Reload(MemoryChannel& channel) const { channel = Load(channel.kind, channel.position); }
    // Kind 1 with a position 0..199, or kind 5; other channels are not written.
    void Store(const MemoryChannel& channel);
    void StoreAndReload(MemoryChannel& channel);

    // Every field of the default channel except the two frequencies (with them when
    // `withFrequencies`); the channel keeps its kind and position and becomes used.
    void TakeDefaults(MemoryChannel& channel, bool withFrequencies) const;

    EepromImage& Image() { return image_; }
    const EepromImage& Image() const { return image_; }

private:
    EepromImage& image_;
    int modelType_;
};

}  // namespace orvane
