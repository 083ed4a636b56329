#include "sheet/sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "base/fatal.h"
#include "platform/font_metrics.h"
#include "sheet/definition_text.h"
#include "sheet/font_spec.h"
#include "sheet/refresh_mask.h"
#include "sheet/sheet_call_text.h"
#include "sheet/sheet_messages.h"
#include "text/text_store.h"

namespace orvane {
namespace {

// Space around a fitted text: the text is drawn 4 pixels in from each side, and 1
// pixel down from the top and up from the bottom.
constexpr double kFitWidthMargin = 8.0;
constexpr double kFitHeightMargin = 2.0;

// The font height field of a font attribute: a number, or a percentage of the height.
std::string FontSuffix(int height, bool percent) {
    std::string suffix = "{(Font=,,,";
    if (percent) {
        suffix += '%';
    }
    suffix += std::to_string(height);
    suffix += ",,,)}";
    return suffix;
}

}  // namespace

Sheet::Sheet(const SheetEnvironment& environment, std::string_view callText,
             const SheetOptions& options)
    : environment_(environment),
      options_(options),
      conditions_(environment.conditions.CurrentSheetConditions()),
      parser_(environment.textStore, environment.vocabulary),
      name_(SheetCallText::Parse(callText).name),
      callText_(callText) {}

Sheet::~Sheet() {
    if (subscribed_) {
        environment_.bus.Unsubscribe(this);
    }
}

void Sheet::SetParameter(std::string_view parameter) { parameter_ = std::string(parameter); }

void Sheet::Build() {
    ReadStyle();
    LoadCells();
    environment_.bus.Subscribe(this);
    subscribed_ = true;
}

void Sheet::ReadStyle() {
    const std::string line = environment_.textStore.GetText(name_ + "_Style", 0);
    if (line.starts_with('#')) {
        return;  // an empty body: no options
    }
    for (std::string_view option : ParenthesisGroups(line)) {
        ApplyStyleOption(option);
    }
}

void Sheet::ApplyStyleOption(std::string_view option) {
    const std::string_view value = ValueAfterEquals(option);
    if (option.starts_with("TitleString")) {
        if (!value.empty()) {
            SetTitle(std::string(value));
        }
    } else if (option.starts_with("TitleColor")) {
        if (auto colour = LookupColour(value)) {
            style_.titleColour = *colour;
        }
    } else if (option.starts_with("TitleFont")) {
        FontDescription font = DefaultFont();
        ApplyFontSpec(font, value);
        style_.titleFont = font;
    } else if (option.starts_with("FixedCols")) {
        style_.fixedColumns = LeadingNumber(value);
    } else if (option.starts_with("S_FixedCols")) {
        style_.fixedColumns = FixedColumnsForModel(LeadingNumber(value));
        // A remembered scroll position stays; the scrolling part starts after the fixed
        // columns at the earliest.
        rememberedPosition_.leftColumn =
            std::max(rememberedPosition_.leftColumn, style_.fixedColumns);
    } else if (option.starts_with("FixedRows")) {
        style_.fixedRows = LeadingNumber(value);
    } else if (option == "NoPrint") {
        style_.noPrint = true;
    } else if (option.starts_with("PrintFontRatio")) {
        style_.printFontRatio = LeadingNumber(value);
    } else if (option.starts_with("MultiSelect")) {
        style_.multiSelect = value == "Cell"   ? MultiSelectMode::Cell
                             : value == "Line" ? MultiSelectMode::Line
                                               : MultiSelectMode::Off;
    } else if (option.starts_with("ColSizing")) {
        style_.columnSizing = true;
    } else if (option.starts_with("ColorSelectLine")) {
        style_.colorSelectLine = true;
    }
}

// Channel sheets cut the columns a model does not have; the frozen columns then reach
// over the leading cut columns as well.
int Sheet::FixedColumnsForModel(int n) const {
    const int model = conditions_.modelType;
    if (conditions_.Wx()) {
        return n;
    }
    if (model == 1 && conditions_.duplexEnabled) {
        return n + 1;
    }
    return n + 3;
}

void Sheet::ApplyDirective(std::string_view directive) {
    if (directive.starts_with("LoopFrom")) {
        if (auto count = ArgumentAfterBlank(directive)) {
            layout_.loopStart = layout_.line;
            layout_.loopEnd = -1;
            layout_.loopCount = std::max(1, LeadingNumber(*count));
            layout_.rowsInLoop = 0;
        }
    } else if (directive.starts_with("LoopTo")) {
        // A loop end without a start is ignored.
        if (layout_.loopStart >= 0) {
            layout_.loopEnd = layout_.line;
        }
    } else if (directive.starts_with("SelectON")) {
        layout_.selectOn = true;
    } else if (directive.starts_with("SelectOFF")) {
        layout_.selectOn = false;
    }
}

void Sheet::LoadCells() {
    LoadBasicCell();
    const std::string key = CellsKey();
    LayoutPass(key);
    CreateSlots(rowCount_);
    FillCells(key);
    ApplyIndexOffset();
}

void Sheet::LoadBasicCell() {
    std::string text = BodyLine(environment_.textStore, name_ + "_BasicCell", 0).value_or("");
    text += options_.explicitFontHeight != 0 ? FontSuffix(options_.explicitFontHeight, false)
                                             : FontSuffix(options_.fontPercent, true);
    if (options_.printing && style_.printFontRatio != 100) {
        text += FontSuffix(style_.printFontRatio, true);
    }
    parser_.ParseCell(basicCell_, text, nullptr, nullptr);
}

void Sheet::LayoutPass(const std::string& key) {
    const std::vector<std::string> lines = BodyLines(environment_.textStore, key);
    layout_ = LayoutState{};
    columnCount_ = 0;
    rowCount_ = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        layout_.line = static_cast<int>(n);
        if (layout_.skip > 0) {
            --layout_.skip;
            continue;
        }
        const std::string_view line = lines[n];
        if (line.starts_with(':')) {
            for (std::string_view directive : ParenthesisGroups(line.substr(1))) {
                ApplyDirective(directive);
            }
            ExpandClosedLoop();
            continue;
        }
        columnCount_ = std::max(columnCount_, CellParser::CountCells(line));
        RecordRowSource(rowCount_++, layout_.line, layout_.selectOn);
        const bool loopOpen = layout_.loopStart >= 0 && layout_.loopEnd < 0;
        layout_.rowsInLoop = loopOpen ? layout_.rowsInLoop + 1 : 0;
    }
    if (columnCount_ == 0 || rowCount_ == 0) {
        Fatal("Illegal Cell assign");
    }
}

