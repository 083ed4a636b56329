#pragma once
// The selected model and the radio's options: which rows and columns the sheets show and
// how the data model reads, checks and offers values. The settings own the one copy; the
// sheets and the data model read it through their interfaces.

#include <cstdint>

#include "image/model_type.h"

namespace orvane {

struct RadioConfiguration {
    // The [LIGHT] key function that makes it the VOX key.
    static constexpr std::int32_t kLightKeyVox = 2;

    std::int32_t modelType = model_type::kLk1;
    bool duplexEnabled = true;  // duplex capable
    bool nameDisplay = true;    // the set shows channel names
    bool rx137Allowed = true;   // option A1
    bool totOffAllowed = true;
    bool spacing833Allowed = false;  // the tuning-step choice is offered
    bool vfoEnabled = true;
    std::int32_t channelSpacing = 0;  // 0 25 kHz, 1 8.33 kHz, 2 both
    std::int32_t lightKey = 0;        // function of the [LIGHT] key

    bool Vor() const { return (modelType & model_type::kVor) != 0; }
    bool Wx() const { return (modelType & model_type::kWx) != 0; }
    // Ten banks share the channels; the export variant has one list instead.
    bool BankMode() const { return (modelType & model_type::kExport) == 0; }
    // Separate RX and TX frequencies and a duplex column exist only on this set-up.
    bool DuplexVorBankModel() const { return Vor() && BankMode() && duplexEnabled; }
    bool LightKeyIsVox() const { return lightKey == kLightKeyVox; }
    bool operator==(const RadioConfiguration&) const = default;
};

}  // namespace orvane
