#pragma once
// The simulator's end of a pseudo-terminal. The program under test opens the other end
// (the device path) like a serial port. The simulator keeps that end open too, so the
// line survives the program closing and reopening it, and so it can see which speed the
// program set.

#include <cstdint>
#include <string>

namespace orvane {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // False with Failure() set when no pseudo-terminal can be made.
    bool Open();
    const std::string& DevicePath() const { return devicePath_; }
    const std::string& Failure() const { return failure_; }
    int MasterFd() const { return master_; }

    // The baud rate the program set on its end; 0 when it cannot be read.
    std::uint32_t LineBaud() const;

private:
    bool Fail(const std::string& what);

    int master_ = -1;
    int slave_ = -1;
    std::string devicePath_;
    std::string failure_;
};

}  // namespace orvane
