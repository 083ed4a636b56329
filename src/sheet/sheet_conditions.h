#pragma once
// Where a sheet reads the radio configuration, which decides the rows and columns some
// sheets show, when it is created. The sheet engine only reads it; the application
// provides it.

#include "sheet/radio_configuration.h"

namespace orvane {

class SheetConditionSource {
public:
    virtual ~SheetConditionSource() = default;
    virtual RadioConfiguration CurrentSheetConditions() const = 0;
};

}  // namespace orvane
