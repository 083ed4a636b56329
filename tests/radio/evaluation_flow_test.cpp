// How an evaluation is routed: popup commands and popup items acting on their owner,
// the home sheet's transmit-frequency redirect, new bindings, and cells evaluated
// outside a grid.

#include <gtest/gtest.h>

#include "radio/cell_binding.h"
#include "radio/cell_evaluation.h"
#include "radio/entry_keys.h"
#include "radio/list_operations.h"
#include "radio/memory_map.h"
#include "radio/notify_flags.h"
#include "radio_fixture.h"

namespace orvane {
namespace {

using testing::RadioFixture;

class RecordingListOperations final : public ListOperations {
public:
    void Run(CellEvaluation& evaluation, const ListRange& range) override {
        ranges.push_back(range);
        ownerChannels.push_back(evaluation.channel.position);
        // An operation that leaves a home channel outside its bank.
        evaluation.banks.SetBankCapacity(0, 2);
    }
    bool ClipboardHolds(ListKind) const override { return false; }
    std::vector<ListRange> ranges;
    std::vector<int> ownerChannels;
};

class EvaluationFlowTest : public RadioFixture {
protected:
    EvaluationFlowTest() {
        SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0});
        BlankAll();
        PutChannel(6, 121'500'000, 121'500'000);
        OpenBank(2);
        evaluator.SetListOperations(&operations);
    }
    std::unique_ptr<testing::Sent> Command(CellId owner, CellCategory category, int index,
                                           CellId command) {
        auto sent = Prepare(owner, index, category);
        sent->request.commandId = command;
        Evaluate(*sent, CellEvaluator::kOperate);
        return sent;
    }

    RecordingListOperations operations;
};

TEST_F(EvaluationFlowTest, ListCommandsRunOverTheRangeOfTheOwnersList) {
    image.SetByte(memory_map::kHomeChannels + 0, 4);
    Command(cell::kMchName, category::kConv, 6, cell::kPMenuCopy);
    ASSERT_EQ(operations.ranges.size(), 1u);
    EXPECT_EQ(operations.ranges[0].first, 5);
    EXPECT_EQ(operations.ranges[0].last, 7);
    EXPECT_EQ(operations.ranges[0].bank, 2);
    EXPECT_EQ(operations.ranges[0].capacity, 3);
    EXPECT_EQ(operations.ownerChannels[0], 6);
    EXPECT_EQ(image.GetByte(memory_map::kHomeChannels + 0), 1)
        << "the home channels are clamped afterwards";
    bus.Pump();
    EXPECT_EQ(bankSheet.KindsBesidesStatus(), std::vector<int>{message::kBankNodeImages});

    Command(cell::kMchBank, category::kBankOp, 3, cell::kPMenuCarryUp);
    EXPECT_EQ(operations.ranges[1].first, 0);
    EXPECT_EQ(operations.ranges[1].last, 9);
    EXPECT_EQ(operations.ranges[1].bank, ListRange::kNoBank);

    UseModel(4, false);
    Command(cell::kMchName, category::kConv, 40, cell::kPMenuInsert);
    EXPECT_EQ(operations.ranges[2].first, 0);
    EXPECT_EQ(operations.ranges[2].last, 99);
    EXPECT_EQ(operations.ranges[2].bank, ListRange::kNoBank);
}

TEST_F(EvaluationFlowTest, WithoutListOperationsTheCommandsChangeNothing) {
    evaluator.SetListOperations(nullptr);
    const EepromImage before = image;
    const auto sent = Command(cell::kMchName, category::kConv, 6, cell::kPMenuDelete);
    EXPECT_TRUE(image.Equals(before));
    EXPECT_EQ(sent->result, CellOpening::kNothingToOpen);
}

// A binding that reports the owner and the channel an evaluation was given.
class OwnerProbe final : public CellBinding {
public:
    static constexpr std::array<CellId, 1> kCells = {cell::kPMenuClear};
    void Evaluate(CellEvaluation& evaluation) override {
        ownerCell = evaluation.owner != nullptr ? evaluation.owner->link.cellId : CellLink::kNoCell;
        channelPosition = evaluation.channel.position;
        channelUsed = evaluation.channel.used;
    }
    CellId ownerCell = CellLink::kNoCell;
    int channelPosition = -1;
    bool channelUsed = false;
};

TEST_F(EvaluationFlowTest, PopupItemsActOnTheCellTheMenuWasOpenedOn) {
    OwnerProbe& probe = evaluator.Adopt<OwnerProbe>();
    auto owner = Prepare(cell::kMchName, 6, category::kConv);
    auto item = Prepare(cell::kPMenuClear, 0, category::kPopupMenu);
    item->request.parentRequest = &owner->request;
    item->request.fromGrid = false;
    Evaluate(*item, CellEvaluator::kDraw);
    EXPECT_EQ(probe.ownerCell, cell::kMchName);
    EXPECT_EQ(probe.channelPosition, 6);
    EXPECT_TRUE(probe.channelUsed);

    auto orphan = Prepare(cell::kPMenuClear, 0, category::kPopupMenu);
    Evaluate(*orphan, CellEvaluator::kDraw);
    EXPECT_EQ(probe.ownerCell, CellLink::kNoCell);
}

