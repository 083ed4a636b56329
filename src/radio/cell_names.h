#pragma once
// Conversions between the CT_/CL_ names of definition texts and their codes: the
// vocabulary the sheet engine parses links with. Both sets of names share one name table
// and are registered on first use, each set once.

#include <string>
#include <string_view>

#include "base/name_table.h"
#include "radio/cell_ids.h"
#include "sheet/cell_vocabulary.h"

namespace orvane {

class CellNames final : public CellVocabulary {
public:
    // Empty name: kNone. Unknown name: fatal ("Cannot use the specified category.").
    CellCategory CategoryFromName(std::string_view name) override;
    // Empty name: CellLink::kNoCell. Unknown name: fatal ("Cannot use the specified cell.").
    CellId CellIdFromName(std::string_view name) override;

    // The name of codes 0..170; any other code gives the empty text.
    static std::string CellIdName(CellId code);
    // Categories 0..5; any other is fatal ("Unknown Cell Category.").
    static ListKind ListKindOfCategory(CellCategory category);

private:
    NameTable table_;
    bool categoriesRegistered_ = false;
    bool cellsRegistered_ = false;
};

}  // namespace orvane
