#pragma once
// The single-instance rule: the first process to take the named lock holds it for its
// whole life; later processes see it taken.

#include <string>

namespace orvane {

enum class LockState {
    kAcquired,       // this process now holds the lock
    kHeldElsewhere,  // another copy holds it
    kUnavailable,    // the lock cannot be made here: nothing tells whether another copy runs
};

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    virtual LockState TryAcquire(const std::string& name) = 0;
    // Nothing when the lock is not held.
    virtual void Release() = 0;
};

// A lock file in the user's private runtime directory, held with flock(). The kernel
// drops it when the process ends, however it ends, so a crash never leaves a stale lock.
class FileInstanceLock final : public InstanceLock {
public:
    FileInstanceLock() = default;
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock&) = delete;
    FileInstanceLock& operator=(const FileInstanceLock&) = delete;

    LockState TryAcquire(const std::string& name) override;
    void Release() override;

    bool IsHeld() const { return fd_ >= 0; }
    // The lock file of the last attempt; empty when there was no usable runtime directory.
    const std::string& FilePath() const { return path_; }
    // Why the last attempt was kUnavailable, for a message; empty otherwise.
    const std::string& Problem() const { return problem_; }

private:
    LockState Unavailable(std::string problem);

    int fd_ = -1;
    std::string path_;
    std::string problem_;
};

}  // namespace orvane
