#include "radio_sim_options.h"

#include <charconv>
#include <ostream>

namespace orvane::sim {
namespace {

constexpr const char* kHelp = R"(Usage: orvane-radio-sim [OPTION]...
A simulated airband handheld on a pseudo-terminal, for trying Orvane without a radio.
It prints the device to open (give it to orvane-cli --port, or name it in the settings
under [Ports]) and runs until interrupted or until it hangs up.

The radio is strict: it checks every frame the program sends (addresses and command,
the model fields and wake-up FE of requests, upper-case hex, checksums, data frames of
at most 32 bytes that never cross a multiple of 32, the end frame's maker text and hex
frame count) and reports each violation as a line on stderr. It answers no request it
finds fault with and refuses (E6 01) a write that broke a rule. A write it accepts
changes its memory, so a later read returns it; addresses a write does not send keep
the radio's own bytes.

Line:
  --link PATH           also make PATH a symbolic link to the device
  --pace                send at the line's baud rate (10 bit times per byte) instead
                        of as fast as the terminal takes it
Radio:
  --model-type N        0 (HT-Lk2), 3 (HT-Lk1, default) or 4 (HT-Lk1S/Lk2S)
  --model-code HEX      family code reported and accepted (default 3074)
  --version-code N      model version reported (default: 1, 4 or 5 by model type)
  --comment TEXT        clone comment, up to 16 characters (default ORVANE SIMULATOR)
  --flags-a N           capability flags A (default: by model type)
  --flags-b N           capability flags B (default 1)
  --flags-c N           capability byte C (default 0)
  --firmware TEXT       firmware field, 4 characters (default 3.01)
  --version TEXT        version text, 4 characters (default 0.99)
  --identity-length N   identity bytes sent (default 27; others are refused)
  --read-file FILE      start with the clone area of this .zcf file (default: the
                        model's default image)
  --write-file FILE     store the radio's clone area in this .zcf file after each
                        write it accepts
  --extension-file FILE store the 544 bytes behind the clone area (the extension
                        block a write may carry; 0 until one does) raw in this file
                        after each write it accepts
Faults:
  --no-answer           the radio hears and answers nothing (the cable still
                        echoes)
  --no-echo             the cable does not echo
  --corrupt-echo N      echoed byte N (counting from 0) comes back altered
  --bad-checksum        the third data frame of a read has a wrong checksum
  --wrong-count         the end frame of a read counts one frame too many
  --wrong-ack           refuse a good write (acknowledge it as failed, keep nothing)
  --hang-up N           stop after N data frames of a read or write, and close the
                        line a second later
  --help                show this help

Exit status: 0 when the program kept to the protocol, 1 when the simulator could not
start, 2 for an unusable command line, 4 when the program broke the protocol.
)";

bool ParseNumber(const std::string& text, long min, long max, int base, long& value) {
    const char* end = text.data() + text.size();
    auto [last, error] = std::from_chars(text.data(), end, value, base);
    return error == std::errc() && last == end && value >= min && value <= max;
}

}  // namespace

void PrintRadioSimHelp(std::ostream& out) { out << kHelp; }

std::optional<RadioSimOptions> ParseRadioSimOptions(const std::vector<std::string>& arguments,
                                                    std::ostream& err) {
    RadioSimOptions options;
    bool flagsAGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size()) {
                err << "orvane-radio-sim: " << option << " needs a value\n";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        auto number = [&](long min, long max, int base, long& out) {
            std::string text;
            if (!value(text)) return false;
            if (!ParseNumber(text, min, max, base, out)) {
                err << "orvane-radio-sim: " << option << " '" << text << "' is not a number in "
                    << min << ".." << max << "\n";
                return false;
            }
            return true;
        };
        // Identity bytes must not be the frame marks FD and FE.
        constexpr long kHighestFlag = 0xFC;
        long n = 0;
        bool ok = true;
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--link") {
            ok = value(options.linkPath);
        } else if (option == "--pace") {
            options.paced = true;
        } else if (option == "--model-type") {
            ok = number(0, 4, 10, n) && (n == 0 || n == 3 || n == 4);
            if (!ok && n != 0) err << "orvane-radio-sim: --model-type must be 0, 3 or 4\n";
            options.radio.modelType = static_cast<int>(n);
        } else if (option == "--model-code") {
            ok = number(0, 0xFFFF, 16, n);
            options.radio.modelCode = static_cast<std::uint16_t>(n);
        } else if (option == "--version-code") {
            ok = number(0, 9999, 10, n);
            options.radio.versionCode = static_cast<int>(n);
        } else if (option == "--comment") {
            ok = value(options.radio.comment);
        } else if (option == "--flags-a") {
            ok = number(0, kHighestFlag, 10, n);
            options.radio.flagsA = static_cast<std::uint8_t>(n);
            flagsAGiven = true;
        } else if (option == "--flags-b") {
            ok = number(0, kHighestFlag, 10, n);
            options.radio.flagsB = static_cast<std::uint8_t>(n);
        } else if (option == "--flags-c") {
            ok = number(0, kHighestFlag, 10, n);
            options.radio.flagsC = static_cast<std::uint8_t>(n);
        } else if (option == "--firmware") {
            ok = value(options.radio.firmware);
        } else if (option == "--version") {
            ok = value(options.radio.version);
        } else if (option == "--identity-length") {
            ok = number(0, 200, 10, n);
            options.radio.identityLength = static_cast<int>(n);
        } else if (option == "--read-file") {
            ok = value(options.readFile);
        } else if (option == "--write-file") {
            ok = value(options.writeFile);
        } else if (option == "--extension-file") {
            ok = value(options.extensionFile);
        } else if (option == "--no-answer") {
            options.radio.faults.noAnswer = true;
        } else if (option == "--no-echo") {
            options.line.noEcho = true;
        } else if (option == "--corrupt-echo") {
            ok = number(0, 1'000'000'000, 10, n);
            options.line.corruptEchoAt = n;
        } else if (option == "--bad-checksum") {
            options.radio.faults.badChecksum = true;
        } else if (option == "--wrong-count") {
            options.radio.faults.wrongCount = true;
        } else if (option == "--wrong-ack") {
            options.radio.faults.wrongAck = true;
        } else if (option == "--hang-up") {
            ok = number(0, 1'000'000, 10, n);
            options.radio.faults.hangUpAfterFrames = static_cast<int>(n);
        } else {
            err << "orvane-radio-sim: unknown option '" << option << "'\n";
            ok = false;
        }
        if (!ok) {
            err << "Run 'orvane-radio-sim --help' for the options.\n";
            return std::nullopt;
        }
    }
    for (const std::string* text :
         {&options.radio.comment, &options.radio.firmware, &options.radio.version}) {
        for (char c : *text) {
            if (c < 0x20 || c > 0x7E) {
                err << "orvane-radio-sim: identity texts take printable ASCII only\n";
                return std::nullopt;
            }
        }
    }
    if (!flagsAGiven) {
        options.radio.flagsA = DefaultFlagsA(options.radio.modelType);
    }
    return options;
}

}  // namespace orvane::sim
