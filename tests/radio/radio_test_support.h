#pragma once
// What the data model tests share: options held in memory, a controller that counts
// what it is asked, and a bank sheet on the bus that answers which bank is open and
// records what the data model posts.

#include <string>
#include <vector>

#include "base/message_bus.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "radio/controller_port.h"
#include "radio/radio_options.h"
#include "sheet/sheet_cell.h"
#include "sheet/sheet_messages.h"

namespace orvane::testing {

class StoredRadioOptions final : public RadioOptions {
public:
    RadioOptionValues Current() const override { return values; }
    void Update(const RadioOptionValues& newValues) override { values = newValues; }
    RadioOptionValues values;
};

class RecordingController final : public ControllerPort {
public:
    void ArmWarningRecheck() override { calls.push_back("ArmWarningRecheck"); }
    bool CheckModified() override {
        calls.push_back("CheckModified");
        return true;
    }
    void ShowCellHelp(const SheetCell& cell) override { helpCells.push_back(cell.link.cellId); }
    std::vector<std::string> calls;
    std::vector<int> helpCells;
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
