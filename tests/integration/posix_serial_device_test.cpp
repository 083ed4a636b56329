// The termios serial device on a real pseudo-terminal: the line it sets, exclusive
// opens, reads that never wait, and failures that say why.

#include "platform/posix_serial_device.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The far end of a pseudo-terminal, standing where the radio's cable would be.
class PseudoTerminalPair {
public:
    PseudoTerminalPair() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            char name[128];
            if (ptsname_r(master_, name, sizeof name) == 0) path_ = name;
        }
    }
    ~PseudoTerminalPair() {
        if (master_ >= 0) close(master_);
    }
    const std::string& Path() const { return path_; }
    int Master() const { return master_; }

    termios LineSettings() const {
        termios settings{};
        int fd = open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0) {
            tcgetattr(fd, &settings);
            close(fd);
        }
        return settings;
    }

private:
    int master_ = -1;
    std::string path_;
};

// A pseudo-terminal always keeps eight data bits, so the character size cannot be seen
// here; speed, stop bits, parity checking and the raw flags can.
TEST(PosixSerialDeviceTest, LineSettingsReachTheTerminal) {
    struct Case {
        SerialLine line;
        speed_t speed;
        bool inputParity;
        bool twoStopBits;
    };
    const Case cases[] = {
        {SerialLine{9600, 8, false, SerialLine::StopBits::One}, B9600, false, false},
        {SerialLine{38400, 8, false, SerialLine::StopBits::One}, B38400, false, false},
        {SerialLine{9600, 7, true, SerialLine::StopBits::Two}, B9600, true, true},
        {SerialLine{4800, 5, false, SerialLine::StopBits::OneAndHalf}, B4800, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.baud);
        PseudoTerminalPair pair;
        ASSERT_FALSE(pair.Path().empty());
        PosixSerialDevice device;
        ASSERT_TRUE(device.Open(pair.Path())) << device.FailureReason();
        ASSERT_TRUE(device.Purge());
        ASSERT_TRUE(device.Configure(c.line)) << device.FailureReason();
        // The settings outlive the descriptor while the far end holds the terminal.
        device.Close();
        termios settings = pair.LineSettings();
        EXPECT_EQ(cfgetospeed(&settings), c.speed);
        EXPECT_EQ((settings.c_cflag & PARENB) != 0, false);
        EXPECT_EQ((settings.c_cflag & CRTSCTS) != 0, false);
        EXPECT_EQ((settings.c_iflag & INPCK) != 0, c.inputParity);
        EXPECT_EQ((settings.c_cflag & CSTOPB) != 0, c.twoStopBits);
        EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), 0u);
        EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
        EXPECT_EQ(settings.c_cc[VSTART], 0x11);
        EXPECT_EQ(settings.c_cc[VSTOP], 0x13);
    }
}

TEST(PosixSerialDeviceTest, LinesItCannotSetAreRefusedWithAReason) {
    PseudoTerminalPair pair;
    PosixSerialDevice device;
    ASSERT_TRUE(device.Open(pair.Path()));
    EXPECT_FALSE(device.Configure(SerialLine{12345, 8, false, SerialLine::StopBits::One}));
    EXPECT_EQ(device.FailureReason(), "12345 baud is not supported");
    EXPECT_FALSE(device.Configure(SerialLine{9600, 4, false, SerialLine::StopBits::One}));
    EXPECT_EQ(device.FailureReason(), "4 data bits are not supported");
    EXPECT_FALSE(device.FailureIsPermission());
}

TEST(PosixSerialDeviceTest, OneOpenerAtATime) {
    PseudoTerminalPair pair;
    PosixSerialDevice first;
    PosixSerialDevice second;
    ASSERT_TRUE(first.Open(pair.Path()));
    EXPECT_FALSE(second.Open(pair.Path()));
    EXPECT_EQ(second.FailureReason(), "in use by another program");
    EXPECT_FALSE(first.Open(pair.Path()));
    first.Close();
    EXPECT_TRUE(second.Open(pair.Path())) << second.FailureReason();
}

TEST(PosixSerialDeviceTest, OpenFailuresSayWhy) {
    PosixSerialDevice device;
    EXPECT_FALSE(device.Open("/dev/orvane-no-such-port"));
    EXPECT_EQ(device.FailureReason(), "No such file or directory");
    char file[] = "/tmp/orvane-not-a-port-XXXXXX";
    int fd = mkstemp(file);
    ASSERT_GE(fd, 0);
    close(fd);
    EXPECT_FALSE(device.Open(file));
    EXPECT_EQ(device.FailureReason(), "not a serial device");
    unlink(file);
    EXPECT_FALSE(device.IsOpen());
}

TEST(PosixSerialDeviceTest, ReadsNeverWaitAndQueuesAreCounted) {
    PseudoTerminalPair pair;
    PosixSerialDevice device;
    ASSERT_TRUE(device.Open(pair.Path()));
    ASSERT_TRUE(device.Configure(SerialLine{}));
    std::uint8_t buffer[16];
    EXPECT_EQ(device.InputWaiting(), 0);
    EXPECT_EQ(device.Read(buffer, sizeof buffer), 0);

    const std::uint8_t sent[] = {0xFE, 0xFE, 0xEF, 0xEE, 0xFD, 0x00, 0x11, 0x13};
    ASSERT_EQ(write(pair.Master(), sent, sizeof sent), static_cast<ssize_t>(sizeof sent));
    for (int i = 0; i < 100 && device.InputWaiting() < 8; ++i)
        usleep(1000);
    EXPECT_EQ(device.InputWaiting(), 8);
    EXPECT_EQ(device.Read(buffer, sizeof buffer), 8);
    // Raw 8-bit line: flow-control and end characters arrive unchanged.
    EXPECT_TRUE(std::equal(sent, sent + sizeof sent, buffer));
    EXPECT_EQ(device.OutputWaiting(), 0);

    EXPECT_EQ(device.Write(sent, sizeof sent, 100), 8);
    std::uint8_t received[16];
    ssize_t count = 0;
    for (int i = 0; i < 100 && count <= 0; ++i) {
        count = read(pair.Master(), received, sizeof received);
        if (count <= 0) usleep(1000);
    }
    EXPECT_EQ(count, 8);
    device.Close();
    EXPECT_EQ(device.InputWaiting(), -1);
    EXPECT_EQ(device.Read(buffer, 4), -1);
}

}  // namespace
}  // namespace orvane
