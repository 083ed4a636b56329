#pragma once
// The link vocabulary of the sheet engine's tests, in place of the data model's table. It
// numbers every name in the order it is first asked for, categories from 100 and cells
// from 1000, so any definition text parses (the shipped ones too) and no test can lean
// on the data model's codes; a test asks it for the code of a name instead. Names put in
// `unknown` fault, as the data model's vocabulary faults on names it lacks.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "base/fatal.h"
#include "sheet/cell_vocabulary.h"

namespace orvane::testing {

class TestVocabulary final : public CellVocabulary {
public:
    std::int32_t CategoryFromName(std::string_view name) override {
        return Code(categories_, kFirstCategory, "category", name);
    }
    std::int32_t CellIdFromName(std::string_view name) override {
        return Code(cells_, kFirstCell, "cell", name);
    }

    // The name a cell code was handed out for; empty for any other code.
    std::string CellName(std::int32_t code) const {
        for (const auto& [name, cell] : cells_) {
            if (cell == code) {
                return name;
            }
        }
        return "";
    }

    std::set<std::string, std::less<>> unknown;

private:
    static constexpr std::int32_t kFirstCategory = 100;
    static constexpr std::int32_t kFirstCell = 1000;

    std::int32_t Code(std::map<std::string, std::int32_t, std::less<>>& codes, std::int32_t first,
                      const std::string& kind, std::string_view name) {
        if (unknown.contains(name)) {
            Fatal("Unknown " + kind + " '" + std::string(name) + "'");
        }
        const std::int32_t next = first + static_cast<std::int32_t>(codes.size());
        return codes.try_emplace(std::string(name), next).first->second;
    }

    std::map<std::string, std::int32_t, std::less<>> categories_;
    std::map<std::string, std::int32_t, std::less<>> cells_;
};

}  // namespace orvane::testing
