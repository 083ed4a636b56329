#pragma once
// Replaces a file without ever destroying it: the new contents go to a temporary file in
// the same directory, which is flushed to the disk and renamed over the target only when
// everything was written. Until Commit succeeds the old file stays as it was.

#include <string>
#include <string_view>

namespace orvane {

class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    // Removes the temporary file when Commit did not succeed.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the target cannot be written: its directory is missing or not writable,
    // or the target exists and is read-only or not a regular file.
    bool Open(const std::string& targetPath);
    // False removes the temporary file at once; Commit then fails too.
    bool Write(std::string_view data);
    // Flushes, closes and renames over the target; false leaves the target untouched.
    bool Commit();

private:
    void Discard();

    std::string target_;
    std::string temporary_;
    int descriptor_ = -1;
};

}  // namespace orvane
