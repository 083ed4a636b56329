#include "app/image_adoption.h"

#include "app/app_settings.h"
#include "app/document.h"
#include "app/model_handling.h"
#include "app/model_host.h"

namespace orvane {

void AdoptImage(const AdoptionContext& context, FitKind kind, const RadioIdentity& identity) {
    EepromImage& image = context.document.Current();
    context.host.ChangeModel(AdoptedModelType(image, kind, identity));
    // The template is the adopted model's only once the model has changed.
    FitImageToModel(image, kind,
                    {context.settings.Radio, context.document.Template(), context.expertMode,
                     context.settings.ExtraChannels});
    MirrorHomeBlocks(image);
}

}  // namespace orvane
