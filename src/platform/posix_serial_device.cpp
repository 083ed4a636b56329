#include "platform/posix_serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace orvane {
namespace {

constexpr std::array<std::pair<std::uint32_t, speed_t>, 12> kSpeeds = {{
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
    {460800, B460800},
}};

bool SpeedOf(std::uint32_t baud, speed_t& speed) {
    for (const auto& [rate, code] : kSpeeds) {
        if (rate == baud) {
            speed = code;
            return true;
        }
    }
    return false;
}

bool SizeOf(int dataBits, tcflag_t& size) {
    switch (dataBits) {
        case 5:
            size = CS5;
            return true;
        case 6:
            size = CS6;
            return true;
        case 7:
            size = CS7;
            return true;
        case 8:
            size = CS8;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool PosixSerialDevice::Fail(const std::string& reason, int error) {
    failure_ = reason;
    permissionFailure_ = error == EACCES || error == EPERM;
    return false;
}

bool PosixSerialDevice::Open(const std::string& path) {
    if (fd_ >= 0) {
        return Fail("the port is already open", 0);
    }
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        int error = errno;
        return Fail(std::strerror(error), error);
    }
    if (!isatty(fd)) {
        close(fd);
        return Fail("not a serial device", ENOTTY);
    }
    // flock keeps out every other program that asks, root included; TIOCEXCL keeps out
    // plain opens by other users.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        close(fd);
        return Fail(error == EWOULDBLOCK ? "in use by another program" : std::strerror(error),
                    error);
    }
    ioctl(fd, TIOCEXCL);
    fd_ = fd;
    failure_.clear();
    permissionFailure_ = false;
    return true;
}

bool PosixSerialDevice::Purge() {
    if (fd_ < 0 || tcflush(fd_, TCIOFLUSH) != 0) {
        return Fail(fd_ < 0 ? "the port is not open" : std::strerror(errno), errno);
    }
    return true;
}

bool PosixSerialDevice::Configure(const SerialLine& line) {
    if (fd_ < 0) {
        return Fail("the port is not open", 0);
    }
    speed_t speed;
    if (!SpeedOf(line.baud, speed)) {
        return Fail(std::to_string(line.baud) + " baud is not supported", EINVAL);
    }
    tcflag_t size;
    if (!SizeOf(line.dataBits, size)) {
        return Fail(std::to_string(line.dataBits) + " data bits are not supported", EINVAL);
    }
    termios settings{};
    if (tcgetattr(fd_, &settings) != 0) {
        return Fail(std::strerror(errno), errno);
    }
    cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    settings.c_cflag |= size | CLOCAL | CREAD;
    if (line.stopBits != SerialLine::StopBits::One) {
        settings.c_cflag |= CSTOPB;
    }
    settings.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNPAR);
    if (line.parityCheck) {
        settings.c_iflag |= INPCK;
    }
    settings.c_cc[VSTART] = line.xonChar;
    settings.c_cc[VSTOP] = line.xoffChar;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0 ||
        tcsetattr(fd_, TCSANOW, &settings) != 0) {
        return Fail(std::strerror(errno), errno);
    }
    // DTR off and RTS on. Pseudo-terminals have no modem lines, so failures are ignored.
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    ioctl(fd_, TIOCMBIC, &dtr);
    ioctl(fd_, TIOCMBIS, &rts);
    return true;
}

void PosixSerialDevice::Close() {
    if (fd_ < 0) {
        return;
    }
    // The exclusive flag outlives this descriptor while the other end holds the line
    // open; clear it so the next open is not refused.
    ioctl(fd_, TIOCNXCL);
    close(fd_);
    fd_ = -1;
}

std::int32_t PosixSerialDevice::InputWaiting() {
    int count = 0;
    if (fd_ < 0 || ioctl(fd_, FIONREAD, &count) != 0) {
        return -1;
    }
    return count;
}

std::int32_t PosixSerialDevice::OutputWaiting() {
    int count = 0;
    if (fd_ < 0 || ioctl(fd_, TIOCOUTQ, &count) != 0) {
        return -1;
    }
    return count;
}

std::int32_t PosixSerialDevice::Read(std::uint8_t* destination, std::int32_t max) {
    if (fd_ < 0 || max <= 0) {
        return fd_ < 0 ? -1 : 0;
    }
    ssize_t count = read(fd_, destination, static_cast<std::size_t>(max));
    if (count < 0) {
        return errno == EAGAIN || errno == EINTR ? 0 : -1;
    }
    return static_cast<std::int32_t>(count);
}

std::int32_t PosixSerialDevice::Write(const std::uint8_t* source, std::int32_t count,
                                      std::uint32_t timeoutMs) {
    if (fd_ < 0) {
        return -1;
    }
    using Clock = std::chrono::steady_clock;
    const auto giveUp = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::int32_t written = 0;
    while (written < count) {
        ssize_t taken = write(fd_, source + written, static_cast<std::size_t>(count - written));
        if (taken > 0) {
            written += static_cast<std::int32_t>(taken);
            continue;
        }
        if (taken < 0 && errno != EAGAIN && errno != EINTR) {
            return written > 0 ? written : -1;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - Clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd waitFor{fd_, POLLOUT, 0};
        poll(&waitFor, 1, static_cast<int>(left.count()));
    }
    return written;
}

}  // namespace orvane
