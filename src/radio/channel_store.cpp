#include "radio/channel_store.h"

#include <algorithm>
#include <array>
#include <span>

#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

using memory_map::kFrequencyUnitHz;
using Record = std::array<std::uint8_t, memory_map::kRecordSize>;

constexpr std::uint8_t kWxAssigned = 0x80;
constexpr std::uint8_t kTxInhibit = 0x40;
constexpr std::uint8_t kDuplex = 0x20;
constexpr std::size_t kNameOffset = 6;
constexpr std::size_t kDotMaskOffset = 14;

bool IsMemoryPosition(int position) {
    return position >= 0 && position < memory_map::kChannelCount;
}

std::int32_t RecordAddress(int kind, int position) {
    return kind == MemoryChannel::kHomeVfo
               ? memory_map::kHomeVfoRecord
               : memory_map::kChannelRecords + position * memory_map::kRecordSize;
}

std::int32_t FlagAddress(int position) { return memory_map::kChannelFlags + position; }

Hertz ReadFrequency(const Record& record, std::size_t offset) {
    return static_cast<Hertz>(record[offset] | (record[offset + 1] << 8)) * kFrequencyUnitHz;
}

void WriteFrequency(Record& record, std::size_t offset, Hertz hertz) {
    const Hertz units = hertz / kFrequencyUnitHz;
    record[offset] = static_cast<std::uint8_t>(units & 0xFF);
    record[offset + 1] = static_cast<std::uint8_t>((units >> 8) & 0xFF);
}

void SetBit(std::uint8_t& byte, std::uint8_t bit, bool on) {
    byte = static_cast<std::uint8_t>(on ? (byte | bit) : (byte & ~bit));
}

// The fields of a record and its position flags. The default channel is always in use;
// the home VFO channel has no flag byte and always holds a frequency.
MemoryChannel Decode(const Record& record, std::uint8_t flags, int kind, int position) {
    MemoryChannel channel;
    channel.kind = kind;
    channel.position = position;
    channel.used = kind != MemoryChannel::kMemory || (flags & memory_map::kFlagBlank) == 0;
    channel.txHz = ReadFrequency(record, 0);
    channel.rxHz = ReadFrequency(record, 2);
    const std::uint8_t mode = record[5];
    if (channel.used && (mode & kWxAssigned) != 0 && record[4] < memory_map::kWxChannelCount) {
        channel.wx = record[4];
    }
    channel.txInhibit = (mode & kTxInhibit) != 0;
    channel.duplex = (mode & kDuplex) != 0;
    channel.name.assign(record.begin() + kNameOffset,
                        record.begin() + kNameOffset + memory_map::kNameLength);
    channel.dotMask = record[kDotMaskOffset];
    channel.tag = kind == MemoryChannel::kDefault || (flags & memory_map::kFlagTag) != 0;
    return channel;
}

}  // namespace

MemoryChannel ChannelStore::Load(int kind, int position) const {
    Record record{};
    std::uint8_t flags = 0;
    if (kind == MemoryChannel::kDefault) {
        MemoryChannel channel = LoadDefaultRecord(memory_map::kDefaultChannelPosition, kind);
        channel.position = position;
        return channel;
    }
    if (kind == MemoryChannel::kHomeVfo ||
        (kind == MemoryChannel::kMemory && IsMemoryPosition(position))) {
        image_.ReadBlock(RecordAddress(kind, position), record);
        if (kind == MemoryChannel::kMemory) {
            flags = image_.GetByte(FlagAddress(position));
        }
        return Decode(record, flags, kind, position);
    }
    MemoryChannel nothing;
    nothing.kind = kind;
    nothing.position = position;
    return nothing;
}

MemoryChannel ChannelStore::LoadDefaultRecord(int position, int kind) const {
    const CloneAreaBytes defaults = DefaultCloneArea(modelType_);
    Record record{};
    const auto start = static_cast<std::size_t>(RecordAddress(MemoryChannel::kMemory, position));
    std::copy_n(defaults.begin() + static_cast<std::ptrdiff_t>(start), record.size(),
                record.begin());
    const std::uint8_t flags = kind == MemoryChannel::kMemory
                                   ? defaults[static_cast<std::size_t>(FlagAddress(position))]
                                   : 0;
    return Decode(record, flags, kind, position);
}

void ChannelStore::Store(const MemoryChannel& channel) {
    const bool memory =
        channel.kind == MemoryChannel::kMemory && IsMemoryPosition(channel.position);
    if (!memory && channel.kind != MemoryChannel::kHomeVfo) {
        return;
    }
    const std::int32_t address = RecordAddress(channel.kind, channel.position);
    Record record{};
    image_.ReadBlock(address, record);
    WriteFrequency(record, 2, channel.rxHz);
    WriteFrequency(record, 0, channel.txHz);
    std::uint8_t& mode = record[5];
    if (memory) {
        // Only channels 0..9 are written as assigned: any other number would come back
        // as a different channel.
        const bool wxValid = channel.wx >= 0 && channel.wx < memory_map::kWxChannelCount;
        record[4] = static_cast<std::uint8_t>(channel.used && wxValid ? channel.wx : 0);
        SetBit(mode, kWxAssigned, wxValid);
        SetBit(mode, kTxInhibit, channel.txInhibit);
        for (std::size_t i = 0; i < static_cast<std::size_t>(memory_map::kNameLength); ++i) {
            record[kNameOffset + i] =
                static_cast<std::uint8_t>(i < channel.name.size() ? channel.name[i] : ' ');
        }
        record[kDotMaskOffset] = channel.dotMask;
        std::uint8_t flags = image_.GetByte(FlagAddress(channel.position));
        SetBit(flags, memory_map::kFlagBlank, !channel.used);
        SetBit(flags, memory_map::kFlagTag, channel.tag);
        image_.SetByte(FlagAddress(channel.position), flags);
    } else {
        record[4] = 0;
        SetBit(mode, kWxAssigned | kTxInhibit, false);
        std::fill_n(record.begin() + kNameOffset, memory_map::kNameLength,
                    static_cast<std::uint8_t>(' '));
        record[kDotMaskOffset] = 0;
    }
    SetBit(mode, kDuplex, channel.duplex);
    image_.WriteBlock(address, record);
}

void ChannelStore::StoreAndReload(MemoryChannel& channel) {
    Store(channel);
    Reload(channel);
}

void ChannelStore::TakeDefaults(MemoryChannel& channel, bool withFrequencies) const {
    MemoryChannel defaults = Load(MemoryChannel::kDefault, 0);
    if (!withFrequencies) {
        defaults.rxHz = channel.rxHz;
        defaults.txHz = channel.txHz;
    }
    defaults.kind = channel.kind;
    defaults.position = channel.position;
    defaults.isNew = channel.isNew;
    channel = defaults;
}

}  // namespace orvane
