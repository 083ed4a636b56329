#include "simulated_line.h"

#include <algorithm>

namespace orvane::sim {
namespace {

// Ten bit times per byte: start, eight data bits, stop.
std::chrono::nanoseconds ByteTime(std::uint32_t baud) {
    return std::chrono::nanoseconds(10'000'000'000LL / (baud == 0 ? 9600 : baud));
}

}  // namespace

void SimulatedLine::FromProgram(const std::uint8_t* bytes, std::size_t count, TimePoint now) {
    if (wire_.empty()) {
        nextFree_ = std::max(nextFree_, now);
    }
    for (std::size_t i = 0; i < count; ++i) {
        wire_.push_back({bytes[i], true});
    }
}

void SimulatedLine::Pass(const WireByte& byte, std::uint32_t lineBaud,
                         std::vector<std::uint8_t>& toProgram) {
    if (!byte.fromProgram) {
        toProgram.push_back(byte.value);
        return;
    }
    if (!faults_.noEcho) {
        std::uint8_t echo = byte.value;
        if (echoed_ == faults_.corruptEchoAt) {
            echo ^= 0x01;
        }
        ++echoed_;
        toProgram.push_back(echo);
    }
    // At a different speed the radio hears only noise.
    if (lineBaud == 0 || lineBaud == radio_.Baud()) {
        answer_.clear();
        radio_.Receive(byte.value, answer_);
        for (std::uint8_t value : answer_) {
            wire_.push_back({value, false});
        }
    }
}

void SimulatedLine::Run(TimePoint now, std::uint32_t lineBaud,
                        std::vector<std::uint8_t>& toProgram) {
    if (wire_.empty()) {
        nextFree_ = std::max(nextFree_, now);
    }
    while (!wire_.empty() && (!paced_ || nextFree_ <= now)) {
        WireByte byte = wire_.front();
        wire_.pop_front();
        Pass(byte, lineBaud, toProgram);
        if (paced_) {
            nextFree_ += ByteTime(lineBaud);
        }
    }
}

std::optional<std::chrono::microseconds> SimulatedLine::NextDue(TimePoint now) const {
    if (wire_.empty()) {
        return std::nullopt;
    }
    if (!paced_ || nextFree_ <= now) {
        return std::chrono::microseconds(0);
    }
    return std::chrono::duration_cast<std::chrono::microseconds>(nextFree_ - now);
}

}  // namespace orvane::sim
