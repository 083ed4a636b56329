// Writes the default image of each model type as a clone data file into the directory
// given, as starting points for the fuzzer.

#include <cstdio>
#include <string>

#include "image/clone_file.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "platform/prompter.h"
#include "text/text_store.h"

namespace {

class ReportingPrompter final : public orvane::Prompter {
public:
    orvane::PromptAnswer Ask(const orvane::Prompt& prompt) override {
        std::fprintf(stderr, "%s\n", prompt.text.c_str());
        return orvane::PromptAnswer::Ok;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: clone_file_seeds DIRECTORY\n");
        return 2;
    }
    orvane::TextStore texts;
    texts.SetSource(orvane::MainResource());
    ReportingPrompter prompter;
    for (int modelType : {0, 3, 4}) {
        orvane::EepromImage image;
        image.Resize(orvane::kImageCapacity);
        orvane::PrepareDefaultImage(image, modelType);
        orvane::CloneFile file(image, texts, prompter);
        file.SetVersion(orvane::ModelVersion(modelType));
        file.SetComment("SEED " + std::to_string(modelType));
        const std::string path =
            std::string(argv[1]) + "/default" + std::to_string(modelType) + ".zcf";
        if (file.Save(path) != orvane::FileError::None) {
            return 1;
        }
    }
    return 0;
}
