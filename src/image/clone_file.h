#pragma once
// Clone data files (.zcf): the clone area of an image as lines of hexadecimal text
// behind a header line (family code and map version) and a comment line. Every failure
// comes back as a FileError and is shown once through the prompter; a load that fails
// leaves the image exactly as it was, and a save that fails leaves the old file.
//
// One object per load or save: configure it, call one operation, discard it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "image/address_bit_map.h"
#include "image/address_range.h"
#include "image/file_error.h"
#include "image/model_version.h"
#include "image/range_tables.h"

namespace orvane {

class EepromImage;
class Prompter;
class TextStore;

class CloneFile {
public:
    // `image` is read from or written into and must outlive this object.
    CloneFile(EepromImage& image, TextStore& texts, Prompter& prompter);

    void SetCode(std::uint32_t code) { code_ = code; }
    void SetVersion(std::uint32_t version) { version_ = version; }
    // Written as the comment line; characters outside printable ASCII become spaces and
    // trailing blanks are dropped, so no comment can break the line structure.
    void SetComment(std::string comment) { comment_ = std::move(comment); }

    // Writes the header, the comment and the list's ranges. Fails with Extra, writing
    // nothing, when the version is not one that Load accepts (1, 4, 5).
    FileError Save(const std::string& path, std::span<const AddressRange> ranges = FileRanges());

    // Reads the file into the image. With a range list the file must also cover exactly
    // the list (CheckCoverage).
    FileError Load(const std::string& path);
    FileError Load(const std::string& path, std::span<const AddressRange> ranges);

    // After a load: None when the file delivered exactly the list's addresses that lie
    // in the image, Data when it delivered more, Coverage when it missed some. Shows
    // nothing.
    FileError CheckCoverage(std::span<const AddressRange> ranges) const;

private:
    FileError LoadAndCheck(const std::string& path,
                           std::optional<std::span<const AddressRange>> ranges);
    FileError ReadFile(const std::string& path);
    FileError ReadDataLine(std::string_view line);
    std::string FormatFile(std::span<const AddressRange> ranges) const;
    FileError Report(FileError code);

    EepromImage& image_;
    TextStore& texts_;
    Prompter& prompter_;
    std::uint32_t code_ = kModelCode;
    std::uint32_t version_ = ModelVersion(0);
    std::string comment_;
    AddressBitMap loaded_;
};

}  // namespace orvane
