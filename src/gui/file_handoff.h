#pragma once
// Starting Orvane with a file while it already runs hands the file to the running copy,
// which opens it (after asking to save its own changes) and comes to the front; the new
// copy then ends, as the single-instance rule wants. The two meet on a local socket
// beside the instance lock, in the user's private runtime directory. The path goes over
// as its length and its bytes, so that any name (a newline or blanks in it) arrives as
// it was; the running copy answers whether it took it.

#include <QObject>

#include <functional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace orvane {

// The socket's path beside the instance lock file `lockFilePath`.
std::string HandoffSocketName(const std::string& lockFilePath);

// The new copy's side: true when the running copy took `path`; otherwise `problem` says
// why not. Waits a few seconds for a copy that is still starting to listen and answer.
bool HandFileToRunningInstance(const std::string& socketName, const std::string& path,
                               std::string& problem);

// The running copy's side: calls `take` with each path a new copy hands over and tells
// that copy whether `take` took it.
class FileHandoffServer final : public QObject {
    Q_OBJECT

public:
    FileHandoffServer(const std::string& socketName, std::function<bool(const std::string&)> take);
    ~FileHandoffServer() override;

    // Why the socket could not be opened, for a message; empty while it listens.
    std::string Problem() const;

private:
    void Accept();
    void Receive(QLocalSocket& socket);

    QLocalServer* server_;
    std::function<bool(const std::string&)> take_;
};

}  // namespace orvane
