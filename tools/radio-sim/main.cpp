// orvane-radio-sim: a simulated radio on a pseudo-terminal, for the transport tests and
// for anyone who wants to try Orvane without a radio.

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "base/fatal.h"
#include "image/clone_file.h"
#include "image/default_images.h"
#include "image/image_layout.h"
#include "platform/prompter.h"
#include "pseudo_terminal.h"
#include "radio_sim_options.h"
#include "simulated_line.h"
#include "simulated_radio.h"
#include "text/text_store.h"

namespace orvane {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

// After this long without a byte the radio forgets a half-finished exchange.
constexpr auto kQuietReset = std::chrono::seconds(2);
constexpr auto kHangUpLinger = std::chrono::seconds(1);

// File messages go to stderr.
class StderrPrompter final : public Prompter {
public:
    PromptAnswer Ask(const Prompt& prompt) override {
        std::cerr << "orvane-radio-sim: " << prompt.text << "\n";
        return PromptAnswer::Ok;
    }
};

class SimFatalHandler final : public FatalHandler {
public:
    [[noreturn]] void Fail(const std::string& text) override {
        std::cerr << "orvane-radio-sim: " << text << std::endl;
        std::_Exit(kFatalExitCode);
    }
};

std::string CommentOf(const EepromImage& image) {
    std::string comment;
    for (std::int32_t i = 0; i < kCommentLength; ++i) {
        comment += static_cast<char>(image.GetByte(kCommentAddress + i));
    }
    return comment;
}

class RadioSim {
public:
    explicit RadioSim(const RadioSimOptions& options) : options_(options) {
        texts_.SetSource(MainResource());
    }

    int Run() {
        EepromImage image;
        image.Resize(kImageCapacity);
        if (options_.readFile.empty()) {
            PrepareDefaultImage(image, options_.radio.modelType);
        } else if (CloneFile(image, texts_, prompter_).Load(options_.readFile) != FileError::None) {
            std::cerr << "orvane-radio-sim: cannot serve " << options_.readFile << "\n";
            return 1;
        }
        PseudoTerminal terminal;
        if (!terminal.Open()) {
            std::cerr << "orvane-radio-sim: " << terminal.Failure() << "\n";
            return 1;
        }
        if (!options_.linkPath.empty()) {
            unlink(options_.linkPath.c_str());
            if (symlink(terminal.DevicePath().c_str(), options_.linkPath.c_str()) != 0) {
                std::cerr << "orvane-radio-sim: cannot link " << options_.linkPath << ": "
                          << std::strerror(errno) << "\n";
                return 1;
            }
        }
        std::cout << terminal.DevicePath() << std::endl;

        SimulatedRadio radio(options_.radio, std::move(image),
                             [this](const EepromImage& written) { return Store(written); });
        SimulatedLine line(radio, options_.line, options_.paced);
        int status = Serve(terminal, radio, line);
        if (!options_.linkPath.empty()) {
            unlink(options_.linkPath.c_str());
        }
        return status;
    }

private:
    bool Store(const EepromImage& written) {
        if (options_.writeFile.empty()) {
            return true;
        }
        EepromImage copy;
        copy.Assign(written);
        CloneFile file(copy, texts_, prompter_);
        file.SetVersion(ModelVersion(options_.radio.modelType));
        file.SetComment(CommentOf(written));
        return file.Save(options_.writeFile) == FileError::None;
    }

    int Serve(PseudoTerminal& terminal, SimulatedRadio& radio, SimulatedLine& line) {
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
                return 0;
            }
            if (line.Idle() && now - lastActivity > kQuietReset) {
                radio.Reset();
                lastActivity = now;
            }
        }
        return 0;
    }

    const RadioSimOptions& options_;
    TextStore texts_;
    StderrPrompter prompter_;
};

}  // namespace
}  // namespace orvane

int main(int argc, char* argv[]) {
    orvane::SimFatalHandler fatalHandler;
    orvane::ScopedFatalHandler installed(fatalHandler);
    auto options =
        orvane::ParseRadioSimOptions(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
    if (!options) {
        return 2;
    }
    if (options->help) {
        orvane::PrintRadioSimHelp(std::cout);
        return 0;
    }
    struct sigaction action {};
    action.sa_handler = orvane::RequestStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return orvane::RadioSim(*options).Run();
}
