#pragma once
// A sheet whose columns can be cut: after filling, every column holding a cut cell gets
// width 0 and none of its cells can be selected.

#include "sheet/sheet.h"

namespace orvane {

class ColumnCutSheet : public Sheet {
public:
    using Sheet::Sheet;

protected:
    void FillCells(const std::string& key) override;
    virtual bool IsCutCell(const SheetCell& cell) const;
};

}  // namespace orvane
