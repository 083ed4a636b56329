#pragma once
// The popup menu's list commands on the channel lists and the bank table: copy and paste
// through the program's channel clipboard (copies also go to the desktop clipboard, where
// there is one, as tab-separated text), moving blocks up and down, clearing, deleting and
// inserting.
// Bank mode deletes and inserts by asking the main controller, which keeps the bank
// table in step.

#include <string_view>

#include "radio/list_operations.h"

namespace orvane {

class ChannelClipboard;
class TextClipboard;
class TextStore;
class Prompter;
class MessageBus;
struct CellRequest;

class ChannelListOperations final : public ListOperations {
public:
    // `desktopClipboard` may be null: copies then stay in the program.
    ChannelListOperations(ChannelClipboard& clipboard, TextClipboard* desktopClipboard,
                          TextStore& texts, Prompter& prompter, MessageBus& bus)
        : clipboard_(clipboard),
          desktopClipboard_(desktopClipboard),
          texts_(texts),
          prompter_(prompter),
          bus_(bus) {}

    void Run(CellEvaluation& evaluation, const ListRange& range) override;
    bool ClipboardHolds(ListKind kind) const override;

private:
    // The rows a command acts on: the marked lines, else the owner's row.
    struct Block {
        int from = 0;
        int to = 0;
        int Length() const { return to - from + 1; }
    };

    void Copy(CellEvaluation& evaluation, const ListRange& range, Block block);
    void Paste(CellEvaluation& evaluation, const ListRange& range);
    void MoveChannels(CellEvaluation& evaluation, const ListRange& range, Block block,
                      int direction);
    void Clear(CellEvaluation& evaluation, Block block);
    void DeleteInBank(CellEvaluation& evaluation, const ListRange& range, Block block);
    void DeleteInList(CellEvaluation& evaluation, const ListRange& range, Block block);
    void InsertInBank(CellEvaluation& evaluation, const ListRange& range, Block block);
    void InsertInList(CellEvaluation& evaluation, const ListRange& range, Block block);
    void MoveBanks(CellEvaluation& evaluation, Block block, int direction);

    static Block TargetBlock(const CellEvaluation& evaluation);
    static bool AnyUsed(const CellEvaluation& evaluation, Block block);
    static void Select(CellRequest& request, Block block);
    static void MoveCursor(CellEvaluation& evaluation, int index);
    // Asks the question of `key` with OK and Cancel; true for OK.
    bool Confirm(std::string_view key);
    void Status(std::string_view key);

    ChannelClipboard& clipboard_;
    TextClipboard* desktopClipboard_;
    TextStore& texts_;
    Prompter& prompter_;
    MessageBus& bus_;
};

}  // namespace orvane
