#include "sheet/tool_bar_builder.h"

#include <algorithm>

#include "sheet/cell_evaluator.h"
#include "sheet/cell_parser.h"
#include "sheet/definition_text.h"
#include "sheet/key_codes.h"

namespace orvane {

ToolBarBuilder::ToolBarBuilder(const MenuEnvironment& environment, std::string name)
    : environment_(environment), name_(std::move(name)) {}

void ToolBarBuilder::Build(ClickHandler clickHandler) {
    clickHandler_ = std::move(clickHandler);
    CellParser parser(environment_.textStore, environment_.vocabulary);
    parser.ParseCell(basicCell_,
                     BodyLine(environment_.textStore, name_ + "_BasicCell", 0).value_or(""),
                     nullptr, nullptr);
    buttons_.clear();
    for (const std::string& line : BodyLines(environment_.textStore, name_ + "_Body")) {
        ToolButton button;
        parser.ParseCell(button.cell, line, nullptr, &basicCell_);
        if (button.cell.text == "-") {
            button.kind = ToolButton::Kind::Separator;
            button.width = kSeparatorWidth;
        } else if (button.cell.text == "/") {
            button.kind = ToolButton::Kind::RowBreak;
            button.width = kRowBreakWidth;
        } else {
            button.hint = button.cell.text;
            button.imageIndex = button.cell.imageIndex;
        }
        buttons_.push_back(std::move(button));
    }
}

bool ToolBarBuilder::WrapsByItself() const {
    return std::none_of(buttons_.begin(), buttons_.end(), [](const ToolButton& button) {
        return button.kind == ToolButton::Kind::RowBreak;
    });
}

void ToolBarBuilder::Click(std::size_t index) {
    ToolButton& button = buttons_.at(index);
    if (button.kind != ToolButton::Kind::Button) {
        return;
    }
    if (clickHandler_) {
        clickHandler_(button);
        return;
    }
    if (button.cell.IsLabel()) {
        return;
    }
    CellRequest request;
    request.cell = &button.cell;
    request.keyCode = key::kEnter;
    environment_.evaluator.EvaluateCell(request, CellEvaluator::kOperate);
}

void ToolBarBuilder::RefreshStates() {
    for (ToolButton& button : buttons_) {
        if (button.kind != ToolButton::Kind::Button || button.cell.IsLabel()) {
            button.checkStyle = false;
            button.pressed = false;
            continue;
        }
        CellRequest request;
        request.cell = &button.cell;
        button.cell.state &= static_cast<std::uint8_t>(~SheetCell::kUserFlagsMask);
        environment_.evaluator.EvaluateCell(request, CellEvaluator::kDraw);
        const std::uint8_t state = button.cell.state;
        button.checkStyle = (state & SheetCell::kItemChecked) != 0;
        button.pressed = button.checkStyle;
        button.enabled = (state & SheetCell::kItemDisabled) == 0;
        button.imageIndex = button.cell.imageIndex;
    }
}

}  // namespace orvane
