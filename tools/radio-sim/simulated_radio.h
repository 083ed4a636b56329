#pragma once
// The radio end of the clone protocol, without any I/O: bytes from the program go in
// one at a time as they pass the wire, and the radio's answers come out. It answers the
// information request with its identity, serves a read from its image, takes a write
// and hands the received image on, follows the speed change and the adjust-mode entry,
// and misbehaves on request.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clone/clone_frames.h"
#include "image/eeprom_image.h"

namespace orvane {

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
    std::uint16_t modelCode = 0x3074;
    int versionCode = -1;  // the model version reported; -1: the model type's own
    std::string comment = "ORVANE SIMULATOR";
    std::uint8_t flagsA = 0;
    std::uint8_t flagsB = 0x01;
    std::uint8_t flagsC = 0;
    std::string firmware = "3.01";
    std::string version = "0.99";
    int identityLength = 27;  // identity bytes sent; padded with blanks or cut
    RadioFaults faults;
};

// Capability flags A for a model type with the usual options (option A1, duplex, name
// display, TOT-off allowed).
std::uint8_t DefaultFlagsA(int modelType);

class SimulatedRadio {
public:
    static constexpr std::uint32_t kNormalBaud = 9600;
    static constexpr std::uint32_t kHighBaud = 38400;
    static constexpr std::int32_t kFrameData = 32;

    // `storeWrite` receives the image of a complete write and says whether it was kept.
    SimulatedRadio(RadioSetup setup, EepromImage readImage,
                   std::function<bool(const EepromImage&)> storeWrite);

    // One byte from the program; the radio's answer, if any, is appended to `out`.
    void Receive(std::uint8_t byte, std::vector<std::uint8_t>& out);
    // Back to the idle state at normal speed, as after a quiet spell on the line.
    void Reset();

    std::uint32_t Baud() const { return baud_; }
    bool AdjustMode() const { return adjustMode_; }
    bool HungUp() const { return hungUp_; }
    std::vector<std::uint8_t> Identity() const;

private:
    void OnFrame(const cmcBuff& frame, std::vector<std::uint8_t>& out);
    void OnSetup(const std::vector<std::uint8_t>& payload);
    void ServeRead(std::vector<std::uint8_t>& out);
    void TakeData(const std::vector<std::uint8_t>& payload);
    void FinishWrite(const std::vector<std::uint8_t>& payload, std::vector<std::uint8_t>& out);
    bool CountFrame();
    std::uint16_t ReportedVersion() const;

    RadioSetup setup_;
    EepromImage readImage_;
    std::function<bool(const EepromImage&)> storeWrite_;
    FrameAssembler assembler_;
    std::uint32_t baud_ = kNormalBaud;
    bool adjustMode_ = false;
    bool writing_ = false;
    bool writeFailed_ = false;
    bool hungUp_ = false;
    EepromImage written_;
    std::int64_t framesThisTransfer_ = 0;
};

}  // namespace orvane
