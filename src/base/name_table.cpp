#include "base/name_table.h"

#include "base/fatal.h"

namespace orvane {

std::uint32_t NameHash(std::string_view name, std::uint32_t bucketCount) {
    const std::int32_t half = static_cast<std::int32_t>(bucketCount / 2);
    std::int32_t step = half;
    std::uint32_t h = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<std::int8_t>(name[i]);
        h = 2 * h + static_cast<std::uint32_t>(step) + static_cast<std::uint32_t>(c);
        // The byte after the last one is the terminating zero: its low bit is clear.
        bool nextOdd = i + 1 < name.size() && (static_cast<unsigned char>(name[i + 1]) & 1);
        if (nextOdd) {
            step >>= 1;
            if (step == 0) {
                step = half;
            }
        }
    }
    return h % bucketCount;
}

NameTable::NameTable(std::uint32_t bucketCount)
    : buckets_(bucketCount == 0 ? kDefaultBuckets : bucketCount) {}

void NameTable::Insert(std::string_view name, std::int32_t value) {
    if (Find(name)) {
        Fatal("Overlapped Hash table.");
    }
    buckets_[NameHash(name, BucketCount())].push_front(Entry{std::string(name), value});
}

std::optional<std::int32_t> NameTable::Find(std::string_view name) const {
    for (const Entry& entry : buckets_[NameHash(name, BucketCount())]) {
        if (entry.name == name) {
            return entry.value;
        }
    }
    return std::nullopt;
}

}  // namespace orvane
