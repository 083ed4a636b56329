#include "gui/file_handoff.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QtEndian>

#include <filesystem>
#include <system_error>

#include "platform/runtime_directory.h"

namespace orvane {
namespace {

// Long enough for a running copy that is still building its window to start listening.
constexpr int kHandoffTimeoutMs = 5000;
constexpr int kRetryIntervalMs = 50;
constexpr qint64 kLengthSize = sizeof(quint32);
// Longer than any path can be.
constexpr quint32 kLongestPath = 4096;
constexpr char kTaken = 'Y';
constexpr char kRefused = 'N';

// The running copy may have another working directory.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

bool ConnectBefore(QLocalSocket& socket, const QString& name, const QDeadlineTimer& deadline) {
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(kRetryIntervalMs);
    }
}

}  // namespace

std::string HandoffSocketName(const std::string& lockFilePath) { return lockFilePath + ".socket"; }

bool HandFileToRunningInstance(const std::string& socketName, const std::string& path,
                               std::string& problem) {
    // Whoever owns the socket receives the path.
    problem = ForeignEntryProblem(socketName);
    if (!problem.empty()) {
        return false;
    }
    const std::string absolute = AbsolutePath(path);
    if (absolute.empty() || absolute.size() > kLongestPath) {
        problem = "the file name is empty or too long";
        return false;
    }
    QDeadlineTimer deadline(kHandoffTimeoutMs);
    QLocalSocket socket;
    if (!ConnectBefore(socket, QString::fromStdString(socketName), deadline)) {
        problem = "the running copy does not listen: " + socket.errorString().toStdString();
        return false;
    }
    QByteArray message(kLengthSize, '\0');
    qToBigEndian(static_cast<quint32>(absolute.size()), message.data());
    message.append(absolute.data(), static_cast<qsizetype>(absolute.size()));
    socket.write(message);
    // Waiting for the answer sends the message on the way.
    if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        problem = "the running copy did not answer";
        return false;
    }
    char answer = kRefused;
    socket.getChar(&answer);
    if (answer != kTaken) {
        problem = "the running copy did not take the file";
        return false;
    }
    return true;
}

FileHandoffServer::FileHandoffServer(const std::string& socketName,
                                     std::function<bool(const std::string&)> take)
    : server_(new QLocalServer(this)), take_(std::move(take)) {
    // The instance lock says no other copy runs, so a socket left by one that crashed is
    // stale.
    QLocalServer::removeServer(QString::fromStdString(socketName));
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(QString::fromStdString(socketName));
    connect(server_, &QLocalServer::newConnection, this, &FileHandoffServer::Accept);
}

FileHandoffServer::~FileHandoffServer() { server_->close(); }

std::string FileHandoffServer::Problem() const {
    return server_->isListening() ? std::string() : server_->errorString().toStdString();
}

void FileHandoffServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Receive(*socket); });
    }
}

void FileHandoffServer::Receive(QLocalSocket& socket) {
    if (socket.bytesAvailable() < kLengthSize) {
        return;
    }
    char length[kLengthSize];
    socket.peek(length, kLengthSize);
    const quint32 size = qFromBigEndian<quint32>(length);
    if (size == 0 || size > kLongestPath) {
        socket.abort();
        return;
    }
    if (socket.bytesAvailable() < kLengthSize + size) {
        return;
    }
    socket.skip(kLengthSize);
    const QByteArray path = socket.read(size);
    // One path a connection: whatever follows is not read.
    socket.disconnect(this);
    const bool taken = take_(path.toStdString());
    socket.putChar(taken ? kTaken : kRefused);
    // Leaves once the answer is out.
    socket.disconnectFromServer();
}

}  // namespace orvane
