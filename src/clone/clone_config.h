#pragma once
// How the clone engine runs its next operation; the clone manager sets it before each
// start.

#include <cstdint>
#include <string>

namespace orvane {

struct CloneConfig {
    std::uint16_t modelCode = 0;
    std::uint16_t modelVersion = 0;
    std::int32_t imageSize = 1;
    int portNumber = 1;
    std::string linkSettings = "9600,n,8,1";
    int requestPreamble = 0;  // extra FE before E0, E2 and E3
    int dataPreamble = 0;     // extra FE before each E4
    bool countSuffix = true;  // E5 carries the frame count
    bool echoCheck = false;   // every byte sent must come back unchanged first
    std::int32_t dataSize = 16;
    // Run before the operation and used up by it.
    std::string script;
    std::uint32_t replyTimeoutMs = 1000;
    std::uint32_t scriptTimeoutMs = 1000;
    std::uint32_t finalTimeoutMs = 2000;  // waiting for the write acknowledgement
    // Pause after the script; used once, then 0.
    std::uint32_t scriptDelayMs = 0;
};

}  // namespace orvane
