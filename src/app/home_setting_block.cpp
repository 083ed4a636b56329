#include "app/home_setting_block.h"

#include <array>
#include <cstdint>

#include "image/eeprom_image.h"
#include "radio/memory_map.h"
#include "radio/setting_addresses.h"

namespace orvane {
namespace {

struct BlockPair {
    std::int32_t current;
    std::int32_t home;
    std::int32_t length;
};
constexpr std::array<BlockPair, 3> kHomeSettingBlock{{
    {memory_map::kHomeBlock, 0xDA0, memory_map::kHomeBlockSize},
    {memory_map::kHomeVfoRecord, 0xDC0, memory_map::kRecordSize},
    {setting_address::kSqlLevel, 0xDD0, 12},
}};

void CopyWithin(EepromImage& image, std::int32_t from, std::int32_t to, std::int32_t length) {
    for (std::int32_t i = 0; i < length; ++i) {
        image.SetByte(to + i, image.GetByte(from + i));
    }
}

}  // namespace

void CopyCurrentSettingsToHomeBlock(EepromImage& image) {
    for (const BlockPair& block : kHomeSettingBlock) {
        CopyWithin(image, block.current, block.home, block.length);
    }
}

void CopyHomeBlockToCurrentSettings(EepromImage& image) {
    for (const BlockPair& block : kHomeSettingBlock) {
        CopyWithin(image, block.home, block.current, block.length);
    }
}

}  // namespace orvane
