#include "radio/cell_names.h"

#include <array>

#include "base/fatal.h"

namespace orvane {
namespace {

constexpr std::array<ListKind, 6> kListKinds = {ListKind::None,  ListKind::None, ListKind::Channels,
                                                ListKind::Banks, ListKind::None, ListKind::None};

// Registering a name twice is fatal, and an empty name would be a hole in the codes:
// both are caught here, once, rather than at the first lookup.
consteval bool EveryNameSetAndUnique(const auto& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) {
            return false;
        }
        for (std::size_t j = i + 1; j < names.size(); ++j) {
            if (names[i] == names[j]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(EveryNameSetAndUnique(kCategoryNames));
static_assert(EveryNameSetAndUnique(kCellNames));

}  // namespace

CellCategory CellNames::CategoryFromName(std::string_view name) {
    if (name.empty()) {
        return category::kNone;
    }
    if (!categoriesRegistered_) {
        for (std::size_t code = 0; code < kCategoryNames.size(); ++code) {
            table_.Insert(kCategoryNames[code], static_cast<std::int32_t>(code));
        }
        categoriesRegistered_ = true;
    }
    if (auto code = table_.Find(name)) {
        return *code;
    }
    Fatal("Cannot use the specified category.\n'" + std::string(name) + "'");
}

CellId CellNames::CellIdFromName(std::string_view name) {
    if (name.empty()) {
        return CellLink::kNoCell;
    }
    if (!cellsRegistered_) {
        for (std::size_t code = 0; code < kCellNames.size(); ++code) {
            table_.Insert(kCellNames[code], static_cast<std::int32_t>(code));
        }
        cellsRegistered_ = true;
    }
    if (auto code = table_.Find(name)) {
        return *code;
    }
    Fatal("Cannot use the specified cell.\n'" + std::string(name) + "'");
}

std::string CellNames::CellIdName(CellId code) {
    if (code < 0 || code >= kCellCount) {
        return {};
    }
    return std::string(kCellNames[static_cast<std::size_t>(code)]);
}

ListKind CellNames::ListKindOfCategory(CellCategory category) {
    if (category < 0 || category > category::kNone) {
        Fatal("Unknown Cell Category.");
    }
    return kListKinds[static_cast<std::size_t>(category)];
}

}  // namespace orvane
