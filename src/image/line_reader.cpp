#include "image/line_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace orvane {

bool LineReader::Open(const std::string& path) {
    // Only regular files: a directory cannot be read as lines, and a device such as
    // /dev/zero could feed one endless line.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    file_.reset(std::fopen(path.c_str(), "rb"));
    position_ = filled_ = 0;
    readError_ = false;
    return file_ != nullptr;
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
