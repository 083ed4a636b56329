#include "cli/console_prompter.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace orvane::cli {

// A box that only reports is printed; a question the options have answered is not.
PromptAnswer ConsolePrompter::Ask(const Prompt& prompt) {
    switch (prompt.buttons) {
        case PromptButtons::Ok:
            err_ << prompt.text << '\n';
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return confirmation_ == Confirmation::kAssumeYes ? PromptAnswer::Ok : Confirm(prompt);
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return questionAnswer_;
    }
    return PromptAnswer::Cancel;
}

PromptAnswer ConsolePrompter::Confirm(const Prompt& prompt) {
    err_ << prompt.text << '\n';
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
