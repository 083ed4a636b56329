#pragma once
// The clone transport under virtual time with a fake device: the engine's environment,
// a clock that the settling pauses move on, and a radio that can answer in-process.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "clone/busy_waiter.h"
#include "clone/clone_environment.h"
#include "fake_serial_device.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "simulated_radio.h"
#include "support/virtual_time.h"

namespace orvane::testing {

// The engine's clock: virtual time plus whatever the pauses have waited. Pauses hold the
// thread, so they move this clock without firing any timer.
class PausingClock final : public Clock, public BusyWaiter {
public:
    explicit PausingClock(const VirtualTime& time) : time_(time) {}
    std::uint32_t TickCount() const override { return time_.TickCount() + paused_; }
    void Wait(std::uint32_t ms) override {
        paused_ += ms;
        waits.push_back(ms);
    }
    std::vector<std::uint32_t> waits;

private:
    const VirtualTime& time_;
    std::uint32_t paused_ = 0;
};

class TransportFixture {
public:
    TransportFixture() : clock(time) {}
    // The radio checks everything the program sent it: any violation it saw fails the
    // test. A test that expects one checks it and lets go of `radio`.
    ~TransportFixture() { ExpectNoViolations(); }

    void ExpectNoViolations() {
        if (radio) {
            for (const std::string& violation : radio->Violations()) {
                ADD_FAILURE() << "the simulated radio saw a protocol violation: " << violation;
            }
        }
    }

    CloneEnvironment Environment() { return {time, clock, clock, device, locator}; }

    // Puts a simulated radio behind the fake device: it hears every written byte. It
    // starts with the bytes of `image` as its memory; `stored` is its memory after each
    // write it kept.
    sim::SimulatedRadio& AttachRadio(sim::RadioSetup setup, const EepromImage& image) {
        ExpectNoViolations();
        sim::SimulatedRadio::Memory memory(image.Bytes().begin(), image.Bytes().end());
        radio = std::make_unique<sim::SimulatedRadio>(
            std::move(setup), std::move(memory),
            [this](const sim::SimulatedRadio::Memory& written) {
                stored.Resize(kImageCapacity);
                stored.WriteBlock(0, written);
                ++storeCount;
                return true;
            });
        device.onWrite = [this](std::span<const std::uint8_t> bytes) {
            // At another speed than the radio's the radio hears only noise.
            if (!device.lines.empty() && device.lines.back().baud != radio->Baud()) {
                return;
            }
            std::vector<std::uint8_t> answer;
            for (std::uint8_t byte : bytes) {
                radio->Receive(byte, answer);
            }
            device.Feed(answer);
        };
        return *radio;
    }

    VirtualTime time;
    PausingClock clock;
    FakeSerialDevice device;
    FixedPortLocator locator;
    std::unique_ptr<sim::SimulatedRadio> radio;
    EepromImage stored;
    int storeCount = 0;
};

}  // namespace orvane::testing
