#include "app/radio_capabilities.h"

#include "app/app_settings.h"
#include "image/radio_identity.h"

namespace orvane {

void ApplyRadioLimits(const RadioIdentity& identity, RadioConfiguration& radio) {
    radio.rx137Allowed = identity.OptionA1();
    radio.totOffAllowed = identity.TotOffAllowed();
    radio.spacing833Allowed = identity.TuningStepChoice();
}

void ApplyRadioCapabilities(const RadioIdentity& identity, AppSettings& settings, bool expertMode) {
    RadioConfiguration& radio = settings.Radio;
    if (!expertMode) {
        radio.duplexEnabled = identity.DuplexCapable();
        radio.nameDisplay = identity.NameDisplay();
        radio.vfoEnabled = identity.VfoEnabled();
        radio.channelSpacing = identity.TuningStep();
    }
    ApplyRadioLimits(identity, radio);
    settings.CapabilityC = identity.CapabilityC();
}

}  // namespace orvane
