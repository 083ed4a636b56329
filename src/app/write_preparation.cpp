#include "app/write_preparation.h"

#include "app/home_setting_block.h"
#include "app/model_handling.h"
#include "image/extension_block.h"
#include "image/image_layout.h"
#include "image/write_range_choice.h"
#include "radio/channel_checks.h"
#include "radio/channel_store.h"
#include "radio/frequency.h"
#include "radio/memory_channel.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

class InvalidChannelRestorer {
public:
    InvalidChannelRestorer(EepromImage& image, const FittingContext& context)
        : radio_(context.radio),
          store_(image, radio_.modelType),
          checks_(image, radio_),
          reference_(TemplateReferenceChannel(context.templateImage, radio_.modelType)) {}

    // A channel that fails any check becomes the reference channel as a whole.
    void RestoreChannels() {
        for (int position = 0; position < memory_map::kChannelCount; ++position) {
            const MemoryChannel channel = store_.Load(MemoryChannel::kMemory, position);
            if (!channel.used || !checks_.AnyCheck(channel, false)) {
                continue;
            }
            MemoryChannel restored = reference_;
            restored.kind = MemoryChannel::kMemory;
            restored.position = position;
            RoundFrequencies(restored);
            store_.Store(restored);
        }
    }

    // The home record keeps its own fields but for the frequencies, WX channel and
    // duplex bit.
    void RestoreHome() {
        MemoryChannel home = store_.Load(MemoryChannel::kHomeVfo, 0);
        if (!checks_.AnyCheck(home, true)) {
            return;
        }
        home.rxHz = reference_.rxHz;
        home.txHz = reference_.txHz;
        home.wx = reference_.wx;
        home.duplex = reference_.duplex;
        RoundFrequencies(home);
        store_.Store(home);
    }

private:
    void RoundFrequencies(MemoryChannel& channel) const {
        channel.rxHz =
            RoundFrequency(channel.rxHz, radio_.channelSpacing, radio_.spacing833Allowed);
        channel.txHz =
            RoundFrequency(channel.txHz, radio_.channelSpacing, radio_.spacing833Allowed);
    }

    const RadioConfiguration& radio_;
    ChannelStore store_;
    ChannelChecks checks_;
    MemoryChannel reference_;
};

}  // namespace

PreparedWrite PrepareWrite(EepromImage& current, const FittingContext& context,
                           const RadioIdentity& identity) {
    KeepTimeOutTimerAllowed(current, context.radio);
    PreparedWrite prepared;
    EepromImage& copy = prepared.image;
    copy.Assign(current);
    FitImageToModel(copy, FitKind::kCloneWrite, context);
    // The checks follow the options as the fitting left them.
    InvalidChannelRestorer restorer(copy, context);
    restorer.RestoreChannels();
    restorer.RestoreHome();
    CopyCurrentSettingsToHomeBlock(copy);
    MirrorHomeBlocks(copy);
    copy.WriteBlock(kExtensionAddress, ExtensionBlock());
    prepared.ranges = ChooseWriteRanges(identity, copy, context.expertMode);
    return prepared;
}

}  // namespace orvane
