#pragma once
// The popup menu's list commands (copy, paste, up, down, clear, delete, insert) on a
// channel list or the bank table; the evaluator hands them the range the list covers.

#include "radio/cell_ids.h"

namespace orvane {

struct CellEvaluation;
struct SheetCell;

struct ListRange {
    static constexpr int kNoBank = 10;  // the export model's single list

    int first = 0;
    int last = 0;
    int bank = kNoBank;
    int capacity = 0;
};

// The list a cell's rows belong to, by the cell's category.
ListKind ListKindOf(const SheetCell& cell);
// The rows the list commands may act on for the evaluation's owner cell: the open
// bank's channels in bank mode, positions 0..99 in export mode, the ten banks.
ListRange ListRangeOf(const CellEvaluation& evaluation);

class ListOperations {
public:
    virtual ~ListOperations() = default;
    // Runs the command request.commandId (83..89) on the owner's list within `range`.
    virtual void Run(CellEvaluation& evaluation, const ListRange& range) = 0;
    // Whether Paste has channels of list `kind` to write.
    virtual bool ClipboardHolds(ListKind kind) const = 0;
};

}  // namespace orvane
