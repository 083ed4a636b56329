#pragma once
// A sheet built from its definition: the style line, the basic cell every cell inherits
// from, and the cell lines that expand (with counters, loops and directives) into a grid
// of cells with column widths and row heights. This is the model a grid view draws and
// edits; the sheet variants override the loading steps.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/message_bus.h"
#include "platform/font_description.h"
#include "sheet/cell_parser.h"
#include "sheet/sheet_cell.h"
#include "sheet/sheet_conditions.h"
#include "sheet/sheet_counters.h"
#include "sheet/sheet_environment.h"
#include "sheet/sheet_opening.h"
#include "sheet/sheet_options.h"
#include "sheet/sheet_style.h"
#include "sheet/sheet_view_port.h"

namespace orvane {

class Sheet;

// Told when a built sheet changes its title or its number of rows.
class SheetListener {
public:
    virtual ~SheetListener() = default;
    virtual void OnTitleChanged(const Sheet& sheet) = 0;
    virtual void OnRowCountChanged(const Sheet& sheet) = 0;
};

// The definition line a grid row came from, and whether the row takes part in line
// selections.
struct RowSource {
    int line = 0;
    bool lineSelectable = true;
};

struct CellSlot {
    static constexpr std::uint8_t kLineSelectable = 0x01;
    static constexpr std::uint8_t kMarked = 0x02;
    static constexpr std::uint8_t kRowHighlighted = 0x04;
    static constexpr std::uint8_t kSelectionMarks = kMarked | kRowHighlighted;

    SheetCell cell;
    std::uint8_t flags = 0;
};

// Built sheets listen on the message bus; the variants chain their own kinds to
// OnBusMessage, which hands the screen's kinds to the attached view.
class Sheet : public BusSubscriber {
public:
    // `callText` is "[tag]name,parameter" or just the definition name.
    Sheet(const SheetEnvironment& environment, std::string_view callText,
          const SheetOptions& options = {});
    ~Sheet() override;
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    virtual void SetParameter(std::string_view parameter);
    // Reads the style, builds the cells and starts listening on the bus.
    virtual void Build();
    // The data was replaced as a whole (an undo or redo) under the same model and
    // options: the sheet brings its rows in line with it, or answers false when it has
    // to be built again. Only bank sheets have rows that follow the data.
    virtual bool FollowReplacedData() { return true; }

    const std::string& Name() const { return name_; }
    const std::string& CallText() const { return callText_; }
    const std::string& Parameter() const { return parameter_; }
    const SheetOptions& Options() const { return options_; }
    const RadioConfiguration& Conditions() const { return conditions_; }
    const SheetStyle& Style() const { return style_; }
    const std::string& Title() const { return style_.title; }

    int ColumnCount() const { return columnCount_; }
    int RowCount() const { return rowCount_; }
    // The style's fixed counts, kept below the grid size so one column and row scroll.
    int FixedColumnCount() const;
    int FixedRowCount() const;
    int ColumnWidth(int column) const { return columnWidths_.at(column); }
    int RowHeight(int row) const { return rowHeights_.at(row); }
    // The layout sizes the columns while filling; afterwards the user's sizing, fitting
    // and the remembered widths change them through this.
    void SetColumnWidth(int column, int width) { columnWidths_.at(column) = width; }

    // A cell of the grid; a position outside it is fatal ("Illegal Cell selection").
    const SheetCell& CellAt(int column, int row) const;
    SheetCell& CellAt(int column, int row);
    const CellSlot& SlotAt(int column, int row) const;
    const RowSource& RowSourceAt(int row) const { return rowSources_.at(row); }

    const SheetCell& BasicCell() const { return basicCell_; }
    // The cell's own font, else the basic cell's.
    const FontDescription& CellFont(const SheetCell& cell) const;
    // The first column and row holding a selectable cell (the grid size when none).
    int FirstSelectableColumn() const { return firstSelectableColumn_; }
    int FirstSelectableRow() const { return firstSelectableRow_; }
    const SheetCounters& Counters() const { return counters_; }

