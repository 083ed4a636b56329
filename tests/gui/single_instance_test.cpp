// The single-instance rule with two real orvane processes.

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "app/app_settings.h"
#include "gui/file_handoff.h"
#include "platform/instance_lock.h"
#include "qt_application.h"

namespace orvane {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() {
        testing::TestApplication();
        QDir(home.path()).mkpath("run");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath("run"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        // The test's own lock probe must look where the programs look.
        qputenv("XDG_RUNTIME_DIR", home.filePath("run").toUtf8());
    }
    ~SingleInstanceTest() override { qunsetenv("XDG_RUNTIME_DIR"); }

    void Start(QProcess& process, const QStringList& arguments = {}) {
        process.setProcessEnvironment(environment);
        process.start(ORVANE_GUI_PATH, arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // True once some process holds the instance lock.
    bool WaitUntilLockTaken(int timeoutMs) {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            FileInstanceLock probe;
            if (!probe.TryAcquire(AppSettings::kMutexName)) {
                return true;
            }
            probe.Release();
            QThread::msleep(50);
        }
        return false;
    }

    QString SettingsFile() const { return home.filePath("config/Zelk/Orvane.ini"); }

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(SingleInstanceTest, SecondCopyEndsSilentlyWhileTheFirstRuns) {
    QProcess first;
    Start(first);
    ASSERT_TRUE(WaitUntilLockTaken(30000)) << first.readAllStandardError().toStdString();

    QProcess second;
    Start(second);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    // The second copy neither loaded nor saved: settings are written only at exit.
    EXPECT_FALSE(QFile::exists(SettingsFile()));
    EXPECT_EQ(first.state(), QProcess::Running);

    // A termination request closes the first copy the orderly way: it saves.
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(30000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("BBT=753951"));

    // With the first copy gone the lock is free again.
    FileInstanceLock probe;
    EXPECT_TRUE(probe.TryAcquire(AppSettings::kMutexName));
}

TEST_F(SingleInstanceTest, ASecondStartWithAFileHandsItToTheFirst) {
    const QString file = home.filePath("club.zcf");
    QProcess maker;
    maker.setProcessEnvironment(environment);
    maker.start(ORVANE_CLI_PATH, {"new", "-o", file});
    ASSERT_TRUE(maker.waitForFinished(30000));
    ASSERT_EQ(maker.exitCode(), 0) << maker.readAllStandardError().toStdString();

    QProcess first;
    Start(first);
    ASSERT_TRUE(WaitUntilLockTaken(30000)) << first.readAllStandardError().toStdString();
    // The first copy listens once its window is up; a start before that finds no one.
    const QString socketName = QString::fromStdString(HandoffSocketName(AppSettings::kMutexName));
    QDeadlineTimer deadline(30000);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(socketName);
        if (socket.waitForConnected(100)) {
            break;
        }
        ASSERT_FALSE(deadline.hasExpired()) << "the first copy never listened";
        QThread::msleep(100);
    }
    QProcess second;
    Start(second, {file});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);

    // The first copy opened the file: it heads the recent list it saves at exit.
    QThread::msleep(1000);
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(30000));
    QFile settings(SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("club.zcf")) << "the first copy opened the file";
}

}  // namespace
}  // namespace orvane
