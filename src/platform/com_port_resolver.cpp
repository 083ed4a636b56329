#include "platform/com_port_resolver.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace orvane {
namespace {

// The numeric suffix of `name` after `prefix`, or -1 when the rest is not all digits.
long NumberAfter(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return -1;
    }
    std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return -1;
    }
    return std::strtol(std::string(digits).c_str(), nullptr, 10);
}

}  // namespace

ComPortResolver::ComPortResolver(const SettingsStore* store, std::string portsKey,
                                 Directories directories)
    : store_(store), portsKey_(std::move(portsKey)), directories_(std::move(directories)) {}

bool ComPortResolver::HasUart(const std::string& name) const {
    // Legacy serial nodes exist whether or not a UART answers; the port type says which
    // are real (0 is "unknown").
    std::ifstream type(directories_.ttyClass + "/" + name + "/type");
    int portType = 0;
    return type && (type >> portType) && portType != 0;
}

std::vector<std::string> ComPortResolver::PresentDevices() const {
    constexpr std::array<std::string_view, 3> kFamilies = {"ttyUSB", "ttyACM", "ttyS"};
    std::array<std::vector<std::pair<long, std::string>>, kFamilies.size()> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directories_.devices, error)) {
        std::string name = entry.path().filename().string();
        for (std::size_t family = 0; family < kFamilies.size(); ++family) {
            long number = NumberAfter(name, kFamilies[family]);
            if (number < 0) {
                continue;
            }
            if (kFamilies[family] != "ttyS" || HasUart(name)) {
                found[family].emplace_back(number, entry.path().string());
            }
        }
    }
    std::vector<std::string> devices;
    for (auto& family : found) {
        std::sort(family.begin(), family.end());
        for (auto& [number, path] : family) {
            devices.push_back(std::move(path));
        }
    }
    return devices;
}

std::string ComPortResolver::DevicePath(int number) const {
    if (number < 1) {
        return {};
    }
    if (store_ != nullptr) {
        auto named = store_->ReadString(portsKey_, "COM" + std::to_string(number));
        if (named && !named->empty()) {
            return *named;
        }
    }
    std::vector<std::string> devices = PresentDevices();
    return static_cast<std::size_t>(number) <= devices.size() ? devices[number - 1] : std::string();
}

}  // namespace orvane
