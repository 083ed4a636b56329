#pragma once
// The 200 channel records as one array: blanking a position from the model's default
// image, and moving records. Every move carries the whole record with its flag byte, so
// the bits the radio keeps for itself stay with their channel.

#include <array>
#include <cstdint>

#include "radio/memory_map.h"

namespace orvane {

class EepromImage;

class ChannelArray {
public:
    ChannelArray(EepromImage& image, int modelType) : image_(image), modelType_(modelType) {}

    bool IsUsed(int position) const;
    // Stores the default image's channel at `position`, marked blank, through the record's
    // store rule (so the position keeps the bits the store keeps). Positions outside
    // 0..199 are left alone.
    void Blank(int position);
    // Moves `position`..198 up by one (position 199 is lost) and blanks `position`.
    void InsertBlank(int position);
    // Moves `position` + 1..199 down by one and blanks 199.
    void Delete(int position);
    // Copies the record and flag byte at `from` over those at `to`, unchanged.
    void Move(int from, int to);
    // Rotates the positions first..end - 1 so that `middle` comes to `first`, as
    // std::rotate does; positions past 199 are not touched.
    void Rotate(int first, int middle, int end);

private:
    struct PositionBytes {
        std::array<std::uint8_t, memory_map::kRecordSize> record{};
        std::uint8_t flags = 0;
    };
    PositionBytes Read(int position) const;
    void Write(int position, const PositionBytes& bytes);

    EepromImage& image_;
    int modelType_;
};

}  // namespace orvane
