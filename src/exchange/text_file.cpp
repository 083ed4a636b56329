#include "exchange/text_file.h"

#include <fstream>
#include <iterator>

#include "image/atomic_file_writer.h"

namespace orvane {

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        return std::nullopt;
    }
    return text;
}

bool WriteTextFile(const std::string& path, std::string_view text) {
    AtomicFileWriter writer;
    return writer.Open(path) && writer.Write(text) && writer.Commit();
}

}  // namespace orvane
