#include "cli/console_prompter.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace orvane::cli {

PromptAnswer ConsolePrompter::Ask(const Prompt& prompt) {
    err_ << prompt.text << '\n';
    switch (prompt.buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return Confirm();
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return questionAnswer_;
    }
    return PromptAnswer::Cancel;
}

PromptAnswer ConsolePrompter::Confirm() {
    if (confirmation_ == Confirmation::kAssumeYes) {
        return PromptAnswer::Ok;
    }
    if (isatty(STDIN_FILENO) == 0) {
        refusedWithoutTerminal_ = true;
        return PromptAnswer::Cancel;
    }
    err_ << "[y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        return PromptAnswer::Cancel;
    }
    return answer == "y" || answer == "Y" || answer == "yes" ? PromptAnswer::Ok
                                                             : PromptAnswer::Cancel;
}

}  // namespace orvane::cli
