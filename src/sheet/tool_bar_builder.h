#pragma once
// A toolbar built from a body pair "name_BasicCell" / "name_Body": one button per line,
// in body order; "-" lines are separators and "/" lines start a new button row.

#include <functional>
#include <string>
#include <vector>

#include "sheet/menu_builder.h"
#include "sheet/sheet_cell.h"

namespace orvane {

struct ToolButton {
    enum class Kind { Button, Separator, RowBreak };

    Kind kind = Kind::Button;
    int width = 0;  // separators only
    SheetCell cell;
    std::string hint;  // the tool tip
    int imageIndex = -1;
    bool checkStyle = false;
    bool pressed = false;
    bool enabled = true;
};

class ToolBarBuilder {
public:
    using ClickHandler = std::function<void(ToolButton& button)>;

    static constexpr int kIndent = 4;
    static constexpr int kSeparatorWidth = 8;
    static constexpr int kRowBreakWidth = 1;

    ToolBarBuilder(const MenuEnvironment& environment, std::string name);

    // Without a click handler, clicks send the button's command to the data model.
    void Build(ClickHandler clickHandler = {});
    const std::vector<ToolButton>& Buttons() const { return buttons_; }
    // A toolbar with explicit row breaks does not wrap by itself.
    bool WrapsByItself() const;
    void Click(std::size_t index);
    void RefreshStates();

private:
    MenuEnvironment environment_;
    std::string name_;
    ClickHandler clickHandler_;
    SheetCell basicCell_;
    std::vector<ToolButton> buttons_;
};

}  // namespace orvane
