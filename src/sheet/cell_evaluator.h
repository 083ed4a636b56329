#pragma once
// The data model's entry point for cell requests: it answers drawing requests with the
// cell's text and marks, and carries out keys, committed text and commands.

#include "sheet/cell_request.h"

namespace orvane {

// The result of an operation: what the cell opened or the caller is to open.
enum class CellOpening {
    kNothingToOpen,
    // A choice popup or dialog was opened; the sheet clears its multiple selection.
    kOpenedPopup,
    // The caller opens the in-place editor with the request's text and selection.
    kOpenEditor,
};

class CellEvaluator {
public:
    enum Mode { kDraw = 0, kOperate = 1 };

    virtual ~CellEvaluator() = default;
    virtual CellOpening EvaluateCell(CellRequest& request, Mode mode) = 0;
};

}  // namespace orvane
