// "orvane-cli new" as a real process with its own settings directory: the file it saves
// opens again as the model asked for or stored, and nothing is written on any failure.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_settings.h"
#include "image/scratch_directory.h"
#include "qt/qt_settings_store.h"
#include "support/fake_instance_lock.h"
#include "support/process_runner.h"

namespace orvane::testing {
namespace {

class CliNewTest : public ::testing::Test {
protected:
    std::string ConfigDirectory() const { return directory_.File("config"); }

    ProcessResult Run(const std::vector<std::string>& arguments) const {
        return RunProcess(
            ORVANE_CLI_PATH, arguments,
            {"HOME=" + directory_.Path().string(), "XDG_CONFIG_HOME=" + ConfigDirectory()});
    }

    // The settings file as the desktop program leaves it with `modelType` chosen.
    std::string StoreModel(std::int32_t modelType) const {
        const std::string path = ConfigDirectory() + "/Zelk/Orvane.ini";
        QtSettingsStore store(QString::fromStdString(path), AppSettings::kRegistryPath);
        FakeInstanceLock lock;
        AppSettings settings(store, lock, ScreenSize{1024, 768}, {"orvane"});
        settings.Radio.modelType = modelType;
        settings.Save();
        return path;
    }

    // The line check prints for the file, or its error.
    std::string CheckLine(const std::string& path) const {
        const ProcessResult result = Run({"check", path});
        return result.exitCode == 0 ? result.out : result.err;
    }

    ScratchDirectory directory_;
};

TEST_F(CliNewTest, EachModelsNewDataOpensAsThatModel) {
    struct Case {
        std::string option;
        std::string model;
    };
    const Case cases[] = {
        {"HT-Lk1", "HT-Lk1"}, {"HT-Lk2", "HT-Lk2"}, {"ht-lk1s/lk2s", "HT-Lk1S/Lk2S"}};
    std::vector<std::string> contents;
    for (const Case& c : cases) {
        const std::string path = directory_.File("new" + std::to_string(contents.size()) + ".zcf");
        const ProcessResult result = Run({"new", "--model", c.option, "-o", path});
        EXPECT_EQ(result.exitCode, 0) << c.option << ": " << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(CheckLine(path), path + ": OK (" + c.model + ")\n");
        contents.push_back(ReadWholeFile(path));
    }
    EXPECT_NE(contents[0], contents[1]);
    EXPECT_NE(contents[0], contents[2]);
    EXPECT_FALSE(std::filesystem::exists(ConfigDirectory())) << "the settings are never written";
}

TEST_F(CliNewTest, WithoutAModelTheStoredOneIsUsedAndTheSettingsStayAsTheyWere) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {0, "HT-Lk2"}, {4, "HT-Lk1S/Lk2S"}, {3, "HT-Lk1"}};
    for (const auto& [stored, model] : cases) {
        const std::string settingsPath = StoreModel(stored);
        const std::string before = ReadWholeFile(settingsPath);
        const std::string path = directory_.File("stored" + std::to_string(stored) + ".zcf");
        EXPECT_EQ(Run({"new", "-o", path}).exitCode, 0);
        EXPECT_EQ(CheckLine(path), path + ": OK (" + model + ")\n");
        EXPECT_EQ(ReadWholeFile(settingsPath), before);
    }
}

TEST_F(CliNewTest, UsageErrorsExitTwoAndWriteNothing) {
    const std::string path = directory_.File("usage.zcf");
    const std::vector<std::string> cases[] = {
        {"new"},
        {"new", "-o"},
        {"new", "--model", "HT-Lk1"},
        {"new", "--model", "HT-Lk3", "-o", path},
        {"new", "--model", "-o", path},
        {"new", "-o", path, "extra.zcf"},
        {"new", "--port", "1", "-o", path},
    };
    for (const std::vector<std::string>& arguments : cases) {
        const ProcessResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.size();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("Usage: orvane-cli new [--model MODEL] -o FILE"),
                  std::string::npos)
            << result.err;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST_F(CliNewTest, AnUnwritableTargetFailsWithTheFileErrorAndLeavesNoFile) {
    const std::string missingDirectory = directory_.File("missing/new.zcf");
    const std::string directoryTarget = directory_.File("folder.zcf");
    std::filesystem::create_directory(directoryTarget);
    for (const std::string& path : {missingDirectory, directoryTarget}) {
        const ProcessResult result = Run({"new", "--model", "HT-Lk2", "-o", path});
        EXPECT_EQ(result.exitCode, 1) << path;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "File error.\n\nCannot open the file.\n");
    }
    EXPECT_FALSE(std::filesystem::exists(missingDirectory));
    EXPECT_TRUE(std::filesystem::is_directory(directoryTarget));
    EXPECT_TRUE(std::filesystem::is_empty(directoryTarget));
}

TEST_F(CliNewTest, HelpDocumentsTheVerb) {
    EXPECT_NE(Run({"--help"}).out.find("  new "), std::string::npos);
    const ProcessResult help = Run({"help", "new"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text : {"Usage: orvane-cli new [--model MODEL] -o FILE", "--model MODEL",
                             "HT-Lk1S/Lk2S", "-o FILE"}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace orvane::testing
