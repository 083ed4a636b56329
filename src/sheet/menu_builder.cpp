#include "sheet/menu_builder.h"

#include "sheet/body_levels.h"
#include "sheet/cell_evaluator.h"
#include "sheet/cell_parser.h"
#include "sheet/definition_text.h"
#include "sheet/key_codes.h"
#include "sheet/sheet_messages.h"
#include "text/text_store.h"

namespace orvane {
namespace {

MenuItem* FindByCellId(MenuItem& item, std::int32_t cellId) {
    for (auto& child : item.children) {
        if (child->cell && child->cell->link.cellId == cellId) {
            return child.get();
        }
        if (MenuItem* found = FindByCellId(*child, cellId)) {
            return found;
        }
    }
    return nullptr;
}

// Sheets answer the owner query with the address of their current cell, which stays
// valid for the length of the query; it is copied at once.
bool QueryOwnerCell(MessageBus& bus, const MenuItem* owner, SheetCell& ownerCell) {
    const auto reply =
        bus.Query(message::kOwnerCellQuery, reinterpret_cast<std::intptr_t>(owner), 0);
    if (!reply || reply->int1 == 0) {
        return false;
    }
    ownerCell = *reinterpret_cast<const SheetCell*>(reply->int1);
    return true;
}

}  // namespace

MenuBuilder::MenuBuilder(const MenuEnvironment& environment, std::string name,
                         ClickHandler clickHandler)
    : environment_(environment), name_(std::move(name)), clickHandler_(std::move(clickHandler)) {
    environment_.bus.Subscribe(this);
}

MenuBuilder::~MenuBuilder() { environment_.bus.Unsubscribe(this); }

void MenuBuilder::Build() {
    CellParser parser(environment_.textStore, environment_.vocabulary);
    parser.ParseCell(basicCell_,
                     BodyLine(environment_.textStore, name_ + "_BasicCell", 0).value_or(""),
                     nullptr, nullptr);
    root_.children.clear();
    BuildBody(root_, name_, basicCell_, root_, *this);
    NotifyRebuilt(root_);
}

void MenuBuilder::BuildBody(MenuItem& parent, const std::string& name, const SheetCell& basicCell,
                            const MenuItem& owner, MenuBuilder& clickTarget) {
    CellParser parser(environment_.textStore, environment_.vocabulary);
    const std::vector<std::string> lines = BodyLines(environment_.textStore, name + "_Body");
    const auto addItem = [&](MenuItem& under, std::string_view source) -> MenuItem& {
        auto item = std::make_unique<MenuItem>();
        item->parent = &under;
        item->cell.emplace();
        parser.ParseCell(*item->cell, source, nullptr, &basicCell);
        item->SetCaption(item->cell->text);
        item->shortcut = std::string(item->cell->LinkText());
        item->imageIndex = item->cell->imageIndex;
        item->owner = &owner;
        item->clickTarget = &clickTarget;
        under.children.push_back(std::move(item));
        return *under.children.back();
    };
    BuildLevel(ItemLines(lines), 0, parent, addItem);
}

MenuItem* MenuBuilder::FindItemByCellId(std::int32_t cellId) { return FindByCellId(root_, cellId); }

void MenuBuilder::Click(MenuItem& item) {
    if (item.clickTarget != nullptr && item.clickTarget != this) {
        item.clickTarget->Click(item);
    } else if (clickHandler_) {
        clickHandler_(item);
    } else {
        DefaultClick(item);
    }
}

void MenuBuilder::DefaultClick(MenuItem& item) {
    if (!item.HasCommandCell()) {
        return;
    }
    CellRequest request;
    request.cell = &*item.cell;
    request.keyCode = key::kEnter;
    // Only a sheet's popup menu has an owner cell; the query names no popup menu, so
    // commands of the main menu carry none.
    SheetCell ownerCell;
    CellRequest ownerRequest;
    if (QueryOwnerCell(environment_.bus, nullptr, ownerCell)) {
        ownerRequest.cell = &ownerCell;
        request.parentRequest = &ownerRequest;
    }
    environment_.evaluator.EvaluateCell(request, CellEvaluator::kOperate);
    RefreshStates();
}

void MenuBuilder::RefreshStates() {
    const MenuItem* lastOwner = nullptr;
    SheetCell ownerCell;
    bool hasOwnerCell = false;
    for (auto& child : root_.children) {
        RefreshItem(*child, lastOwner, ownerCell, hasOwnerCell);
    }
    if (listener_ != nullptr) {
        listener_->OnStatesRefreshed();
    }
}

void MenuBuilder::RefreshItem(MenuItem& item, const MenuItem*& lastOwner, SheetCell& ownerCell,
                              bool& hasOwnerCell) {
    if (!item.HasCommandCell()) {
        item.checked = false;
    } else {
        if (item.owner != lastOwner) {
            hasOwnerCell = QueryOwnerCell(environment_.bus, item.owner, ownerCell);
            lastOwner = item.owner;
        }
        CellRequest ownerRequest;
        CellRequest request;
        request.cell = &*item.cell;
        if (hasOwnerCell) {
            ownerRequest.cell = &ownerCell;
            request.parentRequest = &ownerRequest;
        }
        item.cell->state &= static_cast<std::uint8_t>(~SheetCell::kUserFlagsMask);
        environment_.evaluator.EvaluateCell(request, CellEvaluator::kDraw);
        const std::uint8_t state = item.cell->state;
        item.checked = (state & SheetCell::kItemChecked) != 0;
        item.visible = (state & SheetCell::kItemHidden) == 0;
        item.enabled = (state & SheetCell::kItemDisabled) == 0;
        // The display text the data model answered becomes the cell's text and caption.
        if ((state & SheetCell::kItemCaptionFromText) != 0) {
            if (!request.text.empty()) {
                item.cell->text = request.text;
            }
            if (item.caption != item.cell->text) {
                item.SetCaption(item.cell->text);
            }
        }
        item.imageIndex = item.cell->imageIndex;
    }
    for (auto& child : item.children) {
        RefreshItem(*child, lastOwner, ownerCell, hasOwnerCell);
    }
}

void MenuBuilder::OnBusMessage(const BusMessage& message) {
    switch (message.kind) {
        case message::kRefreshMenuStates:
            RefreshStates();
            break;
        case message::kClearMenuItems:
            if (MenuItem* item = FindItemByCellId(static_cast<std::int32_t>(message.int2))) {
                item->children.clear();
                item->childBasicCell.reset();
                NotifyRebuilt(*item);
            }
            break;
        case message::kRebuildMenuItems: {
            auto* popup = reinterpret_cast<MenuBuilder*>(message.int1);
            MenuItem* item = FindItemByCellId(static_cast<std::int32_t>(message.int2));
            if (popup == nullptr || popup == this || item == nullptr) {
                break;
            }
            // The same commands appear in both places and behave as in the popup menu.
            const std::string name(message.PayloadText());
            item->children.clear();
            item->childBasicCell = std::make_unique<SheetCell>();
            CellParser parser(environment_.textStore, environment_.vocabulary);
            parser.ParseCell(*item->childBasicCell,
                             BodyLine(environment_.textStore, name + "_BasicCell", 0).value_or(""),
                             nullptr, nullptr);
            BuildBody(*item, name, *item->childBasicCell, popup->Root(), *popup);
            NotifyRebuilt(*item);
            break;
        }
        default:
            break;
    }
}

void MenuBuilder::NotifyRebuilt(const MenuItem& parent) {
    if (listener_ != nullptr) {
        listener_->OnItemsRebuilt(parent);
    }
}

}  // namespace orvane
