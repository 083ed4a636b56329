#include "image/default_images.h"

#include <array>
#include <initializer_list>

#include "image/eeprom_image.h"

namespace orvane {
namespace {

using CloneArea = std::array<std::uint8_t, kCloneAreaSize>;

// An unused channel record: 0 Hz in the frequency fields and a blank name.
constexpr std::array<std::uint8_t, 16> kBlankRecord{0x30, 0x5C, 0x30, 0x5C, 0x00, 0x00, 0x2D, 0x2D,
                                                    0x2D, 0x2D, 0x2D, 0x2D, 0x2D, 0x2D, 0x00, 0x00};
constexpr std::size_t kBlankRecordHead = 14;

// Ten banks of 20 channels; each bank opens with one blank record.
constexpr int kBankRecordsStart = 0x010;
constexpr int kBankRecordsStride = 0x140;
constexpr int kBankFlagsStart = 0xC81;
constexpr int kBankFlagsStride = 20;

constexpr void FillRun(CloneArea& area, int first, int last, std::uint8_t value) {
    for (int address = first; address <= last; ++address) {
        area[static_cast<std::size_t>(address)] = value;
    }
}

constexpr void Put(CloneArea& area, int address, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t value : bytes) {
        area[static_cast<std::size_t>(address++)] = value;
    }
}

constexpr void PutBlankRecord(CloneArea& area, int address, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        area[static_cast<std::size_t>(address) + i] = kBlankRecord[i];
    }
}

// A 32-byte home record: a blank channel head, four zeros, ten ones, then 80 00 FF FF.
constexpr void PutHomeRecord(CloneArea& area, int address) {
    PutBlankRecord(area, address, kBlankRecordHead);
    FillRun(area, address + 14, address + 17, 0x00);
    FillRun(area, address + 18, address + 27, 0x01);
    Put(area, address + 28, {0x80, 0x00, 0xFF, 0xFF});
}

constexpr void PutSettings(CloneArea& area, int address) {
    Put(area, address, {0x02, 0x05, 0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x02, 0x00, 0x12, 0x02});
}

constexpr void PutSwitches(CloneArea& area, int address) {
    Put(area, address, {0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00,
                        0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
}

constexpr CloneArea BuildBankImage() {
    CloneArea area{};
    FillRun(area, 0x000, 0xC7F, 0xFF);
    for (int bank = 0; bank < kBankCount; ++bank) {
        PutBlankRecord(area, kBankRecordsStart + bank * kBankRecordsStride, kBlankRecord.size());
    }
    FillRun(area, 0xC80, 0xD47, 0xC0);
    for (int bank = 0; bank < kBankCount; ++bank) {
        area[kBankFlagsStart + bank * kBankFlagsStride] = 0x80;
    }
    FillRun(area, 0xD48, 0xD4F, 0xFF);
    FillRun(area, 0xD50, 0xD59, 0x80);
    FillRun(area, 0xD5A, 0xD5F, 0xFF);
    PutSettings(area, 0xD60);
    FillRun(area, 0xD6C, 0xD7F, 0xFF);
    PutSwitches(area, 0xD80);
    area[0xD94] = 0x00;
    FillRun(area, 0xD95, 0xD9F, 0xFF);
    PutHomeRecord(area, 0xDA0);
    PutBlankRecord(area, 0xDC0, kBlankRecord.size());
    PutSettings(area, 0xDD0);
    PutSwitches(area, 0xDDC);
    FillRun(area, 0xDF0, 0xDFF, 0xFF);
    FillRun(area, 0xE00, 0xE4F, 0x2D);
    FillRun(area, 0xE50, 0xE59, 0x00);
    FillRun(area, 0xE5A, 0xE5F, 0xFF);
    FillRun(area, 0xE60, 0xE69, 0x14);
    FillRun(area, 0xE6A, 0xE7F, 0xFF);
    PutHomeRecord(area, 0xE80);
    PutBlankRecord(area, 0xEA0, kBlankRecordHead);
    FillRun(area, 0xEAE, 0xEB1, 0x00);
    FillRun(area, 0xEB2, 0xF7F, 0xFF);
    FillRun(area, 0xF80, 0xF91, ' ');
    Put(area, 0xF92, {'Z', 'E', 'L', 'K', ' ', ' ', '3', '0', '7', '4', '0', '0', '0', '1'});
    return area;
}

constexpr CloneArea WithByte(CloneArea area, int address, std::uint8_t value) {
    area[static_cast<std::size_t>(address)] = value;
    return area;
}

// Export mode: one list of channels, so only bank 0 keeps its blank record and flag.
constexpr CloneArea BuildExportImage() {
    CloneArea area = BuildBankImage();
    for (int bank = 1; bank < kBankCount; ++bank) {
        const int record = kBankRecordsStart + bank * kBankRecordsStride;
        FillRun(area, record, record + 15, 0xFF);
        area[kBankFlagsStart + bank * kBankFlagsStride] = 0xC0;
    }
    area[0xD6B] = 0x00;
    FillRun(area, 0xDB3, 0xDBB, 0x00);
    area[0xDDB] = 0x00;
    area[0xE60] = 0x64;
    FillRun(area, 0xE61, 0xE69, 0x00);
    FillRun(area, 0xE93, 0xE9B, 0x00);
    return area;
}

// The one byte in which the bank-mode images of types 0, 1..2 and 3 differ.
constexpr int kVariantAddress = 0xEB0;

constexpr std::array<CloneArea, 4> kDistinctImages{
    BuildBankImage(),
    WithByte(BuildBankImage(), kVariantAddress, 0x02),
    WithByte(BuildBankImage(), kVariantAddress, 0x04),
    BuildExportImage(),
};

// Which distinct image each model type 0..7 uses.
constexpr std::array<std::size_t, 8> kImageOfType{0, 1, 1, 2, 3, 3, 3, 3};

}  // namespace

CloneAreaBytes DefaultCloneArea(int modelType) {
    const bool known = modelType >= 0 && modelType < static_cast<int>(kImageOfType.size());
    return kDistinctImages[known ? kImageOfType[static_cast<std::size_t>(modelType)] : 0];
}

void PrepareDefaultImage(EepromImage& image, int modelType) {
    for (std::int32_t address = 0; address < kCloneAreaSize; ++address) {
        image.SetByte(address, 0);
    }
    image.WriteBlock(0, DefaultCloneArea(modelType));
}

}  // namespace orvane