    SheetPosition& RememberedPosition() { return rememberedPosition_; }
    const SheetPosition& RememberedPosition() const { return rememberedPosition_; }

    virtual std::string GetPrintTitle() const { return style_.title; }
    virtual bool IsPrintable() const { return !style_.noPrint; }
    bool CanPrint() const { return IsPrintable(); }

    void SetListener(SheetListener* listener) { listener_ = listener; }

    // For the view that shows the sheet on screen.
    const SheetEnvironment& Environment() const { return environment_; }
    // Set by the creator before Build.
    void SetOpening(SheetOpening opening) { opening_ = std::move(opening); }
    const SheetOpening& Opening() const { return opening_; }
    // The view the screen's bus messages go to; null detaches it.
    void AttachView(SheetViewPort* view) { view_ = view; }
    // Sets the selection bits (CellSlot::kSelectionMarks) of a slot; prepared rows past
    // the grid's end included.
    void SetSelectionMarks(int column, int row, std::uint8_t marks);

    // Messages 1, 14, 15..20 and 23 go to the attached view.
    void OnBusMessage(const BusMessage& message) override;

protected:
    // What the reader of the cell lines keeps while it walks them.
    struct LayoutState {
        int line = 0;
        int skip = 0;  // lines still to be skipped
        int loopStart = -1;
        int loopEnd = -1;
        int loopCount = -1;
        int rowsInLoop = 0;
        bool selectOn = true;
    };

    // The loading steps, in the order they run.
    virtual void ApplyStyleOption(std::string_view option);
    virtual void ApplyDirective(std::string_view directive);
    virtual void LoadCells();
    virtual void LoadBasicCell();
    virtual void LayoutPass(const std::string& key);
    virtual void FillCells(const std::string& key);
    virtual void OnRowStart(int row);
    virtual void OnCellStart(int column, int row);
    // LayoutPass records where each row comes from through this.
    virtual void RecordRowSource(int row, int line, bool lineSelectable);

    std::string CellsKey() const { return name_ + "_Cells"; }
    // Cell slots for `rows` rows (at least the grid's), each holding a default cell.
    void CreateSlots(int rows);
    void ApplyIndexOffset();
    void SetIndexOffset(int offset) { indexOffset_ = offset; }
    void SetTitle(std::string title);
    void SetRowCount(int rows) { rowCount_ = rows; }
    void SetRowHeight(int row, int height) { rowHeights_.at(row) = height; }
    void SetFirstSelectableColumn(int column) { firstSelectableColumn_ = column; }
    int SlotRowCount() const { return slotRows_; }
    CellSlot& Slot(int column, int row);
    RowSource& EnsureRowSource(int row);
    // Whether line selection applies to this sheet at all.
    bool UsesLineSelection() const { return style_.multiSelect != MultiSelectMode::Off; }

    LayoutState& Layout() { return layout_; }
    SheetCounters& MutableCounters() { return counters_; }
    SheetListener* Listener() const { return listener_; }

private:
    void ReadStyle();
    void ExpandClosedLoop();
    void FitToCell(const SheetCell& cell, int column, int row);
    bool InGrid(int column, int row) const;
    std::size_t SlotIndex(int column, int row) const;
    int FixedColumnsForModel(int n) const;

    SheetEnvironment environment_;
    SheetOptions options_;
    RadioConfiguration conditions_;
    CellParser parser_;
    std::string name_;
    std::string callText_;
    std::string parameter_;
    SheetStyle style_;
    SheetPosition rememberedPosition_;
    SheetCell basicCell_;
    SheetCounters counters_{};
    LayoutState layout_;
    std::vector<RowSource> rowSources_;
    std::vector<CellSlot> slots_;
    std::vector<int> columnWidths_;
    std::vector<int> rowHeights_;
    int columnCount_ = 0;
    int rowCount_ = 0;
    int slotRows_ = 0;
    int firstSelectableColumn_ = 0;
    int firstSelectableRow_ = 0;
    int indexOffset_ = 0;
    SheetListener* listener_ = nullptr;
    SheetOpening opening_;
    SheetViewPort* view_ = nullptr;
    bool subscribed_ = false;
};

}  // namespace orvane
