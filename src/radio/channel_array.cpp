#include "radio/channel_array.h"

#include <algorithm>
#include <vector>

#include "image/eeprom_image.h"
#include "radio/channel_store.h"
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
    ChannelStore store(image_, modelType_);
    MemoryChannel blank = store.LoadDefaultRecord(position, MemoryChannel::kMemory);
    blank.used = false;
    store.Store(blank);
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
    PositionBytes bytes = Read(from);
    Write(to, bytes);
}

void ChannelArray::Rotate(int first, int middle, int end) {
    end = std::min(end, kChannelCount);
    if (first < 0 || first > middle || middle > end) {
        return;
    }
    std::vector<PositionBytes> stretch;
    stretch.reserve(static_cast<std::size_t>(end - first));
    for (int position = first; position < end; ++position) {
        stretch.push_back(Read(position));
    }
    std::rotate(stretch.begin(), stretch.begin() + (middle - first), stretch.end());
    for (int position = first; position < end; ++position) {
        Write(position, stretch[static_cast<std::size_t>(position - first)]);
    }
}

ChannelArray::PositionBytes ChannelArray::Read(int position) const {
    PositionBytes bytes;
    image_.ReadBlock(RecordAddress(position), bytes.record);
    bytes.flags = image_.GetByte(FlagAddress(position));
    return bytes;
}

void ChannelArray::Write(int position, const PositionBytes& bytes) {
    image_.WriteBlock(RecordAddress(position), bytes.record);
    image_.SetByte(FlagAddress(position), bytes.flags);
}

}  // namespace orvane
