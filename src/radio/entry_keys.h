#pragma once
// Which keys may edit an entry cell and which act on it as Enter.

#include <cstdint>

#include "sheet/key_codes.h"

namespace orvane::key {

// Keys that may edit a cell: plain characters and F2.
inline bool IsEditingKey(std::int32_t code) { return code < 128 || code == kBeginEdit; }
inline bool IsDigit(std::int32_t code) { return code >= '0' && code <= '9'; }
// Backspace, Space and F2 act as Enter on entry cells.
inline bool ActsAsEnter(std::int32_t code) {
    return code == kEnter || code == kBackspace || code == kSpace || code == kBeginEdit;
}

}  // namespace orvane::key
