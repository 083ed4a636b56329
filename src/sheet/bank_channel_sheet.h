#pragma once
// The memory channels of one bank: one row per channel of the bank plus, on screen, an
// extra row where a new channel is entered. Rows up to a fixed limit are prepared when
// the sheet is built, so channels can be added and removed without parsing again.

#include "sheet/channel_sheet.h"

namespace orvane {

class BankChannelSheet : public ChannelSheet {
public:
    static constexpr int kPreparedRows = 210;

    BankChannelSheet(const SheetEnvironment& environment, std::string_view callText,
                     const SheetOptions& options = {});

    // "Bank N"; any other word leaves bank 0 with no channels.
    void SetParameter(std::string_view parameter) override;
    // Builds (the bank messages are answered from then on) and updates the title.
    void Build() override;
    // Adds or removes rows to the bank's new number of channels; false when the bank
    // starts at another channel now, or has more channels than the prepared rows.
    bool FollowReplacedData() override;

    int Bank() const { return bank_; }
    int FirstChannel() const { return firstChannel_; }
    int ChannelCount() const { return channelCount_; }

    std::string GetPrintTitle() const override;
    bool IsPrintable() const override;

    void OnBusMessage(const BusMessage& message) override;

protected:
    void ApplyDirective(std::string_view directive) override;
    void LoadCells() override;
    void OnRowStart(int row) override;
    // The bank sheet decides line selection itself; the select directives do not.
    void RecordRowSource(int row, int line, bool lineSelectable) override;

private:
    std::string BankTitle() const;
    void PrepareSpareRows();
    void SetLineSelectable(int row, bool selectable);
    bool AppendRow();
    bool RemoveLastRow();

    int bank_ = 0;
    int firstChannel_ = 0;
    int channelCount_ = 0;
    int firstLoopRow_ = -1;
};

}  // namespace orvane
