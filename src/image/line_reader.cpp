#include "image/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace orvane {

bool LineReader::Open(const std::string& path) {
    file_.reset();
    position_ = filled_ = 0;
    readError_ = false;
    // Only regular files: a directory cannot be read as lines, and a device such as
    // /dev/zero could feed one endless line. A path that is no regular file is not even
    // opened (opening a serial line can reset what hangs on it); the decisive check is
    // made on the opened descriptor, so that nothing put in the file's place in between
    // gets read. The open does not wait, so a FIFO without a writer is refused at once.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const int flags = fcntl(descriptor, F_GETFL);
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(descriptor);
        return false;
    }
    file_.reset(fdopen(descriptor, "rb"));
    if (!file_) {
        close(descriptor);
        return false;
    }
    return true;
}

bool LineReader::Refill() {
    if (!file_ || readError_) {
        return false;
    }
    filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    position_ = 0;
    if (filled_ == 0 && std::ferror(file_.get())) {
        readError_ = true;
    }
    return filled_ > 0;
}

LineReader::Status LineReader::Next(Line& line) {
    line.text.clear();
    line.endsWithLineFeed = false;
    line.overlong = false;
    bool any = false;
    for (;;) {
        if (position_ == filled_ && !Refill()) {
            if (readError_) {
                return Status::Error;
            }
            return any ? Status::Line : Status::End;
        }
        any = true;
        const char* start = buffer_.data() + position_;
        const std::size_t available = filled_ - position_;
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length =
            lineFeed != nullptr ? static_cast<std::size_t>(lineFeed - start) : available;
        const std::size_t room = kMaxKept - line.text.size();
        line.text.append(start, std::min(length, room));
        line.overlong = line.overlong || length > room;
        position_ += length;
        if (lineFeed != nullptr) {
            ++position_;
            line.endsWithLineFeed = true;
            return Status::Line;
        }
    }
}

}  // namespace orvane
