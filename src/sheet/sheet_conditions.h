#pragma once
// The configuration that decides which rows and columns some sheets show: the selected
// model and the radio's options. The sheet engine only reads them; the application
// provides them.

#include <cstdint>

namespace orvane {

struct SheetConditions {
    // Bit 0 VOR, bit 1 WX, bit 2 export variant.
    std::int32_t modelType = 0;
    bool duplexEnabled = false;
    bool nameDisplay = false;  // channel names are shown by the set
    bool spacing833Allowed = false;
    bool vfoEnabled = false;
    std::int32_t lightKey = 0;  // function of the [LIGHT] key; 2 is VOX

    bool Vor() const { return (modelType & 1) != 0; }
    bool Wx() const { return (modelType & 2) != 0; }
    bool Lk1Family() const { return modelType >= 0 && modelType <= 3; }
    // Separate RX and TX frequencies and a duplex column are shown only then.
    bool DuplexVorLk1() const { return Vor() && Lk1Family() && duplexEnabled; }
};

// Where a sheet reads the conditions when it is created.
class SheetConditionSource {
public:
    virtual ~SheetConditionSource() = default;
    virtual SheetConditions CurrentSheetConditions() const = 0;
};

}  // namespace orvane
