#pragma once
// The selected model and the radio options the data model reads, as one value taken at
// the start of every evaluation.

#include <cstdint>

namespace orvane {

struct RadioOptionValues {
    // Bit 0 VOR, bit 1 WX, bit 2 export variant (3 HT-Lk1, 0 HT-Lk2, 4 HT-Lk1S/Lk2S).
    std::int32_t modelType = 3;
    bool duplexEnabled = false;
    bool vfoEnabled = false;
    std::int32_t channelSpacing = 0;  // 0 25 kHz, 1 8.33 kHz, 2 both
    bool spacing833Allowed = false;
    bool rx137Allowed = false;
    bool totOffAllowed = false;
    std::int32_t lightKey = 0;    // function of the [LIGHT] key; 2 is VOX
    bool indicationMode = false;  // the set shows channel names

    bool Vor() const { return (modelType & 1) != 0; }
    bool Wx() const { return (modelType & 2) != 0; }
    bool ExportMode() const { return (modelType & 4) != 0; }
    bool BankMode() const { return !ExportMode(); }
    // Separate RX and TX frequencies and a duplex column exist only on this set-up.
    bool DuplexVorBankModel() const { return Vor() && BankMode() && duplexEnabled; }
};

}  // namespace orvane
