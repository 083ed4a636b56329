#pragma once
// A grid widget stand-in for sheet view tests: every cell is 50 × 30 pixels unless a
// column's width is set, all cells show unless a test narrows the visible range, and
// whatever the view asks of it (invalidations, editor, menu, windows) is recorded.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sheet/cell_link.h"
#include "sheet/cell_request.h"
#include "sheet/grid_host.h"
#include "sheet/menu_builder.h"

namespace orvane::testing {

class FakeGridHost final : public GridHost {
public:
    static constexpr int kCellWidth = 50;
    static constexpr int kCellHeight = 30;

    PixelRect CellRect(int column, int row) const override {
        int left = 0;
        for (int c = 0; c < column; ++c) {
            left += Width(c);
        }
        return PixelRect::FromSize(left, row * kCellHeight, Width(column), kCellHeight);
    }
    VisibleCells Visible() const override { return visible; }
    void SetLeftColumn(int column) override { visible.firstColumn = column; }
    void SetTopRow(int row) override { visible.firstRow = row; }
    void ScrollIntoView(int, int) override {}
    bool ShowsScrollBars() const override { return scrollBars; }

    void InvalidateCell(int column, int row) override { invalidated.insert({column, row}); }
    // The fake paints nothing, so it knows no answers: every refresh repaints.
    void RefreshCell(int column, int row) override { InvalidateCell(column, row); }
    void InvalidateAll() override { ++wholeInvalidations; }
    void PaintNow() override { ++paints; }
    void SetGridEnabled(bool on) override { enabled = on; }
    void TitleChanged() override { ++titleChanges; }
    void RowCountChanged() override { ++rowCountChanges; }

    bool GridHasFocus() const override { return focused; }
    void FocusGrid() override { focused = true; }

    void ShowEditor(const EditorPlacement& placement) override {
        editor = placement;
        editorText = placement.text;
    }
    void HideEditor() override { editor.reset(); }
    std::string EditorText() const override { return editorText; }

    void ShowPopupMenu(MenuBuilder& menu, PixelPoint at) override {
        shownMenus.emplace_back(menu.Name(), at.x);
    }
    void OpenChoicePopup(const CellRequest&, const std::string& listKey, const CellLink&) override {
        openedChoices.push_back(listKey);
    }
    void HideHost() override { ++hides; }
    void AutoFitColumn(int column) override { fittedColumns.push_back(column); }

    int Width(int column) const {
        const auto width = widths.find(column);
        return width != widths.end() ? width->second : kCellWidth;
    }
    bool Invalidated(int column, int row) const { return invalidated.contains({column, row}); }

    // Geometry the tests set.
    VisibleCells visible{0, 0, 1000, 1000};
    std::map<int, int> widths;
    bool scrollBars = true;
    bool focused = true;

    // What the view asked.
    std::set<std::pair<int, int>> invalidated;
    int wholeInvalidations = 0;
    int paints = 0;
    bool enabled = true;
    int titleChanges = 0;
    int rowCountChanges = 0;
    std::optional<EditorPlacement> editor;
    std::string editorText;                               // what the user typed into the editor
    std::vector<std::pair<std::string, int>> shownMenus;  // menu name, x
    std::vector<std::string> openedChoices;
    int hides = 0;
    std::vector<int> fittedColumns;
};

}  // namespace orvane::testing
