#pragma once
// The setting sheets (home, clone comment, expert): their title comes from the sheet
// parameter, and condition directives show or skip groups of lines by model and options.

#include "sheet/sheet.h"

namespace orvane {

class CommonSheet : public Sheet {
public:
    using Sheet::Sheet;

    // The parameter is the sheet number n; anything but an integer is a fault of the
    // built-in call texts.
    void SetParameter(std::string_view parameter) override;
    int SheetNumber() const { return sheetNumber_; }

protected:
    void ApplyStyleOption(std::string_view option) override;
    void ApplyDirective(std::string_view directive) override;

private:
    int sheetNumber_ = 0;
};

}  // namespace orvane
