#include "sheet/sheet_counters.h"

#include "base/fatal.h"
#include "sheet/definition_text.h"

namespace orvane {
namespace {

constexpr std::string_view kCounterPrefix = "@ch";
constexpr std::size_t kReferenceLength = 4;  // "@ch" and one digit
constexpr std::size_t kMaxInsertedDigits = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int CounterNumber(std::string_view reference, const SheetCounters* counters) {
    if (counters == nullptr || !reference.starts_with(kCounterPrefix) ||
        reference.size() < kReferenceLength || !IsDigit(reference[3]) ||
        (reference.size() > kReferenceLength && IsDigit(reference[kReferenceLength]))) {
        Fatal("Ch No. Error");
    }
    return reference[3] - '0';
}

void ApplyCounterAttribute(std::string_view attribute, SheetCounters* counters) {
    const int n = CounterNumber(attribute, counters);
    const std::string_view rest = SkipBlanks(attribute.substr(kReferenceLength));
    if (rest.starts_with('=')) {
        (*counters)[n] = LeadingNumber(rest.substr(1));
    } else if (rest.starts_with("++")) {
        ++(*counters)[n];
    }
}

std::string CounterInsertion(std::string_view inner, const SheetCounters* counters) {
    std::string compact;
    for (char c : inner) {
        if (c != ' ' && c != '\t') {
            compact.push_back(c);
        }
    }
    const int n = CounterNumber(compact, counters);
    std::int64_t value = (*counters)[n];
    const std::string_view rest = std::string_view(compact).substr(kReferenceLength);
    if (rest.starts_with('+')) {
        value += LeadingNumber(rest.substr(1));
    }
    return std::to_string(value).substr(0, kMaxInsertedDigits);
}

}  // namespace orvane
