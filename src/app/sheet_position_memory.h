#pragma once
// Where the user was on each sheet: a sheet that opens again shows the same cell and
// scroll position. The most recently closed sheet comes first.

#include <list>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/sheet_style.h"

namespace orvane {

class SheetPositionMemory {
public:
    // `callText`'s position is now `position`, and it is the most recent.
    void Remember(std::string_view callText, const SheetPosition& position);
    std::optional<SheetPosition> Find(std::string_view callText) const;
    // The call text of the sheet closed last; empty when none was.
    std::string MostRecent() const;

private:
    struct Entry {
        std::string callText;
        SheetPosition position;
    };
    std::list<Entry> entries_;
};

}  // namespace orvane
