#pragma once
// What the data model tests share: the radio configuration held in memory, a controller that counts
// what it is asked, and a bank sheet on the bus that answers which bank is open and
// records what the data model posts.

#include <optional>
#include <array>
#include <string>
#include <vector>

#include "base/message_bus.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "radio/controller_port.h"
#include "radio/radio_options.h"
#include "sheet/sheet_cell.h"
#include "sheet/sheet_conditions.h"
#include "sheet/sheet_messages.h"

namespace orvane::testing {

// One radio configuration that the data model and the sheets both read, as the
// application's settings hold it.
class StoredRadioOptions final : public RadioOptions, public SheetConditionSource {
public:
    RadioConfiguration Current() const override { return values; }
    void Update(const RadioConfiguration& newValues) override { values = newValues; }
    RadioConfiguration CurrentSheetConditions() const override { return values; }
    RadioConfiguration values;
};

// Records every operation asked for, with its argument; the settings it answers are
// public fields.
class RecordingController final : public ControllerPort {
public:
    void ArmWarningRecheck() override { Record("ArmWarningRecheck"); }
    void NoteAction(const CellRequest&) override { Record("NoteAction"); }
    std::optional<std::string> UndoStepName() const override { return undoStep; }
    std::optional<std::string> RedoStepName() const override { return redoStep; }
    void Undo() override { Record("Undo"); }
    void Redo() override { Record("Redo"); }
    void ShowCellHelp(const SheetCell& cell) override { helpCells.push_back(cell.link.cellId); }
    void ShowKeyHelp(const SheetCell& cell) override { keyHelpCells.push_back(cell.link.cellId); }

    void NewData() override { Record("NewData"); }
    void OpenWithDialog() override { Record("OpenWithDialog"); }
    void OpenFile(const std::string& path) override { Record("OpenFile " + path); }
    bool IsUntitled() const override { return untitled; }
    void SaveFile(const std::string& path) override { Record("SaveFile " + path); }
    void SaveAsWithDialog() override { Record("SaveAsWithDialog"); }
    std::string CurrentFilePath() const override { return filePath; }
    void PrintCurrent(PrintTarget target) override { Record("PrintCurrent" + TargetText(target)); }
    void PrintAll(PrintTarget target) override { Record("PrintAll" + TargetText(target)); }
    static std::string TargetText(PrintTarget target) {
        return target == PrintTarget::kPdfFile ? " pdf" : "";
    }
    bool CanPrintCurrent() const override { return canPrint; }
    void CloseMainWindow() override { Record("CloseMainWindow"); }
    void ComPortDialog() override { Record("ComPortDialog"); }
    void CloneRead() override { Record("CloneRead"); }
    void CloneWrite() override { Record("CloneWrite"); }
    void GoAdjustMode() override { Record("GoAdjustMode"); }
    void ChangeModel(int modelType, bool ask) override {
        Record("ChangeModel " + std::to_string(modelType) + (ask ? " ask" : ""));
    }
    void ShowAbout() override { Record("ShowAbout"); }
    void ShowHelpContents() override { Record("ShowHelpContents"); }
    void RunExchange(int command) override { Record("RunExchange " + std::to_string(command)); }
    void OpenSheet(const std::string& callText) override { Record("OpenSheet " + callText); }
    void ReapplyModelRules() override { Record("ReapplyModelRules"); }
    RadioIdentity LastRadioIdentity() const override { return RadioIdentity(identity); }
    std::string RecentFile(int slot) const override {
        return slot >= 0 && slot < 4 ? recent[static_cast<std::size_t>(slot)] : "";
    }
    int FontSizePercentage() const override { return fontSize; }
    void ChangeFontSize(int percentage) override {
        Record("ChangeFontSize " + std::to_string(percentage));
    }
    bool ToolbarVisible() const override { return toolbarVisible; }
    void ToggleToolbar() override { Record("ToggleToolbar"); }
    int ComPort() const override { return comPort; }
    void SetComPort(int port) override { Record("SetComPort " + std::to_string(port)); }
    bool ComSpeedHigh() const override { return speedHigh; }
    void SetComSpeedHigh(bool high) override {
        Record(high ? "SetComSpeedHigh 1" : "SetComSpeedHigh 0");
    }
    bool AdjustmentStart() const override { return adjustmentStart; }

    std::vector<std::string> calls;
    std::vector<int> helpCells;
    std::vector<int> keyHelpCells;
    bool untitled = true;
    std::string filePath = "/data/untitled";
    bool canPrint = true;
    std::array<std::string, 4> recent{};
    int fontSize = 100;
    bool toolbarVisible = true;
    int comPort = 1;
    bool speedHigh = false;
    bool adjustmentStart = false;
    std::optional<std::string> undoStep;
    std::optional<std::string> redoStep;
    std::array<std::uint8_t, RadioIdentity::kSize> identity{};

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

// Answers the open-bank query like a bank sheet and keeps every other message.
class BankSheetStandIn final : public BusSubscriber {
public:
    explicit BankSheetStandIn(MessageBus& bus) : bus_(bus) { bus_.Subscribe(this); }
    ~BankSheetStandIn() override { bus_.Unsubscribe(this); }
    BankSheetStandIn(const BankSheetStandIn&) = delete;
    BankSheetStandIn& operator=(const BankSheetStandIn&) = delete;

    void OnBusMessage(const BusMessage& message) override {
        if (message.kind == message::kCurrentBankQuery) {
            if (open) {
                bus_.Reply(bank, first);
            }
            return;
        }
        received.push_back({message.kind, message.int2, std::string(message.PayloadText())});
    }
    // Kinds received so far, status texts left out.
    std::vector<int> KindsBesidesStatus() const {
        std::vector<int> kinds;
        for (const auto& m : received) {
            if (m.kind != message::kStatusText) {
                kinds.push_back(m.kind);
            }
        }
        return kinds;
    }
    std::string LastStatusText() const {
        for (auto it = received.rbegin(); it != received.rend(); ++it) {
            if (it->kind == message::kStatusText) {
                return it->text;
            }
        }
        return "(none)";
    }

    struct Received {
        int kind;
        std::intptr_t int2;
        std::string text;
    };
    bool open = true;
    int bank = 0;
    int first = 0;
    std::vector<Received> received;

private:
    MessageBus& bus_;
};

// A full-size image holding the model's default clone area.
inline EepromImage DefaultImage(int modelType) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, modelType);
    return image;
}

}  // namespace orvane::testing
