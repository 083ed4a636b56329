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

std::string StartDirectory(const std::string& stored) {
    if (!stored.empty()) {
        return stored;
    }
    std::string documents = DocumentsDirectory();
    if (!documents.empty()) {
        return documents;
    }
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

}  // namespace orvane
