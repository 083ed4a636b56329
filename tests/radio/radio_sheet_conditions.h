#pragma once
// Sheet conditions a test sets by hand, for building the shipped sheets over the data
// model.

#include "sheet/sheet_conditions.h"

namespace orvane::testing {

class RadioSheetConditions final : public SheetConditionSource {
public:
    SheetConditions CurrentSheetConditions() const override { return value; }
    SheetConditions value;
};

}  // namespace orvane::testing
