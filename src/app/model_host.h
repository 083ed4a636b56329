#pragma once
// What the file and clone commands need from the main controller when they replace or
// check the document: the model change an adopted image implies, the open sheet, the
// refresh that follows, and the warning check over the sheets.

#include <cstdint>

#include "app/warning_check.h"

namespace orvane {

// Where the image the document now holds came from.
enum class ImageChange {
    kNewDocument,  // New or Open: the edit history starts afresh
    kRead,         // a clone read: the history starts with the read as its one step
    kRefit,        // fitted to what a radio allows: no step of its own
};

class ModelHost {
public:
    virtual ~ModelHost() = default;

    // A cell edit in progress is finished before a command looks at the image.
    virtual void FinishCellEdit() = 0;
    // Selects the model without asking; the document's template follows it.
    virtual void ChangeModel(std::int32_t modelType) = 0;
    // The open sheet closes (its position remembered).
    virtual void CloseSheet() = 0;
    // The document holds a different image: the open sheet closes and the tree is
    // filtered anew.
    virtual void ImageReplaced(ImageChange change) = 0;
    // Checks every sheet, marks the tree and adds what it found to the counters.
    virtual WarningFindings RunWarningCheck(int* errors, int* warnings) = 0;
};

}  // namespace orvane
