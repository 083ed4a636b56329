// Saving and loading a full clone data file (the 4000-byte clone area, 252 lines).
// Save includes flushing the file to the disk before it replaces the old one, so its
// figure follows the file system under the temporary directory.

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "image/clone_file.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

class AnswerOkPrompter final : public Prompter {
public:
    PromptAnswer Ask(const Prompt&) override { return PromptAnswer::Ok; }
};

struct Fixture {
    Fixture() {
        texts.SetSource(MainResource());
        image.Resize(kImageCapacity);
        PrepareDefaultImage(image, 3);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
        directory = mkdtemp(pattern.data()) ? pattern : std::string();
        path = directory + "/bench.zcf";
    }
    ~Fixture() {
        std::error_code error;
        std::filesystem::remove_all(directory, error);
    }

    TextStore texts;
    AnswerOkPrompter prompter;
    EepromImage image;
    std::string directory;
    std::string path;
};

void BM_SaveFullImage(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        CloneFile file(fixture.image, fixture.texts, fixture.prompter);
        file.SetVersion(ModelVersion(3));
        if (file.Save(fixture.path) != FileError::None) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveFullImage)->Unit(benchmark::kMicrosecond);

void BM_LoadFullImage(benchmark::State& state) {
    Fixture fixture;
    CloneFile writer(fixture.image, fixture.texts, fixture.prompter);
    writer.SetVersion(ModelVersion(3));
    if (writer.Save(fixture.path) != FileError::None) {
        state.SkipWithError("save failed");
        return;
    }
    EepromImage target;
    target.Resize(kImageCapacity);
    for (auto _ : state) {
        CloneFile file(target, fixture.texts, fixture.prompter);
        if (file.Load(fixture.path, FileRanges()) != FileError::None) {
            state.SkipWithError("load failed");
            break;
        }
    }
}
BENCHMARK(BM_LoadFullImage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
