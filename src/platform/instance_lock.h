#pragma once
// The single-instance rule: the first process to take the named lock holds it for its
// whole life; later processes see it taken.

#include <string>

namespace orvane {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the lock; false when another one does, or when
    // the lock cannot be made at all (then this process must not act as the first).
    virtual bool TryAcquire(const std::string& name) = 0;
    virtual void Release() = 0;
};

// A lock file in the user's runtime directory, held with flock(). The kernel drops it
// when the process ends, however it ends, so a crash never leaves a stale lock.
class FileInstanceLock final : public InstanceLock {
public:
    FileInstanceLock() = default;
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock&) = delete;
    FileInstanceLock& operator=(const FileInstanceLock&) = delete;

    bool TryAcquire(const std::string& name) override;
    void Release() override;

    // The file that stands for the lock `name`.
    static std::string LockFilePath(const std::string& name);

private:
    int fd_ = -1;
};

}  // namespace orvane
