#include "cli/port_option.h"

#include <algorithm>
#include <cctype>

#include "app/app_settings.h"
#include "app/com_port_entry.h"

namespace orvane::cli {
namespace {

std::string Key(const char* name) { return std::string(AppSettings::kRegistryPath) + "\\" + name; }

}  // namespace

std::optional<PortChoice> ParsePort(const std::string& text) {
    if (!text.empty() && text.front() == '/') {
        return PortChoice{kFirstComPort, text};
    }
    std::string digits = text;
    if (digits.size() > 3 && std::toupper(static_cast<unsigned char>(digits[0])) == 'C' &&
        std::toupper(static_cast<unsigned char>(digits[1])) == 'O' &&
        std::toupper(static_cast<unsigned char>(digits[2])) == 'M') {
        digits.erase(0, 3);
    }
    if (digits.empty() || digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
        return std::nullopt;
    }
    const int number = std::stoi(digits);
    if (number < kFirstComPort || number > kLastComPort) {
        return std::nullopt;
    }
    return PortChoice{number, {}};
}

PortTarget::PortTarget(const SettingsStore& store, std::optional<PortChoice> choice)
    : resolver_(&store, Key("Ports")), given_(choice ? choice->devicePath : std::string()) {
    if (choice) {
        choice_ = *choice;
    } else {
        const int stored = store.ReadInt(Key("Global"), "ComPort").value_or(kFirstComPort);
        choice_.number = std::clamp(stored, kFirstComPort, kLastComPort);
    }
}

const PortLocator& PortTarget::Locator() const {
    return choice_.devicePath.empty() ? static_cast<const PortLocator&>(resolver_) : given_;
}

}  // namespace orvane::cli
