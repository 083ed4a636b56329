#include "sheet/sheet_factory.h"

#include "sheet/bank_channel_sheet.h"
#include "sheet/channel_sheet.h"
#include "sheet/common_sheet.h"
#include "sheet/sheet_call_text.h"

namespace orvane {

std::unique_ptr<Sheet> CreateSheet(const SheetEnvironment& environment, std::string_view callText,
                                   const SheetOptions& options) {
    const SheetCallText call = SheetCallText::Parse(callText);
    std::unique_ptr<Sheet> sheet;
    if (call.tag == "St_Common") {
        sheet = std::make_unique<CommonSheet>(environment, callText, options);
    } else if (call.tag == "St_S_ColCut") {
        sheet = std::make_unique<ChannelSheet>(environment, callText, options);
    } else if (call.tag == "St_ColCut") {
        sheet = std::make_unique<BankChannelSheet>(environment, callText, options);
    } else {
        sheet = std::make_unique<Sheet>(environment, callText, options);
    }
    sheet->SetParameter(call.parameter);
    return sheet;
}

}  // namespace orvane
