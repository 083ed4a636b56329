#pragma once
// Shared set-up of the clone data file tests: the real text store, a prompter that
// records what would be shown, a scratch directory and an image of the program's size.

#include <gtest/gtest.h>

#include <string>

#include "image/clone_file.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/scratch_directory.h"
#include "support/scripted_prompter.h"
#include "text/text_store.h"

namespace orvane::testing {

class CloneFileTest : public ::testing::Test {
protected:
    CloneFileTest() {
        texts_.SetSource(MainResource());
        image_.Resize(kImageCapacity);
    }

    // The default image of `modelType` saved as that model would save it.
    std::string SavedDefault(int modelType, const std::string& name = "saved.zcf") {
        EepromImage image;
        image.Resize(kImageCapacity);
        PrepareDefaultImage(image, modelType);
        CloneFile file(image, texts_, prompter_);
        file.SetVersion(ModelVersion(modelType));
        const std::string path = directory_.File(name);
        EXPECT_EQ(file.Save(path), FileError::None);
        return ReadWholeFile(path);
    }

    // Loads `contents` into image_ without a range list.
    FileError LoadContents(const std::string& contents) {
        const std::string path = directory_.File("load.zcf");
        WriteWholeFile(path, contents);
        CloneFile file(image_, texts_, prompter_);
        return file.Load(path);
    }

    TextStore texts_;
    ScriptedPrompter prompter_;
    ScratchDirectory directory_;
    EepromImage image_;
};

}  // namespace orvane::testing
