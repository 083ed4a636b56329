#include "app/com_port_entry.h"

#include "sheet/definition_text.h"

namespace orvane {

std::optional<std::int32_t> ComPortFromEntry(std::string_view text) {
    const std::int32_t number = LeadingNumber(text);
    if (number < kFirstComPort || number > kLastComPort) {
        return std::nullopt;
    }
    return number;
}

}  // namespace orvane
