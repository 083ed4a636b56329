#include "print/page_blocks.h"

#include "sheet/sheet.h"

namespace orvane {

bool BreakAllowedBefore(const Sheet& sheet, int column) {
    for (int row = 0; row < sheet.FixedRowCount(); ++row) {
        if (sheet.CellAt(column, row).UserFlag(kNoBreakFlag)) {
            return false;
        }
    }
    return true;
}

int ColumnsWidth(const Sheet& sheet, int first, int count) {
    int width = 0;
    for (int column = first; column < first + count; ++column) {
        width += sheet.ColumnWidth(column);
    }
    return width;
}

int RowsHeight(const Sheet& sheet, int first, int count) {
    int height = 0;
    for (int row = first; row < first + count; ++row) {
        height += sheet.RowHeight(row);
    }
    return height;
}

std::vector<GridRun> ColumnRuns(const Sheet& sheet, int contentWidth) {
    const int fixedWidth = ColumnsWidth(sheet, 0, sheet.FixedColumnCount());
    std::vector<GridRun> runs;
    int first = sheet.FixedColumnCount();
    while (first < sheet.ColumnCount()) {
        int width = fixedWidth + sheet.ColumnWidth(first);
        int end = sheet.ColumnCount();
        int lastBreak = -1;
        for (int column = first + 1; column < sheet.ColumnCount(); ++column) {
            width += sheet.ColumnWidth(column);
            if (BreakAllowedBefore(sheet, column)) {
                lastBreak = column;
            }
            if (lastBreak > first && width > contentWidth) {
                end = lastBreak;
                break;
            }
        }
        runs.push_back({first, end - first});
        first = end;
    }
    return runs;
}

std::vector<GridRun> RowRuns(const Sheet& sheet, int contentHeight) {
    const int fixedHeight = RowsHeight(sheet, 0, sheet.FixedRowCount());
    std::vector<GridRun> runs;
    int first = sheet.FixedRowCount();
    while (first < sheet.RowCount()) {
        int height = fixedHeight + sheet.RowHeight(first);
        int end = first + 1;
        while (end < sheet.RowCount() && height + sheet.RowHeight(end) <= contentHeight) {
            height += sheet.RowHeight(end);
            ++end;
        }
        runs.push_back({first, end - first});
        first = end;
    }
    return runs;
}

}  // namespace orvane
