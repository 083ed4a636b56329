#pragma once
// The popup menu's list commands (copy, paste, up, down, clear, delete, insert) on a
// channel list or the bank table; the evaluator hands them the range the list covers.

namespace orvane {

struct CellEvaluation;

struct ListRange {
    static constexpr int kNoBank = 10;  // the export model's single list

    int first = 0;
    int last = 0;
    int bank = kNoBank;
    int capacity = 0;
};

class ListOperations {
public:
    virtual ~ListOperations() = default;
    // Runs the command request.commandId (83..89) on the owner's list within `range`.
    virtual void Run(CellEvaluation& evaluation, const ListRange& range) = 0;
};

}  // namespace orvane
