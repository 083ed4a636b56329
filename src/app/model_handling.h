#pragma once
// The selected model's template, the copies of the home blocks, and the model an adopted
// image selects.

#include <cstdint>

#include "app/image_fitting.h"
#include "image/eeprom_image.h"

namespace orvane {

class RadioIdentity;

// The model's default clone area in an image of full capacity, fitted to the model
// (`radio.modelType`) as a template.
EepromImage BuildTemplateImage(RadioConfiguration& radio, bool expertMode,
                               std::int32_t extraChannels);

// The radio keeps four copies of the home settings block and the home VFO record; the
// first copy is the one edited.
void MirrorHomeBlocks(EepromImage& image);

// One of the models the menus offer (0, 3, 4): an export-variant type keeps its one
// channel list; a type outside 0..7 is no type at all and gets the HT-Lk1.
std::int32_t SelectableModelType(std::int32_t modelType);

// The model an image selects when it is adopted: after a read the radio's, after a load
// the file's type byte, otherwise the HT-Lk1; always a selectable one.
std::int32_t AdoptedModelType(const EepromImage& image, FitKind kind,
                              const RadioIdentity& identity);

}  // namespace orvane
