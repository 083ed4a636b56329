#pragma once
// The command-line tool is not an instance of the desktop program: it loads the stored
// settings whether or not the program runs, so its "lock" is always its own to take.

#include "platform/instance_lock.h"

namespace orvane::cli {

class UnsharedInstanceLock final : public InstanceLock {
public:
    LockState TryAcquire(const std::string&) override { return LockState::kAcquired; }
    void Release() override {}
};

}  // namespace orvane::cli
