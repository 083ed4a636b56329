#pragma once
// User prompts as modal Qt message boxes.

#include "platform/prompter.h"

class QWidget;

namespace orvane {

class MessageBoxPrompter final : public Prompter {
public:
    // Boxes are centred on `parent` when it is set. A box asked while its parent is hidden
    // (a file named on the command line that cannot be opened, before the window first
    // shows) shows the parent first: a box never stands without its window.
    void SetParent(QWidget* parent) { parent_ = parent; }
    PromptAnswer Ask(const Prompt& prompt) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace orvane
