#include "sheet/column_widths.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/font_metrics.h"
#include "sheet/cell_evaluator.h"
#include "sheet/cell_painter.h"
#include "sheet/definition_text.h"
#include "sheet/sheet.h"

namespace orvane {
namespace {

constexpr const char* kWidthListKey = "GI_CellWidthRegList";
// Space around a fitted text, before scaling: 4 pixels on either side.
constexpr double kFitMargin = 8.0;

int Limited(int width, int upper) { return std::max(kMinimumColumnWidth, std::min(width, upper)); }

int WidestLine(const FontMetrics& metrics, const FontDescription& font, std::string_view text) {
    int widest = 0;
    for (std::string_view line : SplitAt(text, '\n')) {
        widest = std::max(widest, metrics.TextWidth(font, line));
    }
    return widest;
}

}  // namespace

bool IsSizableColumn(const Sheet& sheet, int column) {
    const int row = sheet.FixedRowCount();
    return row < sheet.RowCount() && sheet.CellAt(column, row).IsSelectable();
}

void KeepColumnWidthsWithinLimits(Sheet& sheet, int clientWidth) {
    if (!sheet.Style().columnSizing) {
        return;
    }
    int fixedWidth = 0;
    for (int column = 0; column < sheet.FixedColumnCount(); ++column) {
        fixedWidth += sheet.ColumnWidth(column);
    }
    const int upper = std::min(kMaximumColumnWidth, clientWidth - fixedWidth);
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
        if (IsSizableColumn(sheet, column)) {
            sheet.SetColumnWidth(column, Limited(sheet.ColumnWidth(column), upper));
        }
    }
}

int AutoFitColumn(Sheet& sheet, int column, CellEvaluator& evaluator, const FontMetrics& metrics) {
    const double margin = kFitMargin * sheet.Options().Scale();
    const int fixedRows = sheet.FixedRowCount();
    const bool hasRightNeighbour = column + 1 < sheet.ColumnCount();
    int width = 0;
    for (int row = 0; row < sheet.RowCount(); ++row) {
        SheetCell& cell = sheet.CellAt(column, row);
        std::string text = cell.text;
        if (row < fixedRows) {
            if (hasRightNeighbour && sheet.CellAt(column + 1, row).IsCovered()) {
                continue;
            }
        } else if (!cell.IsLabel()) {
            CellRequest request = DrawingRequest(sheet, cell, false);
            evaluator.EvaluateCell(request, CellEvaluator::kDraw);
            text = request.text;
        }
        const int textWidth = WidestLine(metrics, sheet.CellFont(cell), text);
        width = std::max(width, static_cast<int>(std::lround(textWidth + margin)));
    }
    sheet.SetColumnWidth(column, width);
    return width;
}

double PrintedWidthFactor(int printerFontPoints, double printerDpi, double screenDpi,
                          int fontPercent) {
    const int screenSixteenths = std::max(1, fontPercent * 16 / 100);
    return printerFontPoints * (printerDpi / screenDpi) * 16.0 / screenSixteenths / 10.0;
}

ColumnWidthMemory::ColumnWidthMemory(TextStore& texts, ColumnWidthStore& store)
    : texts_(texts), store_(store) {}

std::vector<std::pair<std::string, std::string>> ColumnWidthMemory::ListedSheets() const {
    std::vector<std::pair<std::string, std::string>> listed;
    for (const std::string& line : BodyLines(texts_, kWidthListKey)) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos) {
            listed.emplace_back(line.substr(0, colon), line.substr(colon + 1));
        }
    }
    return listed;
}

std::optional<std::string> ColumnWidthMemory::SubKeyOf(const Sheet& sheet) const {
    for (auto& [name, subKey] : ListedSheets()) {
        if (name == sheet.Name()) {
            return subKey;
        }
    }
    return std::nullopt;
}

void ColumnWidthMemory::ApplyRemembered(Sheet& sheet, const std::string& subKey,
                                        const std::function<int(int, int)>& choose) const {
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
        if (!IsSizableColumn(sheet, column)) {
            continue;
        }
        if (const auto remembered = store_.ReadWidth(subKey, column)) {
            sheet.SetColumnWidth(column, choose(sheet.ColumnWidth(column), *remembered));
        }
    }
}

void ColumnWidthMemory::Restore(Sheet& sheet) {
    const std::optional<std::string> subKey = SubKeyOf(sheet);
    if (!subKey) {
        return;
    }
    // The window may not have its size yet; only the fixed upper limit applies.
    ApplyRemembered(sheet, *subKey,
                    [](int, int remembered) { return Limited(remembered, kMaximumColumnWidth); });
    Save(sheet);
}

void ColumnWidthMemory::Reset(const Sheet& sheet) {
    for (const auto& listed : ListedSheets()) {
        store_.ForgetWidths(listed.second);
    }
    Save(sheet);
}

void ColumnWidthMemory::Save(const Sheet& sheet) {
    const std::optional<std::string> subKey = SubKeyOf(sheet);
    if (!subKey) {
        return;
    }
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
        if (IsSizableColumn(sheet, column)) {
            store_.WriteWidth(*subKey, column, sheet.ColumnWidth(column));
        }
    }
}

void ColumnWidthMemory::RestoreScaled(Sheet& sheet, double factor) const {
    if (const std::optional<std::string> subKey = SubKeyOf(sheet)) {
        ApplyRemembered(sheet, *subKey, [factor](int laidOut, int remembered) {
            return std::max(laidOut, static_cast<int>(std::lround(remembered * factor)));
        });
    }
}

}  // namespace orvane
