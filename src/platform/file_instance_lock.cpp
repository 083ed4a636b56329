#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/instance_lock.h"
#include "platform/runtime_directory.h"

namespace orvane {

FileInstanceLock::~FileInstanceLock() { Release(); }

LockState FileInstanceLock::Unavailable(std::string problem) {
    problem_ = std::move(problem);
    return LockState::kUnavailable;
}

LockState FileInstanceLock::TryAcquire(const std::string& name) {
    Release();
    path_.clear();
    problem_.clear();
    const RuntimeDirectory directory = PrivateRuntimeDirectory();
    if (directory.path.empty()) {
        return Unavailable(directory.problem);
    }
    path_ = directory.path + "/";
    for (char c : name) {
        path_ += (c == '/' || c == ' ') ? '_' : c;
    }
    path_ += ".lock";
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return Unavailable("cannot open lock file " + path_ + ": " + std::strerror(errno));
    }
    // Whoever holds a lock file of another user could keep this program from starting.
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != geteuid()) {
        close(fd);
        return Unavailable("lock file " + path_ + " is not this user's own file");
    }
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK) {
            return LockState::kHeldElsewhere;
        }
        return Unavailable("cannot lock " + path_ + ": " + std::strerror(error));
    }
    fd_ = fd;
    return LockState::kAcquired;
}

void FileInstanceLock::Release() {
    if (fd_ >= 0) {
        flock(fd_, LOCK_UN);
        close(fd_);
        fd_ = -1;
    }
}

}  // namespace orvane
