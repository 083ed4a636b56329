#pragma once
// Runs a program as a real child process and collects its exit status and output, for
// tests of the command-line tools.

#include <string>
#include <vector>

namespace orvane::testing {

struct ProcessResult {
    int exitCode = -1;  // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// `environment` entries ("NAME=value") are added to the test's own environment.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = {});

}  // namespace orvane::testing
