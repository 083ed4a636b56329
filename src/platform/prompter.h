#pragma once
// User prompts: modal message boxes and their answers. The GUI shows a message box,
// the command-line tool prints, tests script the answers.

#include <string>

namespace orvane {

enum class PromptIcon { Error, Warning, Question, Information };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct Prompt {
    std::string caption;
    std::string text;  // lines separated by '\n'
    PromptIcon icon = PromptIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer Ask(const Prompt& prompt) = 0;
};

}  // namespace orvane
