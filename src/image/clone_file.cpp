#include "image/clone_file.h"

#include <algorithm>

#include "image/atomic_file_writer.h"
#include "image/eeprom_image.h"
#include "image/line_reader.h"

namespace orvane {
namespace {

// A line never crosses a multiple of 16, so lines line up with the 16-byte records.
constexpr std::int32_t kBytesPerLine = 16;

// Data lines are at most 255 bytes: six characters of address and count plus two per
// byte.
constexpr std::size_t kLinePrefixLength = 6;
constexpr std::size_t kMinDataLineLength = 8;
constexpr std::size_t kMaxDataLineLength = 516;
constexpr std::size_t kHeaderLength = 8;

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string& text, std::uint32_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        text += kHexDigits[(value >> shift) & 0xF];
    }
}

int HexValue(char character) {
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    if (character >= 'A' && character <= 'F') {
        return character - 'A' + 10;
    }
    if (character >= 'a' && character <= 'f') {
        return character - 'a' + 10;
    }
    return -1;
}

std::uint32_t ParseHex(std::string_view digits) {
    std::uint32_t value = 0;
    for (char character : digits) {
        value = value << 4 | static_cast<std::uint32_t>(HexValue(character));
    }
    return value;
}

bool IsDecimalDigit(char character) { return character >= '0' && character <= '9'; }

// The header digits are decimal characters read as hexadecimal nibbles, so "30740004"
// gives code 0x3074 and version 4.
std::uint32_t NibbleValue(std::string_view digits) {
    std::uint32_t value = 0;
    for (char character : digits) {
        value = value << 4 | static_cast<std::uint32_t>(character - '0');
    }
    return value;
}

// The map versions of HT-Lk2, HT-Lk1 and HT-Lk1S/Lk2S: the only ones a file may carry.
bool IsKnownVersion(std::uint32_t version) {
    return version == ModelVersion(0) || version == ModelVersion(3) || version == ModelVersion(4);
}

std::string CleanComment(std::string_view comment) {
    std::string clean(comment);
    for (char& character : clean) {
        if (character < 0x20 || character > 0x7E) {
            character = ' ';
        }
    }
    clean.erase(clean.find_last_not_of(' ') + 1);
    return clean;
}

