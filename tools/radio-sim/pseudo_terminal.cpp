#include "pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvane {

PseudoTerminal::~PseudoTerminal() {
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
}

bool PseudoTerminal::Fail(const std::string& what) {
    failure_ = what + ": " + std::strerror(errno);
    return false;
}

bool PseudoTerminal::Open() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) return Fail("posix_openpt");
    if (grantpt(master_) != 0) return Fail("grantpt");
    if (unlockpt(master_) != 0) return Fail("unlockpt");
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) return Fail("ptsname");
    devicePath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave_ < 0) return Fail(devicePath_);
    // A raw line from the start: no echo or line editing by the terminal layer, whatever
    // arrives before the program sets its own line.
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0) return Fail("tcgetattr");
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0) return Fail("tcsetattr");
    return true;
}

std::uint32_t PseudoTerminal::LineBaud() const {
    termios settings{};
    if (slave_ < 0 || tcgetattr(slave_, &settings) != 0) {
        return 0;
    }
    switch (cfgetospeed(&settings)) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

}  // namespace orvane
