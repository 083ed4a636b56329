#pragma once
// A data model over the built-in texts and a default image, with the bank sheet, the
// controller and the user's answers played by test doubles, and helpers that send
// requests the way a sheet does.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/message_bus.h"
#include "image/eeprom_image.h"
#include "radio/bank_table.h"
#include "radio/cell_evaluation.h"
#include "radio/cell_names.h"
#include "radio/channel_store.h"
#include "radio/memory_map.h"
#include "radio/radio_cell_evaluator.h"
#include "radio_test_support.h"
#include "sheet/cell_request.h"
#include "sheet/choice_index.h"
#include "sheet/sheet_cell.h"
#include "support/scripted_prompter.h"
#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane::testing {

// One request and the cell it is about, with what the evaluation answered.
struct Sent {
    SheetCell cell;
    CellRequest request;
    CellOpening result = CellOpening::kNothingToOpen;
    std::vector<std::uint32_t> refreshMasks;

    bool Warning() const { return (request.flags & CellRequest::kWarning) != 0; }
    bool Error() const { return (request.flags & CellRequest::kError) != 0; }
};

class RadioFixture : public ::testing::Test {
protected:
    RadioFixture() {
        texts.SetSource(MainResource());
        UseModel(3, true);
    }

    void UseModel(int modelType, bool duplexEnabled) {
        image = DefaultImage(modelType);
        options.values.modelType = modelType;
        options.values.duplexEnabled = duplexEnabled;
    }
    void SetCapacities(std::array<int, 10> capacities) {
        for (int b = 0; b < 10; ++b) {
            banks.SetBankCapacity(b, capacities[static_cast<std::size_t>(b)]);
        }
    }
    void BlankAll() {
        for (int p = 0; p < memory_map::kChannelCount; ++p) {
            PutChannel(p, 121'500'000, 121'500'000, false);
        }
    }
    void OpenBank(int bank) {
        bankSheet.open = true;
        bankSheet.bank = bank;
        bankSheet.first = banks.BankFirst(bank);
    }
    MemoryChannel PutChannel(int position, Hertz rx, Hertz tx, bool used = true) {
        MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
        channel.used = used;
        channel.rxHz = rx;
        channel.txHz = tx;
        channel.wx = MemoryChannel::kWxOff;
        channel.duplex = false;
        channel.txInhibit = false;
        channel.name = "        ";
        channel.dotMask = 0;
        channel.tag = false;
        channels.Store(channel);
        return channels.Load(MemoryChannel::kMemory, position);
    }
    MemoryChannel ChannelAt(int position) {
        return channels.Load(MemoryChannel::kMemory, position);
    }

    // A request from the grid for the cell (category, cellId, index).
    std::unique_ptr<Sent> Key(CellId cellId, int index, std::int32_t keyCode,
                              CellCategory category = category::kConv) {
        auto sent = Prepare(cellId, index, category);
        sent->request.keyCode = keyCode;
        Evaluate(*sent, CellEvaluator::kOperate);
        return sent;
    }
    std::unique_ptr<Sent> Commit(CellId cellId, int index, std::string text,
                                 CellCategory category = category::kConv) {
        auto sent = Prepare(cellId, index, category);
        sent->request.textOrigin = TextOrigin::kEditor;
        sent->request.text = std::move(text);
        Evaluate(*sent, CellEvaluator::kOperate);
        return sent;
    }
    std::unique_ptr<Sent> Draw(CellId cellId, int index, CellCategory category = category::kConv) {
        auto sent = Prepare(cellId, index, category);
        Evaluate(*sent, CellEvaluator::kDraw);
        return sent;
    }
    std::unique_ptr<Sent> Prepare(CellId cellId, int index, CellCategory category) {
        auto sent = std::make_unique<Sent>();
        sent->cell.link = CellLink{category, cellId, index};
        sent->request.cell = &sent->cell;
        sent->request.fromGrid = true;
        Sent* raw = sent.get();
        sent->request.refresh = [raw](const CellRequest&, std::uint32_t mask) {
            raw->refreshMasks.push_back(mask);
        };
        sent->request.openChoice = [this](const CellRequest&, const std::string& key,
                                          const CellLink& focus) {
            openedChoices.push_back(key + "@" + std::to_string(focus.index));
        };
        return sent;
    }
    void Evaluate(Sent& sent, CellEvaluator::Mode mode) {
        sent.result = evaluator.EvaluateCell(sent.request, mode);
    }

    EepromImage image;
    StoredRadioOptions options;
    TextStore texts;
    CellNames vocabulary;
    ChoiceIndex choices{texts, vocabulary};
    MessageBus bus;
    ScriptedPrompter prompter;
    RecordingController controller;
    BankSheetStandIn bankSheet{bus};
    RadioCellEvaluator evaluator{
        RadioEnvironment{image, options, texts, vocabulary, choices, bus, prompter, controller}};
    BankTable banks{image};
    ChannelStore channels{image, 3};
    std::vector<std::string> openedChoices;
};

}  // namespace orvane::testing
