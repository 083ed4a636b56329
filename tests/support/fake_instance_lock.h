#pragma once
// An instance lock for unit tests: `state` is what taking it comes to.

#include "platform/instance_lock.h"

namespace orvane::testing {

class FakeInstanceLock final : public InstanceLock {
public:
    LockState TryAcquire(const std::string&) override {
        acquired = state == LockState::kAcquired;
        return state;
    }
    void Release() override {
        acquired = false;
        ++releases;
    }

    LockState state = LockState::kAcquired;
    bool acquired = false;
    int releases = 0;
};

}  // namespace orvane::testing
