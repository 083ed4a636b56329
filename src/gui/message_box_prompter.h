#pragma once
// User prompts as modal Qt message boxes.

#include "platform/prompter.h"

class QWidget;

namespace orvane {

class MessageBoxPrompter final : public Prompter {
public:
    // Boxes are centred on `parent` when it is set and visible.
    void SetParent(QWidget* parent) { parent_ = parent; }
    PromptAnswer Ask(const Prompt& prompt) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace orvane
