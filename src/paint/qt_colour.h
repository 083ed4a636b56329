#pragma once
// Colours of the definitions as Qt colours: plain colours are taken as they are, system
// colours from the widget palette that stands for them on this desktop.

#include <QColor>
#include <QPalette>

#include "sheet/colour_table.h"

namespace orvane {

QColor ToQColor(Colour colour, const QPalette& palette);

}  // namespace orvane
