#pragma once
// The radio end of the clone protocol, without any I/O: bytes from the program go in
// one at a time as they pass the wire, and the radio's answers come out. It answers the
// information request with its identity, serves a read from its memory, takes a write
// into its memory, follows the speed change and the adjust-mode entry, and misbehaves on
// request. It is strict, as a real radio is: every frame the program sends is checked
// against the protocol, and whatever a radio would notice is kept as a violation.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "radio_codec.h"
#include "radio_protocol.h"

namespace orvane::sim {

struct RadioFaults {
    bool noAnswer = false;     // stays silent (the cable still echoes)
    bool badChecksum = false;  // the third data frame of a read has a wrong checksum
    bool wrongCount = false;   // the end frame of a read counts one frame too many
    bool wrongAck = false;     // a good write is acknowledged with 01
    // Stops in the middle of a read or write after this many data frames.
    int hangUpAfterFrames = -1;
};

struct RadioSetup {
    int modelType = 3;
    std::uint16_t modelCode = kFamilyCode;
    int versionCode = -1;  // the model version reported; -1: the model type's own
    std::string comment = "ORVANE SIMULATOR";
    std::uint8_t flagsA = 0;
    std::uint8_t flagsB = 0x01;
    std::uint8_t flagsC = 0;
    std::string firmware = "3.01";
    std::string version = "0.99";
    int identityLength = kIdentitySize;  // identity bytes sent; padded with blanks or cut
    RadioFaults faults;
};

// Capability flags A for a model type with the usual options (option A1, duplex, name
// display, TOT-off allowed).
std::uint8_t DefaultFlagsA(int modelType);

class SimulatedRadio {
public:
    // What the radio holds: kMemorySize bytes, the clone area first.
    using Memory = std::vector<std::uint8_t>;
    // Receives the memory after a complete, good write and says whether it was kept.
    using StoreWrite = std::function<bool(const Memory&)>;

    // `memory` is cut or padded with zeros to kMemorySize.
    SimulatedRadio(RadioSetup setup, Memory memory, StoreWrite storeWrite = nullptr);

    // One byte from the program; the radio's answer, if any, is appended to `out`.
    void Receive(std::uint8_t byte, std::vector<std::uint8_t>& out);
    // Back to the idle state at normal speed, as after a quiet spell on the line. A write
    // that has not ended is dropped.
    void Reset();

    std::uint32_t Baud() const { return baud_; }
    bool AdjustMode() const { return adjustMode_; }
    bool HungUp() const { return hungUp_; }
    std::vector<std::uint8_t> Identity() const;
    const Memory& Contents() const { return memory_; }

    // Every protocol violation the radio noticed, one line each, oldest first.
    const std::vector<std::string>& Violations() const { return violations_; }

private:
    void Violation(std::string text);
    void OnFrame(const ReceivedFrame& frame, std::vector<std::uint8_t>& out);
    // Checks the wake-up and the model fields of a request; false when the radio does
    // not take it.
    bool TakeRequest(const ReceivedFrame& frame, const char* name);
    void OnSetup(const ReceivedFrame& frame);
    void ServeRead(std::vector<std::uint8_t>& out);
    void TakeData(const ReceivedFrame& frame);
    void FinishWrite(const ReceivedFrame& frame, std::vector<std::uint8_t>& out);
    bool CountFrame();
    int ReportedVersion() const;

    RadioSetup setup_;
    Memory memory_;
    StoreWrite storeWrite_;
    FrameReceiver receiver_;
    std::uint32_t baud_ = kNormalBaud;
    bool adjustMode_ = false;
    bool writing_ = false;
    bool writeFailed_ = false;
    bool hungUp_ = false;
    bool outsideReported_ = false;  // a data frame outside a write was reported
    Memory pending_;                // the memory as the write in progress leaves it
    std::int64_t framesThisTransfer_ = 0;
    std::vector<std::string> violations_;
};

}  // namespace orvane::sim
