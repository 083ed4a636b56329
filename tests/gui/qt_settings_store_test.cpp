// The settings through the real INI file, in a temporary home directory.

#include "qt/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/app_settings.h"
#include "support/fake_instance_lock.h"

namespace orvane {
namespace {

constexpr ScreenSize kScreen{1280, 1024};

class QtSettingsStoreTest : public ::testing::Test {
protected:
    QString Path() const { return home.filePath(".config/Zelk/Orvane.ini"); }
    QtSettingsStore Store() const { return QtSettingsStore(Path(), AppSettings::kRegistryPath); }

    void RunProgram(const std::function<void(AppSettings&)>& during) {
        QtSettingsStore store(Path(), AppSettings::kRegistryPath);
        testing::FakeInstanceLock lock;
        AppSettings settings(store, lock, kScreen, {"orvane"});
        during(settings);
    }

    QString FileText() const {
        QFile file(Path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }

    void WriteFile(const QString& text) const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    QTemporaryDir home;
};

TEST_F(QtSettingsStoreTest, DefaultFileLivesInTheXdgConfigDirectory) {
    qputenv("XDG_CONFIG_HOME", home.filePath("cfg").toUtf8());
    EXPECT_EQ(QtSettingsStore::DefaultFilePath(), home.filePath("cfg/Zelk/Orvane.ini"));
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(QtSettingsStoreTest, RecordRoundTripsThroughTheFile) {
    RunProgram([](AppSettings& s) {
        s.ComPort = 3;
        s.CurrentDirectory = "/home/pilot/My Radios";
        s.Recent.AddRecent("/home/pilot/My Radios/club.zcf");
        s.Window = WindowBounds{40, 50, 640, 480};
        s.Radio.channelSpacing = 1;
    });
    const QString text = FileText();
    EXPECT_TRUE(text.contains("[Global]")) << text.toStdString();
    EXPECT_TRUE(text.contains("BBT=753951")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Window%20Position]")) << text.toStdString();

    RunProgram([](AppSettings& s) {
        EXPECT_EQ(s.ComPort, 3);
        EXPECT_EQ(s.CurrentDirectory, "/home/pilot/My Radios");
        EXPECT_EQ(s.Recent.FullPath(0), "/home/pilot/My Radios/club.zcf");
        EXPECT_EQ(s.Window, (WindowBounds{40, 50, 640, 480}));
        EXPECT_EQ(s.Radio.channelSpacing, 1);
    });
}

TEST_F(QtSettingsStoreTest, DeletingSplitterVResetsEverything) {
    RunProgram([](AppSettings& s) { s.ComPort = 5; });
    QString text = FileText();
    text.replace(QRegularExpression("SplitterV=\\d+\\n"), "");
    WriteFile(text);
    RunProgram([](AppSettings& s) {
        EXPECT_EQ(s.ComPort, 1);
        EXPECT_EQ(s.Window, DefaultWindowBounds(kScreen.width, kScreen.height));
    });
}

TEST_F(QtSettingsStoreTest, ParityRejectionThroughTheFile) {
    RunProgram([](AppSettings& s) { s.Radio.vfoEnabled = false; });
    QString text = FileText();
    text.replace(QRegularExpression("Etc%20Data1=\\d+"), "Etc%20Data1=127");
    WriteFile(text);
    RunProgram([](AppSettings& s) {
        EXPECT_TRUE(s.Radio.vfoEnabled);
        EXPECT_FALSE(s.Radio.spacing833Allowed);
    });
}

TEST_F(QtSettingsStoreTest, CorruptOrHandEditedFilesGiveTheDefaults) {
    const QStringList corruptions = {
        QString(),                                         // empty file
        QString::fromLatin1("\x01\x02garbage\xff[[[=\n"),  // binary junk
        "[Global]\nBBT=753951\nComPort=seven\n",           // not a number
        "[Global]\nBBT=99999999999999999999\n",            // does not fit
    };
    for (const QString& corruption : corruptions) {
        RunProgram([](AppSettings& s) { s.ComPort = 12; });
        WriteFile(corruption);
        RunProgram([&](AppSettings& s) {
            EXPECT_EQ(s.ComPort, 1) << corruption.toStdString();
            EXPECT_EQ(s.Magic, AppSettings::kMagic);
        });
    }
}

TEST_F(QtSettingsStoreTest, IntegersAndStringsAreKeptApart) {
    QtSettingsStore store = Store();
    EXPECT_TRUE(store.WriteString("Software\\Zelk\\Orvane\\Global", "Name", "abc"));
    EXPECT_EQ(store.ReadInt("Software\\Zelk\\Orvane\\Global", "Name"), std::nullopt);
    EXPECT_TRUE(store.WriteInt("Software\\Zelk\\Orvane\\Display\\memch\\colwidth", "3", -17));
    EXPECT_EQ(store.ReadInt("Software\\Zelk\\Orvane\\Display\\memch\\colwidth", "3"), -17);
    EXPECT_TRUE(store.DeleteKey("Software\\Zelk\\Orvane\\Display", "memch"));
    EXPECT_EQ(store.ReadInt("Software\\Zelk\\Orvane\\Display\\memch\\colwidth", "3"), std::nullopt);
    EXPECT_TRUE(store.Flush());
}

TEST_F(QtSettingsStoreTest, UnwritableFileFailsQuietly) {
    RunProgram([](AppSettings& s) { s.ComPort = 4; });
    QFile::setPermissions(Path(), QFileDevice::ReadOwner);
    if (QFile(Path()).open(QIODevice::WriteOnly | QIODevice::Append)) {
        GTEST_SKIP() << "running with rights that ignore file permissions";
    }
    RunProgram([](AppSettings& s) {
        EXPECT_EQ(s.ComPort, 4);
        s.ComPort = 8;
    });
    RunProgram([](AppSettings& s) { EXPECT_EQ(s.ComPort, 4); });
}

}  // namespace
}  // namespace orvane