// The body of a closed loop was read once; its further repetitions are added as rows
// that name the same lines, so FillCells copies them instead of parsing again.
void Sheet::ExpandClosedLoop() {
    if (layout_.loopStart < 0 || layout_.loopEnd < 0 || layout_.loopCount <= 0) {
        return;
    }
    for (int repetition = 2; repetition <= layout_.loopCount; ++repetition) {
        for (int k = 1; k <= layout_.rowsInLoop; ++k) {
            RecordRowSource(rowCount_++, layout_.loopStart + k, layout_.selectOn);
        }
    }
    layout_.loopStart = -1;
    layout_.loopEnd = -1;
    layout_.loopCount = -1;
    layout_.rowsInLoop = 0;
}

void Sheet::RecordRowSource(int row, int line, bool lineSelectable) {
    RowSource& source = EnsureRowSource(row);
    source.line = line;
    source.lineSelectable = lineSelectable;
}

RowSource& Sheet::EnsureRowSource(int row) {
    if (row >= static_cast<int>(rowSources_.size())) {
        rowSources_.resize(static_cast<std::size_t>(row) + 1);
    }
    return rowSources_[static_cast<std::size_t>(row)];
}

void Sheet::CreateSlots(int rows) {
    slotRows_ = std::max(rows, rowCount_);
    slots_.assign(static_cast<std::size_t>(columnCount_) * static_cast<std::size_t>(slotRows_),
                  CellSlot{});
}

// Slots are stored row by row.
std::size_t Sheet::SlotIndex(int column, int row) const {
    return static_cast<std::size_t>(column) +
           static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_);
}

CellSlot& Sheet::Slot(int column, int row) { return slots_.at(SlotIndex(column, row)); }

void Sheet::FillCells(const std::string& key) {
    const std::vector<std::string> lines = BodyLines(environment_.textStore, key);
    const int extent = options_.printing ? std::max(1, options_.minimumCellExtent) : 1;
    columnWidths_.assign(static_cast<std::size_t>(columnCount_), extent);
    rowHeights_.assign(static_cast<std::size_t>(slotRows_), extent);
    firstSelectableColumn_ = columnCount_;
    firstSelectableRow_ = rowCount_;
    int previousLine = -1;
    int previousFilled = 0;
    for (int row = 0; row < rowCount_; ++row) {
        OnRowStart(row);
        const RowSource& source = rowSources_[static_cast<std::size_t>(row)];
        int filled = 0;
        if (row > 0 && source.line == previousLine) {
            for (; filled < previousFilled; ++filled) {
                SheetCell& cell = Slot(filled, row).cell;
                cell = Slot(filled, row - 1).cell;
                ++cell.link.index;
            }
            SetRowHeight(row, RowHeight(row - 1));
        } else {
            std::string_view remainder;
            if (static_cast<std::size_t>(source.line) < lines.size()) {
                remainder = lines[static_cast<std::size_t>(source.line)];
            }
            for (; !remainder.empty() && filled < columnCount_; ++filled) {
                OnCellStart(filled, row);
                SheetCell& cell = Slot(filled, row).cell;
                remainder = parser_.ParseCell(cell, remainder, &counters_, &basicCell_);
                FitToCell(cell, filled, row);
            }
        }
        for (int column = 0; column < columnCount_; ++column) {
            CellSlot& slot = Slot(column, row);
            if (column < filled && slot.cell.IsSelectable()) {
                firstSelectableColumn_ = std::min(firstSelectableColumn_, column);
                firstSelectableRow_ = std::min(firstSelectableRow_, row);
            }
            if (UsesLineSelection() && source.lineSelectable) {
                slot.flags |= CellSlot::kLineSelectable;
            }
        }
        previousLine = source.line;
        previousFilled = filled;
    }
}

