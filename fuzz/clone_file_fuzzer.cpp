// Feeds arbitrary bytes to the clone data file reader. Besides the sanitizers it checks
// the reader's promises: a failed load leaves the image exactly as it was and shows one
// message, a successful one shows none and keeps the image size, and a file that covers
// the clone area saves and loads back to the same clone area.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "image/clone_file.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

using fuzz::AbortingFatalHandler;
using fuzz::CountingPrompter;
using fuzz::Require;

struct Harness {
    Harness() {
        SetFatalHandler(&fatalHandler);
        texts.SetSource(MainResource());
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        directory = pattern;
        input = directory + "/input.zcf";
        output = directory + "/output.zcf";
    }

    AbortingFatalHandler fatalHandler;
    TextStore texts;
    std::string directory;
    std::string input;
    std::string output;
};

Harness& TheHarness() {
    static Harness harness;
    return harness;
}

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr, "the input file can be written");
    Require(std::fwrite(data, 1, size, file) == size, "the input is written whole");
    std::fclose(file);
}

// After a complete load, saving and loading again must give the same clone area.
void CheckRoundTrip(Harness& harness, const EepromImage& loaded) {
    CountingPrompter prompter;
    EepromImage source = loaded;
    CloneFile writer(source, harness.texts, prompter);
    Require(writer.Save(harness.output) == FileError::None, "a loaded image saves");
    EepromImage reloaded;
    reloaded.Resize(kImageCapacity);
    CloneFile reader(reloaded, harness.texts, prompter);
    Require(reader.Load(harness.output, FileRanges()) == FileError::None, "a saved file loads");
    for (std::int32_t address = 0; address < kCloneAreaSize; ++address) {
        Require(reloaded.GetByte(address) == loaded.GetByte(address), "the round trip is exact");
    }
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    Harness& harness = TheHarness();
    WriteInput(harness.input, data, size);

    // A recognisable pattern, so any byte the load touches shows.
    EepromImage image;
    image.Resize(kImageCapacity);
    for (std::int32_t address = 0; address < image.Size(); ++address) {
        image.SetByte(address, static_cast<std::uint8_t>(address * 7 + 3));
    }
    const EepromImage before = image;

    CountingPrompter prompter;
    CloneFile file(image, harness.texts, prompter);
    const FileError result = file.Load(harness.input);
    if (result != FileError::None) {
        Require(image.Equals(before), "a failed load leaves the image unchanged");
        Require(prompter.shown == 1, "a failed load shows one message");
        return 0;
    }
    Require(prompter.shown == 0, "a successful load shows nothing");
    Require(image.Size() == before.Size(), "a load keeps the image size");
    if (file.CheckCoverage(FileRanges()) == FileError::None) {
        CheckRoundTrip(harness, image);
    }
    return 0;
}
