#pragma once
// Entry of values chosen from a list: the row's text is shown, Space and Backspace step
// through the rows, Enter opens the list under the cell; the typed form also accepts
// text matched against the rows.

#include <cstdint>
#include <string>

#include "radio/cell_ids.h"
#include "radio/entry_result.h"

namespace orvane {

struct CellRequest;
class ChoiceLists;

struct ChoiceList {
    std::string key;  // the choice sheet, e.g. "GI_Sheet_Sel_Mch_Tag"
    CellId rowCell = cell::kFlex0;
};

EntryResult ChoiceEntry(CellRequest& request, ChoiceLists& lists, const ChoiceList& list,
                        std::int32_t& value);
EntryResult ChoiceEntryTyped(CellRequest& request, ChoiceLists& lists, const ChoiceList& list,
                             std::int32_t& value);

}  // namespace orvane
