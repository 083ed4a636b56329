// Port numbers to devices: the settings' overrides, then the devices present in port
// order.

#include "platform/com_port_resolver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/memory_settings_store.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

class ComPortResolverTest : public ::testing::Test {
protected:
    ComPortResolverTest() {
        root_ =
            fs::temp_directory_path() /
            ("orvane-ports-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "dev");
        fs::create_directories(root_ / "class");
    }
    ~ComPortResolverTest() override { fs::remove_all(root_); }

    void Device(const std::string& name) { std::ofstream(root_ / "dev" / name) << ""; }
    void Uart(const std::string& name, int type) {
        fs::create_directories(root_ / "class" / name);
        std::ofstream(root_ / "class" / name / "type") << type << "\n";
    }
    ComPortResolver Resolver(const SettingsStore* store) {
        return ComPortResolver(store, "Software\\Zelk\\Orvane\\Ports",
                               {(root_ / "dev").string(), (root_ / "class").string()});
    }
    std::string Dev(const std::string& name) { return (root_ / "dev" / name).string(); }

    fs::path root_;
};

TEST_F(ComPortResolverTest, DevicesPresentInPortOrder) {
    for (const char* name : {"ttyS1", "ttyS0", "ttyACM0", "ttyUSB10", "ttyUSB2", "ttyS2", "ttyUSBx",
                             "tty1", "console"}) {
        Device(name);
    }
    Uart("ttyS0", 4);
    Uart("ttyS1", 0);  // a legacy node without a UART
    Uart("ttyS2", 4);
    ComPortResolver resolver = Resolver(nullptr);
    EXPECT_EQ(resolver.PresentDevices(),
              (std::vector<std::string>{Dev("ttyUSB2"), Dev("ttyUSB10"), Dev("ttyACM0"),
                                        Dev("ttyS0"), Dev("ttyS2")}));
    struct Case {
        int number;
        std::string path;
    };
    for (const Case& c : {Case{1, Dev("ttyUSB2")}, Case{3, Dev("ttyACM0")}, Case{5, Dev("ttyS2")},
                          Case{6, ""}, Case{0, ""}, Case{-1, ""}}) {
        EXPECT_EQ(resolver.DevicePath(c.number), c.path) << c.number;
    }
}

TEST_F(ComPortResolverTest, SettingsNameADeviceOutright) {
    Device("ttyUSB0");
    testing::MemorySettingsStore store;
    store.WriteString("Software\\Zelk\\Orvane\\Ports", "COM2", "/dev/pts/7");
    store.WriteString("Software\\Zelk\\Orvane\\Ports", "COM1", "");
    ComPortResolver resolver = Resolver(&store);
    EXPECT_EQ(resolver.DevicePath(2), "/dev/pts/7");
    // An empty value does not hide the device present.
    EXPECT_EQ(resolver.DevicePath(1), Dev("ttyUSB0"));
    EXPECT_EQ(resolver.DevicePath(3), "");
}

TEST_F(ComPortResolverTest, MissingDirectoryMeansNoDevices) {
    ComPortResolver resolver(nullptr, "Ports",
                             {(root_ / "none").string(), (root_ / "none").string()});
    EXPECT_TRUE(resolver.PresentDevices().empty());
    EXPECT_EQ(resolver.DevicePath(1), "");
}

}  // namespace
}  // namespace orvane
