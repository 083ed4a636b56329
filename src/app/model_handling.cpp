#include "app/model_handling.h"

#include "image/default_images.h"
#include "image/image_layout.h"
#include "image/model_type.h"
#include "image/radio_identity.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

void CopyBlock(EepromImage& image, std::int32_t from, std::int32_t to, std::int32_t length) {
    for (std::int32_t i = 0; i < length; ++i) {
        image.SetByte(to + i, image.GetByte(from + i));
    }
}

}  // namespace

EepromImage BuildTemplateImage(RadioConfiguration& radio, bool expertMode,
                               std::int32_t extraChannels) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, radio.modelType);
    FitImageToModel(image, FitKind::kTemplate,
                    FittingContext{radio, image, expertMode, extraChannels});
    MirrorHomeBlocks(image);
    return image;
}

void MirrorHomeBlocks(EepromImage& image) {
    using namespace memory_map;
    for (std::int32_t copy = 1; copy < kHomeCopyCount; ++copy) {
        const std::int32_t offset = copy * kHomeCopyStride;
        CopyBlock(image, kHomeBlock, kHomeBlock + offset, kHomeBlockSize);
        CopyBlock(image, kHomeVfoRecord, kHomeVfoRecord + offset, kRecordSize);
    }
}

std::int32_t SelectableModelType(std::int32_t modelType) {
    if (modelType < 0 || modelType > model_type::kHighest) {
        return model_type::kLk1;
    }
    if ((modelType & model_type::kExport) != 0) {
        return model_type::kLk1S;
    }
    return modelType == model_type::kLk2 ? model_type::kLk2 : model_type::kLk1;
}

std::int32_t AdoptedModelType(const EepromImage& image, FitKind kind,
                              const RadioIdentity& identity) {
    switch (kind) {
        case FitKind::kCloneRead:
            return SelectableModelType(identity.ModelType());
        case FitKind::kFileLoad:
            return SelectableModelType(image.GetByte(kModelTypeAddress));
        default:
            return model_type::kLk1;
    }
}

}  // namespace orvane
