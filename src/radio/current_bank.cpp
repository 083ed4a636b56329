#include "radio/current_bank.h"

#include "base/message_bus.h"
#include "radio/bank_table.h"
#include "sheet/sheet_messages.h"

namespace orvane {

CurrentBank QueryCurrentBank(MessageBus& bus, const BankTable& banks) {
    const auto reply = bus.Query(message::kCurrentBankQuery, 0, 0);
    if (!reply || !BankTable::IsBank(static_cast<int>(reply->int1))) {
        return {};
    }
    const int bank = static_cast<int>(reply->int1);
    return {bank, banks.BankFirst(bank), banks.BankLast(bank), banks.BankCapacity(bank)};
}

}  // namespace orvane
