// The serial port: its settings text, opening and closing, and the pumped transmit
// buffer with its 1024-byte writes and write-error flag.

#include "clone/serial_port.h"

#include <gtest/gtest.h>

#include "clone/serial_settings.h"
#include "fake_serial_device.h"
#include "support/virtual_time.h"

namespace orvane {
namespace {

using Stop = SerialLine::StopBits;

TEST(SerialSettingsTest, FieldsOfTheSettingsText) {
    struct Case {
        const char* text;
        std::uint32_t baud;
        bool parityCheck;
        int dataBits;
        Stop stopBits;
    };
    const Case cases[] = {
        {"9600,N,8,1", 9600, false, 8, Stop::One},
        {"38400,N,8,1", 38400, false, 8, Stop::One},
        {"9600,n,8,1", 9600, false, 8, Stop::One},
        {"9600,M,8,1", 9600, true, 8, Stop::One},
        {"9600,m,8,1", 9600, true, 8, Stop::One},
        {"9600,O,8,1", 9600, true, 8, Stop::One},
        {"9600,o,8,1", 9600, true, 8, Stop::One},
        {"9600,E,8,1", 9600, false, 8, Stop::One},
        {"9600,e,8,1", 9600, false, 8, Stop::One},
        {"9600,X,8,1", 9600, false, 8, Stop::One},
        {"9600,N,9,1", 9600, false, 8, Stop::One},
        {"9600,N,3,1", 9600, false, 4, Stop::One},
        {"9600,N,7,1", 9600, false, 7, Stop::One},
        {"9600,N,8,1.5", 9600, false, 8, Stop::OneAndHalf},
        {"9600,N,8,2", 9600, false, 8, Stop::Two},
        {"9600,N,8,3", 9600, false, 8, Stop::One},
        {"fast,N,8,1", 0, false, 8, Stop::One},
        {"", 0, false, 8, Stop::One},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SerialLine line = ParseSerialSettings(c.text);
        EXPECT_EQ(line.baud, c.baud);
        EXPECT_EQ(line.parityCheck, c.parityCheck);
        EXPECT_EQ(line.dataBits, c.dataBits);
        EXPECT_EQ(line.stopBits, c.stopBits);
        EXPECT_EQ(line.xonChar, 0x11);
        EXPECT_EQ(line.xoffChar, 0x13);
    }
}

class SerialPortTest : public ::testing::Test {
protected:
    testing::VirtualTime time;
    testing::FakeSerialDevice device;
    testing::FixedPortLocator locator;
    SerialPort port{time, device, locator};
};

TEST_F(SerialPortTest, OpenSetsTheLineAndRefusesASecondOpen) {
    ASSERT_TRUE(port.Open(3, "38400,N,8,1"));
    EXPECT_EQ(locator.requested, std::vector<int>{3});
    EXPECT_EQ(port.PortNumber(), 3);
    EXPECT_EQ(port.WriteMultiplier(), 2u);
    ASSERT_EQ(device.lines.size(), 1u);
    EXPECT_EQ(device.lines[0].baud, 38400u);
    EXPECT_EQ(device.purgeCount, 1);

    EXPECT_FALSE(port.Open(4, "9600,N,8,1"));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.PortNumber(), 3);
    EXPECT_EQ(device.openedPaths.size(), 1u);
}

TEST_F(SerialPortTest, FailedOpensSayWhy) {
    device.failOpen = true;
    device.failureReason = "Permission denied";
    device.failureIsPermission = true;
    EXPECT_FALSE(port.Open(1, "9600,N,8,1"));
    EXPECT_EQ(port.OpenFailure(), "/dev/fake0: Permission denied");
    EXPECT_TRUE(port.OpenFailureIsPermission());
    EXPECT_FALSE(port.IsOpen());

    // A line the device cannot take closes the port again.
    device.failOpen = false;
    device.failConfigure = true;
    device.failureIsPermission = false;
    device.failureReason = "0 baud is not supported";
    EXPECT_FALSE(port.Open(1, "fast,N,8,1"));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.OpenFailure(), "/dev/fake0: 0 baud is not supported");

    // No device behind the number.
    locator.path.clear();
    EXPECT_FALSE(port.Open(7, "9600,N,8,1"));
    EXPECT_EQ(port.OpenFailure(), "No serial device is present for COM 7");
}

TEST_F(SerialPortTest, ClosedPortDoesNothing) {
    std::uint8_t bytes[] = {1, 2, 3};
    port.Write(bytes, 3);
    EXPECT_TRUE(device.written.empty());
    EXPECT_EQ(port.Read(bytes, 3), 0);
    EXPECT_EQ(port.InputWaiting(), 0);
    EXPECT_EQ(port.PendingOutput(), 0);
    EXPECT_FALSE(port.WriteError());
}

TEST_F(SerialPortTest, ReadsTakeWhatIsThere) {
    ASSERT_TRUE(port.Open(1, "9600,N,8,1"));
    std::vector<std::uint8_t> arrived = {1, 2, 3, 4, 5};
    device.Feed(arrived);
    std::uint8_t buffer[8];
    EXPECT_EQ(port.InputWaiting(), 5);
    EXPECT_EQ(port.Read(buffer, 3), 3);
    EXPECT_EQ(port.Read(buffer, 8), 2);
    EXPECT_EQ(buffer[1], 5);
    EXPECT_EQ(port.Read(buffer, 8), 0);
}

TEST_F(SerialPortTest, TransmitBufferGoesOutInPiecesOfAtMost1024) {
    ASSERT_TRUE(port.Open(1, "9600,N,8,1"));
    std::vector<std::uint8_t> bytes(2500);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    port.Write(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    // The first piece goes at once.
    EXPECT_EQ(device.writeSizes, std::vector<std::int32_t>{1024});
    EXPECT_EQ(port.PendingOutput(), 2500 - 1024);
    // The write may take 3000 ms plus 10 ms a byte at 9600 baud.
    EXPECT_EQ(device.writeTimeouts[0], 3000u + 10u * 1024u);

    // While the driver still holds bytes nothing more is handed over.
    device.outputWaiting = 100;
    time.Advance(30);
    EXPECT_EQ(device.writeSizes.size(), 1u);
    EXPECT_EQ(port.PendingOutput(), 100 + 2500 - 1024);
    device.outputWaiting = 0;
    time.Advance(30);
    EXPECT_EQ(device.writeSizes, (std::vector<std::int32_t>{1024, 1024, 452}));
    EXPECT_EQ(device.written, bytes);
    EXPECT_EQ(port.PendingOutput(), 0);
    EXPECT_FALSE(port.WriteError());
}

TEST_F(SerialPortTest, ShortDriverWriteSetsTheErrorFlagUntilClose) {
    ASSERT_TRUE(port.Open(1, "9600,N,8,1"));
    device.acceptLimit = 5;
    std::vector<std::uint8_t> bytes(20, 0x55);
    port.Write(bytes.data(), 20);
    EXPECT_TRUE(port.WriteError());
    time.Advance(50);
    EXPECT_EQ(device.writeSizes.size(), 1u);
    port.Close();
    EXPECT_FALSE(port.WriteError());
    EXPECT_EQ(port.PendingOutput(), 0);
}

}  // namespace
}  // namespace orvane
