#pragma once
// A menu built from a body pair "name_BasicCell" / "name_Body": the items nest by the
// indentation of their lines. Clicks and state queries go to the data model; the host
// mirrors the items into its menu widgets and is told when they change.

#include <functional>
#include <string>

#include "base/message_bus.h"
#include "sheet/menu_item.h"

namespace orvane {

class TextStore;
class CellVocabulary;
class CellEvaluator;

struct MenuEnvironment {
    TextStore& textStore;
    CellVocabulary& vocabulary;
    MessageBus& bus;
    CellEvaluator& evaluator;
};

class MenuListener {
public:
    virtual ~MenuListener() = default;
    // The items under `parent` were rebuilt or removed.
    virtual void OnItemsRebuilt(const MenuItem& parent) = 0;
    // Check marks, visibility, enabling, captions or images may have changed.
    virtual void OnStatesRefreshed() = 0;
};

class MenuBuilder : public BusSubscriber {
public:
    using ClickHandler = std::function<void(MenuItem& item)>;

    // Without a click handler, clicks send the item's command to the data model.
    MenuBuilder(const MenuEnvironment& environment, std::string name,
                ClickHandler clickHandler = {});
    ~MenuBuilder() override;
    MenuBuilder(const MenuBuilder&) = delete;
    MenuBuilder& operator=(const MenuBuilder&) = delete;

    // Clears the root's items and builds the body under it.
    void Build();
    MenuItem& Root() { return root_; }
    const MenuItem& Root() const { return root_; }
    const std::string& Name() const { return name_; }
    // The first item, depth first, whose cell has `cellId`.
    MenuItem* FindItemByCellId(std::int32_t cellId);
    // Asks the data model for every item's state.
    void RefreshStates();
    void Click(MenuItem& item);

    void SetListener(MenuListener* listener) { listener_ = listener; }
    void OnBusMessage(const BusMessage& message) override;

private:
    void BuildBody(MenuItem& parent, const std::string& name, const SheetCell& basicCell,
                   const MenuItem& owner, MenuBuilder& clickTarget);
    void DefaultClick(MenuItem& item);
    void RefreshItem(MenuItem& item, const MenuItem*& lastOwner, SheetCell& ownerCell,
                     bool& hasOwnerCell);
    void NotifyRebuilt(const MenuItem& parent);

    MenuEnvironment environment_;
    std::string name_;
    ClickHandler clickHandler_;
    MenuItem root_;
    SheetCell basicCell_;
    MenuListener* listener_ = nullptr;
};

}  // namespace orvane
