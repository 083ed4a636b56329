#include "app/documents_directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orvane {

std::string DocumentsDirectory() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return {};
    }
    const std::filesystem::path documents = std::filesystem::path(home) / "Documents";
    std::error_code error;
    return std::filesystem::is_directory(documents, error) ? documents.string() : std::string(home);
}

}  // namespace orvane
