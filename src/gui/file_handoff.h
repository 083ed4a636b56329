#pragma once
// Starting Orvane with a file while it already runs hands the file to the running copy,
// which opens it (after asking to save its own changes) and comes to the front; the new
// copy then ends, as the single-instance rule wants. The two meet on a local socket
// beside the instance lock, so each user's copies find only each other.

#include <QObject>

#include <functional>
#include <string>

class QLocalServer;

namespace orvane {

// The socket's name for the instance lock `lockName`.
std::string HandoffSocketName(const std::string& lockName);

// The new copy's side: true when the running copy took `path`.
bool HandFileToRunningInstance(const std::string& socketName, const std::string& path);

// The running copy's side: calls `open` with each path a new copy hands over.
class FileHandoffServer final : public QObject {
    Q_OBJECT

public:
    FileHandoffServer(const std::string& socketName, std::function<void(const std::string&)> open);
    ~FileHandoffServer() override;

private:
    void Accept();

    QLocalServer* server_;
    std::function<void(const std::string&)> open_;
};

}  // namespace orvane
