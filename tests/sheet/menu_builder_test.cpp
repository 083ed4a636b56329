// Menus from bodies: nesting, captions, access keys and shortcuts, the state refresh
// through the data model, clicks, and the popup items copied into the main menu.

#include <gtest/gtest.h>

#include "fake_evaluator.h"
#include "sheet/menu_builder.h"
#include "sheet/sheet_messages.h"
#include "sheet_test_support.h"
#include "support/fatal_trap.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::FakeEvaluator;
using testing::SheetTestEnvironment;

// Stands for a sheet: it answers the owner query for its own popup menu only.
class OwnerSheet final : public BusSubscriber {
public:
    OwnerSheet(MessageBus& bus, const MenuItem& popupRoot) : bus_(bus), popupRoot_(popupRoot) {
        bus_.Subscribe(this);
    }
    ~OwnerSheet() override { bus_.Unsubscribe(this); }
    void OnBusMessage(const BusMessage& message) override {
        if (message.kind != message::kOwnerCellQuery) {
            return;
        }
        ++queries;
        if (message.int1 == reinterpret_cast<std::intptr_t>(&popupRoot_)) {
            bus_.Reply(reinterpret_cast<std::intptr_t>(&current), 0);
        }
    }
    SheetCell current;
    int queries = 0;

private:
    MessageBus& bus_;
    const MenuItem& popupRoot_;
};

std::vector<std::string> Captions(const MenuItem& item) {
    std::vector<std::string> captions;
    for (const auto& child : item.children) {
        captions.push_back(child->caption);
    }
    return captions;
}

class MenuBuilderTest : public ::testing::Test {
protected:
    MenuEnvironment Environment() {
        return MenuEnvironment{environment.store, environment.vocabulary, environment.bus,
                               evaluator};
    }
    std::int32_t Id(std::string_view name) { return environment.vocabulary.CellIdFromName(name); }

    SheetTestEnvironment environment;
    FakeEvaluator evaluator;
};

TEST_F(MenuBuilderTest, MainMenuNestsByIndentation) {
    MenuBuilder menu(Environment(), "GI_Menu_Main");
    menu.Build();
    const MenuItem& root = menu.Root();
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"&File", "&Edit", "&View", "COM &Port",
                                                        "&Clone", "&Model", "&Help"}));
    std::string accessKeys;
    for (const auto& top : root.children) {
        accessKeys.push_back(top->accessKey);
        EXPECT_EQ(top->cell->link.cellId, Id("CL_Null"));
    }
    EXPECT_EQ(accessKeys, "FEVPCMH");

    const MenuItem& file = *root.children[0];
    EXPECT_EQ(Captions(file),
              (std::vector<std::string>{"&New", "&Open...", "&Save", "Save &As...", "-",
                                        "Export C&hannels...", "&Import Channels...",
                                        "Import &Airport Frequencies...", "Co&mpare With...", "-",
                                        "&Print", "-", "Recent File", "Recent File", "Recent File",
                                        "Recent File", "-", "E&xit"}));
    EXPECT_TRUE(file.children[4]->separator);
    EXPECT_EQ(file.children[7]->cell->link.index, 2);
    const MenuItem& print = *file.children[10];
    EXPECT_EQ(Captions(print),
              (std::vector<std::string>{"&Current Sheet...", "&All...", "-", "Export &PDF"}));
    EXPECT_EQ(print.children[0]->parent, &print);
    const MenuItem& pdf = *print.children[3];
    EXPECT_EQ(Captions(pdf), (std::vector<std::string>{"&Current Sheet...", "&All..."}));
    EXPECT_EQ(pdf.children[1]->cell->link.index, 1);
    EXPECT_EQ(file.children[15]->cell->link.index, 3);

    EXPECT_EQ(Captions(*root.children[1]), (std::vector<std::string>{"&Undo", "&Redo"}));
    const MenuItem& fontSize = *root.children[2]->children[0];
    EXPECT_EQ(fontSize.caption, "Font &Size");
    EXPECT_FALSE(fontSize.HasCommandCell()) << "no block: the basic cell's link";
    ASSERT_EQ(fontSize.children.size(), 5u);
    const int sizes[] = {60, 80, 100, 120, 150};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(fontSize.children[i]->cell->link,
                  (CellLink{CellLink::kNoCategory, Id("CL_Menu_View_FontSize"), sizes[i]}));
    }
    EXPECT_EQ(Captions(*root.children[3]).size(), 8u);
    EXPECT_EQ(Captions(*root.children[4]).size(), 5u);
    EXPECT_EQ(Captions(*root.children[5]),
              (std::vector<std::string>{"&1 HT-Lk1", "&2 HT-Lk2", "&3 HT-Lk1S/Lk2S"}));
    EXPECT_EQ(Captions(*root.children[6]),
              (std::vector<std::string>{"&Contents", "-", "&About Orvane"}));

    const MenuItem* model = menu.FindItemByCellId(Id("CL_Model"));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->cell->link.index, 3);
    EXPECT_EQ(menu.FindItemByCellId(Id("CL_Menu_Edit_Top")), nullptr);
}

