// The desktop program as real processes: the switches that only inform, the
// single-instance rule with two copies, the hand-off of a file from a later start to the
// running copy, and the private runtime directory that holds the lock and the socket.
// Another local user is played by `nobody` where the tests run as root.

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "app/app_settings.h"
#include "gui/file_handoff.h"
#include "orvane_version.h"
#include "platform/instance_lock.h"
#include "qt_application.h"

namespace orvane {
namespace {

constexpr int kProcessWaitMs = 30000;  // generous: a loaded machine, sanitizers
constexpr uid_t kNobody = 65534;

QString UserName() { return QString::fromLocal8Bit(getpwuid(geteuid())->pw_name); }

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Why the test cannot act as another user; empty when it can.
QString NoOtherUser() {
    return geteuid() != 0 ? "acting as another user (nobody) needs root"
           : QStandardPaths::findExecutable("setpriv").isEmpty()
               ? "acting as another user needs setpriv"
               : QString();
}

// Hands `path` (a file or directory made by the test) to nobody.
void GiveToNobody(const QString& path) {
    ASSERT_EQ(lchown(QFile::encodeName(path).constData(), kNobody, kNobody), 0)
        << path.toStdString();
}

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() {
        testing::TestApplication();
        QDir(home.path()).mkpath("run");
        // Another user must reach what the test gives it below the home directory.
        chmod(QFile::encodeName(home.path()).constData(), 0755);
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath("run"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("TMPDIR");
        // The test's own lock probe must look where the programs look.
        qputenv("XDG_RUNTIME_DIR", home.filePath("run").toUtf8());
    }
    ~SingleInstanceTest() override { qunsetenv("XDG_RUNTIME_DIR"); }

    void Start(QProcess& process, const QStringList& arguments = {}) {
        process.setProcessEnvironment(environment);
        process.start(ORVANE_GUI_PATH, arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // Starts the program with `env` and `arguments`, as nobody when asked, and waits until
    // it has painted its first sheet: its window is up. `home` of the run holds the report.
    static bool StartUntilPainted(QProcess& process, QProcessEnvironment env,
                                  const QString& runHome, const QStringList& arguments = {},
                                  bool asNobody = false) {
        const QString probe = runHome + "/probe";
        env.insert("ORVANE_PROBE", probe);
        process.setProcessEnvironment(env);
        const QStringList asUser = {"--reuid=65534", "--regid=65534", "--clear-groups",
                                    ORVANE_GUI_PATH};
        process.start(asNobody ? "setpriv" : ORVANE_GUI_PATH,
                      (asNobody ? asUser : QStringList()) + arguments);
        const auto painted = [&] { return ReadFile(probe).startsWith("painted "); };
        const bool settled = QTest::qWaitFor(
            [&] { return painted() || process.state() == QProcess::NotRunning; }, kProcessWaitMs);
        return settled && painted() && process.state() == QProcess::Running;
    }

    // Ends the program the orderly way; its exit code.
    static int Finish(QProcess& process) {
        process.terminate();
        EXPECT_TRUE(process.waitForFinished(kProcessWaitMs));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return process.exitCode();
    }

    // True once some process holds the instance lock.
    bool WaitUntilLockTaken(int timeoutMs) {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            FileInstanceLock probe;
            if (probe.TryAcquire(AppSettings::kMutexName) == LockState::kHeldElsewhere) {
                return true;
            }
            probe.Release();
            QThread::msleep(50);
        }
        return false;
    }

    QString SettingsFile() const { return home.filePath("config/Zelk/Orvane.ini"); }

    // A clone data file made by the command-line tool.
    void MakeDataFile(const QString& path) {
        QProcess maker;
        maker.setProcessEnvironment(environment);
        maker.start(ORVANE_CLI_PATH, {"new", "-o", path});
        ASSERT_TRUE(maker.waitForFinished(kProcessWaitMs));
        ASSERT_EQ(maker.exitCode(), 0) << maker.readAllStandardError().toStdString();
    }

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
    EXPECT_EQ(Finish(first), 0);
    EXPECT_TRUE(ReadFile(SettingsFile()).contains("BBT=753951"));

    // With the first copy gone the lock is free again.
    FileInstanceLock probe;
    EXPECT_EQ(probe.TryAcquire(AppSettings::kMutexName), LockState::kAcquired);
}

TEST_F(SingleInstanceTest, ASecondStartWithAFileHandsItToTheFirst) {
    const QString file = home.filePath("club.zcf");
    MakeDataFile(file);

    QProcess first;
    Start(first);
    ASSERT_TRUE(WaitUntilLockTaken(30000)) << first.readAllStandardError().toStdString();
    // The first copy listens once its controller runs; the second waits only briefly.
    FileInstanceLock lock;
    ASSERT_EQ(lock.TryAcquire(AppSettings::kMutexName), LockState::kHeldElsewhere);
    const QString socketName = QString::fromStdString(HandoffSocketName(lock.FilePath()));
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
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    // The first copy opened the file: it heads the recent list it saves at exit.
    QThread::msleep(1000);
    EXPECT_EQ(Finish(first), 0);
    EXPECT_TRUE(ReadFile(SettingsFile()).contains("club.zcf")) << "the first copy opened the file";
}

TEST_F(SingleInstanceTest, AHandedPathArrivesAsNamedAndTheLaterStartHearsWhetherItWasTaken) {
    // The test is the running copy: it holds the lock and answers as `taken` says.
    FileInstanceLock lock;
    ASSERT_EQ(lock.TryAcquire(AppSettings::kMutexName), LockState::kAcquired) << lock.Problem();
    std::vector<std::string> received;
    bool taken = true;
    FileHandoffServer server(HandoffSocketName(lock.FilePath()), [&](const std::string& path) {
        received.push_back(path);
        return taken;
    });
    ASSERT_EQ(server.Problem(), "");
    const std::string here = QDir(home.path()).canonicalPath().toStdString();
    struct Case {
        QString argument;
        std::string expected;  // as the running copy receives it
        bool taken;
    };
    const Case cases[] = {
        {"/nowhere/x.zcf\ny.zcf", "/nowhere/x.zcf\ny.zcf", true},
        {" blank .zcf ", here + "/ blank .zcf ", true},  // relative to the later start
        {"club.zcf", here + "/club.zcf", false},
    };
    for (const Case& c : cases) {
        received.clear();
        taken = c.taken;
        QProcess second;
        second.setWorkingDirectory(QString::fromStdString(here));
        Start(second, {c.argument});
        ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; },
                                    kProcessWaitMs));
        const std::string errors = second.readAllStandardError().toStdString();
        EXPECT_EQ(received, std::vector<std::string>{c.expected}) << c.argument.toStdString();
        EXPECT_EQ(second.exitCode(), c.taken ? 0 : 1) << errors;
        EXPECT_EQ(errors.find("did not take the file") != std::string::npos, !c.taken) << errors;
    }
}

