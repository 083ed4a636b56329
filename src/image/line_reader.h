#pragma once
// Reads a text file one line at a time. A line keeps at most kMaxKept characters and is
// marked overlong beyond that, so a file without line feeds cannot fill memory.

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace orvane {

class LineReader {
public:
    static constexpr std::size_t kMaxKept = 767;

    struct Line {
        std::string text;               // without the line feed
        bool endsWithLineFeed = false;  // false only for a last line cut off by the end
        bool overlong = false;          // text holds only the first kMaxKept characters
    };
    enum class Status { Line, End, Error };

    // False when the path is not a regular file or cannot be opened for reading.
    bool Open(const std::string& path);
    Status Next(Line& line);

private:
    // Refills the buffer; false at the end of the file or on a read error.
    bool Refill();

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::array<char, 4096> buffer_{};
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool readError_ = false;
};

}  // namespace orvane
