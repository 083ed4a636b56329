#pragma once
// Taking in an image from the radio or a file: the model follows the image (the radio's
// flags after a read, the file's type byte after a load), then the image is fitted to
// that model and its home blocks are mirrored.

#include "app/image_fitting.h"

namespace orvane {

class AppSettings;
class Document;
class ModelHost;
class RadioIdentity;

struct AdoptionContext {
    Document& document;
    AppSettings& settings;
    ModelHost& host;
    bool expertMode = false;
};

// Adopts the document's current image; `identity` is the radio's for a read.
void AdoptImage(const AdoptionContext& context, FitKind kind, const RadioIdentity& identity);

}  // namespace orvane
