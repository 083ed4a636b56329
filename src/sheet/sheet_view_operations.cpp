// The operations of the sheet view: requests to the data model and what the view does
// with the answers, repeated keys, choices in a choice list and the in-place editor.

#include <algorithm>
#include <cmath>

#include "platform/font_metrics.h"
#include "sheet/cell_evaluator.h"
#include "sheet/cell_painter.h"
#include "sheet/key_codes.h"
#include "sheet/sheet_view.h"

namespace orvane {
namespace {

// A repeated key waits 30 ms the first time and 6 ms less each time after, so the user
// sees the cursor go before the key acts again.
constexpr int kFirstRepeatWait = 30;
constexpr int kRepeatWaitStep = 6;

}  // namespace

void SheetView::SendOperation(GridCell cell, std::int32_t keyCode, std::int32_t commandId,
                              std::optional<std::string> text) {
    FinishPendingRepeat();
    RunOperation(cell, keyCode, commandId, std::move(text), 0);
}

CellRequest SheetView::MakeRequest(GridCell cell) {
    CellRequest request;
    request.cell = &sheet_.CellAt(cell.column, cell.row);
    const auto& opener = sheet_.Opening().parentRequest;
    request.parentRequest = opener ? &*opener : nullptr;
    request.fromGrid = true;
    request.callText = sheet_.CallText();
    request.parameter = sheet_.Parameter();
    if (IsSlotSelected(cell.column, cell.row)) {
        request.flags |= CellRequest::kCurrent;
    }
    request.sheet = &sheet_;
    if (const auto anchor = selection_.Anchor(); anchor && selection_.Active()) {
        // The range runs between the rows of the anchor and the cursor, read in the
        // first scrolling column.
        const int column = sheet_.FixedColumnCount();
        const std::int32_t a = sheet_.CellAt(column, anchor->row).link.index;
        const std::int32_t b = sheet_.CellAt(column, current_.row).link.index;
        request.selectionFlags |= CellRequest::kRangeActive;
        request.rangeFrom = std::min(a, b);
        request.rangeTo = std::max(a, b);
    }
    request.refresh = [this](const CellRequest& changed, std::uint32_t mask) {
        Refresh(changed.cell->link, mask);
    };
    request.startEdit = [this, cell](const CellRequest& opening, bool suppress) {
        if (!suppress) {
            OpenEditor(cell, opening.text, opening.selStart, opening.selLength);
        }
    };
    request.openChoice = [this](const CellRequest& opening, const std::string& listKey,
                                const CellLink& focus) {
        host_.OpenChoicePopup(opening, listKey, focus);
    };
    return request;
}

void SheetView::RunOperation(GridCell cell, std::int32_t keyCode, std::int32_t commandId,
                             std::optional<std::string> text, int repetition) {
    CellRequest request = MakeRequest(cell);
    request.keyCode = keyCode;
    request.commandId = commandId;
    if (text) {
        request.text = std::move(*text);
        request.textOrigin = TextOrigin::kEditor;
        request.keyCode = key::kNone;
    }
    if (dialogMode_) {
        // A choice list acts only on a choice; the opening cell takes the value.
        if (keyCode == key::kEnter || keyCode == key::kDoubleClick) {
            CommitChoice(request);
            PostMenuRefresh();
        }
        return;
    }
    const CellOpening result = handler_.EvaluateCell(request, CellEvaluator::kOperate);
    if (request.moveRequested) {
        if (const auto target = FindSelectable(request.moveTo, true)) {
            SelectCell(*target, true);
            UpdatePopupMenu(false);
        }
    }
    if (result == CellOpening::kOpenedPopup) {
        selection_.Clear();
    } else if (result == CellOpening::kOpenEditor) {
        OpenEditor(cell, request.text, request.selStart, request.selLength);
    }
    if (request.repeatKey != key::kNone) {
        ScheduleRepeat(request.repeatKey, repetition);
        return;
    }
    FinishOperation(request);
}

void SheetView::CommitChoice(CellRequest& request) {
    if (const auto& opener = sheet_.Opening().parentRequest) {
        CellRequest commit = *opener;
        commit.parentRequest = &request;
        commit.textOrigin = TextOrigin::kChoice;
        handler_.EvaluateCell(commit, CellEvaluator::kOperate);
    }
    host_.HideHost();
}

void SheetView::FinishOperation(const CellRequest& request) {
    if ((request.selectionFlags & CellRequest::kSelectRange) != 0) {
        selection_.SelectRange(current_, request.rangeFrom, request.rangeTo);
    } else {
        selection_.RestartAt(current_);
    }
    PostMenuRefresh();
}

// The data model asked for the key again on the (possibly moved) cursor cell.
void SheetView::ScheduleRepeat(std::int32_t keyCode, int repetition) {
    host_.PaintNow();
    pendingRepeat_ = PendingRepeat{keyCode, repetition + 1};
    const int wait = std::max(0, kFirstRepeatWait - kRepeatWaitStep * repetition);
    if (wait == 0) {
        RunPendingRepeat();
    } else {
        repeatTimer_->Start(wait);
    }
}

void SheetView::RunPendingRepeat() {
    repeatTimer_->Stop();
    if (!pendingRepeat_) {
        return;
    }
    const PendingRepeat repeat = *pendingRepeat_;
    pendingRepeat_.reset();
    RunOperation(current_, repeat.keyCode, 0, std::nullopt, repeat.repetition);
}

// Input that arrives while a repeated key waits comes after it.
void SheetView::FinishPendingRepeat() {
    while (pendingRepeat_) {
        RunPendingRepeat();
    }
}

// ---- In-place editor --------------------------------------------------------------

void SheetView::OpenEditor(GridCell cell, const std::string& text, int selStart, int selLength) {
    selection_.Clear();
    SelectCell(cell, true);
    const PixelRect rect = host_.CellRect(cell.column, cell.row);
    if (rect.Width() < 1 || rect.Height() < 1) {
        return;
    }
    const SheetCell& sheetCell = sheet_.CellAt(cell.column, cell.row);
    EditorPlacement placement{rect, sheet_.CellFont(sheetCell), text, selStart, selLength};
    // The box covers the cell up to its rules, so they still frame it.
    PixelRect& box = placement.rect;
    if (sheetCell.Rule() != RightRule::None && box.Width() > 1) {
        --box.right;
    }
    if (sheetCell.HasBottomRule() && box.Height() > 1) {
        --box.bottom;
    }
    // One line of the cell's font, where the cell draws its first line.
    const double scale = sheet_.Options().Scale();
    const int lineHeight = sheet_.Environment().fontMetrics.LineHeight(placement.font);
    if (lineHeight < box.Height()) {
        const int top = TextTop(sheetCell, rect, lineHeight, scale);
        box.top = std::clamp(top, box.top, box.bottom + 1 - lineHeight);
        box.bottom = box.top + lineHeight - 1;
    }
    placement.alignment = sheetCell.Horizontal();
    const int indent = static_cast<int>(std::lround(kCellTextIndent * scale));
    placement.leftIndent = indent;
    placement.rightIndent = indent - (rect.right - box.right);
    edited_ = cell;
    host_.ShowEditor(placement);
}

// Closed before the text is sent, so that a cursor move the data model asks for does
// not commit it again, and an editor the answer opens anew stays open.
void SheetView::CommitEditor() {
    if (!edited_) {
        return;
    }
    const GridCell cell = *edited_;
    edited_.reset();
    std::string text = host_.EditorText();
    host_.HideEditor();
    SendOperation(cell, key::kEnter, 0, std::move(text));
}

void SheetView::CancelEditor() {
    edited_.reset();
    host_.HideEditor();
}

}  // namespace orvane
