#include "app/sheet_position_memory.h"

#include <algorithm>

namespace orvane {

void SheetPositionMemory::Remember(std::string_view callText, const SheetPosition& position) {
    entries_.remove_if([callText](const Entry& entry) { return entry.callText == callText; });
    entries_.push_front(Entry{std::string(callText), position});
}

std::optional<SheetPosition> SheetPositionMemory::Find(std::string_view callText) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [callText](const Entry& e) {
        return e.callText == callText;
    });
    if (found == entries_.end()) {
        return std::nullopt;
    }
    return found->position;
}

std::string SheetPositionMemory::MostRecent() const {
    return entries_.empty() ? std::string() : entries_.front().callText;
}

}  // namespace orvane
