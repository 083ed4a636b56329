#include "app/edit_history.h"

#include <utility>

namespace orvane {

EditedOptions EditedOptions::Of(const RadioConfiguration& radio, bool expertMode) {
    if (!expertMode) {
        return {.modelType = radio.modelType};
    }
    return {.modelType = radio.modelType,
            .expert = true,
            .duplexEnabled = radio.duplexEnabled,
            .nameDisplay = radio.nameDisplay,
            .vfoEnabled = radio.vfoEnabled,
            .channelSpacing = radio.channelSpacing,
            .lightKey = radio.lightKey};
}

void EditedOptions::ApplyTo(RadioConfiguration& radio) const {
    radio.modelType = modelType;
    if (expert) {
        radio.duplexEnabled = duplexEnabled;
        radio.nameDisplay = nameDisplay;
        radio.vfoEnabled = vfoEnabled;
        radio.channelSpacing = channelSpacing;
        radio.lightKey = lightKey;
    }
}

void EditHistory::Reset(EditState present) {
    states_.clear();
    steps_.clear();
    states_.push_back(std::move(present));
    present_ = 0;
}

bool EditHistory::Record(EditState now, EditStep step) {
    if (now.SameData(Present())) {
        return false;
    }
    states_.resize(present_ + 1);
    steps_.resize(present_);
    states_.push_back(std::move(now));
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps) {
        states_.pop_front();
        steps_.pop_front();
    }
    present_ = steps_.size();
    return true;
}

void EditHistory::Rebase(EditState now) { states_[present_] = std::move(now); }

const EditStep* EditHistory::NextUndo() const {
    return present_ > 0 ? &steps_[present_ - 1] : nullptr;
}

const EditStep* EditHistory::NextRedo() const {
    return present_ < steps_.size() ? &steps_[present_] : nullptr;
}

const EditState& EditHistory::Undo() {
    --present_;
    return Present();
}

const EditState& EditHistory::Redo() {
    ++present_;
    return Present();
}

}  // namespace orvane
