#pragma once
// The link of a sheet cell, menu item or tree node to a value or command of the data
// model: a category, a cell identifier and an element index.

#include <cstdint>

namespace orvane {

struct CellLink {
    // Codes the engine itself relies on; every other code comes from the vocabulary.
    static constexpr std::int32_t kNoCategory = 5;
    static constexpr std::int32_t kNoCell = 174;

    std::int32_t category = kNoCategory;
    std::int32_t cellId = kNoCell;
    std::int32_t index = 0;

    bool operator==(const CellLink&) const = default;
};

}  // namespace orvane
