#pragma once
// The bank of the open bank sheet, asked for on the message bus at every evaluation.

namespace orvane {

class MessageBus;
class BankTable;

struct CurrentBank {
    int bank = 0;
    int first = 0;
    int last = 0;
    int capacity = 0;

    bool operator==(const CurrentBank&) const = default;
};

// All zero when no sheet answers or the bank number is outside 0..9.
CurrentBank QueryCurrentBank(MessageBus& bus, const BankTable& banks);

}  // namespace orvane
