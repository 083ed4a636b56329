#pragma once
// A device path given on the command line stands for every port number.

#include <string>

#include "platform/port_locator.h"

namespace orvane::cli {

class GivenDeviceLocator final : public PortLocator {
public:
    explicit GivenDeviceLocator(std::string path) : path_(std::move(path)) {}
    std::string DevicePath(int) const override { return path_; }

private:
    std::string path_;
};

}  // namespace orvane::cli
