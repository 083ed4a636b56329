#pragma once
// The ten counters "@ch0".."@ch9" of a sheet. They let one definition line link each of
// its rows to the next element (bank, channel). Bodies without counters (basic cells,
// menus, toolbars, the tree) pass none, and a counter there is a definition fault.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

using SheetCounters = std::array<std::int32_t, 10>;

// The counter a reference "@chN" names (N one digit not followed by another). A
// malformed reference, or one where no counters exist, is fatal ("Ch No. Error").
int CounterNumber(std::string_view reference, const SheetCounters* counters);

// "@chN=v" sets counter N, "@chN++" adds one to it.
void ApplyCounterAttribute(std::string_view attribute, SheetCounters* counters);

// The text of an insertion "\(@chN)" or "\(@chN+k)" (inner text given, blanks allowed):
// the counter's value, plus k, in at most six characters.
std::string CounterInsertion(std::string_view inner, const SheetCounters* counters);

}  // namespace orvane
