#pragma once
// An in-process serial device: records what was opened, configured and written, holds
// the bytes "received" for the program, echoes like the one-wire cable when asked, and
// fails on request.

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/port_locator.h"
#include "platform/serial_device.h"

namespace orvane::testing {

class FakeSerialDevice final : public SerialDevice {
public:
    bool Open(const std::string& path) override;
    bool Purge() override;
    bool Configure(const SerialLine& line) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    std::int32_t InputWaiting() override;
    std::int32_t OutputWaiting() override { return open_ ? outputWaiting : -1; }
    std::int32_t Read(std::uint8_t* destination, std::int32_t max) override;
    std::int32_t Write(const std::uint8_t* source, std::int32_t count,
                       std::uint32_t timeoutMs) override;
    std::string FailureReason() const override { return failureReason; }
    bool FailureIsPermission() const override { return failureIsPermission; }

    // Bytes that arrive for the program.
    void Feed(std::span<const std::uint8_t> bytes) {
        input.insert(input.end(), bytes.begin(), bytes.end());
    }

    // Behaviour.
    bool echo = true;
    bool failOpen = false;
    bool failPurge = false;
    bool failConfigure = false;
    std::string failureReason;
    bool failureIsPermission = false;
    std::int32_t outputWaiting = 0;
    std::int32_t acceptLimit = -1;  // largest count one Write takes; -1: all
    // Called with every written block after its echo has been queued.
    std::function<void(std::span<const std::uint8_t>)> onWrite;

    // What happened.
    std::vector<std::string> openedPaths;
    std::vector<SerialLine> lines;
    std::vector<std::uint8_t> written;
    std::vector<std::int32_t> writeSizes;
    std::vector<std::uint32_t> writeTimeouts;
    int closeCount = 0;
    int purgeCount = 0;
    std::deque<std::uint8_t> input;

private:
    bool open_ = false;
};

// Every port number names the same device.
class FixedPortLocator final : public PortLocator {
public:
    explicit FixedPortLocator(std::string path = "/dev/fake0") : path(std::move(path)) {}
    std::string DevicePath(int number) const override {
        requested.push_back(number);
        return path;
    }
    std::string path;
    mutable std::vector<int> requested;
};

}  // namespace orvane::testing
