#pragma once
// What the list operation tests share: a desktop clipboard that keeps what it was
// given, and the main controller's side of the bank requests, which makes the change
// the controller makes.

#include <string>
#include <vector>

#include "base/message_bus.h"
#include "image/eeprom_image.h"
#include "platform/text_clipboard.h"
#include "radio/bank_channel_requests.h"
#include "radio/radio_messages.h"
#include "radio/radio_options.h"

namespace orvane::testing {

class KeptTextClipboard final : public TextClipboard {
public:
    void SetText(const std::string& newText) override { texts.push_back(newText); }
    std::vector<std::string> texts;
};

class BankRequestHandler final : public BusSubscriber {
public:
    BankRequestHandler(MessageBus& bus, EepromImage& image, const RadioOptions& options)
        : bus_(bus), image_(image), options_(options) {
        bus_.Subscribe(this);
    }
    ~BankRequestHandler() override { bus_.Unsubscribe(this); }
    BankRequestHandler(const BankRequestHandler&) = delete;
    BankRequestHandler& operator=(const BankRequestHandler&) = delete;

    void OnBusMessage(const BusMessage& message) override {
        const int bank = static_cast<int>(message.int1);
        const int position = static_cast<int>(message.int2);
        const int modelType = options_.Current().modelType;
        if (message.kind == message::kChannelInsertedInBank) {
            InsertChannelInBank(image_, modelType, bank, position);
            ++requests;
        } else if (message.kind == message::kChannelDeletedInBank) {
            DeleteChannelInBank(image_, modelType, bank, position);
            ++requests;
        }
    }
    int requests = 0;

private:
    MessageBus& bus_;
    EepromImage& image_;
    const RadioOptions& options_;
};

}  // namespace orvane::testing
