#pragma once
// orvane-radio-sim as a child process, for tests and benchmarks: started with the given
// options, it reports the pseudo-terminal to open, and is stopped when the object goes.
// Its stderr is kept in a file, so that however much it reports it never blocks.

#include <sys/types.h>

#include <string>
#include <vector>

namespace orvane {

class SimulatorProcess {
public:
    explicit SimulatorProcess(const std::vector<std::string>& options);
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // Empty when the simulator did not start.
    const std::string& DevicePath() const { return devicePath_; }
    // Waits up to `timeoutMs` for the simulator to end by itself; its exit status, or -1.
    int WaitForExit(int timeoutMs);
    // Asks the simulator to end (SIGTERM) and gives its exit status: 0 when the program
    // kept to the protocol, 4 when it broke it; -1 when it did not end in time or was
    // killed. A simulator that has already ended gives the status it ended with.
    int Stop(int timeoutMs = 5000);
    // What it wrote on stderr (complete once it has ended).
    const std::string& Errors();

private:
    pid_t pid_ = -1;
    int status_ = -1;
    std::string errorPath_;
    std::string devicePath_;
    std::string errors_;
};

}  // namespace orvane
