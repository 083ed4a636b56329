// The sheet view on a fake grid: where the cursor starts and how keys move it, the
// multiple selection, requests and what the view does with the answers, the in-place
// editor, repeated keys on virtual time, refreshes, the popup menu and its messages,
// mouse rules and choice lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "fake_grid_host.h"
#include "sheet/cell_evaluator.h"
#include "sheet/key_codes.h"
#include "sheet/refresh_mask.h"
#include "sheet/sheet.h"
#include "sheet/sheet_messages.h"
#include "sheet/sheet_view.h"
#include "sheet_test_support.h"
#include "support/virtual_time.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::FakeGridHost;
using testing::SheetTestEnvironment;
namespace vk = key::vk;
using Button = SheetView::MouseButton;

std::vector<std::pair<std::string, std::string>> Definitions() {
    return {
        {"CellModel_Basic", "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)"},
        // Rows 0 and 1 fixed, then 100 rows with index 0..99; column 3 is a tip of 2.
        {"T_Long_Style", "(FixedCols=1)(FixedRows=2)(MultiSelect=Line)(ColSizing)"},
        {"T_Long_BasicCell", "{($Basic)(%CT_Conv.)}"},
        {"T_Long_Cells",
         "No|Value|Other|Tip\n-|-|-|-\n:(LoopFrom 100)\n"
         "{(%CL_Num)}n|{S(%CL_Val)(PopupMenu=PA)}v|{S(%CL_Other)(PopupMenu=PB)}w|{T}t\n"
         ":(LoopTo)"},
        {"T_Labels_Style", ""},
        {"T_Labels_BasicCell", "{($Basic)}"},
        {"T_Labels_Cells", "a|b\nc|d"},
        {"T_Align_Style", ""},
        {"T_Align_BasicCell", "{($Basic)}"},
        {"T_Align_Cells", "{S~}top|{S-}middle|{S_}bottom\n{S>XB_}ruled"},
        {"T_Pick_Style", ""},
        {"T_Pick_BasicCell", "{($Basic)}"},
        {"T_Pick_Cells", "{S(%CL_Pick[0])}a\n{S(%CL_Pick[1])}b\n{S(%CL_Pick[2])}c"},
        {"PA_BasicCell", "{(%CT_PopupMenu.)}"},
        {"PA_Body", "+One\t{(%CL_PCmdOne)}\n+Two\t{(%CL_PCmdTwo)}"},
        {"PB_BasicCell", "{(%CT_PopupMenu.)}"},
        {"PB_Body", "+Three\t{(%CL_PCmdThree)}"},
        {"TMain_BasicCell", "{}"},
        {"TMain_Body", "+&Edit\t{(%CL_Menu_Edit_Top)}"},
    };
}

// Records every request; operations get the answer a test scripts.
class ScriptedEvaluator final : public CellEvaluator {
public:
    struct Sent {
        CellLink link;
        std::int32_t keyCode;
        std::int32_t commandId;
        TextOrigin textOrigin;
        std::string text;
        std::uint32_t selectionFlags;
        std::int32_t rangeFrom;
        std::int32_t rangeTo;
        std::optional<CellLink> parent;
        Mode mode;
        std::uint32_t tick;
    };

    CellOpening EvaluateCell(CellRequest& request, Mode mode) override {
        sent.push_back(Sent{request.cell->link, request.keyCode, request.commandId,
                            request.textOrigin, request.text, request.selectionFlags,
                            request.rangeFrom, request.rangeTo,
                            request.parentRequest != nullptr && request.parentRequest->cell
                                ? std::optional(request.parentRequest->cell->link)
                                : std::nullopt,
                            mode, clock != nullptr ? clock->TickCount() : 0});
        return mode == kOperate && answer ? answer(request) : CellOpening::kNothingToOpen;
    }
    std::vector<Sent> Operations() const {
        std::vector<Sent> operations;
        for (const Sent& s : sent) {
            if (s.mode == kOperate) {
                operations.push_back(s);
            }
        }
        return operations;
    }

    std::vector<Sent> sent;
    std::function<CellOpening(CellRequest&)> answer;
    const Clock* clock = nullptr;
};

class BusRecorder final : public BusSubscriber {
public:
    explicit BusRecorder(MessageBus& bus) : bus_(bus) { bus_.Subscribe(this); }
    ~BusRecorder() override { bus_.Unsubscribe(this); }
    void OnBusMessage(const BusMessage& message) override { messages.push_back(message); }
    // Kinds in order, status texts and owner queries left out.
    std::vector<std::int32_t> Kinds() const {
        std::vector<std::int32_t> kinds;
        for (const BusMessage& m : messages) {
            if (m.kind != message::kStatusText && m.kind != message::kOwnerCellQuery) {
                kinds.push_back(m.kind);
            }
        }
        return kinds;
    }
    std::vector<BusMessage> messages;

private:
    MessageBus& bus_;
};

