// "orvane-cli check" as a real process on real files: one line per file, the file error
// codes of the Open command, and the exit status.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/clone_file.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/scratch_directory.h"
#include "support/process_runner.h"
#include "support/scripted_prompter.h"
#include "text/text_store.h"

namespace orvane::testing {
namespace {

class CliCheckTest : public ::testing::Test {
protected:
    CliCheckTest() { texts_.SetSource(MainResource()); }

    // A default image saved with `modelByte` as its model type.
    std::string WriteModelFile(const std::string& name, int modelType, int modelByte) {
        EepromImage image;
        image.Resize(kImageCapacity);
        PrepareDefaultImage(image, modelType);
        image.SetByte(kModelTypeAddress, static_cast<std::uint8_t>(modelByte));
        CloneFile file(image, texts_, prompter_);
        file.SetVersion(ModelVersion(modelType));
        const std::string path = directory_.File(name);
        EXPECT_EQ(file.Save(path), FileError::None);
        return path;
    }

    std::string WriteTextFile(const std::string& name, const std::string& contents) {
        const std::string path = directory_.File(name);
        WriteWholeFile(path, contents);
        return path;
    }

    std::string GoodText() { return ReadWholeFile(WriteModelFile("good.zcf", 3, 3)); }

    // Checks with no stored settings, whatever the user running the tests has stored.
    ProcessResult Check(const std::vector<std::string>& files) const {
        std::vector<std::string> arguments{"check"};
        arguments.insert(arguments.end(), files.begin(), files.end());
        return RunProcess(ORVANE_CLI_PATH, arguments,
                          {"XDG_CONFIG_HOME=" + directory_.File("config")});
    }

