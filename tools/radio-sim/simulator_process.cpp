#include "simulator_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace orvane {

SimulatorProcess::SimulatorProcess(const std::vector<std::string>& options) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orvane-radio-sim-XXXXXX").string();
    int errFd = mkostemp(pattern.data(), O_CLOEXEC);
    if (errFd < 0) {
        return;
    }
    errorPath_ = pattern;
    int outPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) {
        close(errFd);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    std::vector<std::string> arguments{ORVANE_RADIO_SIM_PATH};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    int rc = posix_spawn(&pid_, ORVANE_RADIO_SIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errFd);
    if (rc != 0) {
        pid_ = -1;
        close(outPipe[0]);
        return;
    }
    // The first line is the device path.
    pollfd out{outPipe[0], POLLIN, 0};
    char c;
    while (poll(&out, 1, 5000) > 0 && read(outPipe[0], &c, 1) == 1 && c != '\n') {
        devicePath_ += c;
    }
    close(outPipe[0]);
}

int SimulatorProcess::WaitForExit(int timeoutMs) {
    if (pid_ < 0) {
        return status_;
    }
    for (int waited = 0; waited <= timeoutMs; waited += 10) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return status_;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

int SimulatorProcess::Stop(int timeoutMs) {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
    }
    return WaitForExit(timeoutMs);
}

const std::string& SimulatorProcess::Errors() {
    std::ifstream in(errorPath_, std::ios::binary);
    errors_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return errors_;
}

SimulatorProcess::~SimulatorProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    if (!errorPath_.empty()) {
        unlink(errorPath_.c_str());
    }
}

}  // namespace orvane