TEST_F(EvaluationFlowTest, TheHomeTransmitCellSendsKeysToReceiveOutsideTheNavBand) {
    options.values.vfoEnabled = true;
    image.SetByte(memory_map::kHomeMode, 0);
    MemoryChannel vfo = channels.Load(MemoryChannel::kHomeVfo, 0);
    vfo.rxHz = 121'500'000;
    channels.Store(vfo);
    struct Case {
        int homeMode;
        Hertz rx;
        std::int32_t key;
        bool redirected;
    };
    const Case cases[] = {{0, 121'500'000, '1', true},
                          {0, 121'500'000, 0, false},
                          {0, 110'000'000, '1', false},
                          {1, 121'500'000, '1', false},
                          {0, 121'500'000, 9472, false}};
    for (const Case& c : cases) {
        image.SetByte(memory_map::kHomeMode, static_cast<std::uint8_t>(c.homeMode));
        vfo.rxHz = c.rx;
        channels.Store(vfo);
        const auto sent = Key(cell::kHomeFreqT, 0, c.key, category::kHome);
        EXPECT_EQ(sent->request.moveRequested, c.redirected)
            << c.homeMode << " " << c.rx << " " << c.key;
        if (c.redirected) {
            EXPECT_EQ(sent->request.moveTo, (CellLink{category::kHome, cell::kHomeFreq, 0}));
            EXPECT_EQ(sent->request.repeatKey, c.key);
        }
    }
}

TEST_F(EvaluationFlowTest, TextCommittedOnTheHomeTransmitCellOutsideTheNavBandIsSentOn) {
    options.values.vfoEnabled = true;
    image.SetByte(memory_map::kHomeMode, 0);
    MemoryChannel vfo = channels.Load(MemoryChannel::kHomeVfo, 0);
    vfo.rxHz = 121'500'000;
    vfo.txHz = 121'500'000;
    channels.Store(vfo);
    const auto sent = Commit(cell::kHomeFreqT, 0, "125.000", category::kHome);
    EXPECT_EQ(sent->request.moveTo, (CellLink{category::kHome, cell::kHomeFreq, 0}));
    EXPECT_EQ(channels.Load(MemoryChannel::kHomeVfo, 0).txHz, 121'500'000u);
}

TEST_F(EvaluationFlowTest, CellsOutsideAGridGiveTheirTextOrRunTheirCommand) {
    SheetCell channel;
    channel.link = CellLink{category::kConv, cell::kMchFreqRT, 6};
    EXPECT_EQ(evaluator.CellText(channel), "121.500");
    SheetCell name;
    name.link = CellLink{category::kConv, cell::kMchName, 6};
    EXPECT_EQ(evaluator.RunCell(name, key::kEnter), CellOpening::kNothingToOpen)
        << "keys need a grid";
    SheetCell about;
    about.link = CellLink{category::kNone, cell::kHelpAbout, 0};
    controller.calls.clear();
    evaluator.RunCell(about, key::kEnter);
    EXPECT_EQ(controller.calls,
              (std::vector<std::string>{"ShowAbout", "ArmWarningRecheck", "NoteAction"}));
}

TEST_F(EvaluationFlowTest, TheDuplexListStepsInRowOrderAndWraps) {
    Key(cell::kMchDup, 6, key::kSpace);
    EXPECT_TRUE(ChannelAt(6).duplex);
    Key(cell::kMchDup, 6, key::kSpace);
    EXPECT_FALSE(ChannelAt(6).duplex);
    Key(cell::kMchDup, 6, key::kBackspace);
    EXPECT_TRUE(ChannelAt(6).duplex);
}

TEST_F(EvaluationFlowTest, TypedKeysOnTypedChoicesOpenTheEditorWithTheCharacter) {
    const auto sent = Key(cell::kMchWxCh, 6, '7');
    EXPECT_EQ(sent->result, CellOpening::kOpenEditor);
    EXPECT_EQ(sent->request.text, "7");
    EXPECT_EQ(ChannelAt(6).wx, MemoryChannel::kWxOff);
}

TEST_F(EvaluationFlowTest, StoredChannelsRefreshTheirRow) {
    const auto sent = Key(cell::kMchTag, 6, key::kSpace);
    ASSERT_EQ(sent->refreshMasks.size(), 1u);
    EXPECT_EQ(sent->refreshMasks[0], notify::kCell | notify::kSameIndex);
}

}  // namespace
}  // namespace orvane
