#pragma once
// Creates the sheet class a call text's tag selects and hands it the parameter. The
// caller may then set the remembered position and builds the sheet.

#include <memory>
#include <string_view>

#include "sheet/sheet.h"

namespace orvane {

std::unique_ptr<Sheet> CreateSheet(const SheetEnvironment& environment, std::string_view callText,
                                   const SheetOptions& options = {});

}  // namespace orvane
