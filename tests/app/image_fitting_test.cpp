#include "app/image_fitting.h"

#include <gtest/gtest.h>

#include <array>

#include "app/model_handling.h"
#include "image/image_layout.h"
#include "image/model_type.h"
#include "image/radio_identity.h"
#include "radio/channel_store.h"
#include "radio/memory_map.h"
#include "radio/setting_addresses.h"

namespace orvane {
namespace {

namespace map = memory_map;
namespace address = setting_address;

constexpr std::array kAllKinds{FitKind::kCloneRead, FitKind::kCloneWrite, FitKind::kFileLoad,
                               FitKind::kFileSave};
constexpr int kFromTemplate = -1;

// A template of `radio`'s model and a copy of it that the test changes before fitting.
struct Fixture {
    explicit Fixture(std::int32_t modelType) {
        radio.modelType = modelType;
        templateImage = BuildTemplateImage(radio, false, 9);
        image.Assign(templateImage);
    }
    void Fit(FitKind kind, bool expert = false) {
        FitImageToModel(image, kind, FittingContext{radio, templateImage, expert, 9});
    }
    MemoryChannel Channel(int kind, int position) {
        return ChannelStore(image, radio.modelType).Load(kind, position);
    }
    void Put(const MemoryChannel& channel) { ChannelStore(image, radio.modelType).Store(channel); }

