#pragma once
// The serial line under the clone transport: a device opened exclusively by path, set to
// a raw 8-bit line, read without waiting and written with a bounded wait. The POSIX
// implementation uses termios; tests use an in-process fake.

#include <cstdint>
#include <string>

namespace orvane {

// How the line is set up when it is opened.
struct SerialLine {
    enum class StopBits { One, OneAndHalf, Two };

    std::uint32_t baud = 9600;
    int dataBits = 8;
    bool parityCheck = false;  // the parity scheme itself is always none
    StopBits stopBits = StopBits::One;
    std::uint8_t xonChar = 0x11;
    std::uint8_t xoffChar = 0x13;

    bool operator==(const SerialLine&) const = default;
};

class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens `path` for reading and writing; refused while another opener holds it.
    virtual bool Open(const std::string& path) = 0;
    // Throws away everything waiting in both directions.
    virtual bool Purge() = 0;
    // Raw line without flow control, reads that return at once.
    virtual bool Configure(const SerialLine& line) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Bytes waiting in the receive and in the transmit queue; negative on failure.
    virtual std::int32_t InputWaiting() = 0;
    virtual std::int32_t OutputWaiting() = 0;
    // Up to `max` bytes of what has arrived; never waits. Negative on failure.
    virtual std::int32_t Read(std::uint8_t* destination, std::int32_t max) = 0;
    // Hands bytes to the driver, waiting at most `timeoutMs` for room; gives the number
    // taken, negative on failure.
    virtual std::int32_t Write(const std::uint8_t* source, std::int32_t count,
                               std::uint32_t timeoutMs) = 0;

    // Why the last Open, Purge or Configure failed, for the user ("Permission denied").
    virtual std::string FailureReason() const = 0;
    // Whether that failure was a refused permission, which the user can fix.
    virtual bool FailureIsPermission() const = 0;
};

}  // namespace orvane
