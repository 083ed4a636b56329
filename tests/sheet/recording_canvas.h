#pragma once
// A canvas that records what is drawn on it, measures with the fixed test metrics and
// resolves system colours through a fixed light palette; and a grid state the test sets
// field by field.

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sheet/canvas.h"
#include "sheet/cell_painter.h"
#include "support/fake_font_metrics.h"

namespace orvane::testing {

class RecordingCanvas final : public Canvas {
public:
    struct Fill {
        PixelRect rect;
        Colour colour;
    };
    struct Line {
        PixelPoint from;
        PixelPoint to;
        Colour colour;
    };
    struct Polygon {
        std::vector<PixelPoint> points;
        Colour fill;
        Colour outline;
        int penWidth;
    };
    struct Text {
        PixelPoint origin;
        std::string line;
        Colour colour;
        std::optional<PixelRect> clip;  // the innermost clip in force
    };
    struct Image {
        int index;
        PixelPoint origin;
    };

    static constexpr Colour kWindow = 0x00FFFFFF;
    static constexpr Colour kWindowText = 0x00000000;

    Colour ResolveColour(Colour colour) const override {
        if (colour == colour::kWindow) return kWindow;
        if (colour == colour::kWindowText) return kWindowText;
        if (colour == colour::kHighlight) return 0x00D77800;
        if (colour == colour::kHighlightText) return 0x00FFFFFF;
        return colour;
    }
    void FillRect(const PixelRect& rect, Colour colour) override {
        fills.push_back({rect, colour});
    }
    void DrawLine(PixelPoint from, PixelPoint to, Colour colour) override {
        lines.push_back({from, to, colour});
    }
    void DrawPolygon(std::span<const PixelPoint> points, Colour fill, Colour outline,
                     int penWidth) override {
        polygons.push_back({{points.begin(), points.end()}, fill, outline, penWidth});
    }
    void DrawText(PixelPoint origin, std::string_view line, const FontDescription&,
                  Colour colour) override {
        texts.push_back({origin, std::string(line), colour,
                         clips_.empty() ? std::nullopt : std::optional(clips_.back())});
    }
    void PushClip(const PixelRect& rect) override { clips_.push_back(rect); }
    void PopClip() override { clips_.pop_back(); }
    void DrawImage(int index, PixelPoint origin) override { images.push_back({index, origin}); }
    int ImageSize() const override { return imageSize; }
    int TextWidth(const FontDescription& font, std::string_view line) const override {
        return metrics_.TextWidth(font, line);
    }
    int LineHeight(const FontDescription& font) const override { return metrics_.LineHeight(font); }

    bool Empty() const {
        return fills.empty() && lines.empty() && polygons.empty() && texts.empty() &&
               images.empty();
    }
    bool ClipsBalanced() const { return clips_.empty(); }

    int imageSize = 16;
    std::vector<Fill> fills;
    std::vector<Line> lines;
    std::vector<Polygon> polygons;
    std::vector<Text> texts;
    std::vector<Image> images;

private:
    FakeFontMetrics metrics_;
    std::vector<PixelRect> clips_;
};

class FakeGridState final : public GridPaintState {
public:
    bool IsSlotSelected(int column, int row) const override {
        return selected.contains({column, row});
    }
    int CurrentColumn() const override { return currentColumn; }
    int CurrentRow() const override { return currentRow; }
    bool HasFocus() const override { return focused; }
    bool EditorOpen() const override { return editorOpen; }
    bool DialogMode() const override { return dialogMode; }
    void InvalidateCell(int column, int row) override { invalidated.emplace_back(column, row); }

    std::set<std::pair<int, int>> selected;
    int currentColumn = -1;
    int currentRow = -1;
    bool focused = true;
    bool editorOpen = false;
    bool dialogMode = false;
    std::vector<std::pair<int, int>> invalidated;
};

}  // namespace orvane::testing
