#include "fake_serial_device.h"

#include <algorithm>

namespace orvane::testing {

bool FakeSerialDevice::Open(const std::string& path) {
    openedPaths.push_back(path);
    if (failOpen || open_) {
        return false;
    }
    open_ = true;
    return true;
}

bool FakeSerialDevice::Purge() {
    ++purgeCount;
    if (failPurge) {
        return false;
    }
    input.clear();
    return true;
}

bool FakeSerialDevice::Configure(const SerialLine& line) {
    lines.push_back(line);
    return !failConfigure;
}

void FakeSerialDevice::Close() {
    if (open_) {
        ++closeCount;
    }
    open_ = false;
}

std::int32_t FakeSerialDevice::InputWaiting() {
    return open_ ? static_cast<std::int32_t>(input.size()) : -1;
}

std::int32_t FakeSerialDevice::Read(std::uint8_t* destination, std::int32_t max) {
    if (!open_) {
        return -1;
    }
    auto count = std::min<std::size_t>(input.size(), static_cast<std::size_t>(std::max(max, 0)));
    std::copy_n(input.begin(), count, destination);
    input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(count));
    return static_cast<std::int32_t>(count);
}

std::int32_t FakeSerialDevice::Write(const std::uint8_t* source, std::int32_t count,
                                     std::uint32_t timeoutMs) {
    if (!open_) {
        return -1;
    }
    std::int32_t taken = acceptLimit < 0 ? count : std::min(count, acceptLimit);
    writeSizes.push_back(count);
    writeTimeouts.push_back(timeoutMs);
    written.insert(written.end(), source, source + taken);
    if (echo) {
        input.insert(input.end(), source, source + taken);
    }
    if (onWrite) {
        onWrite(std::span<const std::uint8_t>(source, static_cast<std::size_t>(taken)));
    }
    return taken;
}

}  // namespace orvane::testing
