#pragma once
// The command-line tool's message boxes: a box that reports goes to stderr, and the
// answer to a question comes from the verb's options or, for a confirmation, from the
// terminal.

#include <istream>
#include <ostream>

#include "platform/prompter.h"

namespace orvane::cli {

// How an OK/Cancel confirmation is answered.
enum class Confirmation {
    kAssumeYes,    // --yes, or a verb whose boxes only report
    kAskTerminal,  // "[y/N]" on the terminal; without one the answer is Cancel
};

class ConsolePrompter final : public Prompter {
public:
    // `questionAnswer` answers the Yes/No questions (the read's home-settings question).
    ConsolePrompter(std::ostream& err, Confirmation confirmation = Confirmation::kAssumeYes,
                    PromptAnswer questionAnswer = PromptAnswer::Yes)
        : err_(err), confirmation_(confirmation), questionAnswer_(questionAnswer) {}

    PromptAnswer Ask(const Prompt& prompt) override;

    // A confirmation was refused because there was no terminal to ask on.
    bool RefusedWithoutTerminal() const { return refusedWithoutTerminal_; }

private:
    PromptAnswer Confirm(const Prompt& prompt);

    std::ostream& err_;
    Confirmation confirmation_;
    PromptAnswer questionAnswer_;
    bool refusedWithoutTerminal_ = false;
};

}  // namespace orvane::cli
