#pragma once
// The sheet engine's vocabulary answered by the data model's real CT_/CL_ name tables.

#include "radio/cell_names.h"
#include "sheet/cell_vocabulary.h"

namespace orvane::testing {

class CellNamesVocabulary final : public CellVocabulary {
public:
    std::int32_t CategoryFromName(std::string_view name) override {
        return names_.CategoryFromName(name);
    }
    std::int32_t CellIdFromName(std::string_view name) override {
        return names_.CellIdFromName(name);
    }

private:
    CellNames names_;
};

}  // namespace orvane::testing