void Sheet::FitToCell(const SheetCell& cell, int column, int row) {
    if (!cell.AutoWidth() && !cell.AutoHeight()) {
        return;
    }
    const FontDescription& font = CellFont(cell);
    const FontMetrics& metrics = environment_.fontMetrics;
    int widest = 0;
    int height = 0;
    for (std::string_view line : SplitAt(cell.text, '\n')) {
        widest = std::max(widest, metrics.TextWidth(font, line));
        height += metrics.LineHeight(font);
    }
    const double scale = options_.Scale();
    if (cell.AutoWidth()) {
        const int width = static_cast<int>(std::lround(widest + kFitWidthMargin * scale));
        SetColumnWidth(column, std::max(ColumnWidth(column), width));
    }
    if (cell.AutoHeight()) {
        const int fitted = static_cast<int>(std::lround(height + kFitHeightMargin * scale));
        SetRowHeight(row, std::max(RowHeight(row), fitted));
    }
}

void Sheet::OnRowStart(int) {}

void Sheet::OnCellStart(int, int) {}

void Sheet::ApplyIndexOffset() {
    if (indexOffset_ == 0) {
        return;
    }
    basicCell_.link.index += indexOffset_;
    for (CellSlot& slot : slots_) {
        slot.cell.link.index += indexOffset_;
    }
}

void Sheet::SetTitle(std::string title) {
    style_.title = std::move(title);
    if (listener_ != nullptr) {
        listener_->OnTitleChanged(*this);
    }
}

int Sheet::FixedColumnCount() const {
    return std::max(0, std::min(style_.fixedColumns, columnCount_ - 1));
}

int Sheet::FixedRowCount() const { return std::max(0, std::min(style_.fixedRows, rowCount_ - 1)); }

bool Sheet::InGrid(int column, int row) const {
    return !slots_.empty() && column >= 0 && row >= 0 && column < columnCount_ && row < rowCount_;
}

const SheetCell& Sheet::CellAt(int column, int row) const { return SlotAt(column, row).cell; }

SheetCell& Sheet::CellAt(int column, int row) {
    if (!InGrid(column, row)) {
        Fatal("Illegal Cell selection");
    }
    return Slot(column, row).cell;
}

const CellSlot& Sheet::SlotAt(int column, int row) const {
    if (!InGrid(column, row)) {
        Fatal("Illegal Cell selection");
    }
    return slots_[SlotIndex(column, row)];
}

void Sheet::SetSelectionMarks(int column, int row, std::uint8_t marks) {
    if (column < 0 || row < 0 || column >= columnCount_ || row >= slotRows_) {
        Fatal("Illegal Cell selection");
    }
    CellSlot& slot = Slot(column, row);
    slot.flags = static_cast<std::uint8_t>((slot.flags & ~CellSlot::kSelectionMarks) |
                                           (marks & CellSlot::kSelectionMarks));
}

void Sheet::OnBusMessage(const BusMessage& message) {
    if (view_ == nullptr) {
        return;
    }
    switch (message.kind) {
        case message::kSheetDestroyed:
            view_->OnSheetDestroyed(message.int2);
            break;
        case message::kOwnerCellQuery:
            if (const SheetCell* cell = view_->PopupOwnerCell(message.int1)) {
                environment_.bus.Reply(reinterpret_cast<std::intptr_t>(cell), 0);
            }
            break;
        case message::kFinishCellEdit:
            view_->FinishCellEdit();
            break;
        default:
            if (const auto order = refresh::OrderOfMessage(message.kind, message.int2)) {
                view_->Refresh(order->reference, order->mask);
            }
            break;
    }
}

const FontDescription& Sheet::CellFont(const SheetCell& cell) const {
    if (cell.font) {
        return *cell.font;
    }
    if (basicCell_.font) {
        return *basicCell_.font;
    }
    static const FontDescription kDefault = DefaultFont();
    return kDefault;
}

}  // namespace orvane