// A line ended by CR LF reads like the same line ended by LF alone.
std::string_view WithoutCarriageReturn(const LineReader::Line& line) {
    std::string_view text = line.text;
    if (line.endsWithLineFeed && !line.overlong && !text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

CloneFile::CloneFile(EepromImage& image, TextStore& texts, Prompter& prompter)
    : image_(image), texts_(texts), prompter_(prompter) {
    loaded_.Reset(image_.Size());
}

FileError CloneFile::Report(FileError code) {
    ShowFileError(code, texts_, prompter_);
    return code;
}

std::string CloneFile::FormatFile(std::span<const AddressRange> ranges) const {
    std::string text;
    AppendHex(text, code_, 4);
    AppendHex(text, version_, 4);
    text += "\n#";
    text += CleanComment(comment_);
    text += '\n';
    for (const AddressRange& range : ActiveRanges(ranges)) {
        if (!image_.InRange(range.start) || !image_.InRange(range.end)) {
            break;
        }
        for (std::int32_t address = range.start; address <= range.end;) {
            const std::int32_t count =
                std::min(kBytesPerLine - address % kBytesPerLine, range.end - address + 1);
            AppendHex(text, static_cast<std::uint32_t>(address), 4);
            AppendHex(text, static_cast<std::uint32_t>(count), 2);
            for (std::int32_t i = 0; i < count; ++i) {
                AppendHex(text, image_.GetByte(address + i), 2);
            }
            text += '\n';
            address += count;
        }
    }
    return text;
}

FileError CloneFile::Save(const std::string& path, std::span<const AddressRange> ranges) {
    // A header the reader refuses would make a file that cannot be opened again; such a
    // save fails before anything is written.
    if (!IsKnownVersion(version_)) {
        return Report(FileError::Extra);
    }
    const std::string contents = FormatFile(ranges);
    AtomicFileWriter writer;
    if (!writer.Open(path)) {
        return Report(FileError::FileOpen);
    }
    if (!writer.Write(contents) || !writer.Commit()) {
        return Report(FileError::FileAccess);
    }
    return FileError::None;
}

FileError CloneFile::Load(const std::string& path) { return LoadAndCheck(path, std::nullopt); }

FileError CloneFile::Load(const std::string& path, std::span<const AddressRange> ranges) {
    return LoadAndCheck(path, ranges);
}

FileError CloneFile::LoadAndCheck(const std::string& path,
                                  std::optional<std::span<const AddressRange>> ranges) {
    EepromImage before;
    before.Assign(image_);
    loaded_.Reset(image_.Size());
    FileError result = ReadFile(path);
    if (result == FileError::None && ranges) {
        result = CheckCoverage(*ranges);
    }
    if (result != FileError::None) {
        // Nothing of a failed file stays, not even in the record of what it delivered.
        image_.Assign(before);
        loaded_.Reset(image_.Size());
    }
    return Report(result);
}

FileError CloneFile::ReadFile(const std::string& path) {
    LineReader reader;
    if (!reader.Open(path)) {
        return FileError::FileOpen;
    }
    LineReader::Line line;
    switch (reader.Next(line)) {
        case LineReader::Status::End:
            return FileError::Format;
        case LineReader::Status::Error:
            return FileError::FileAccess;
        case LineReader::Status::Line:
            break;
    }
    const std::string_view header = WithoutCarriageReturn(line);
    if (!line.endsWithLineFeed || header.size() != kHeaderLength ||
        !std::all_of(header.begin(), header.end(), IsDecimalDigit)) {
        return FileError::Format;
    }
    if (NibbleValue(header.substr(0, 4)) != code_) {
        return FileError::Model;
    }
    if (!IsKnownVersion(NibbleValue(header.substr(4, 4)))) {
        return FileError::Extra;
    }
    for (;;) {
        switch (reader.Next(line)) {
            case LineReader::Status::End:
                return FileError::None;
            case LineReader::Status::Error:
                return FileError::FileAccess;
            case LineReader::Status::Line:
                break;
        }
        std::string_view text = WithoutCarriageReturn(line);
        if ((text.empty() && line.endsWithLineFeed) || (!text.empty() && text.front() == '#')) {
            continue;
        }
        if (line.overlong) {
            return FileError::Format;
        }
        // The last character is taken as the line end even when the file ends without
        // one; this is how such a truncated last line is caught.
        if (!line.endsWithLineFeed) {
            text.remove_suffix(1);
        }
        if (const FileError result = ReadDataLine(text); result != FileError::None) {
            return result;
        }
    }
}

FileError CloneFile::ReadDataLine(std::string_view line) {
    if (line.size() < kMinDataLineLength || line.size() > kMaxDataLineLength ||
        !std::all_of(line.begin(), line.end(), [](char c) { return HexValue(c) >= 0; })) {
        return FileError::Format;
    }
    const auto address = static_cast<std::int32_t>(ParseHex(line.substr(0, 4)));
    const auto count = static_cast<std::int32_t>(ParseHex(line.substr(4, 2)));
    if (line.size() != kLinePrefixLength + 2 * static_cast<std::size_t>(count)) {
        return FileError::Format;
    }
    if (!image_.InRange(address) || !image_.InRange(address + count - 1)) {
        return FileError::Data;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        const auto value = static_cast<std::uint8_t>(
            ParseHex(line.substr(kLinePrefixLength + 2 * static_cast<std::size_t>(i), 2)));
        image_.SetByte(address + i, value);
        loaded_.Set(address + i);
    }
    return FileError::None;
}

FileError CloneFile::CheckCoverage(std::span<const AddressRange> ranges) const {
    if (ranges.empty() || loaded_.AddressCount() == 0) {
        return FileError::Coverage;
    }
    AddressBitMap expected;
    expected.Reset(loaded_.AddressCount());
    expected.SetRanges(ranges);
    if (loaded_ == expected) {
        return FileError::None;
    }
    return loaded_.HasBitsOutside(expected) ? FileError::Data : FileError::Coverage;
}

}  // namespace orvane
