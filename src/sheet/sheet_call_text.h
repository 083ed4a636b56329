#pragma once
// The text that names a sheet to open: "[tag]name,parameter". The tag selects the sheet
// class, the name the definition, the parameter is handed to the sheet.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct SheetCallText {
    std::string tag;  // empty without brackets
    std::string name;
    std::string parameter;  // empty without a comma

    static SheetCallText Parse(std::string_view text);
};

// The bank a parameter "Bank N" names (N the first of its comma-separated arguments);
// none when the first word is not "Bank".
std::optional<int> BankOfParameter(std::string_view parameter);

}  // namespace orvane
