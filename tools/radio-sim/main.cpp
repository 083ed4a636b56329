// orvane-radio-sim: a simulated radio on a pseudo-terminal, for the transport tests and
// for anyone who wants to try Orvane without a radio.

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "clone_data_file.h"
#include "image/default_images.h"
#include "pseudo_terminal.h"
#include "radio_sim_options.h"
#include "simulated_line.h"
#include "simulated_radio.h"

namespace orvane::sim {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

// After this long without a byte the radio forgets a half-finished exchange.
constexpr auto kQuietReset = std::chrono::seconds(2);
constexpr auto kHangUpLinger = std::chrono::seconds(1);

// The radio's factory content: the default clone area of its model type.
SimulatedRadio::Memory FactoryMemory(int modelType) {
    auto area = DefaultCloneArea(modelType);
    SimulatedRadio::Memory memory(area.begin(), area.end());
    memory.resize(kMemorySize, 0x00);
    return memory;
}

class RadioSim {
public:
    explicit RadioSim(const RadioSimOptions& options) : options_(options) {}

    int Run() {
        SimulatedRadio::Memory memory = FactoryMemory(options_.radio.modelType);
        if (!options_.readFile.empty()) {
            std::string failure = ReadCloneDataFile(options_.readFile, memory);
            if (!failure.empty()) {
                std::cerr << "orvane-radio-sim: cannot serve " << options_.readFile << ": "
                          << failure << "\n";
                return kStatusFailure;
            }
        }
        PseudoTerminal terminal;
        if (!terminal.Open()) {
            std::cerr << "orvane-radio-sim: " << terminal.Failure() << "\n";
            return kStatusFailure;
        }
        if (!options_.linkPath.empty()) {
            unlink(options_.linkPath.c_str());
            if (symlink(terminal.DevicePath().c_str(), options_.linkPath.c_str()) != 0) {
                std::cerr << "orvane-radio-sim: cannot link " << options_.linkPath << ": "
                          << std::strerror(errno) << "\n";
                return kStatusFailure;
            }
        }
        std::cout << terminal.DevicePath() << std::endl;

        SimulatedRadio radio(
            options_.radio, std::move(memory),
            [this](const SimulatedRadio::Memory& written) { return Store(written); });
        SimulatedLine line(radio, options_.line, options_.paced);
        Serve(terminal, radio, line);
        ReportViolations(radio);
        if (!options_.linkPath.empty()) {
            unlink(options_.linkPath.c_str());
        }
        if (!radio.Violations().empty()) {
            std::cerr << "orvane-radio-sim: " << radio.Violations().size()
                      << " protocol violation(s) by the program\n";
            return kStatusViolations;
        }
        return kStatusOk;
    }

private:
    bool Store(const SimulatedRadio::Memory& written) {
        return StoreCloneArea(written) && StoreExtension(written);
    }

    bool StoreCloneArea(const SimulatedRadio::Memory& written) {
        if (options_.writeFile.empty()) {
            return true;
        }
        std::string failure = WriteCloneDataFile(options_.writeFile,
                                                 ModelVersionOf(options_.radio.modelType), written);
        if (!failure.empty()) {
            std::cerr << "orvane-radio-sim: cannot store " << options_.writeFile << ": " << failure
                      << "\n";
        }
        return failure.empty();
    }

    bool StoreExtension(const SimulatedRadio::Memory& written) {
        if (options_.extensionFile.empty()) {
            return true;
        }
        std::ofstream out(options_.extensionFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(written.data()) + kCloneAreaSize,
                  kMemorySize - kCloneAreaSize);
        out.close();
        if (!out) {
            std::cerr << "orvane-radio-sim: cannot store " << options_.extensionFile << "\n";
        }
        return static_cast<bool>(out);
    }

    // Each violation the radio noticed since the last call, one line each.
    void ReportViolations(const SimulatedRadio& radio) {
        const auto& violations = radio.Violations();
        for (; reported_ < violations.size(); ++reported_) {
            std::cerr << "orvane-radio-sim: violation: " << violations[reported_] << std::endl;
        }
    }

    void Serve(PseudoTerminal& terminal, SimulatedRadio& radio, SimulatedLine& line) {
        using Clock = std::chrono::steady_clock;
        auto lastActivity = Clock::now();
        std::vector<std::uint8_t> toProgram;
        std::vector<std::uint8_t> unsent;
        while (!stopRequested) {
            auto now = Clock::now();
            int timeoutMs = 50;
            if (auto due = line.NextDue(now)) {
                timeoutMs = static_cast<int>(due->count() / 1000);
            }
            if (!unsent.empty()) {
                timeoutMs = std::min(timeoutMs, 5);
            }
            pollfd input{terminal.MasterFd(), POLLIN, 0};
            poll(&input, 1, timeoutMs);
            now = Clock::now();

            std::uint8_t buffer[4096];
            ssize_t count = read(terminal.MasterFd(), buffer, sizeof buffer);
            if (count > 0) {
                line.FromProgram(buffer, static_cast<std::size_t>(count), now);
                lastActivity = now;
            }
            toProgram.clear();
            line.Run(now, terminal.LineBaud(), toProgram);
            ReportViolations(radio);
            unsent.insert(unsent.end(), toProgram.begin(), toProgram.end());
            if (!unsent.empty()) {
                ssize_t written = write(terminal.MasterFd(), unsent.data(), unsent.size());
                if (written > 0) {
                    unsent.erase(unsent.begin(), unsent.begin() + written);
                }
                lastActivity = now;
            }
            if (radio.HungUp() && line.Idle() && unsent.empty()) {
                // What was already on the wire still reaches the program before the
                // line goes: a pseudo-terminal drops unread bytes when its other end
                // closes.
                std::this_thread::sleep_for(kHangUpLinger);
                std::cerr << "orvane-radio-sim: hung up\n";
                return;
            }
            if (line.Idle() && now - lastActivity > kQuietReset) {
                radio.Reset();
                lastActivity = now;
            }
        }
    }

    const RadioSimOptions& options_;
    std::size_t reported_ = 0;
};

}  // namespace
}  // namespace orvane::sim

int main(int argc, char* argv[]) {
    using namespace orvane::sim;
    auto options = ParseRadioSimOptions(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
    if (!options) {
        return kStatusUsage;
    }
    if (options->help) {
        PrintRadioSimHelp(std::cout);
        return kStatusOk;
    }
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return RadioSim(*options).Run();
}
