#pragma once
// Asks orvane-radio-sim, when the scope ends however it ends, whether the program kept
// to the protocol: it exits with 0 only then, and otherwise its report is shown. For the
// tests that run the simulator (they link orvane_radio_sim_process).

#include <gtest/gtest.h>

#include "simulator_process.h"

namespace orvane::testing {

class ProtocolCheck {
public:
    explicit ProtocolCheck(SimulatorProcess& sim) : sim_(sim) {}
    ~ProtocolCheck() { EXPECT_EQ(sim_.Stop(), 0) << sim_.Errors(); }
    ProtocolCheck(const ProtocolCheck&) = delete;
    ProtocolCheck& operator=(const ProtocolCheck&) = delete;

private:
    SimulatorProcess& sim_;
};

}  // namespace orvane::testing
