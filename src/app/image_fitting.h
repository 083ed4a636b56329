#pragma once
// The fitting pass every image goes through when it is built, read, written, loaded or
// saved: it brings the image and the radio options into line with the selected model.

#include <cstdint>

#include "radio/memory_channel.h"
#include "sheet/radio_configuration.h"

namespace orvane {

class EepromImage;

// Why the image is being fitted. A clone read or write is the radio side; a file load or
// save is the file side.
enum class FitKind : std::int32_t {
    kTemplate = 0,
    kCloneRead = 1,
    kCloneWrite = 2,
    kFileLoad = 3,
    kFileSave = 4,
};

struct FittingContext {
    // The selected model and the radio options: read throughout, written when an image
    // is read or loaded and when a setting the model cannot offer is switched off.
    RadioConfiguration& radio;
    // The selected model's template; may be the image being fitted (kind kTemplate).
    const EepromImage& templateImage;
    bool expertMode = false;
    // Channels beyond 200 that a radio-side image may still carry as used.
    std::int32_t extraChannels = 9;
};

void FitImageToModel(EepromImage& image, FitKind kind, const FittingContext& context);

// A radio that does not allow the time-out timer off gets the default timer instead.
void KeepTimeOutTimerAllowed(EepromImage& image, const RadioConfiguration& radio);

// The template's channel 1: what the home record falls back on when it is a memory
// channel, and what a write sends in place of a channel the radio would refuse.
MemoryChannel TemplateReferenceChannel(const EepromImage& templateImage, std::int32_t modelType);

// The options the image itself records (duplex, name display, VFO, tuning step, the
// [LIGHT] key) become the radio options.
void SettingsFollowImage(const EepromImage& image, RadioConfiguration& radio);

}  // namespace orvane
