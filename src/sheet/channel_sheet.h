#pragma once
// The memory channel list: its columns follow the model (WX channel, separate RX/TX
// and duplex, or one RX/TX column; names only when the set shows them).

#include "sheet/column_cut_sheet.h"

namespace orvane {

class ChannelSheet : public ColumnCutSheet {
public:
    ChannelSheet(const SheetEnvironment& environment, std::string_view callText,
                 const SheetOptions& options = {});

    // "n[,offset]": the sheet (bank) number and the offset added to every cell's index.
    void SetParameter(std::string_view parameter) override;
    int SheetNumber() const { return sheetNumber_; }

    bool IsPrintable() const override;

protected:
    bool IsCutCell(const SheetCell& cell) const override;

private:
    int sheetNumber_ = 0;
    // The columns that are cut come from the data model's vocabulary.
    std::int32_t wxChannelCell_;
    std::int32_t rxCell_;
    std::int32_t txCell_;
    std::int32_t duplexCell_;
    std::int32_t rxTxCell_;
    std::int32_t nameCell_;
};

}  // namespace orvane