TEST_F(SingleInstanceTest, HelpAndVersionPrintWithoutADisplay) {
    // Any attempt to reach a display fails here.
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    const QString usage = "Usage: orvane [/prolix] [FILE]\n";
    const QString version = QString("orvane %1\n").arg(kOrvaneVersion);
    for (const auto& [arguments, printedStart] :
         {std::pair{QStringList{"--help"}, usage}, std::pair{QStringList{"club.zcf", "-h"}, usage},
          std::pair{QStringList{"/prolix", "--version", "--help"}, version}}) {
        QProcess program;
        Start(program, arguments);
        ASSERT_TRUE(program.waitForFinished(kProcessWaitMs));
        const QString printed = QString::fromUtf8(program.readAllStandardOutput());
        EXPECT_EQ(program.exitCode(), 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(printed.startsWith(printedStart)) << printed.toStdString();
        EXPECT_EQ(program.readAllStandardError().toStdString(), "");
    }
}

TEST_F(SingleInstanceTest, AnotherUsersRuntimeDirectoryNeitherStopsTheProgramNorReceivesFiles) {
    if (const QString reason = NoOtherUser(); !reason.isEmpty()) {
        GTEST_SKIP() << reason.toStdString();
    }
    const QString file = home.filePath("club.zcf");
    MakeDataFile(file);
    // A shared temporary directory, as /tmp is, where nobody has made the directory this
    // user's copy would make, and runs the program there: it holds the lock and listens.
    const QString theirs = home.filePath("tmp/runtime-" + UserName());
    ASSERT_TRUE(QDir().mkpath(theirs) && QDir().mkpath(home.filePath("nobody")));
    ASSERT_EQ(chmod(QFile::encodeName(home.filePath("tmp")).constData(), 01777), 0);
    GiveToNobody(theirs);
    GiveToNobody(home.filePath("nobody"));
    QProcessEnvironment nobodys = environment;
    nobodys.insert("HOME", home.filePath("nobody"));
    nobodys.insert("XDG_CONFIG_HOME", home.filePath("nobody/config"));
    nobodys.insert("XDG_RUNTIME_DIR", theirs);
    nobodys.insert("TMPDIR", home.filePath("tmp"));  // where Qt itself may fall back
    QProcess squatter;
    ASSERT_TRUE(StartUntilPainted(squatter, nobodys, home.filePath("nobody"), {}, true))
        << squatter.readAllStandardError().toStdString();

    // This user's copy without a runtime directory of the session falls back to the
    // shared one, refuses nobody's directory and runs, with the file it was given.
    QProcessEnvironment mine = environment;
    mine.remove("XDG_RUNTIME_DIR");
    mine.insert("TMPDIR", home.filePath("tmp"));
    QProcess program;
    ASSERT_TRUE(StartUntilPainted(program, mine, home.path(), {file}))
        << program.readAllStandardError().toStdString();
    EXPECT_EQ(Finish(program), 0);
    EXPECT_TRUE(QString(program.readAllStandardError())
                    .contains(theirs + " belongs to another user; starting without the"));
    EXPECT_TRUE(ReadFile(SettingsFile()).contains("club.zcf")) << "it opened the file itself";

    EXPECT_EQ(Finish(squatter), 0);
    const QByteArray nobodysSettings = ReadFile(home.filePath("nobody/config/Zelk/Orvane.ini"));
    EXPECT_TRUE(nobodysSettings.contains("BBT=753951")) << "nobody's copy ran and saved";
    EXPECT_FALSE(nobodysSettings.contains("club.zcf")) << "nobody received the file";
}

TEST_F(SingleInstanceTest, WithoutAUsableLockTheProgramStartsAndSaysWhy) {
    const QString canAct = NoOtherUser();
    enum Kind { kFile, kDirectory, kLink };
    struct Case {
        QString runtime;  // XDG_RUNTIME_DIR below home; empty: unset, and TMPDIR is home/tmp
        QString entry;    // made below home first, with `mode` unless 0
        Kind kind;
        int mode;
        bool nobodys;     // the entry is nobody's; below nobody/ the program runs as nobody
        QString message;  // %1 stands for home
    };
    const QString lock = "/Zelk_Orvane_APP_Exclusive_Mutex.lock";
    const QString shared = "tmp/runtime-" + UserName();
    const Case cases[] = {
        // One that no one can make (Qt itself makes a missing one where it can).
        {"plain/run", "plain", kFile, 0, false,
         "cannot use runtime directory %1/plain/run: Not a directory"},
        {"open", "open", kDirectory, 0777, false, "others may write into %1/open"},
        // A link where the shared directory should hold this user's own.
        {"", shared, kLink, 0, false, "%1/" + shared + " is not a directory"},
        {"theirs", "theirs", kDirectory, 0, true, "%1/theirs belongs to another user"},
        {"run", "run" + lock, kFile, 0, true,
         "lock file %1/run" + lock + " is not this user's own file"},
        // Read-only: as nobody, since root may write anywhere.
        {"nobody/run", "nobody/run", kDirectory, 0500, true,
         "cannot open lock file %1/nobody/run" + lock + ": Permission denied"},
    };
    QStringList skipped;
    for (const Case& c : cases) {
        const QString message = c.message.arg(home.path());
        if (c.nobodys && !canAct.isEmpty()) {
            skipped << message;
            continue;
        }
        const QString entry = home.filePath(c.entry);
        QDir(home.path()).mkpath(QFileInfo(entry).path());
        if (c.kind == kFile) {
            QFile(entry).open(QIODevice::WriteOnly);
        } else if (c.kind == kDirectory) {
            QDir(home.path()).mkdir(c.entry);
        } else {
            QFile::link(home.filePath("run"), entry);
        }
        if (c.mode != 0) {
            chmod(QFile::encodeName(entry).constData(), static_cast<mode_t>(c.mode));
        }
        const bool asNobody = c.runtime.startsWith("nobody/");
        if (c.nobodys) {
            GiveToNobody(entry);
        }
        if (asNobody) {
            GiveToNobody(home.filePath("nobody"));
        }
        const QString runHome = asNobody ? home.filePath("nobody") : home.path();
        QProcessEnvironment env = environment;
        env.insert("TMPDIR", home.filePath("tmp"));
        env.insert("XDG_RUNTIME_DIR", home.filePath(c.runtime));
        if (c.runtime.isEmpty()) {
            env.remove("XDG_RUNTIME_DIR");
        }
        env.insert("HOME", runHome);
        env.insert("XDG_CONFIG_HOME", runHome + "/settings");
        QFile::remove(runHome + "/probe");
        QProcess program;
        EXPECT_TRUE(StartUntilPainted(program, env, runHome, {}, asNobody))
            << message.toStdString() << program.readAllStandardError().toStdString();
        EXPECT_EQ(Finish(program), 0);
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_TRUE(errors.contains("orvane: " + message +
                                    "; starting without the single-instance check\n"))
            << message.toStdString() << " in: " << errors.toStdString();
    }
    if (!skipped.isEmpty()) {
        GTEST_SKIP() << canAct.toStdString() << "; not run: " << skipped.join(", ").toStdString();
    }
}

}  // namespace
}  // namespace orvane
