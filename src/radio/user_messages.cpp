#include "radio/user_messages.h"

#include "base/message_bus.h"
#include "platform/prompter.h"
#include "sheet/colour_table.h"
#include "sheet/sheet_messages.h"
#include "text/text_store.h"

namespace orvane {

void ShowErrorMessage(TextStore& texts, Prompter& prompter, std::string_view key) {
    prompter.Ask(Prompt{texts.FirstLine("GI_Sys_AppTitle"), texts.GetMultiLineText(key),
                        PromptIcon::Error, PromptButtons::Ok});
}

void ShowStatusText(MessageBus& bus, std::string_view text) {
    bus.PostText(message::kStatusText, colour::kWindowText, colour::kBtnFace, text, true);
}

}  // namespace orvane
