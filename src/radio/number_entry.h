#pragma once
// Entry of bounded integers: capacities, channel numbers.

#include <cstdint>
#include <string>

#include "radio/entry_result.h"

namespace orvane {

struct CellRequest;

// Typed text is read as a decimal number, rounded half away from zero and limited to
// `minimum`..`maximum`; Space and Backspace step by one and stop at the bounds.
EntryResult NumberEntry(CellRequest& request, std::int32_t& value, std::int32_t minimum,
                        std::int32_t maximum);

// The committed text as the number entry reads it (before limiting); none when it holds
// no digit or point.
struct TypedNumber {
    bool present = false;
    std::int64_t value = 0;
};
TypedNumber ReadTypedNumber(const std::string& text);

}  // namespace orvane
