#include "app/help_request.h"

#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kErrorKey = "GI_Sys_HtmlHelp_Error";
constexpr int kMissingFileLine = 0;
constexpr int kNoTopicLine = 1;

}  // namespace

void ReportHelpOutcome(const HelpOutcome& outcome, TextStore& texts, Prompter& prompter) {
    Prompt prompt{texts.FirstLine("GI_Sys_AppTitle"), {}, PromptIcon::Error, PromptButtons::Ok};
    switch (outcome.result) {
        case HelpResult::kFileMissing:
            prompt.text =
                TextStore::WithValue(texts.GetText(kErrorKey, kMissingFileLine), outcome.helpFile);
            break;
        case HelpResult::kNoTopic:
            prompt.text = texts.GetText(kErrorKey, kNoTopicLine);
            prompt.icon = PromptIcon::Warning;
            break;
        case HelpResult::kShown:
        case HelpResult::kNoEngine:
            return;
    }
    prompter.Ask(prompt);
}

}  // namespace orvane
