#pragma once
// A string-to-integer hash table with chained buckets. It holds the colour names and
// the CT_/CL_ names; a name registered twice is a definition fault.

#include <cstdint>
#include <forward_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The bucket of `name` among `bucketCount` buckets. The choice index shares it.
std::uint32_t NameHash(std::string_view name, std::uint32_t bucketCount);

class NameTable {
public:
    static constexpr std::uint32_t kDefaultBuckets = 1031;

    // 0 buckets means the default count.
    explicit NameTable(std::uint32_t bucketCount = 0);

    // A name already present is fatal ("Overlapped Hash table.").
    void Insert(std::string_view name, std::int32_t value);
    // Exact, case-sensitive lookup.
    std::optional<std::int32_t> Find(std::string_view name) const;

    std::uint32_t BucketCount() const { return static_cast<std::uint32_t>(buckets_.size()); }

private:
    struct Entry {
        std::string name;
        std::int32_t value;
    };
    std::vector<std::forward_list<Entry>> buckets_;
};

}  // namespace orvane
