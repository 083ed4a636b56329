#include "sheet/common_sheet.h"

#include <array>
#include <optional>
#include <string>

#include "base/fatal.h"
#include "sheet/definition_text.h"

namespace orvane {
namespace {

struct Condition {
    std::string_view name;
    bool (*holds)(const RadioConfiguration& conditions, int sheetNumber);
};

// A directive is tested against every name it begins with, so "Only_VOR_Lk1" is
// tested as "Only_VOR" too.
constexpr std::array<Condition, 13> kConditions = {{
    {"Only_Current", [](const RadioConfiguration&, int n) { return n != 0; }},
    {"Only_TS", [](const RadioConfiguration& c, int) { return c.spacing833Allowed; }},
    {"Only_WX", [](const RadioConfiguration& c, int) { return c.Wx(); }},
    {"Only_Key_WX", [](const RadioConfiguration& c, int) { return c.Wx() && c.BankMode(); }},
    {"Only_VOR", [](const RadioConfiguration& c, int) { return c.Vor(); }},
    {"Only_VOR_Lk1", [](const RadioConfiguration& c, int) { return c.Vor() && c.BankMode(); }},
    {"Only_DUP_VOR_Lk1", [](const RadioConfiguration& c, int) { return c.DuplexVorBankModel(); }},
    {"Except_DUP_VOR_Lk1",
     [](const RadioConfiguration& c, int) { return !c.DuplexVorBankModel(); }},
    {"Only_Lk1", [](const RadioConfiguration& c, int) { return c.BankMode(); }},
    {"Only_S_Lk1", [](const RadioConfiguration& c, int) { return !c.BankMode(); }},
    {"Only_En_Vfo", [](const RadioConfiguration& c, int) { return c.vfoEnabled; }},
    {"Only_Ds_Vfo", [](const RadioConfiguration& c, int) { return !c.vfoEnabled; }},
    {"Only_VOX_Disable", [](const RadioConfiguration& c, int) { return c.LightKeyIsVox(); }},
}};

// Ends a guarded block: it always skips the alternatives that follow.
constexpr std::string_view kNonCondition = "Non_Condition";

}  // namespace

void CommonSheet::SetParameter(std::string_view parameter) {
    Sheet::SetParameter(parameter);
    const std::optional<std::int32_t> number = ParseInteger(parameter);
    if (!number) {
        Fatal(NamedFault("Illegal sheet parameter.", parameter));
    }
    sheetNumber_ = *number;
}

void CommonSheet::ApplyStyleOption(std::string_view option) {
    Sheet::ApplyStyleOption(option);
    const std::optional<std::string> title =
        BodyLine(Environment().textStore, "GI_AppInd_CommonTitle", sheetNumber_);
    if (title && !title->empty()) {
        SetTitle(*title);
    }
}

void CommonSheet::ApplyDirective(std::string_view directive) {
    bool holds = !directive.starts_with(kNonCondition);
    for (const Condition& condition : kConditions) {
        if (directive.starts_with(condition.name) && !condition.holds(Conditions(), sheetNumber_)) {
            holds = false;
        }
    }
    if (holds) {
        Sheet::ApplyDirective(directive);
        return;
    }
    if (auto count = ArgumentAfterBlank(directive)) {
        Layout().skip = LeadingNumber(*count);
    }
}

}  // namespace orvane
