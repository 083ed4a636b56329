#pragma once
// An instance lock for unit tests: `held` says whether another process "has" it.

#include "platform/instance_lock.h"

namespace orvane::testing {

class FakeInstanceLock final : public InstanceLock {
public:
    bool TryAcquire(const std::string&) override {
        acquired = !heldElsewhere;
        return acquired;
    }
    void Release() override {
        acquired = false;
        ++releases;
    }

    bool heldElsewhere = false;
    bool acquired = false;
    int releases = 0;
};

}  // namespace orvane::testing
