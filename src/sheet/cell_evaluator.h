#pragma once
// The data model's entry point for cell requests: it answers drawing requests with the
// cell's text and marks, and carries out keys, committed text and commands.

#include "sheet/cell_request.h"

namespace orvane {

class CellEvaluator {
public:
    enum Mode { kDraw = 0, kOperate = 1 };
    // Results of an operation.
    static constexpr int kNothingToOpen = 0;
    static constexpr int kClearSelection = 1;
    static constexpr int kOpenEditor = 2;

    virtual ~CellEvaluator() = default;
    virtual int EvaluateCell(CellRequest& request, Mode mode) = 0;
};

}  // namespace orvane
