// Writes inputs for the serial line fuzzer into the directory given: a good reply to
// each operation, as starting points from which the fuzzer reaches the later states.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kAfterWrite = 0x80;

Bytes Frame(std::uint8_t command, const std::string& payload) {
    Bytes frame{0xFE, 0xFE, 0xEF, 0xEE, command};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(0xFD);
    return frame;
}

// One chunk delivered after the engine's next write.
void AddChunk(Bytes& input, const Bytes& bytes) {
    input.push_back(kAfterWrite);
    input.push_back(static_cast<std::uint8_t>(bytes.size()));
    input.insert(input.end(), bytes.begin(), bytes.end());
}

bool Save(const std::string& directory, const std::string& name, const Bytes& input) {
    const std::string path = directory + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(input.data(), 1, input.size(), file) == input.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: serial_line_seeds DIRECTORY\n");
        return 2;
    }
    const std::string directory = argv[1];
    // Model code 3074, version 4, then the 27 identity bytes: comment, flags A, B, C,
    // firmware and version.
    const std::string reply = std::string("\x30\x74\x00\x04", 4) + "SEED COMMENT    " +
                              std::string("\x5E\x01\x00", 3) + "3.01" + "0.99";

    Bytes information{0x00};  // information, normal speed
    AddChunk(information, Frame(0xE1, reply));

    Bytes adjust{0x08};  // information after the adjust-mode entry script
    AddChunk(adjust, {});
    AddChunk(adjust, Frame(0xE1, reply));

    Bytes read{0x01};  // read of 0x0010-0x0011
    Bytes frames = Frame(0xE4, "0010021234A8");
    Bytes end = Frame(0xE5, "Zelk Inc.01");
    frames.insert(frames.end(), end.begin(), end.end());
    AddChunk(read, frames);

    Bytes write{0x02};  // write of 0x0010-0x0011: request, data frame, end frame
    AddChunk(write, {});
    AddChunk(write, {});
    AddChunk(write, Frame(0xE6, std::string(1, '\0')));

    const bool ok = Save(directory, "information", information) &&
                    Save(directory, "adjust", adjust) && Save(directory, "read", read) &&
                    Save(directory, "write", write);
    return ok ? 0 : 1;
}