TEST_F(MenuBuilderTest, LinkTextsBecomeShortcuts) {
    MenuBuilder menu(Environment(), "GI_Menu_Main");
    menu.Build();
    const std::pair<std::string_view, std::string> cases[] = {
        {"CL_Menu_File_New", "Ctrl+N"},  {"CL_Menu_File_Open", "Ctrl+O"},
        {"CL_Menu_File_Save", "Ctrl+S"}, {"CL_Menu_File_SaveAs", ""},
        {"CL_Menu_File_Exit", "Alt+F4"}, {"CL_Menu_Clone_Adj", "F12"},
        {"CL_Menu_Edit_Undo", "Ctrl+Z"}, {"CL_Menu_Edit_Redo", "Ctrl+Y"},
        {"CL_Help_Contents", "F1"},      {"CL_Help_About", ""},
    };
    for (const auto& [name, shortcut] : cases) {
        const MenuItem* item = menu.FindItemByCellId(Id(name));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->shortcut, shortcut) << name;
    }
}

TEST_F(MenuBuilderTest, ChannelPopupOffersTheListCommandsInOrder) {
    MenuBuilder popup(Environment(), "GI_PMenu_Channel_NO_TX");
    popup.Build();
    std::vector<std::string> captions;
    std::vector<std::string> shortcuts;
    for (const auto& item : popup.Root().children) {
        if (item->separator) {
            continue;
        }
        captions.push_back(item->caption);
        shortcuts.push_back(item->shortcut);
        EXPECT_EQ(item->cell->link.category,
                  environment.vocabulary.CategoryFromName("CT_PopupMenu"))
            << item->caption;
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Edit...", "Copy", "Paste", "Up", "Down", "Clear",
                                                  "Delete", "Insert", "Help"}));
    EXPECT_EQ(shortcuts, (std::vector<std::string>{"Enter", "Ctrl+C", "Ctrl+V", "Ctrl+Up",
                                                   "Ctrl+Down", "", "Del", "Ins", ""}));
}

TEST_F(MenuBuilderTest, RefreshAsksTheDataModelForEveryCommandItem) {
    MenuBuilder menu(Environment(), "GI_Menu_Main");
    menu.Build();
    evaluator.answers[Id("CL_Menu_View_ToolBar")] = {SheetCell::kItemChecked, ""};
    evaluator.answers[Id("CL_Menu_Clone_Adj")] = {SheetCell::kItemHidden, ""};
    evaluator.answers[Id("CL_Menu_File_Save")] = {SheetCell::kItemDisabled, ""};
    evaluator.answers[Id("CL_Menu_File_Recent")] = {SheetCell::kItemCaptionFromText,
                                                    "&1 C:\\a.zcf"};
    // Bits left from an earlier answer must not survive the next query.
    menu.FindItemByCellId(Id("CL_Help_About"))->cell->state |= SheetCell::kItemHidden;

    environment.bus.Post(message::kRefreshMenuStates, 0, 0, true);

    EXPECT_TRUE(menu.FindItemByCellId(Id("CL_Menu_View_ToolBar"))->checked);
    EXPECT_FALSE(menu.FindItemByCellId(Id("CL_Menu_Clone_Adj"))->visible);
    EXPECT_FALSE(menu.FindItemByCellId(Id("CL_Menu_File_Save"))->enabled);
    const MenuItem* recent = menu.FindItemByCellId(Id("CL_Menu_File_Recent"));
    EXPECT_EQ(recent->caption, "&1 C:\\a.zcf");
    EXPECT_EQ(recent->accessKey, '1');
    EXPECT_EQ(recent->cell->text, "&1 C:\\a.zcf");
    EXPECT_TRUE(menu.FindItemByCellId(Id("CL_Help_About"))->visible);
    EXPECT_TRUE(menu.FindItemByCellId(Id("CL_Menu_File_New"))->enabled);

    // 60 items; the nine separators and the Font Size submenu link to no command.
    EXPECT_EQ(evaluator.calls.size(), 60u - 9u - 1u);
    for (const auto& call : evaluator.calls) {
        EXPECT_EQ(call.mode, CellEvaluator::kDraw);
        EXPECT_FALSE(call.owner.has_value());
    }
}

TEST_F(MenuBuilderTest, PopupStatesCarryTheOwnerCellOfTheSheet) {
    MenuBuilder popup(Environment(), "GI_PMenu_Edit");
    popup.Build();
    OwnerSheet sheet(environment.bus, popup.Root());
    sheet.current.link = CellLink{2, 106, 42};
    popup.RefreshStates();
    EXPECT_EQ(sheet.queries, 1) << "asked once per owning menu";
    ASSERT_EQ(evaluator.calls.size(), 2u);
    for (const auto& call : evaluator.calls) {
        EXPECT_EQ(call.owner, (CellLink{2, 106, 42}));
    }
}

