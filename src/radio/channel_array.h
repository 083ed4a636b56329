#pragma once
// The 200 channel records as one array: blanking a position from the model's default
// image, and inserting or deleting a record with the later records moving along.
// A record moves together with its flag byte.

namespace orvane {

class EepromImage;

class ChannelArray {
public:
    ChannelArray(EepromImage& image, int modelType) : image_(image), modelType_(modelType) {}

    bool IsUsed(int position) const;
    // The default image's record and flag byte at `position`, marked blank. Positions
    // outside 0..199 are left alone.
    void Blank(int position);
    // Moves `position`..198 up by one (position 199 is lost) and blanks `position`.
    void InsertBlank(int position);
    // Moves `position` + 1..199 down by one and blanks 199.
    void Delete(int position);
    // Copies the record and flag byte at `from` over those at `to`, unchanged.
    void Move(int from, int to);

private:
    EepromImage& image_;
    int modelType_;
};

}  // namespace orvane
