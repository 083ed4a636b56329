#include "app/window_title.h"

namespace orvane {

std::string MainWindowTitle(std::string_view path, std::string_view appTitle) {
    std::size_t separator = path.find_last_of("/\\");
    std::string_view fileName =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    if (fileName.empty()) {
        fileName = kUntitledName;
    }
    return std::string(fileName) + " - " + std::string(appTitle);
}

}  // namespace orvane
