#include "sheet/channel_sheet.h"

#include "sheet/bank_directory.h"
#include "sheet/cell_vocabulary.h"
#include "sheet/definition_text.h"

namespace orvane {

ChannelSheet::ChannelSheet(const SheetEnvironment& environment, std::string_view callText,
                           const SheetOptions& options)
    : ColumnCutSheet(environment, callText, options),
      wxChannelCell_(environment.vocabulary.CellIdFromName("CL_Mch_WxCh")),
      rxCell_(environment.vocabulary.CellIdFromName("CL_Mch_Freq")),
      txCell_(environment.vocabulary.CellIdFromName("CL_Mch_FreqT")),
      duplexCell_(environment.vocabulary.CellIdFromName("CL_Mch_Dup")),
      rxTxCell_(environment.vocabulary.CellIdFromName("CL_Mch_FreqRT")),
      nameCell_(environment.vocabulary.CellIdFromName("CL_Mch_Name")) {}

void ChannelSheet::SetParameter(std::string_view parameter) {
    ColumnCutSheet::SetParameter(parameter);
    const std::vector<std::string_view> fields = SplitAt(parameter, ',');
    sheetNumber_ = LeadingNumber(fields[0]);
    SetIndexOffset(fields.size() > 1 ? LeadingNumber(fields[1]) : 0);
}

bool ChannelSheet::IsCutCell(const SheetCell& cell) const {
    const std::int32_t id = cell.link.cellId;
    const RadioConfiguration& conditions = Conditions();
    if (id == wxChannelCell_) {
        return !conditions.Wx();
    }
    if (id == rxCell_ || id == txCell_ || id == duplexCell_) {
        return !conditions.DuplexVorBankModel();
    }
    if (id == rxTxCell_) {
        return conditions.DuplexVorBankModel();
    }
    if (id == nameCell_) {
        return !conditions.nameDisplay;
    }
    return false;
}

bool ChannelSheet::IsPrintable() const {
    return ColumnCutSheet::IsPrintable() && Environment().banks.BankCapacity(sheetNumber_) != 0;
}

}  // namespace orvane
