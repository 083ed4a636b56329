#pragma once
// What a radio's information reply says it can do becomes the options the sheets and the
// fitting pass follow.

namespace orvane {

class AppSettings;
class RadioIdentity;
struct RadioConfiguration;

// Option A1, the time-out-off choice and the tuning-step choice: what the radio allows,
// whatever the image says.
void ApplyRadioLimits(const RadioIdentity& identity, RadioConfiguration& radio);

// The limits and capability byte C always follow the radio. In expert mode the duplex,
// name display, VFO and tuning-step options stay as the image has them, so an expert can
// prepare data the radio does not offer yet.
void ApplyRadioCapabilities(const RadioIdentity& identity, AppSettings& settings, bool expertMode);

}  // namespace orvane
