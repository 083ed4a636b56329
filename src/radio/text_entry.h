#pragma once
// Entry of fixed-width texts: names and comments.

#include <string>

#include "radio/entry_result.h"

namespace orvane {

struct CellRequest;

// `field` holds exactly `width` characters; committed text is cut and blank-filled to
// it, and characters the radio cannot show become blanks.
EntryResult TextEntry(CellRequest& request, std::string& field, std::size_t width);

}  // namespace orvane
