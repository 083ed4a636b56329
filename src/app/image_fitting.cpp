#include "app/image_fitting.h"

#include <algorithm>
#include <array>
#include <string>

#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "radio/bank_table.h"
#include "radio/channel_store.h"
#include "radio/frequency.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"
#include "radio/setting_addresses.h"

namespace orvane {
namespace {

namespace address = setting_address;
namespace map = memory_map;

// Home settings the radio keeps to the model's values.
constexpr std::int32_t kHomeFixedA = 0xD67;
constexpr std::int32_t kHomeFixedB = 0xD6B;
// A timer setting below this is "off", which only some radios allow.
constexpr std::uint8_t kLowestTimer = 2;
constexpr std::uint8_t kDefaultTimer = 18;
// The part of the home settings block before the home mode, and the home record's fields
// that are not the frequencies and the duplex bit: the WX byte, two mode bits, name and
// dots.
constexpr std::int32_t kHomeFixedSize = 16;
constexpr std::array<std::int32_t, 4> kHomeFixedBytes{0xE9C, 0xE9D, 0xE9E, 0xEA4};
constexpr std::int32_t kHomeModeBits = 0xEA5;
constexpr std::uint8_t kHomeFixedModeBits = 0xC0;
constexpr std::int32_t kHomeName = 0xEA6;
constexpr std::int32_t kHomeNameSize = 9;
constexpr std::uint8_t kHomeModeVfo = 0;
constexpr std::uint8_t kHomeModeMemory = 1;

// A radio transmits only in the airband; files keep anything a record can hold.
constexpr FrequencyBand kRadioTransmitBand = kComBand;
constexpr FrequencyBand kFileBand{2'560, kHighestFrequency};
// Half the widest raster step: rounding a frequency this far below a band's top stays
// inside the band.
constexpr Hertz kHalfRasterStep = 12'500;

class Fitter {
public:
    Fitter(EepromImage& image, FitKind kind, const FittingContext& context)
        : image_(image),
          kind_(kind),
          context_(context),
          radio_(context.radio),
          radioSide_(kind == FitKind::kCloneRead || kind == FitKind::kCloneWrite),
          store_(image, context.radio.modelType) {}

    void Run() {
        CopyFromTemplate(kHomeFixedA, 1);
        CopyFromTemplate(kHomeFixedB, 1);
        if (kind_ == FitKind::kFileLoad) {
            KeepTimeOutTimerAllowed(image_, radio_);
        }
        if (!radio_.spacing833Allowed) {
            image_.SetByte(address::kChannelSpacing, 0);
            radio_.channelSpacing = 0;
        }
        if (!radio_.Wx() && radioSide_) {
            CopyFromTemplate(address::kAlertOn, 1);
            CopyFromTemplate(address::kWxAlertDisabled, 1);
        }
        ExchangeSettings();
        FitHome();
        FitBankNames();
        if (!radio_.BankMode() && radioSide_) {
            image_.SetByte(map::kBankCapacities, map::kExportChannelCount);
            for (int bank = 1; bank < map::kBankCount; ++bank) {
                image_.SetByte(map::kBankCapacities + bank, 0);
            }
        }
        CopyFromTemplate(map::kHomeBlock, kHomeFixedSize);
        for (const std::int32_t at : kHomeFixedBytes) {
            CopyFromTemplate(at, 1);
        }
        const std::uint8_t modeBits = image_.GetByte(kHomeModeBits);
        const std::uint8_t templateBits = context_.templateImage.GetByte(kHomeModeBits);
        image_.SetByte(kHomeModeBits,
                       static_cast<std::uint8_t>((modeBits & ~kHomeFixedModeBits) |
                                                 (templateBits & kHomeFixedModeBits)));
        CopyFromTemplate(kHomeName, kHomeNameSize);
        FitChannels();
        CopyFromTemplate(kModelDigitsAddress, static_cast<std::int32_t>(kModelDigits.size()));
        image_.SetByte(kModelTypeAddress, static_cast<std::uint8_t>(radio_.modelType));
    }

private:
    void CopyFromTemplate(std::int32_t at, std::int32_t length) {
        for (std::int32_t i = at; i < at + length; ++i) {
            image_.SetByte(i, context_.templateImage.GetByte(i));
        }
    }

    // A read or load tells the options what the image holds; a write or save puts the
    // options into the image. A byte whose reading already agrees keeps its value, so a
    // setting with more than two values survives the round trip.
    void ExchangeSettings() {
        const bool toSettings = kind_ == FitKind::kCloneRead || kind_ == FitKind::kFileLoad;
        const bool toImage = kind_ == FitKind::kCloneWrite || kind_ == FitKind::kFileSave;
        if (toSettings) {
            SettingsFollowImage(image_, radio_);
        } else if (toImage) {
            PutFlag(address::kDuplex, radio_.duplexEnabled);
            PutFlag(address::kIndicationMode, radio_.nameDisplay);
            PutFlag(address::kVfoDisabled, !radio_.vfoEnabled);
            image_.SetByte(address::kChannelSpacing,
                           static_cast<std::uint8_t>(radio_.channelSpacing));
            image_.SetByte(address::kLightKey, static_cast<std::uint8_t>(radio_.lightKey));
        }
    }

    void PutFlag(std::int32_t at, bool on) {
        if ((image_.GetByte(at) != 0) != on) {
            image_.SetByte(at, on ? 1 : 0);
        }
    }

    Hertz Round(Hertz hertz) const {
        return RoundFrequency(hertz, radio_.channelSpacing, radio_.spacing833Allowed);
    }

    // Rounding may carry a clamped frequency past the top of its band (136.990 MHz is
    // not on the 25 kHz raster); it then takes the highest raster frequency inside.
    Hertz RoundWithin(Hertz hertz, const FrequencyBand& band) const {
        const Hertz rounded = Round(std::clamp(hertz, band.from, band.to));
        return rounded <= band.to ? rounded : Round(band.to - kHalfRasterStep);
    }

    // Frequencies into what the side can hold, on the raster. A read channel transmits
    // apart from its receive frequency only when it receives in the navigation band;
    // anything else the radio handed over is simplex.
    void FitFrequencies(MemoryChannel& channel) const {
        if (radioSide_) {
            channel.rxHz = Round(channel.rxHz);
            channel.txHz = RoundWithin(channel.txHz, kRadioTransmitBand);
        } else {
            channel.rxHz = RoundWithin(channel.rxHz, kFileBand);
            channel.txHz = RoundWithin(channel.txHz, kFileBand);
        }
        if (kind_ == FitKind::kCloneRead && !kNavBand.Contains(channel.rxHz) &&
            channel.rxHz != channel.txHz) {
            channel.txHz = channel.rxHz;
        }
    }

    // Only a duplex-capable VOR radio with banks keeps a duplex bit; in expert mode the
    // image's own duplex setting must allow it too.
    void FitDuplex(MemoryChannel& channel) const {
        const bool allowed = radio_.duplexEnabled &&
                             (!context_.expertMode || image_.GetByte(address::kDuplex) != 0) &&
                             radio_.BankMode() && radio_.Vor();
        if (radioSide_ && !allowed) {
            channel.duplex = false;
        }
    }

    void FitHome() {
        MemoryChannel home = store_.Load(MemoryChannel::kHomeVfo, 0);
        FitFrequencies(home);
        FitDuplex(home);
        BankTable banks(image_);
        if (radio_.BankMode()) {
            banks.ClampBankCursor();
        } else if (radioSide_) {
            image_.SetByte(map::kHomeBank, 0);
        }
        std::uint8_t mode = image_.GetByte(map::kHomeMode);
        if (radioSide_ && !radio_.vfoEnabled) {
            mode = kHomeModeMemory;
        }
        if (mode != kHomeModeVfo && mode != kHomeModeMemory) {
            mode = radio_.vfoEnabled ? kHomeModeVfo : kHomeModeMemory;
        }
        image_.SetByte(map::kHomeMode, mode);
        if (radioSide_ && mode == kHomeModeVfo) {
            CopyFromTemplate(map::kHomeBank, 1 + map::kBankCount);
            banks.ClampBankCursor();
        } else if (radioSide_ && mode == kHomeModeMemory) {
            const MemoryChannel reference =
                TemplateReferenceChannel(context_.templateImage, radio_.modelType);
            home.rxHz = reference.rxHz;
            home.txHz = reference.txHz;
            home.duplex = reference.duplex;
        }
        home.rxHz = Round(home.rxHz);
        home.txHz = Round(home.txHz);
        store_.Store(home);
    }

    void FitBankNames() {
        for (int bank = 0; bank < map::kBankCount; ++bank) {
            const std::int32_t at = map::kBankNames + bank * map::kNameLength;
            std::array<std::uint8_t, map::kNameLength> raw{};
            image_.ReadBlock(at, raw);
            PackedName name{std::string(raw.begin(), raw.end()),
                            image_.GetByte(map::kBankNameDots + bank)};
            ConvertName(name);
            std::copy_n(name.characters.begin(), raw.size(), raw.begin());
            image_.WriteBlock(at, raw);
            image_.SetByte(map::kBankNameDots + bank, name.dotMask);
        }
    }

    // Only what the radio can show survives: lower case becomes upper case, anything
    // else unknown a blank, and eight dashes an empty name.
    static void ConvertName(PackedName& name) {
        std::string shown = UnpackName(name.characters, name.dotMask);
        NormaliseName(shown, kChannelNameRules);
        name = PackName(shown, PackedName{std::string(map::kNameLength, ' '), 0});
    }

    void FitChannels() {
        for (int position = 0; position < map::kChannelCount; ++position) {
            MemoryChannel channel = store_.Load(MemoryChannel::kMemory, position);
            const bool counted = position + 1 <= map::kChannelCount + context_.extraChannels;
            if (!channel.used || (radioSide_ && !counted)) {
                ResetChannel(position);
                continue;
            }
            FitFrequencies(channel);
            if (!radio_.Wx() && radioSide_) {
                channel.wx = MemoryChannel::kWxOff;
            }
            FitDuplex(channel);
            if (radioSide_ && !radio_.nameDisplay) {
                channel.name = std::string(map::kNameLength, ' ');
                channel.dotMask = 0;
            } else {
                PackedName name{channel.name, channel.dotMask};
                ConvertName(name);
                channel.name = name.characters;
                channel.dotMask = name.dotMask;
            }
            store_.Store(channel);
        }
    }

    // An unused entry carries nothing of its own: it takes the template's record and
    // flags and stays unused.
    void ResetChannel(int position) {
        CopyFromTemplate(map::kChannelRecords + position * map::kRecordSize, map::kRecordSize);
        const std::int32_t flags = map::kChannelFlags + position;
        image_.SetByte(flags, static_cast<std::uint8_t>(context_.templateImage.GetByte(flags) |
                                                        map::kFlagBlank));
    }

    EepromImage& image_;
    FitKind kind_;
    const FittingContext& context_;
    RadioConfiguration& radio_;
    bool radioSide_;
    ChannelStore store_;
};

}  // namespace

void KeepTimeOutTimerAllowed(EepromImage& image, const RadioConfiguration& radio) {
    if (!radio.totOffAllowed && image.GetByte(map::kHomeTot) < kLowestTimer) {
        image.SetByte(map::kHomeTot, kDefaultTimer);
    }
}

MemoryChannel TemplateReferenceChannel(const EepromImage& templateImage, std::int32_t modelType) {
    // The store reads through a writable image; the template stays untouched.
    EepromImage templateCopy;
    templateCopy.Assign(templateImage);
    return ChannelStore(templateCopy, modelType)
        .Load(MemoryChannel::kMemory, map::kDefaultChannelPosition);
}

void SettingsFollowImage(const EepromImage& image, RadioConfiguration& radio) {
    namespace address = setting_address;
    radio.duplexEnabled = image.GetByte(address::kDuplex) != 0;
    radio.nameDisplay = image.GetByte(address::kIndicationMode) != 0;
    radio.vfoEnabled = image.GetByte(address::kVfoDisabled) == 0;
    radio.channelSpacing = image.GetByte(address::kChannelSpacing);
    radio.lightKey = image.GetByte(address::kLightKey);
}

void FitImageToModel(EepromImage& image, FitKind kind, const FittingContext& context) {
    Fitter(image, kind, context).Run();
}

}  // namespace orvane
