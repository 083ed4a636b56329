#pragma once
// The ten banks of bank mode: bank b owns the `BankCapacity(b)` consecutive channel
// positions after those of banks 0..b-1, up to 200 positions in all and 100 per bank.
// Also the bank names and the home channel kept per bank.

#include <string>

#include "radio/name_codec.h"
#include "sheet/bank_directory.h"

namespace orvane {

class EepromImage;

class BankTable final : public BankDirectory {
public:
    explicit BankTable(EepromImage& image) : image_(image) {}

    static bool IsBank(int bank) { return bank >= 0 && bank < kBankCount; }

    // 0 for a bank outside 0..9.
    int BankCapacity(int bank) const override;
    // Ignored for a bank outside 0..9.
    void SetBankCapacity(int bank, int capacity);
    int BankFirst(int bank) const override;
    // Never below 0, so an empty bank 0 ends at position 0.
    int BankLast(int bank) const;
    int TotalCapacity() const;
    int UsedInBank(int bank) const;
    int TotalUsed() const;

    // "b: " and the bank's name with its points, characters outside 32..126 shown as
    // blanks; with `leadingBlank` one blank before it.
    std::string BankDisplayName(int bank, bool leadingBlank) const;
    std::string BankName(int bank) const override { return BankDisplayName(bank, false); }
    // The bank's eight characters and dot mask as stored (bank 0..9).
    PackedName StoredName(int bank) const;
    void StoreName(int bank, const PackedName& name);
    // The name holds more than blanks and the eight dashes that stand for no name.
    bool IsNamed(int bank) const;

    // Keeps each bank's home channel inside the bank (1 for an empty bank).
    void ClampBankCursor();

private:
    EepromImage& image_;
};

}  // namespace orvane