    RadioConfiguration radio;
    EepromImage templateImage;
    EepromImage image;
};

struct ByteCase {
    const char* what;
    std::int32_t address;
    std::uint8_t planted;
    std::array<int, 4> expected;  // kinds 1..4; kFromTemplate: the template's byte
};

// Every byte differs from the template before the pass; an HT-Lk2 without WX and with
// the timer-off and 8.33 kHz options unavailable makes every rule fire somewhere.
TEST(ImageFittingTest, EachKindFixesOrKeepsEveryFittedByte) {
    constexpr int T = kFromTemplate;
    const std::array<ByteCase, 15> cases{{
        {"fixed home setting A", 0xD67, 0x5A, {T, T, T, T}},
        {"fixed home setting B", 0xD6B, 0x5A, {T, T, T, T}},
        {"timer off raised on load", map::kHomeTot, 1, {1, 1, 18, 1}},
        {"8.33 kHz not offered", address::kChannelSpacing, 2, {0, 0, 0, 0}},
        {"WX alert on a radio without WX", address::kAlertOn, 0x77, {T, T, 0x77, 0x77}},
        {"WX alert switch", address::kWxAlertDisabled, 0x77, {T, T, 0x77, 0x77}},
        {"home block start", map::kHomeBlock, 0x99, {T, T, T, T}},
        {"home block end", map::kHomeBlock + 15, 0x99, {T, T, T, T}},
        {"byte after the home channels", 0xE9C, 0x99, {T, T, T, T}},
        {"home record WX byte", map::kHomeVfoRecord + 4, 0x09, {T, T, T, T}},
        {"home record name", map::kHomeVfoRecord + 6, 'Q', {T, T, T, T}},
        {"home record dots", map::kHomeVfoRecord + 14, 0x80, {T, T, T, T}},
        {"model digits", kModelDigitsAddress, '9', {T, T, T, T}},
        {"model type byte", kModelTypeAddress, 7, {0, 0, 0, 0}},
        {"bank name in lower case", map::kBankNames, 'a', {'A', 'A', 'A', 'A'}},
    }};
    for (std::size_t k = 0; k < kAllKinds.size(); ++k) {
        Fixture fixture(0);
        fixture.radio.totOffAllowed = false;
        fixture.radio.spacing833Allowed = false;
        for (const ByteCase& c : cases) {
            ASSERT_NE(fixture.templateImage.GetByte(c.address), c.planted) << c.what;
            fixture.image.SetByte(c.address, c.planted);
        }
        fixture.Fit(kAllKinds[k]);
        for (const ByteCase& c : cases) {
            const int expected = c.expected[k] == kFromTemplate
                                     ? fixture.templateImage.GetByte(c.address)
                                     : c.expected[k];
            EXPECT_EQ(fixture.image.GetByte(c.address), expected)
                << c.what << ", kind " << static_cast<int>(kAllKinds[k]);
        }
    }
}

TEST(ImageFittingTest, ReadAndLoadSetTheOptionsWhileWriteAndSaveSetTheImage) {
    for (const FitKind kind : kAllKinds) {
        Fixture fixture(model_type::kLk1);
        fixture.radio.spacing833Allowed = true;
        fixture.radio.channelSpacing = 2;
        fixture.radio.lightKey = 0;
        fixture.image.SetByte(address::kDuplex, 0);
        fixture.image.SetByte(address::kIndicationMode, 2);  // a third display mode
        fixture.image.SetByte(address::kVfoDisabled, 1);
        fixture.image.SetByte(address::kChannelSpacing, 1);
        fixture.image.SetByte(address::kLightKey, RadioConfiguration::kLightKeyVox);
        fixture.Fit(kind);
        const auto& radio = fixture.radio;
        const auto& image = fixture.image;
        if (kind == FitKind::kCloneRead || kind == FitKind::kFileLoad) {
            EXPECT_FALSE(radio.duplexEnabled);
            EXPECT_TRUE(radio.nameDisplay);
            EXPECT_FALSE(radio.vfoEnabled);
            EXPECT_EQ(radio.channelSpacing, 1);
            EXPECT_TRUE(radio.LightKeyIsVox());
        } else {
            EXPECT_EQ(image.GetByte(address::kDuplex), 1);
            EXPECT_EQ(image.GetByte(address::kIndicationMode), 2) << "agrees, so it is kept";
            EXPECT_EQ(image.GetByte(address::kVfoDisabled), 0);
            EXPECT_EQ(image.GetByte(address::kChannelSpacing), 2);
            EXPECT_EQ(image.GetByte(address::kLightKey), 0);
        }
    }
}

TEST(ImageFittingTest, FrequenciesAreClampedPerSideAndReadChannelsOutsideNavAreSimplex) {
    struct Case {
        FitKind kind;
        Hertz rx, tx, expectedRx, expectedTx;
    };
    const std::array<Case, 6> cases{{
        {FitKind::kCloneWrite, 120'000'000, 100'000'000, 120'000'000, 118'000'000},
        {FitKind::kCloneWrite, 120'000'000, 140'000'000, 120'000'000, 136'975'000},
        {FitKind::kCloneRead, 120'010'000, 130'000'000, 120'000'000, 120'000'000},
        {FitKind::kCloneRead, 112'000'000, 125'000'000, 112'000'000, 125'000'000},
        {FitKind::kFileSave, 120'000'000, 130'000'000, 120'000'000, 130'000'000},
        {FitKind::kFileLoad, 1'000, 300'500'000, 25'000, 299'975'000},
    }};
    for (const Case& c : cases) {
        Fixture fixture(model_type::kLk1);
        fixture.radio.spacing833Allowed = false;
        MemoryChannel channel = fixture.Channel(MemoryChannel::kMemory, 3);
        channel.used = true;
        channel.rxHz = c.rx;
        channel.txHz = c.tx;
        fixture.Put(channel);
        fixture.image.SetByte(map::kHomeMode, 0);
        MemoryChannel home = fixture.Channel(MemoryChannel::kHomeVfo, 0);
        home.rxHz = c.rx;
        home.txHz = c.tx;
        fixture.Put(home);
        fixture.Fit(c.kind);
        for (const int kind : {MemoryChannel::kMemory, MemoryChannel::kHomeVfo}) {
            const MemoryChannel fitted =
                fixture.Channel(kind, kind == MemoryChannel::kMemory ? 3 : 0);
            EXPECT_EQ(fitted.rxHz, c.expectedRx) << "record kind " << kind << " rx " << c.rx;
            EXPECT_EQ(fitted.txHz, c.expectedTx) << "record kind " << kind << " rx " << c.rx;
        }
    }
}

TEST(ImageFittingTest, HomeModeFollowsTheVfoAndTheRadioSideResetsTheOtherMode) {
    Fixture disabled(model_type::kLk1);
    disabled.radio.vfoEnabled = false;
    disabled.image.SetByte(address::kVfoDisabled, 1);
    disabled.image.SetByte(map::kHomeMode, 0);
    MemoryChannel home = disabled.Channel(MemoryChannel::kHomeVfo, 0);
    home.rxHz = home.txHz = 121'500'000;
    disabled.Put(home);
    disabled.Fit(FitKind::kCloneWrite);
    const MemoryChannel reference =
        ChannelStore(disabled.templateImage, model_type::kLk1).Load(MemoryChannel::kMemory, 1);
    EXPECT_EQ(disabled.image.GetByte(map::kHomeMode), 1);
    EXPECT_EQ(disabled.Channel(MemoryChannel::kHomeVfo, 0).rxHz, reference.rxHz);

    Fixture vfo(model_type::kLk1);
    vfo.image.SetByte(map::kHomeMode, 7);
    vfo.image.SetByte(map::kHomeChannels + 2, 55);
    vfo.Fit(FitKind::kCloneRead);
    EXPECT_EQ(vfo.image.GetByte(map::kHomeMode), 0) << "a damaged mode becomes VFO";
    EXPECT_EQ(vfo.image.GetByte(map::kHomeChannels + 2),
              vfo.templateImage.GetByte(map::kHomeChannels + 2));

    Fixture file(model_type::kLk1);
    file.radio.vfoEnabled = false;
    file.image.SetByte(map::kHomeMode, 0);
    file.image.SetByte(map::kBankCapacities + 4, 3);
    file.image.SetByte(map::kHomeChannels + 4, 9);
    file.Fit(FitKind::kFileSave);
    EXPECT_EQ(file.image.GetByte(map::kHomeMode), 0) << "a file keeps its mode";
    EXPECT_EQ(file.image.GetByte(map::kHomeChannels + 4), 2) << "clamped into the bank";
}

TEST(ImageFittingTest, ExportRadioGetsOneListAndHomeBankZero) {
    for (const FitKind kind : {FitKind::kCloneWrite, FitKind::kFileSave}) {
        Fixture fixture(model_type::kExport);
        fixture.image.SetByte(map::kBankCapacities, 40);
        fixture.image.SetByte(map::kBankCapacities + 5, 30);
        fixture.image.SetByte(map::kHomeBank, 6);
        fixture.Fit(kind);
        const bool radio = kind == FitKind::kCloneWrite;
        EXPECT_EQ(fixture.image.GetByte(map::kBankCapacities), radio ? 100 : 40);
        EXPECT_EQ(fixture.image.GetByte(map::kBankCapacities + 5), radio ? 0 : 30);
        EXPECT_EQ(fixture.image.GetByte(map::kHomeBank), radio ? 0 : 6);
    }
}

TEST(ImageFittingTest, ChannelFieldsOnTheRadioSideFollowTheModelAndOptions) {
    for (const FitKind kind : {FitKind::kCloneWrite, FitKind::kFileSave}) {
        Fixture fixture(0);
        fixture.radio.nameDisplay = false;
        MemoryChannel channel = fixture.Channel(MemoryChannel::kMemory, 7);
        channel.used = true;
        channel.rxHz = channel.txHz = 124'000'000;
        channel.name = "tower  x";
        channel.dotMask = 0x40;
        channel.wx = 3;
        channel.duplex = true;
        fixture.Put(channel);
        MemoryChannel unused = fixture.Channel(MemoryChannel::kMemory, 8);
        unused.used = false;
        unused.rxHz = 133'000'000;
        fixture.Put(unused);
        fixture.Fit(kind);
        const bool radio = kind == FitKind::kCloneWrite;
        const MemoryChannel fitted = fixture.Channel(MemoryChannel::kMemory, 7);
        EXPECT_EQ(fitted.name, radio ? "        " : "TOWER  X");
        EXPECT_EQ(fitted.dotMask, radio ? 0 : 0x40);
        EXPECT_EQ(fitted.wx, radio ? MemoryChannel::kWxOff : 3);
        EXPECT_EQ(fitted.duplex, !radio);
        const MemoryChannel reset = fixture.Channel(MemoryChannel::kMemory, 8);
        EXPECT_FALSE(reset.used);
        EXPECT_EQ(reset.rxHz,
                  ChannelStore(fixture.templateImage, 0).Load(MemoryChannel::kMemory, 8).rxHz);
    }
}

TEST(ModelHandlingTest, AdoptedModelIsAlwaysOneTheMenusOffer) {
    const std::array<std::pair<std::uint8_t, std::int32_t>, 7> fileTypes{
        {{0, 0}, {1, 3}, {3, 3}, {4, 4}, {6, 4}, {7, 4}, {200, 3}}};
    for (const auto& [stored, expected] : fileTypes) {
        EepromImage image;
        image.Resize(kImageCapacity);
        image.SetByte(kModelTypeAddress, stored);
        EXPECT_EQ(AdoptedModelType(image, FitKind::kFileLoad, RadioIdentity{}), expected)
            << int{stored};
        EXPECT_EQ(AdoptedModelType(image, FitKind::kFileSave, RadioIdentity{}), 3);
    }
    const std::array<std::pair<std::uint8_t, std::int32_t>, 4> radioFlags{
        {{0x00, 0}, {0x0C, 3}, {0x08, 3}, {0x0D, 4}}};
    for (const auto& [flags, expected] : radioFlags) {
        std::array<std::uint8_t, RadioIdentity::kSize> bytes{};
        bytes[16] = flags;
        EepromImage image;
        image.Resize(kImageCapacity);
        EXPECT_EQ(AdoptedModelType(image, FitKind::kCloneRead, RadioIdentity(bytes)), expected)
            << int{flags};
    }
}

TEST(ModelHandlingTest, HomeBlocksAreCopiedThreeTimes) {
    EepromImage image;
    image.Resize(kImageCapacity);
    image.SetByte(map::kHomeBlock + 31, 0x31);
    image.SetByte(map::kHomeVfoRecord + 15, 0x15);
    image.SetByte(map::kHomeVfoRecord + 16, 0x77);  // between the first and second copies
    MirrorHomeBlocks(image);
    for (int copy = 1; copy < map::kHomeCopyCount; ++copy) {
        EXPECT_EQ(image.GetByte(map::kHomeBlock + 64 * copy + 31), 0x31);
        EXPECT_EQ(image.GetByte(map::kHomeVfoRecord + 64 * copy + 15), 0x15);
    }
    EXPECT_EQ(image.GetByte(map::kHomeVfoRecord + 16), 0x77) << "outside every copy";
}

}  // namespace
}  // namespace orvane