class SheetViewTest : public ::testing::Test {
protected:
    SheetView& Open(SheetTestEnvironment& environment, const std::string& name,
                    SheetOptions options = {}, SheetOpening opening = {},
                    SheetPosition remembered = {}) {
        view.reset();
        sheet = std::make_unique<Sheet>(environment.Get(), name, options);
        opening.handler = &evaluator;
        sheet->SetOpening(std::move(opening));
        sheet->RememberedPosition() = remembered;
        sheet->Build();
        host.visible = {0, 0, sheet->ColumnCount() - 1, sheet->RowCount() - 1};
        view = std::make_unique<SheetView>(*sheet, host, time);
        return *view;
    }
    SheetView& Open(const std::string& name, SheetOptions options = {}, SheetOpening opening = {}) {
        return Open(environment, name, options, std::move(opening));
    }
    void Click(int column, int row, Button button = Button::kLeft, unsigned modifiers = 0) {
        view->OnMouseDown(column, row, {}, button, modifiers);
        view->OnMouseUp(column, row, {}, button);
    }
    void Press(int platformKey, unsigned modifiers = 0, int character = 0) {
        view->OnKey(platformKey, modifiers, character);
    }
    void Type(char character) { view->OnKey(0, 0, character); }
    std::int32_t Id(std::string_view name) { return environment.vocabulary.CellIdFromName(name); }
    CellLink Link(std::string_view name, int index) {
        return CellLink{environment.vocabulary.CategoryFromName("CT_Conv"), Id(name), index};
    }
    std::vector<GridCell> SelectedInColumn(int column) {
        std::vector<GridCell> cells;
        for (int row = 0; row < sheet->RowCount(); ++row) {
            if (view->IsSlotSelected(column, row)) {
                cells.push_back({column, row});
            }
        }
        return cells;
    }

    DefinitionResource resource{Definitions()};
    SheetTestEnvironment environment{resource.Resource()};
    BusRecorder recorder{environment.bus};
    testing::VirtualTime time;
    ScriptedEvaluator evaluator;
    FakeGridHost host;
    std::unique_ptr<Sheet> sheet;
    std::unique_ptr<SheetView> view;
};

TEST_F(SheetViewTest, ASheetOfLabelsIsDisabledHasNoCurrentCellAndNeverSendsOperations) {
    SheetView& labels = Open("T_Labels");
    EXPECT_FALSE(host.enabled);
    EXPECT_FALSE(labels.IsEnabled());
    EXPECT_EQ(labels.Current(), SheetView::kNoCell);
    EXPECT_FALSE(labels.IsSlotSelected(0, 0)) << "no cell is drawn as the current one";
    Type('x');
    Press(vk::kF2);
    Press(vk::kRight);
    labels.OnDoubleClick(0, 0, {});
    Click(1, 1);
    EXPECT_TRUE(evaluator.Operations().empty());
}

