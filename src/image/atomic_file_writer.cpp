#include "image/atomic_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace orvane {
namespace {

struct FreeDeleter {
    void operator()(char* text) const { std::free(text); }
};

// Saving through a symbolic link updates the file it points to, not the link.
std::string ResolveLink(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    std::unique_ptr<char, FreeDeleter> resolved(realpath(path.c_str(), nullptr));
    return resolved ? std::string(resolved.get()) : path;
}

// The permissions the file will have: those of the file it replaces, or what a newly
// created file would get.
bool TargetMode(const std::string& path, mode_t& mode) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        // A read-only file is not replaced behind its owner's back, even though the
        // directory would allow the rename.
        if (!S_ISREG(info.st_mode) || access(path.c_str(), W_OK) != 0) {
            return false;
        }
        mode = info.st_mode & 07777;
        return true;
    }
    if (errno != ENOENT) {
        return false;
    }
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string TemporaryPattern(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return directory + "." + name + ".XXXXXX";
}

// After the rename the new name must reach the disk too; a failure here loses nothing
// that the rename has not already settled, so it is not reported.
void SyncDirectory(const std::string& path) {
    const int directory = open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        fsync(directory);
        close(directory);
    }
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard() {
    if (descriptor_ >= 0) {
        close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}

bool AtomicFileWriter::Open(const std::string& targetPath) {
    Discard();
    if (targetPath.empty() || targetPath.back() == '/') {
        return false;
    }
    target_ = ResolveLink(targetPath);
    mode_t mode = 0;
    if (!TargetMode(target_, mode)) {
        return false;
    }
    std::string pattern = TemporaryPattern(target_);
    descriptor_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor_ < 0) {
        return false;
    }
    temporary_ = pattern;
    // Best effort: some file systems have no permission bits to set.
    fchmod(descriptor_, mode);
    return true;
}

bool AtomicFileWriter::Write(std::string_view data) {
    if (descriptor_ < 0) {
        return false;
    }
    while (!data.empty()) {
        const ssize_t written = write(descriptor_, data.data(), data.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // Nothing more comes of this file: it goes now, before anyone reports the
            // failure, not when the writer is destroyed.
            Discard();
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFileWriter::Commit() {
    if (descriptor_ < 0) {
        return false;
    }
    const bool synced = fsync(descriptor_) == 0;
    const bool closed = close(descriptor_) == 0;
    descriptor_ = -1;
    if (!synced || !closed || rename(temporary_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    temporary_.clear();
    SyncDirectory(target_);
    return true;
}

}  // namespace orvane
