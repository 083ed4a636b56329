#pragma once
// The command-line tool's message boxes: the text a box would show goes to a stream
// (stderr) and every box is taken as answered with its default.

#include <ostream>

#include "platform/prompter.h"

namespace orvane::cli {

class StreamPrompter final : public Prompter {
public:
    explicit StreamPrompter(std::ostream& out) : out_(out) {}
    PromptAnswer Ask(const Prompt& prompt) override {
        out_ << prompt.text << '\n';
        return PromptAnswer::Ok;
    }

private:
    std::ostream& out_;
};

}  // namespace orvane::cli