TEST_F(SheetViewTest, TheCursorStartsAtTheRememberedCellElseTheFocusCellElseTheFirst) {
    struct Case {
        const char* name;
        SheetPosition remembered;
        std::optional<std::pair<const char*, int>> focus;
        GridCell expected;
    };
    const Case cases[] = {
        {"first selectable", {}, std::nullopt, {1, 2}},
        {"remembered", {2, 40, 1, 30}, std::pair{"CL_Val", 7}, {2, 40}},
        {"remembered label", {0, 40, 1, 30}, std::pair{"CL_Val", 7}, {1, 9}},
        {"remembered outside", {1, 500, -1, -1}, std::nullopt, {1, 2}},
        {"focus", {}, std::pair{"CL_Other", 3}, {2, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetOpening opening;
        if (c.focus) {
            opening.focus = CellLink{0, Id(c.focus->first), c.focus->second};
        }
        Open(environment, "T_Long", {}, std::move(opening), c.remembered);
        EXPECT_EQ(view->Current(), c.expected);
        EXPECT_TRUE(host.enabled);
        EXPECT_EQ(sheet->RememberedPosition().row, c.expected.row);
    }
    EXPECT_EQ(host.visible.firstRow, 2) << "the first selectable row scrolls fully up";
}

TEST_F(SheetViewTest, KeysMoveOverSelectableCellsAndPushesPastTheEdgeGoToTheDataModel) {
    struct Case {
        const char* name;
        int key;
        unsigned modifiers;
        GridCell start;
        GridCell expected;
        std::optional<std::int32_t> sent;
    };
    const Case cases[] = {
        {"right", vk::kRight, 0, {1, 5}, {2, 5}, std::nullopt},
        {"right past the last column", vk::kRight, 0, {2, 5}, {2, 5}, 9984},
        {"left past the first column", vk::kLeft, 0, {1, 5}, {1, 5}, 9472},
        {"left", vk::kLeft, 0, {2, 5}, {1, 5}, std::nullopt},
        {"down", vk::kDown, 0, {1, 5}, {1, 6}, std::nullopt},
        {"up at the top", vk::kUp, 0, {1, 2}, {1, 2}, std::nullopt},
        {"ctrl+down is a menu shortcut", vk::kDown, SheetView::kCtrl, {1, 5}, {1, 5}, std::nullopt},
        {"page down from row 2", vk::kPageDown, 0, {1, 2}, {1, 12}, std::nullopt},
        {"page up", vk::kPageUp, 0, {1, 12}, {1, 2}, std::nullopt},
        {"page up stops at the first row", vk::kPageUp, 0, {1, 5}, {1, 2}, std::nullopt},
        {"page down stops at the last row", vk::kPageDown, 0, {1, 95}, {1, 101}, std::nullopt},
        {"home is ignored", vk::kHome, 0, {2, 5}, {2, 5}, std::nullopt},
    };
    Open("T_Long");
    ASSERT_EQ(sheet->RowCount(), 102);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(c.start.column, c.start.row);
        evaluator.sent.clear();
        Press(c.key, c.modifiers);
        EXPECT_EQ(view->Current(), c.expected);
        const auto operations = evaluator.Operations();
        ASSERT_EQ(operations.size(), c.sent ? 1u : 0u);
        if (c.sent) {
            EXPECT_EQ(operations[0].keyCode, *c.sent);
        }
    }
}

TEST_F(SheetViewTest, MovingBackToTheFirstSelectableColumnScrollsFullyLeft) {
    Open("T_Long");
    Click(2, 30);
    host.visible.firstColumn = 3;
    host.visible.firstRow = 25;
    Press(vk::kLeft);
    EXPECT_EQ(host.visible.firstColumn, 1);
    EXPECT_EQ(host.visible.firstRow, 25);
}

TEST_F(SheetViewTest, AChoiceListWithoutScrollBarsWrapsSingleSteps) {
    SheetTestEnvironment shipped;
    struct Case {
        bool scrollBars;
        int key;
        int startRow;
        int expectedRow;
    };
    for (const Case c : {Case{false, vk::kDown, 10, 0}, Case{false, vk::kUp, 0, 10},
                         Case{true, vk::kDown, 10, 10}, Case{false, vk::kPageDown, 5, 10}}) {
        SCOPED_TRACE(c.scrollBars ? "with scroll bars" : "without scroll bars");
        SheetOptions options;
        options.dialogMode = true;
        SheetOpening opening;
        opening.focus = CellLink{0, shipped.vocabulary.CellIdFromName("Flex0"), c.startRow - 1};
        host.scrollBars = c.scrollBars;
        Open(shipped, "GI_Sheet_Sel_Mch_WxCH", options, std::move(opening));
        ASSERT_EQ(view->Current().row, c.startRow);
        Press(c.key);
        EXPECT_EQ(view->Current().row, c.expectedRow);
    }
    view.reset();
    sheet.reset();
}

TEST_F(SheetViewTest, ShiftDownTwiceMarksThreeRowsShiftUpGivesOneBackAndAPlainDownClears) {
    Open("T_Long");
    Click(1, 5);
    Press(vk::kDown, SheetView::kShift);
    Press(vk::kDown, SheetView::kShift);
    const std::vector<GridCell> marked = {{1, 5}, {1, 6}, {1, 7}};
    EXPECT_EQ(SelectedInColumn(1), marked);
    EXPECT_EQ(SelectedInColumn(3), (std::vector<GridCell>{{3, 5}, {3, 6}, {3, 7}}))
        << "line mode highlights the whole rows";
    EXPECT_FALSE(view->IsSlotSelected(0, 6)) << "fixed columns are not highlighted";
    EXPECT_TRUE(host.Invalidated(3, 7));

    Press(vk::kUp, SheetView::kShift);
    EXPECT_EQ(SelectedInColumn(3), (std::vector<GridCell>{{3, 5}, {3, 6}}))
        << "back towards the anchor";

    Press(vk::kDown);
    EXPECT_EQ(SelectedInColumn(1), (std::vector<GridCell>{{1, 7}}));
    EXPECT_TRUE(SelectedInColumn(3).empty());
}

TEST_F(SheetViewTest, RequestsCarryTheSelectedRangeAndARangeAnswerSelectsIt) {
    Open("T_Long");
    Click(1, 12);
    Press(vk::kUp, SheetView::kShift);
    Press(vk::kUp, SheetView::kShift);
    // The data model answers the command with the range it moved the rows to.
    evaluator.answer = [](CellRequest& request) {
        request.selectionFlags |= CellRequest::kSelectRange;
        request.rangeFrom = 9;
        request.rangeTo = 11;
        return CellOpening::kNothingToOpen;
    };
    view->SendOperation(view->Current(), 0, 77);
    const auto sent = evaluator.Operations().back();
    EXPECT_EQ(sent.selectionFlags & CellRequest::kRangeActive, CellRequest::kRangeActive);
    EXPECT_EQ(sent.rangeFrom, 8);
    EXPECT_EQ(sent.rangeTo, 10);
    EXPECT_EQ(sent.commandId, 77);
    EXPECT_EQ(SelectedInColumn(2), (std::vector<GridCell>{{2, 11}, {2, 12}, {2, 13}}));

    // The anchor went to the far end of the range, row 13 (index 11).
    evaluator.answer = nullptr;
    Press(vk::kUp, SheetView::kShift);
    EXPECT_EQ(view->Current(), (GridCell{1, 9}));
    EXPECT_EQ(SelectedInColumn(1),
              (std::vector<GridCell>{{1, 9}, {1, 10}, {1, 11}, {1, 12}, {1, 13}}));

    // Any other answer ends the selection.
    Type('x');
    EXPECT_EQ(SelectedInColumn(1), (std::vector<GridCell>{{1, 9}}));
}

TEST_F(SheetViewTest, AnswersMoveTheCursorOpenTheEditorOrClearTheSelection) {
    Open("T_Long");
    Click(1, 5);
    Press(vk::kDown, SheetView::kShift);
    evaluator.answer = [](CellRequest&) { return CellOpening::kOpenedPopup; };
    Type(' ');
    EXPECT_EQ(SelectedInColumn(1), (std::vector<GridCell>{{1, 6}}));

    evaluator.answer = [this](CellRequest& request) {
        request.moveRequested = true;
        request.moveTo = Link("CL_Other", 20);
        return CellOpening::kNothingToOpen;
    };
    Type('m');
    EXPECT_EQ(view->Current(), (GridCell{2, 22}));

    evaluator.answer = [](CellRequest& request) {
        request.text = "12.5";
        request.selStart = 1;
        request.selLength = 2;
        return CellOpening::kOpenEditor;
    };
    Type('1');
    ASSERT_TRUE(host.editor);
    EXPECT_EQ(host.editor->text, "12.5");
    EXPECT_EQ(host.editor->selStart, 1);
    EXPECT_EQ(host.editor->selLength, 2);
    EXPECT_EQ(view->EditedCell(), (GridCell{2, 22}));
}

TEST_F(SheetViewTest, TheRequestsCallbacksOpenTheEditorOrAChoiceList) {
    Open("T_Long");
    for (const bool suppress : {true, false}) {
        evaluator.answer = [suppress](CellRequest& request) {
            request.text = "AB";
            request.startEdit(request, suppress);
            return CellOpening::kNothingToOpen;
        };
        Type('e');
        EXPECT_EQ(host.editor.has_value(), !suppress);
    }
    EXPECT_EQ(host.editor->text, "AB");
    view->OnEditorKey(vk::kEscape, 0);
    evaluator.answer = [](CellRequest& request) {
        request.openChoice(request, "GI_Sheet_Sel_X", CellLink{});
        return CellOpening::kOpenedPopup;
    };
    Type(' ');
    EXPECT_EQ(host.openedChoices, std::vector<std::string>{"GI_Sheet_Sel_X"});
}

TEST_F(SheetViewTest, TheEditorTakesOneLineWhereTheCellDrawsItsTextInsideItsRules) {
    evaluator.answer = [](CellRequest&) { return CellOpening::kOpenEditor; };
    Open("T_Align");
    // A line of the basic font is 20 pixels; cells are 30 high. Text is drawn a pixel in
    // from the top or bottom; the last cell's right and bottom rules stay outside.
    for (const auto& [cell, box] : {std::pair{GridCell{0, 0}, PixelRect::FromSize(0, 1, 50, 20)},
                                    {{1, 0}, PixelRect::FromSize(50, 5, 50, 20)},
                                    {{2, 0}, PixelRect::FromSize(100, 9, 50, 20)},
                                    {{0, 1}, PixelRect::FromSize(0, 39, 49, 20)}}) {
        view->SendOperation(cell, key::kEnter, 0);
        ASSERT_TRUE(host.editor);
        EXPECT_EQ(host.editor->rect, box);
        EXPECT_EQ(host.editor->rightIndent, cell.row == 0 ? 4 : 3) << "text 4 pixels off the side";
        view->OnEditorKey(vk::kEscape, 0);
    }
    host.widths[1] = 0;
    view->SendOperation({1, 0}, key::kEnter, 0);
    EXPECT_FALSE(host.editor) << "no editor on a cell without width";
}

TEST_F(SheetViewTest, EditorKeysCommitOrCancelAndMove) {
    struct Case {
        int key;
        bool commits;
        int rowAfter;
    };
    evaluator.answer = [](CellRequest& request) {
        request.text = "1";
        return request.keyCode == '1' ? CellOpening::kOpenEditor : CellOpening::kNothingToOpen;
    };
    Open("T_Long");
    for (const Case c :
         {Case{vk::kReturn, true, 20}, Case{vk::kDown, true, 21}, Case{vk::kUp, true, 19},
          Case{vk::kPageDown, true, 30}, Case{vk::kEscape, false, 20}}) {
        SCOPED_TRACE(c.key);
        Click(1, 20);
        Type('1');
        ASSERT_TRUE(host.editor);
        host.editorText = "118.1";
        host.focused = false;
        evaluator.sent.clear();
        EXPECT_TRUE(view->OnEditorKey(c.key, 0));
        EXPECT_FALSE(host.editor);
        EXPECT_TRUE(host.focused) << "the grid takes the focus back";
        EXPECT_EQ(view->Current().row, c.rowAfter);
        const auto operations = evaluator.Operations();
        ASSERT_EQ(operations.size(), c.commits ? 1u : 0u);
        if (c.commits) {
            EXPECT_EQ(operations[0].link, Link("CL_Val", 18));
            EXPECT_EQ(operations[0].textOrigin, TextOrigin::kEditor);
            EXPECT_EQ(operations[0].keyCode, 0);
            EXPECT_EQ(operations[0].text, "118.1");
        }
    }
    EXPECT_FALSE(view->OnEditorKey(vk::kLeft, 0)) << "the editor moves its own caret";
}

TEST_F(SheetViewTest, MessageTwentyThreeAndAKeyOnTheGridCommitTheEditor) {
    evaluator.answer = [](CellRequest& request) {
        return request.keyCode == '1' ? CellOpening::kOpenEditor : CellOpening::kNothingToOpen;
    };
    Open("T_Long");
    for (const auto& commit : std::vector<std::function<void()>>{
             [this] { environment.bus.Post(message::kFinishCellEdit, 0, 0, true); },
             [this] { view->CommitEditor(); }, [this] { Press(vk::kDown); }}) {
        Type('1');
        host.editorText = "5";
        evaluator.sent.clear();
        commit();
        EXPECT_FALSE(host.editor);
        ASSERT_FALSE(evaluator.Operations().empty());
        EXPECT_EQ(evaluator.Operations()[0].text, "5");
    }
}

TEST_F(SheetViewTest, FunctionKeysAndCharactersReachTheDataModelWithOneMenuRefreshEach) {
    struct Case {
        int key;
        int character;
        std::int32_t sent;
    };
    Open("T_Long");
    for (const Case c :
         {Case{vk::kF1, 0, 0x7000}, Case{vk::kF2, 0, key::kBeginEdit}, Case{vk::kF12, 0, 0x7B00},
          Case{0, 'a', 'a'}, Case{vk::kReturn, 13, key::kEnter}}) {
        SCOPED_TRACE(c.sent);
        evaluator.sent.clear();
        recorder.messages.clear();
        Press(c.key, 0, c.character);
        ASSERT_EQ(evaluator.Operations().size(), 1u);
        EXPECT_EQ(evaluator.Operations()[0].keyCode, c.sent);
        EXPECT_EQ(evaluator.Operations()[0].link, Link("CL_Val", 0));
        EXPECT_EQ(recorder.Kinds(), std::vector<std::int32_t>{message::kRefreshMenuStates});
        ASSERT_FALSE(recorder.messages.empty());
        EXPECT_EQ(recorder.messages[0].kind, message::kStatusText) << "the status resets first";
    }
}

TEST_F(SheetViewTest, ARepeatedKeyWaitsLessEachTimeOnTheClock) {
    evaluator.clock = &time;
    evaluator.answer = [this](CellRequest& request) {
        if (evaluator.Operations().size() < 7) {
            request.repeatKey = request.keyCode;
        }
        return CellOpening::kNothingToOpen;
    };
    Open("T_Long");
    recorder.messages.clear();
    Type('x');
    time.Advance(200);
    std::vector<std::uint32_t> ticks;
    for (const auto& sent : evaluator.Operations()) {
        ticks.push_back(sent.tick);
        EXPECT_EQ(sent.keyCode, 'x');
    }
    EXPECT_EQ(ticks, (std::vector<std::uint32_t>{0, 30, 54, 72, 84, 90, 90}));
    EXPECT_EQ(host.paints, 6);
    EXPECT_EQ(recorder.Kinds(), std::vector<std::int32_t>{message::kRefreshMenuStates})
        << "the menus refresh once, after the last repetition";
}

TEST_F(SheetViewTest, AKeyPressedWhileARepeatWaitsComesAfterIt) {
    evaluator.answer = [](CellRequest& request) {
        if (request.keyCode == 'x') {
            request.repeatKey = 'y';
        }
        return CellOpening::kNothingToOpen;
    };
    Open("T_Long");
    Type('x');
    Type('z');
    std::vector<std::int32_t> keys;
    for (const auto& sent : evaluator.Operations()) {
        keys.push_back(sent.keyCode);
    }
    EXPECT_EQ(keys, (std::vector<std::int32_t>{'x', 'y', 'z'}));
    EXPECT_EQ(time.ActiveTimerCount(), 0u);
}

TEST(RefreshMaskTest, EachBitSelectsItsCells) {
    const CellLink reference{1, 10, 5};
    const CellLink noCategory{CellLink::kNoCategory, 10, 5};
    constexpr std::int32_t kNone = CellLink::kNoCell;
    struct Case {
        CellLink reference;
        std::uint32_t mask;
        CellLink cell;
        bool matches;
    };
    const Case cases[] = {
        {reference, 0x01, {2, 10, 5}, true},     {reference, 0x01, {1, 10, 6}, false},
        {reference, 0x02, {1, kNone, 0}, true},  {reference, 0x02, {2, 10, 5}, false},
        {reference, 0x04, {3, 10, 0}, true},     {reference, 0x04, {1, 11, 5}, false},
        {reference, 0x08, {3, 11, 5}, true},     {reference, 0x08, {1, kNone, 5}, false},
        {reference, 0x10, {1, 12, 4}, true},     {reference, 0x10, {1, 12, 6}, true},
        {reference, 0x10, {1, 12, 7}, false},    {reference, 0x10, {2, 12, 5}, false},
        {reference, 0x10, {1, kNone, 5}, false}, {reference, 0x20, {4, 0, 0}, true},
        {reference, 0x20, {1, kNone, 5}, false}, {reference, 0x40, {1, 1, 5}, true},
        {reference, 0x40, {1, 1, 4}, false},     {reference, 0x80, {1, 1, 5}, true},
        {reference, 0x80, {1, 1, 6}, false},     {reference, 0x06, {3, 10, 0}, true},
        {reference, 0x00, {1, 10, 5}, false},    {noCategory, 0x08, {1, 1, 5}, false},
        {noCategory, 0x40, {1, 1, 9}, false},    {noCategory, 0x80, {1, 1, 0}, false},
        {noCategory, 0x01, {1, 10, 5}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refresh::Matches(c.reference, c.mask, c.cell), c.matches)
            << "mask " << c.mask << " cell " << c.cell.category << "/" << c.cell.cellId << "/"
            << c.cell.index;
    }
}

TEST(RefreshMaskTest, MessagesCarryOneFieldOfTheReference) {
    struct Case {
        std::int32_t kind;
        CellLink reference;
        std::uint32_t mask;
    };
    for (const Case c :
         {Case{15, {0, 0, -1}, 0x20}, Case{16, {7, 0, -1}, 0x02}, Case{17, {0, 7, -1}, 0x04},
          Case{18, {0, 0, 7}, 0x08}, Case{19, {0, 0, 7}, 0x80}, Case{20, {0, 0, 7}, 0x40}}) {
        const auto order = refresh::OrderOfMessage(c.kind, 7);
        ASSERT_TRUE(order) << c.kind;
        EXPECT_EQ(order->reference, c.reference) << c.kind;
        EXPECT_EQ(order->mask, c.mask) << c.kind;
    }
    EXPECT_FALSE(refresh::OrderOfMessage(message::kOwnerCellQuery, 7));
}

TEST_F(SheetViewTest, RefreshesInvalidateTheMatchingCellsOnScreenOnly) {
    Open("T_Long");
    host.visible = {1, 2, 3, 11};  // rows 2..11 show besides the fixed ones
    host.invalidated.clear();
    environment.bus.Post(message::kRefreshIndex, 0, 5, false);
    EXPECT_TRUE(host.invalidated.empty()) << "refresh messages are queued";
    environment.bus.Pump();
    EXPECT_EQ(host.invalidated, (std::set<std::pair<int, int>>{{0, 7}, {1, 7}, {2, 7}}));

    host.invalidated.clear();
    environment.bus.Post(message::kRefreshFromIndex, 0, 8, false);
    environment.bus.Pump();
    EXPECT_TRUE(host.Invalidated(2, 11));
    EXPECT_FALSE(host.Invalidated(2, 12)) << "below the screen";
    EXPECT_FALSE(host.Invalidated(3, 11)) << "a label";

    // The data model refreshes through the request it was handed.
    host.invalidated.clear();
    evaluator.answer = [](CellRequest& request) {
        request.refresh(request, refresh::kSameCellId);
        return CellOpening::kNothingToOpen;
    };
    Type('x');
    EXPECT_TRUE(host.Invalidated(1, 11));
    EXPECT_FALSE(host.Invalidated(2, 11));
}

TEST_F(SheetViewTest, APopupMenuChangeDropsTheOldCopiesBeforeBuildingTheNew) {
    Open("T_Long");
    ASSERT_NE(view->PopupMenu(), nullptr);
    EXPECT_EQ(view->PopupMenu()->Name(), "PA");
    recorder.messages.clear();
    Press(vk::kRight);
    using namespace message;
    EXPECT_EQ(recorder.Kinds(),
              (std::vector{kClearMenuItems, kRebuildMenuItems, kRefreshMenuStates}));
    const BusMessage& rebuild =
        *std::find_if(recorder.messages.begin(), recorder.messages.end(),
                      [](const BusMessage& m) { return m.kind == message::kRebuildMenuItems; });
    EXPECT_EQ(rebuild.PayloadText(), "PB");
    EXPECT_EQ(rebuild.int1, reinterpret_cast<std::intptr_t>(view->PopupMenu()));
    EXPECT_EQ(rebuild.int2, Id("CL_Menu_Edit_Top"));

    recorder.messages.clear();
    Press(vk::kDown);
    EXPECT_EQ(recorder.Kinds(), std::vector{kRefreshMenuStates}) << "the same menu stays";

    host.focused = false;
    recorder.messages.clear();
    Press(vk::kLeft);
    EXPECT_TRUE(recorder.Kinds().empty()) << "without the focus the menu waits";
    host.focused = true;
    view->OnFocusChanged(true);
    EXPECT_EQ(recorder.Kinds(),
              (std::vector{kClearMenuItems, kRebuildMenuItems, kRefreshMenuStates}));
    EXPECT_EQ(view->PopupMenu()->Name(), "PA");
}

TEST_F(SheetViewTest, TheMainMenuMirrorsThePopupUntilTheViewGoes) {
    MenuBuilder mainMenu(
        MenuEnvironment{environment.store, environment.vocabulary, environment.bus, evaluator},
        "TMain");
    mainMenu.Build();
    Open("T_Long");
    MenuItem* editTop = mainMenu.FindItemByCellId(Id("CL_Menu_Edit_Top"));
    ASSERT_NE(editTop, nullptr);
    ASSERT_EQ(editTop->children.size(), 2u);

    // Refreshing the states asks the sheet whose cell the popup commands act on.
    bool askedWithOwner = false;
    for (const auto& sent : evaluator.sent) {
        askedWithOwner = askedWithOwner ||
                         (sent.mode == CellEvaluator::kDraw &&
                          sent.link.cellId == Id("CL_PCmdOne") && sent.parent == Link("CL_Val", 0));
    }
    EXPECT_TRUE(askedWithOwner);
    EXPECT_FALSE(environment.bus.Query(message::kOwnerCellQuery, 0, 0))
        << "no sheet answers for the main menu";

    mainMenu.Click(*editTop->children[1]);
    ASSERT_EQ(evaluator.Operations().size(), 1u);
    EXPECT_EQ(evaluator.Operations()[0].link, Link("CL_Val", 0));
    EXPECT_EQ(evaluator.Operations()[0].commandId, Id("CL_PCmdTwo"));
    EXPECT_EQ(evaluator.Operations()[0].keyCode, 0);

    recorder.messages.clear();
    const auto sheetAddress = reinterpret_cast<std::intptr_t>(sheet.get());
    view.reset();
    EXPECT_TRUE(editTop->children.empty());
    using namespace message;
    EXPECT_EQ(recorder.Kinds(), (std::vector{kSheetDestroyed, kClearMenuItems}));
    EXPECT_EQ(recorder.messages[0].int2, sheetAddress);
}

TEST_F(SheetViewTest, MouseClicksSelectTipOwnersAndRightClicksShowTheMenu) {
    Open("T_Long");
    Click(3, 10);
    EXPECT_EQ(view->Current(), (GridCell{2, 10})) << "a tip selects its owner";
    Click(0, 11);
    EXPECT_EQ(view->Current(), (GridCell{2, 10}));

    view->OnMouseDown(0, 12, {5, 0}, Button::kRight, 0);
    EXPECT_TRUE(host.shownMenus.empty()) << "a label has no menu";
    view->OnMouseDown(1, 12, {60, 0}, Button::kRight, 0);
    EXPECT_EQ(view->Current(), (GridCell{1, 12}));
    view->OnMouseDown(3, 14, {160, 0}, Button::kRight, 0);
    EXPECT_EQ(view->Current(), (GridCell{2, 14}));
    EXPECT_EQ(host.shownMenus, (std::vector<std::pair<std::string, int>>{{"PA", 60}, {"PB", 160}}));

    view->OnDoubleClick(3, 14, {});
    ASSERT_EQ(evaluator.Operations().size(), 1u);
    EXPECT_EQ(evaluator.Operations()[0].keyCode, key::kDoubleClick);
}

TEST_F(SheetViewTest, DraggingExtendsTheSelection) {
    Open("T_Long");
    view->OnMouseDown(1, 5, {}, Button::kLeft, 0);
    view->OnMouseMove(1, 6);
    view->OnMouseMove(1, 7);
    view->OnMouseUp(1, 7, {}, Button::kLeft);
    view->OnMouseMove(1, 9);
    EXPECT_EQ(SelectedInColumn(1), (std::vector<GridCell>{{1, 5}, {1, 6}, {1, 7}}));
}

TEST_F(SheetViewTest, ADoubleClickOnAColumnBorderOfAFixedRowFitsTheColumn) {
    struct Case {
        int column;
        int row;
        int x;
        std::optional<int> fitted;
    };
    Open("T_Long");
    // Columns are 50 wide: column 2 spans 100..149, the last column ends at 200.
    for (const Case c :
         {Case{2, 0, 148, 2}, Case{2, 1, 102, 1}, Case{2, 0, 125, std::nullopt},
          Case{-1, 0, 202, 3}, Case{-1, 0, 210, std::nullopt}, Case{2, 5, 148, std::nullopt}}) {
        SCOPED_TRACE(c.x);
        host.fittedColumns.clear();
        view->OnDoubleClick(c.column, c.row, {c.x, 0});
        EXPECT_EQ(host.fittedColumns, c.fitted ? std::vector<int>{*c.fitted} : std::vector<int>{});
    }
}

class ChoiceListTest : public SheetViewTest {
protected:
    ChoiceListTest() {
        owner = std::make_unique<Sheet>(environment.Get(), "T_Labels");
        ownerCell.link = CellLink{1, 2, 3};
        opener.cell = &ownerCell;
        opener.sheet = owner.get();
        SheetOptions options;
        options.dialogMode = true;
        SheetOpening opening;
        opening.parentRequest = opener;
        Open("T_Pick", options, std::move(opening));
    }

    std::unique_ptr<Sheet> owner;
    SheetCell ownerCell;
    CellRequest opener;
};

TEST_F(ChoiceListTest, AChoiceCommitsTheOpeningRequestAndClosesTheList) {
    Type('x');
    Press(vk::kF2);
    EXPECT_TRUE(evaluator.Operations().empty()) << "other keys do nothing in a list";
    Press(vk::kDown);
    Press(vk::kReturn, 0, key::kEnter);
    ASSERT_EQ(evaluator.Operations().size(), 1u);
    const auto commit = evaluator.Operations()[0];
    EXPECT_EQ(commit.link, ownerCell.link);
    EXPECT_EQ(commit.textOrigin, TextOrigin::kChoice);
    EXPECT_EQ(commit.parent, (CellLink{CellLink::kNoCategory, Id("CL_Pick"), 1}));
    EXPECT_EQ(host.hides, 1);

    // The cursor follows the mouse; releasing the button picks.
    view->OnMouseMove(0, 2);
    view->OnMouseUp(0, 2, {}, Button::kLeft);
    ASSERT_EQ(evaluator.Operations().size(), 2u);
    EXPECT_EQ(evaluator.Operations()[1].parent->index, 2);
}

TEST_F(ChoiceListTest, TheListClosesWhenItsOpenerGoesOrAnEditMustFinish) {
    struct Case {
        std::int32_t kind;
        std::intptr_t int2;
        int hides;
    };
    for (const Case c :
         {Case{message::kSheetDestroyed, reinterpret_cast<std::intptr_t>(owner.get()), 1},
          Case{message::kSheetDestroyed, 12345, 0}, Case{message::kFinishCellEdit, 0, 1}}) {
        host.hides = 0;
        environment.bus.Post(c.kind, 0, c.int2, true);
        EXPECT_EQ(host.hides, c.hides) << c.kind;
    }
    EXPECT_TRUE(evaluator.Operations().empty());
}

}  // namespace
}  // namespace orvane
