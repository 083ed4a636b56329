#include "gui/file_handoff.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include "platform/instance_lock.h"

namespace orvane {
namespace {

constexpr int kHandoffTimeoutMs = 3000;
// A path is one line; anything longer than a path can be is not one.
constexpr qint64 kLongestMessage = 4096;

}  // namespace

std::string HandoffSocketName(const std::string& lockName) {
    return FileInstanceLock::LockFilePath(lockName) + ".socket";
}

bool HandFileToRunningInstance(const std::string& socketName, const std::string& path) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketName));
    if (!socket.waitForConnected(kHandoffTimeoutMs)) {
        return false;
    }
    // The running copy may have another working directory.
    const QByteArray line = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toUtf8() + '\n';
    socket.write(line);
    if (!socket.waitForBytesWritten(kHandoffTimeoutMs)) {
        return false;
    }
    socket.disconnectFromServer();
    return true;
}

FileHandoffServer::FileHandoffServer(const std::string& socketName,
                                     std::function<void(const std::string&)> open)
    : server_(new QLocalServer(this)), open_(std::move(open)) {
    // The instance lock says no other copy runs, so a socket left by one that crashed is
    // stale.
    QLocalServer::removeServer(QString::fromStdString(socketName));
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(QString::fromStdString(socketName));
    connect(server_, &QLocalServer::newConnection, this, &FileHandoffServer::Accept);
}

FileHandoffServer::~FileHandoffServer() { server_->close(); }

void FileHandoffServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kLongestMessage) {
                    socket->abort();
                }
                return;
            }
            const QString path = QString::fromUtf8(socket->readLine()).trimmed();
            socket->disconnectFromServer();
            if (!path.isEmpty()) {
                open_(path.toStdString());
            }
        });
    }
}

}  // namespace orvane
