#pragma once
// The print commands' view of the printer and of the sheets there are to print.

#include <string>
#include <vector>

#include "radio/controller_port.h"

namespace orvane {

class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;

    // The open sheet alone.
    virtual void PrintSheet(const std::string& openCall, PrintTarget target) = 0;
    // Every listed sheet in turn; the open one is printed from its window.
    virtual void PrintSheets(const std::vector<std::string>& calls, const std::string& openCall,
                             PrintTarget target) = 0;
};

// The sheets the tree offers, in tree order, and the one that is open. The controller
// answers from its sheet tree.
class SheetCatalog {
public:
    virtual ~SheetCatalog() = default;

    virtual std::vector<std::string> TreeSheetCalls() const = 0;
    // Empty when no sheet is open.
    virtual std::string OpenSheetCall() const = 0;
};

}  // namespace orvane
