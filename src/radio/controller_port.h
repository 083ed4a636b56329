#pragma once
// What the data model asks of the main controller: to note that the data may have
// changed, and to run the commands of the menus, toolbar and tree. The controller
// implements it; the data model never sees the controller itself.

#include <string>

namespace orvane {

struct SheetCell;

class ControllerPort {
public:
    virtual ~ControllerPort() = default;

    // After every cell action other than a plain read, in this order.
    virtual void ArmWarningRecheck() = 0;
    virtual bool CheckModified() = 0;

    // Opens the help topic of `cell` (the popup menu's Help).
    virtual void ShowCellHelp(const SheetCell& cell) = 0;
};

}  // namespace orvane
