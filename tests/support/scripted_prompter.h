#pragma once
// A prompter that records every prompt and answers from a script (default: the first
// button, OK or Yes).

#include <deque>
#include <functional>
#include <vector>

#include "platform/prompter.h"

namespace orvane::testing {

class ScriptedPrompter final : public Prompter {
public:
    PromptAnswer Ask(const Prompt& prompt) override {
        shown.push_back(prompt);
        if (whenShown) {
            whenShown(prompt);
        }
        if (!answers.empty()) {
            PromptAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return prompt.buttons == PromptButtons::Ok || prompt.buttons == PromptButtons::OkCancel
                   ? PromptAnswer::Ok
                   : PromptAnswer::Yes;
    }

    std::deque<PromptAnswer> answers;
    std::vector<Prompt> shown;
    std::function<void(const Prompt&)> whenShown;  // runs while each box shows
};

}  // namespace orvane::testing
