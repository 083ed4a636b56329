#include "clone/serial_port.h"

#include <algorithm>

#include "clone/serial_settings.h"

namespace orvane {

SerialPort::SerialPort(TimerHost& timers, SerialDevice& device, const PortLocator& locator)
    : device_(device), locator_(locator), pump_(MakeTask(timers)) {
    pump_->SetCallback([this](cmcTask&) { PumpStep(); });
}

bool SerialPort::FailOpen(const std::string& device) {
    openFailure_ = device + ": " + device_.FailureReason();
    openFailureIsPermission_ = device_.FailureIsPermission();
    return false;
}

bool SerialPort::Open(int portNumber, std::string_view settings) {
    if (IsOpen()) {
        return false;
    }
    line_ = ParseSerialSettings(settings);
    portNumber_ = portNumber;
    openFailure_.clear();
    openFailureIsPermission_ = false;

    std::string path = locator_.DevicePath(portNumber);
    if (path.empty()) {
        openFailure_ = "No serial device is present for COM " + std::to_string(portNumber);
        return false;
    }
    if (!device_.Open(path)) {
        return FailOpen(path);
    }
    // A purge failure leaves the device open, like a half-finished open; Close ends it.
    if (!device_.Purge()) {
        return FailOpen(path);
    }
    if (!device_.Configure(line_)) {
        FailOpen(path);
        Close();
        return false;
    }
    return true;
}

void SerialPort::Close() {
    pump_->Stop();
    device_.Close();
    transmit_.Clear();
    writeError_ = false;
}

std::int32_t SerialPort::Read(std::uint8_t* destination, std::int32_t max) {
    if (!IsOpen()) {
        return 0;
    }
    std::int32_t waiting = device_.InputWaiting();
    if (waiting <= 0) {
        return 0;
    }
    return std::max(device_.Read(destination, std::min(waiting, max)), 0);
}

std::int32_t SerialPort::InputWaiting() {
    return IsOpen() ? std::max(device_.InputWaiting(), 0) : 0;
}

std::int32_t SerialPort::OutputWaiting() {
    return IsOpen() ? std::max(device_.OutputWaiting(), 0) : 0;
}

void SerialPort::Write(const std::uint8_t* bytes, std::int32_t count) {
    if (!IsOpen()) {
        return;
    }
    pump_->Stop();
    transmit_.Append(bytes, count);
    pump_->Start(0);
    PumpStep();
}

void SerialPort::PumpStep() {
    if (!IsOpen()) {
        pump_->Stop();
        return;
    }
    std::int32_t chunk = std::min(transmit_.Length(), kOutputQueueSize);
    if (OutputWaiting() > 0) {
        pump_->Start(10);
        return;
    }
    std::uint32_t timeout = kWriteTimeoutMs + WriteMultiplier() * static_cast<std::uint32_t>(chunk);
    std::int32_t taken = chunk > 0 ? device_.Write(transmit_.Data(), chunk, timeout) : 0;
    if (taken < chunk) {
        writeError_ = true;
        pump_->Stop();
        return;
    }
    if (transmit_.Length() > chunk) {
        for (std::int32_t i = 0; i < chunk; ++i) {
            transmit_.PopFront();
        }
        pump_->Start(10);
    } else {
        transmit_.Clear();
        pump_->Stop();
    }
}

}  // namespace orvane
