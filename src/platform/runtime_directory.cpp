#include "platform/runtime_directory.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orvane {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The name the fallback directory carries, as other desktop programs name theirs.
std::string UserName() {
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr) {
        return entry->pw_name;
    }
    return std::to_string(geteuid());
}

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// Empty when `status` is a directory of this user that only this user may write into.
std::string PrivacyProblem(const struct stat& status, const std::string& path) {
    if (!S_ISDIR(status.st_mode)) {
        return path + " is not a directory";
    }
    if (status.st_uid != geteuid()) {
        return path + " belongs to another user";
    }
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return "others may write into " + path;
    }
    return {};
}

}  // namespace

RuntimeDirectory PrivateRuntimeDirectory() {
    struct stat status {};
    if (const std::string given = Environment("XDG_RUNTIME_DIR"); !given.empty()) {
        // The session made it; it may be reached through a link.
        if (stat(given.c_str(), &status) != 0) {
            return {{}, SystemError("cannot use runtime directory", given)};
        }
        std::string problem = PrivacyProblem(status, given);
        return problem.empty() ? RuntimeDirectory{given, {}} : RuntimeDirectory{{}, problem};
    }
    std::string base = Environment("TMPDIR");
    if (base.empty()) {
        base = "/tmp";
    }
    const std::string path = base + "/runtime-" + UserName();
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        return {{}, SystemError("cannot make runtime directory", path)};
    }
    // Not followed: in a shared directory a link could lead anywhere.
    if (lstat(path.c_str(), &status) != 0) {
        return {{}, SystemError("cannot use runtime directory", path)};
    }
    std::string problem = PrivacyProblem(status, path);
    return problem.empty() ? RuntimeDirectory{path, {}} : RuntimeDirectory{{}, problem};
}

std::string ForeignEntryProblem(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? std::string() : SystemError("cannot examine", path);
    }
    if (S_ISLNK(status.st_mode)) {
        return path + " is a symbolic link";
    }
    if (status.st_uid != geteuid()) {
        return path + " belongs to another user";
    }
    return {};
}

}  // namespace orvane