TEST_F(MenuBuilderTest, DefaultClicksRunTheCommandWithoutAnOwner) {
    MenuBuilder menu(Environment(), "GI_Menu_Main");
    menu.Build();
    MenuBuilder popup(Environment(), "GI_PMenu_Edit");
    OwnerSheet sheet(environment.bus, popup.Root());
    menu.Click(*menu.FindItemByCellId(Id("CL_Menu_File_New")));
    ASSERT_FALSE(evaluator.calls.empty());
    const auto& command = evaluator.calls.front();
    EXPECT_EQ(command.link.cellId, Id("CL_Menu_File_New"));
    EXPECT_EQ(command.keyCode, 13);
    EXPECT_EQ(command.mode, CellEvaluator::kOperate);
    EXPECT_FALSE(command.owner.has_value());
    EXPECT_GT(evaluator.calls.size(), 1u) << "the states are refreshed afterwards";

    evaluator.calls.clear();
    menu.Click(*menu.Root().children[2]->children[0]);  // Font Size: no command
    EXPECT_TRUE(evaluator.calls.empty());
}

class EditMenuTest : public ::testing::Test {
protected:
    MenuEnvironment Environment() {
        return MenuEnvironment{environment.store, environment.vocabulary, environment.bus,
                               evaluator};
    }
    DefinitionResource resource{{
        {"CellModel_Basic", "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)"},
        {"T_Main_BasicCell", "{($Basic)}"},
        {"T_Main_Body", "+&Edit\t{(%CL_Menu_Edit_Top)}\n+&Help\t{(%CL_Help_About)}"},
        {"T_Popup_BasicCell", "{($Basic)(%CT_PopupMenu.)}"},
        {"T_Popup_Body", "+Copy\t{(%CL_PMenu_Copy:Ctrl+C)}\n+Paste\t{(%CL_PMenu_Paste)}"},
        {"T_Shallow_BasicCell", ""},
        {"T_Shallow_Body", " +a\n +b\n+c\n+d"},
        {"T_Counter_BasicCell", ""},
        {"T_Counter_Body", "+a{(%CL_Null[@ch0])}"},
    }};
    SheetTestEnvironment environment{resource.Resource()};
    FakeEvaluator evaluator;
};

TEST_F(EditMenuTest, PopupItemsAreCopiedUnderTheEditItem) {
    MenuBuilder menu(Environment(), "T_Main");
    menu.Build();
    std::vector<std::string> clicked;
    MenuBuilder popup(Environment(), "T_Popup",
                      [&clicked](MenuItem& item) { clicked.push_back(item.caption); });
    popup.Build();
    const std::int32_t editTop = environment.vocabulary.CellIdFromName("CL_Menu_Edit_Top");
    environment.bus.PostText(message::kRebuildMenuItems, reinterpret_cast<std::intptr_t>(&popup),
                             editTop, "T_Popup", true);
    MenuItem& edit = *menu.FindItemByCellId(editTop);
    ASSERT_EQ(Captions(edit), (std::vector<std::string>{"Copy", "Paste"}));
    EXPECT_EQ(edit.children[0]->cell->link.category,
              environment.vocabulary.CategoryFromName("CT_PopupMenu"));
    EXPECT_EQ(edit.children[0]->owner, &popup.Root());
    EXPECT_EQ(edit.children[0]->shortcut, "Ctrl+C");

    menu.Click(*edit.children[1]);
    EXPECT_EQ(clicked, std::vector<std::string>{"Paste"});
    EXPECT_TRUE(evaluator.calls.empty()) << "the popup menu's handler runs the command";

    environment.bus.Post(message::kClearMenuItems, 0, editTop, true);
    EXPECT_TRUE(edit.children.empty());
}

TEST_F(EditMenuTest, AShallowerLineEndsTheBody) {
    MenuBuilder menu(Environment(), "T_Shallow");
    menu.Build();
    EXPECT_EQ(Captions(menu.Root()), (std::vector<std::string>{"a", "b"}));
}

TEST_F(EditMenuTest, CountersAndMissingBodiesAreFatal) {
    MenuBuilder counter(Environment(), "T_Counter");
    EXPECT_FATAL(counter.Build(), "Ch No. Error");
    MenuBuilder missing(Environment(), "T_Missing");
    EXPECT_FATAL(missing.Build(), "Lumo Error !\nThe index 'T_Missing_BasicCell' was not found.");
}

TEST(MenuItemTest, AccessKeyIsTheCharacterAfterASingleAmpersand) {
    const std::pair<std::string_view, char> cases[] = {
        {"&File", 'F'}, {"Save &As...", 'A'}, {"R&&D", 0}, {"R&&&D", 'D'}, {"x&", 0}, {"", 0},
    };
    for (const auto& [caption, key] : cases) {
        EXPECT_EQ(MenuItem::AccessKeyOf(caption), key) << caption;
    }
}

}  // namespace
}  // namespace orvane
