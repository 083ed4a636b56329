#pragma once
// The clone area a new document starts from, one per model type 0..7 (bank mode for
// types 0..3, export mode for 4..7).

#include <cstdint>
#include <span>

#include "image/image_layout.h"

namespace orvane {

class EepromImage;

using CloneAreaBytes = std::span<const std::uint8_t, kCloneAreaSize>;

// A type outside 0..7 gets the image of type 0.
CloneAreaBytes DefaultCloneArea(int modelType);

// Clears the clone area of `image` and copies the model's default over it; the bytes
// above the clone area keep their values. The image must hold the clone area.
void PrepareDefaultImage(EepromImage& image, int modelType);

}  // namespace orvane