    TextStore texts_;
    ScriptedPrompter prompter_;
    ScratchDirectory directory_;
};

TEST_F(CliCheckTest, GoodFilesNameTheirModel) {
    struct Case {
        int modelType;
        int modelByte;
        std::string model;
    };
    const Case cases[] = {
        {0, 0, "HT-Lk2"},
        {3, 3, "HT-Lk1"},
        {4, 4, "HT-Lk1S/Lk2S"},
        // The model the open command selects, not the type byte as it stands.
        {0, 1, "HT-Lk1"},        // a type no menu offers
        {3, 5, "HT-Lk1S/Lk2S"},  // an export variant
        {4, 255, "HT-Lk1"},      // no type at all
    };
    for (const Case& c : cases) {
        const std::string path = WriteModelFile("model" + std::to_string(c.modelByte) + ".zcf",
                                                c.modelType, c.modelByte);
        const ProcessResult result = Check({path});
        EXPECT_EQ(result.exitCode, 0) << c.model;
        EXPECT_EQ(result.out, path + ": OK (" + c.model + ")\n");
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliCheckTest, EachKindOfBadFileGetsItsCode) {
    const std::string good = GoodText();
    const std::string withoutLastLine = good.substr(0, good.size() - 39);
    // The identity line with the digits "30740002".
    const std::string wrongIdentity = withoutLastLine + "0F901020205A454C4B20203330373430303032\n";
    std::filesystem::create_directory(directory_.Path() / "folder.zcf");
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {directory_.File("missing.zcf"), "file error 1: Cannot open the file."},
        {directory_.File("folder.zcf"), "file error 1: Cannot open the file."},
        {WriteTextFile("empty.zcf", ""), "file error 6: Illegal data."},
        {WriteTextFile("family.zcf", "12340001\n" + good.substr(9)), "file error 3: Illegal data."},
        {WriteTextFile("version.zcf", "30740002\n" + good.substr(9)),
         "file error 4: Illegal data."},
        {WriteTextFile("line.zcf", good + "00001\n"), "file error 6: Illegal data."},
        {WriteTextFile("short.zcf", withoutLastLine), "file error 8: Illegal data."},
        {WriteTextFile("coverage.zcf", withoutLastLine.substr(0, withoutLastLine.size() - 39) +
                                           good.substr(good.size() - 39)),
         "file error 7: There is not enough data."},
        {WriteTextFile("extra.zcf", good + "0FA00100\n"), "file error 8: Illegal data."},
        {WriteTextFile("outside.zcf", good + "20100100\n"), "file error 8: Illegal data."},
        {WriteTextFile("identity.zcf", wrongIdentity), "file error 8: Illegal data."},
    };
    for (const Case& c : cases) {
        const ProcessResult result = Check({c.path});
        EXPECT_EQ(result.exitCode, 1) << c.path;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.path + ": " + c.message + "\n");
    }
}

TEST_F(CliCheckTest, OneLinePerFileInOrderAndAnyFailureFails) {
    const std::string lk1 = WriteModelFile("lk1.zcf", 3, 3);
    const std::string lk2 = WriteModelFile("lk2.zcf", 0, 0);
    const std::string bad = WriteTextFile("bad.zcf", "nonsense\n");

    const ProcessResult allGood = Check({lk1, lk2});
    EXPECT_EQ(allGood.exitCode, 0);
    EXPECT_EQ(allGood.out, lk1 + ": OK (HT-Lk1)\n" + lk2 + ": OK (HT-Lk2)\n");

    const ProcessResult mixed = Check({lk1, bad, lk2});
    EXPECT_EQ(mixed.exitCode, 1);
    EXPECT_EQ(mixed.out, lk1 + ": OK (HT-Lk1)\n" + lk2 + ": OK (HT-Lk2)\n");
    EXPECT_EQ(mixed.err, bad + ": file error 6: Illegal data.\n");
}

TEST_F(CliCheckTest, AFileNamedLikeAnOptionFollowsTheDoubleDash) {
    const std::string good = GoodText();
    const std::string dashed = WriteTextFile("-dashed.zcf", good);
    const ProcessResult rejected = RunProcess(ORVANE_CLI_PATH, {"check", "-dashed.zcf"});
    EXPECT_EQ(rejected.exitCode, 2);
    const ProcessResult accepted = RunProcess(ORVANE_CLI_PATH, {"check", "--", dashed});
    EXPECT_EQ(accepted.exitCode, 0);
    EXPECT_EQ(accepted.out, dashed + ": OK (HT-Lk1)\n");
}

TEST_F(CliCheckTest, FileNamesPassThroughTheParserByteForByte) {
    const std::string good = GoodText();
    // Not UTF-8 (a Latin-1 e acute), a blank, and what looks like an option's value.
    for (const std::string name : {"club-\xe9.zcf", "two words.zcf", "--port=1.zcf"}) {
        const std::string path = WriteTextFile(name, good);
        const ProcessResult result = Check({"--", path});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, path + ": OK (HT-Lk1)\n");
    }
}

TEST_F(CliCheckTest, UsageErrorsExitTwo) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"check"}, {"check", "--"}, {"check", "-x", "a.zcf"}}) {
        const ProcessResult result = RunProcess(ORVANE_CLI_PATH, arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("Usage: orvane-cli check FILE..."), std::string::npos);
    }
}

TEST_F(CliCheckTest, HelpDocumentsTheVerb) {
    const ProcessResult list = RunProcess(ORVANE_CLI_PATH, {"--help"});
    EXPECT_NE(list.out.find("  check "), std::string::npos);
    const ProcessResult help = RunProcess(ORVANE_CLI_PATH, {"help", "check"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: orvane-cli check FILE..."), std::string::npos);
    EXPECT_NE(help.out.find("FILE: file error N: TEXT"), std::string::npos);
    EXPECT_NE(help.out.find("Exit status: 0 when every file passed"), std::string::npos);
    EXPECT_EQ(RunProcess(ORVANE_CLI_PATH, {"check", "--help"}).out, help.out);
}

}  // namespace
}  // namespace orvane::testing
