#include "app/recent_files.h"

#include <filesystem>
#include <system_error>

namespace orvane {
namespace {

std::string_view WithoutTrailingSeparator(std::string_view path) {
    if (!path.empty() && (path.back() == '/' || path.back() == '\\')) {
        path.remove_suffix(1);
    }
    return path;
}

// The absolute form, so that a relative path from the command line matches the full
// path a dialog gives; "" stays "" (an empty stored entry).
std::filesystem::path Absolute(std::string_view path) {
    if (path.empty()) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).lexically_normal();
}

}  // namespace

bool SamePath(std::string_view a, std::string_view b) { return Absolute(a) == Absolute(b); }

void RecentFiles::RemoveEqual(const std::string& path) {
    std::erase_if(paths_, [&](const std::string& entry) { return SamePath(entry, path); });
}

void RecentFiles::AddRecent(const std::string& path) {
    RemoveEqual(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kCapacity) {
        paths_.resize(kCapacity);
    }
}

void RecentFiles::AppendLoaded(const std::string& path) {
    RemoveEqual(path);
    paths_.push_back(path);
}

std::string RecentFiles::FullPath(std::size_t i) const {
    return i < paths_.size() ? paths_[i] : std::string();
}

std::string RecentFiles::RecentEntry(std::size_t i, std::string_view directory) const {
    if (i >= paths_.size()) {
        return {};
    }
    const std::string& path = paths_[i];
    std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) {
        return path;
    }
    std::string_view entryDirectory(path.data(), separator);
    if (SamePath(entryDirectory, WithoutTrailingSeparator(directory))) {
        return path.substr(separator + 1);
    }
    return path;
}

}  // namespace orvane
