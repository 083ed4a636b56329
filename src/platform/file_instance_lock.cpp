#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/instance_lock.h"

namespace orvane {

FileInstanceLock::~FileInstanceLock() { Release(); }

std::string FileInstanceLock::LockFilePath(const std::string& name) {
    std::string fileName;
    for (char c : name) {
        fileName += (c == '/' || c == ' ') ? '_' : c;
    }
    fileName += ".lock";
    if (const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR"); runtimeDir && *runtimeDir) {
        return std::string(runtimeDir) + "/" + fileName;
    }
    // Without a runtime directory the lock lives in /tmp, made per user.
    return "/tmp/" + std::to_string(getuid()) + "-" + fileName;
}

bool FileInstanceLock::TryAcquire(const std::string& name) {
    Release();
    int fd = open(LockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void FileInstanceLock::Release() {
    if (fd_ >= 0) {
        flock(fd_, LOCK_UN);
        close(fd_);
        fd_ = -1;
    }
}

}  // namespace orvane
