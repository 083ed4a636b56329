#pragma once
// The data model's entry point for cell requests: it answers drawing requests with the
// cell's text and marks, and carries out keys, committed text and commands.

#include "sheet/cell_request.h"

namespace orvane {

class CellEvaluator {
public:
    enum Mode { kDraw = 0, kOperate = 1 };
    // Results of an operation: what the cell opened or the caller is to open.
    static constexpr int kNothingToOpen = 0;
    // A choice popup or dialog was opened; the sheet clears its multiple selection.
    static constexpr int kOpenedPopup = 1;
    // The caller opens the in-place editor with the request's text and selection.
    static constexpr int kOpenEditor = 2;

    virtual ~CellEvaluator() = default;
    virtual int EvaluateCell(CellRequest& request, Mode mode) = 0;
};

}  // namespace orvane
