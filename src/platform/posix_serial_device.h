#pragma once
// A serial device through POSIX termios: USB and RS-232C adapters (/dev/ttyUSB*,
// /dev/ttyACM*, /dev/ttyS*) and pseudo-terminals.

#include "platform/serial_device.h"

namespace orvane {

class PosixSerialDevice final : public SerialDevice {
public:
    PosixSerialDevice() = default;
    ~PosixSerialDevice() override { Close(); }
    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

    bool Open(const std::string& path) override;
    bool Purge() override;
    bool Configure(const SerialLine& line) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }

    std::int32_t InputWaiting() override;
    std::int32_t OutputWaiting() override;
    std::int32_t Read(std::uint8_t* destination, std::int32_t max) override;
    std::int32_t Write(const std::uint8_t* source, std::int32_t count,
                       std::uint32_t timeoutMs) override;

    std::string FailureReason() const override { return failure_; }
    bool FailureIsPermission() const override { return permissionFailure_; }

private:
    bool Fail(const std::string& reason, int error);

    int fd_ = -1;
    std::string failure_;
    bool permissionFailure_ = false;
};

}  // namespace orvane
