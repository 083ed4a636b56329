#pragma once
// The names of categories and cells that definition texts link to. The engine does not
// know them: the data model provides the codes, and faults on names it does not know.

#include <cstdint>
#include <string_view>

namespace orvane {

class CellVocabulary {
public:
    virtual ~CellVocabulary() = default;
    // The code of a CT_ name; an unknown name is a definition fault.
    virtual std::int32_t CategoryFromName(std::string_view name) = 0;
    // The code of a CL_ name; an unknown name is a definition fault.
    virtual std::int32_t CellIdFromName(std::string_view name) = 0;
};

}  // namespace orvane
