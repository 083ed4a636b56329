#pragma once
// A numbered serial port for the clone transport: opened with a settings text, read
// without waiting, written through its own transmit buffer that a periodic task hands to
// the driver in pieces the driver's transmit queue can take, so the user-interface thread
// is never held by the line.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/cmc_buff.h"
#include "base/cmc_task.h"
#include "platform/port_locator.h"
#include "platform/serial_device.h"
#include "platform/timer_host.h"

namespace orvane {

class SerialPort {
public:
    static constexpr std::int32_t kOutputQueueSize = 1024;  // also the largest single write
    static constexpr std::uint32_t kWriteTimeoutMs = 3000;

    SerialPort(TimerHost& timers, SerialDevice& device, const PortLocator& locator);
    ~SerialPort() { Close(); }
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Fails when the port is already open (and leaves it open) or when the device cannot
    // be opened and set up; OpenFailure() then says why.
    bool Open(int portNumber, std::string_view settings);
    void Close();
    bool IsOpen() const { return device_.IsOpen(); }

    std::int32_t Read(std::uint8_t* destination, std::int32_t max);
    std::int32_t InputWaiting();
    std::int32_t OutputWaiting();
    // What the driver still holds plus what waits in the transmit buffer.
    std::int32_t PendingOutput() { return OutputWaiting() + transmit_.Length(); }
    // Nothing when the port is closed.
    void Write(const std::uint8_t* bytes, std::int32_t count);
    bool WriteError() const { return writeError_; }

    int PortNumber() const { return portNumber_; }
    // Milliseconds a write may take per byte beyond kWriteTimeoutMs: 10 at 9600 baud, 2 at
    // 38400.
    std::uint32_t WriteMultiplier() const { return line_.baud ? 100000 / line_.baud : 0; }
    // The device and the system's reason of the last failed Open, for the user; empty
    // after a successful one.
    const std::string& OpenFailure() const { return openFailure_; }
    bool OpenFailureIsPermission() const { return openFailureIsPermission_; }

private:
    bool FailOpen(const std::string& device);
    void PumpStep();

    SerialDevice& device_;
    const PortLocator& locator_;
    cmcTaskPtr pump_;
    cmcBuff transmit_;
    SerialLine line_;
    int portNumber_ = 0;
    bool writeError_ = false;
    std::string openFailure_;
    bool openFailureIsPermission_ = false;
};

}  // namespace orvane
