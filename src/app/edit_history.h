#pragma once
// The document's edit history: the data after each step the user took since the document
// was made, opened or read, so that steps can be undone and redone. A step restores the
// image and the model with it; the history remembers where each step was made so the
// cursor can go back there.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "image/eeprom_image.h"
#include "sheet/radio_configuration.h"
#include "sheet/sheet_style.h"

namespace orvane {

// What the user sets beside the image: the model and, in expert mode, the options the
// expert settings sheet changes (the image holds those too, but the sheets read them from
// the settings). Outside expert mode those options follow the connected radio, which is
// no step of the user's, and a step leaves them as they are.
struct EditedOptions {
    std::int32_t modelType = 0;
    bool expert = false;  // the options below are the user's
    bool duplexEnabled = true;
    bool nameDisplay = true;
    bool vfoEnabled = true;
    std::int32_t channelSpacing = 0;
    std::int32_t lightKey = 0;

    static EditedOptions Of(const RadioConfiguration& radio, bool expertMode);
    void ApplyTo(RadioConfiguration& radio) const;
    bool operator==(const EditedOptions&) const = default;
};

// The document's data at one point of the history.
struct EditState {
    EepromImage image;
    EditedOptions options;

    bool SameData(const EditState& other) const {
        return options == other.options && image.Equals(other.image);
    }
};

// Where a step was made: the open sheet's call text (empty when none) and the cell.
struct EditPlace {
    std::string sheetCall;
    SheetPosition position;
};

struct EditStep {
    std::string name;  // what the user did, for the menu ("Paste", "RX")
    EditPlace place;
    bool readFromRadio = false;  // the step is a clone read
};

class EditHistory {
public:
    // Enough for any session; 1001 images of 8 KB stay under 9 MB.
    static constexpr std::size_t kMaxSteps = 1000;

    // A fresh history whose present is `present`.
    void Reset(EditState present);
    // The user's step left `now`: kept as a step when its data differs from the present
    // (the steps that could be redone are dropped); false when nothing changed.
    bool Record(EditState now, EditStep step);
    // The data changed without a step to take back (a refit to what the radio allows): the
    // present takes it.
    void Rebase(EditState now);

    const EditStep* NextUndo() const;
    const EditStep* NextRedo() const;
    // Move the present one step back or forward and give the data there. Only when
    // NextUndo / NextRedo give a step.
    const EditState& Undo();
    const EditState& Redo();

    const EditState& Present() const { return states_[present_]; }
    std::size_t StepCount() const { return steps_.size(); }

private:
    // states_[i + 1] is the data after steps_[i]; states_[0] the data before them all.
    std::deque<EditState> states_{EditState{}};
    std::deque<EditStep> steps_;
    std::size_t present_ = 0;
};

}  // namespace orvane
