#pragma once
// Scripts run before an operation: settings groups in parentheses reopen the port with
// that settings text; any other text up to the next "(" is hexadecimal bytes to send.

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

struct ScriptGroup {
    enum class Kind { Settings, Bytes };
    Kind kind = Kind::Bytes;
    std::string settings;
    std::vector<std::uint8_t> bytes;
};

// Removes the first group from `script` and returns it. In a byte group every hex digit
// of either case counts and everything else is skipped; an odd last digit becomes the
// high nibble of a byte. A settings group without its ")" runs to the end.
ScriptGroup TakeScriptGroup(std::string& script);

// The speed-change script: at 9600 baud, twenty FE and the E8 frame that moves the
// radio to the high speed.
std::string SpeedChangeScript(std::uint16_t modelCode);

// The adjust-mode entry: at 9600 baud, twenty FE and the E8 frame carrying the model
// version and the access text.
std::string AdjustModeScript(std::uint16_t modelCode, std::uint16_t modelVersion);

// The 14 printable characters that open the radio's adjust mode. Assembled from byte
// values so the text does not appear whole in the program.
std::vector<std::uint8_t> AdjustModeAccessText();

}  // namespace orvane
