#include "app/startup_file.h"

#include <filesystem>
#include <system_error>

namespace orvane {

std::optional<std::string> FileToOpenAtStart(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::error_code error;
        if (std::filesystem::is_regular_file(arguments[i], error)) {
            return arguments[i];
        }
    }
    return std::nullopt;
}

}  // namespace orvane
