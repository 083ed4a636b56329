#pragma once
// orvane-radio-sim as a child process, for tests and benchmarks: started with the given
// options, it reports the pseudo-terminal to open, and is stopped when the object goes.

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
    // Whatever it wrote on stderr so far (read when it has ended).
    const std::string& Errors() const { return errors_; }

private:
    pid_t pid_ = -1;
    int errFd_ = -1;
    std::string devicePath_;
    std::string errors_;
};

}  // namespace orvane
