#pragma once
// A fresh directory under the system's temporary directory, removed with everything in
// it at the end of the test; with helpers to write and read whole files.

#include <filesystem>
#include <string>

namespace orvane::testing {

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void WriteWholeFile(const std::string& path, const std::string& contents);
// Empty when the file cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace orvane::testing
