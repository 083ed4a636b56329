#include "radio/channel_tab_text.h"

#include "radio/bank_table.h"
#include "radio/name_codec.h"

namespace orvane {
namespace {

const char* OnOff(bool on) { return on ? "ON" : "OFF"; }

// A damaged record may hold tabs or line feeds, which would split the row.
std::string PrintableName(const MemoryChannel& channel) {
    std::string name = ShownName({channel.name, channel.dotMask});
    for (char& c : name) {
        c = IsPrintable(c) ? c : ' ';
    }
    return name;
}

std::string Number(const MemoryChannel& channel, int bank, int bankFirst) {
    if (!BankTable::IsBank(bank)) {
        return std::to_string(channel.position);
    }
    return std::to_string(bank) + "-" + std::to_string(channel.position - bankFirst);
}

}  // namespace

std::string ChannelsAsTabText(const std::vector<MemoryChannel>& channels, int bank, int bankFirst) {
    std::string text;
    for (const MemoryChannel& channel : channels) {
        text += Number(channel, bank, bankFirst);
        if (channel.used) {
            text += '\t' + FormatFrequency(channel.rxHz);
            text += '\t' + FormatFrequency(channel.txHz);
            text += '\t' + PrintableName(channel);
            text += '\t';
            text += OnOff(channel.duplex);
            text += '\t';
            text += OnOff(channel.txInhibit);
            text += '\t' + (channel.HasWx() ? std::to_string(channel.wx + 1) : std::string("OFF"));
            text += '\t';
            text += OnOff(channel.tag);
        } else {
            text += "\t\t\t\t\t\t\t";
        }
        text += '\n';
    }
    return text;
}

}  // namespace orvane
