#include "radio/channel_array.h"

#include <array>

#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

using memory_map::kChannelCount;
using memory_map::kRecordSize;

bool IsPosition(int position) { return position >= 0 && position < kChannelCount; }
std::int32_t RecordAddress(int position) {
    return memory_map::kChannelRecords + position * kRecordSize;
}
std::int32_t FlagAddress(int position) { return memory_map::kChannelFlags + position; }

}  // namespace

bool ChannelArray::IsUsed(int position) const {
    return IsPosition(position) &&
           (image_.GetByte(FlagAddress(position)) & memory_map::kFlagBlank) == 0;
}

void ChannelArray::Blank(int position) {
    if (!IsPosition(position)) {
        return;
    }
    const CloneAreaBytes defaults = DefaultCloneArea(modelType_);
    image_.WriteBlock(
        RecordAddress(position),
        defaults.subspan(static_cast<std::size_t>(RecordAddress(position)), kRecordSize));
    const std::uint8_t flags = defaults[static_cast<std::size_t>(FlagAddress(position))];
    image_.SetByte(FlagAddress(position),
                   static_cast<std::uint8_t>(flags | memory_map::kFlagBlank));
}

void ChannelArray::InsertBlank(int position) {
    if (!IsPosition(position)) {
        return;
    }
    for (int to = kChannelCount - 1; to > position; --to) {
        Move(to - 1, to);
    }
    Blank(position);
}

void ChannelArray::Delete(int position) {
    if (!IsPosition(position)) {
        return;
    }
    for (int to = position; to < kChannelCount - 1; ++to) {
        Move(to + 1, to);
    }
    Blank(kChannelCount - 1);
}

void ChannelArray::Move(int from, int to) {
    std::array<std::uint8_t, kRecordSize> record{};
    image_.ReadBlock(RecordAddress(from), record);
    image_.WriteBlock(RecordAddress(to), record);
    image_.SetByte(FlagAddress(to), image_.GetByte(FlagAddress(from)));
}

}  // namespace orvane
