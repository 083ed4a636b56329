// Reading clone data files: header and data-line rules, out-of-image addresses,
// coverage, line ends, and that a failed load leaves the image as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "image/clone_file_test_fixture.h"
#include "image/range_tables.h"

namespace orvane::testing {
namespace {

struct LoadCase {
    const char* what;
    std::string contents;
    FileError expected;
};

// Filled with a marker so any stray write shows.
constexpr std::uint8_t kMarker = 0xA5;

TEST_F(CloneFileTest, HeaderRules) {
    const LoadCase cases[] = {
        {"empty file", "", FileError::Format},
        {"lone line feed", "\n", FileError::Format},
        {"letter among the digits", "3074000A\n", FileError::Format},
        {"unknown version", "30740002\n", FileError::Extra},
        {"version 8", "30740008\n", FileError::Extra},
        {"other family", "12340001\n", FileError::Model},
        {"nine characters", "307400011\n", FileError::Format},
        {"seven characters", "3074000\n", FileError::Format},
        {"no line feed", "30740001", FileError::Format},
        {"leading blank", " 30740001\n", FileError::Format},
        {"HT-Lk2", "30740001\n", FileError::None},
        {"HT-Lk1", "30740004\n", FileError::None},
        {"HT-Lk1S/Lk2S", "30740005\n", FileError::None},
        {"CR LF", "30740005\r\n", FileError::None},
        {"overlong", std::string(2000, '3') + "\n", FileError::Format},
    };
    for (const LoadCase& c : cases) {
        EXPECT_EQ(LoadContents(c.contents), c.expected) << c.what;
    }
}

TEST_F(CloneFileTest, DataLineRules) {
    const std::string header = "30740001\n";
    const std::string full255 = "0000FF" + std::string(510, 'E');
    const LoadCase cases[] = {
        {"too short", "0000\n", FileError::Format},
        {"count 0", "000000\n", FileError::Format},
        {"seven characters", "0000010\n", FileError::Format},
        {"one byte", "00000112\n", FileError::None},
        {"lower case", "0000010a\n", FileError::None},
        {"non-hex character", "0000011G\n", FileError::Format},
        {"blank inside", "000002 0011\n", FileError::Format},
        {"count larger than the bytes", "00000212\n", FileError::Format},
        {"count smaller than the bytes", "000001123\n", FileError::Format},
        {"255 bytes", full255 + "\n", FileError::None},
        {"longest line plus one", full255 + "E\n", FileError::Format},
        {"overlong", std::string(1200, '0') + "\n", FileError::Format},
        {"last byte of the image", "200F0100\n", FileError::None},
        {"one past the image", "20100100\n", FileError::Data},
        {"crosses the image end", "200810" + std::string(32, '0') + "\n", FileError::Data},
        {"far past the image", "FFF00100\n", FileError::Data},
        {"no final line feed loses a digit", "00000112", FileError::Format},
        {"no final line feed, one spare character", "000001123", FileError::None},
        {"first failing line ends the load", "0000010G\n00000112\n", FileError::Format},
    };
    for (const LoadCase& c : cases) {
        EXPECT_EQ(LoadContents(header + c.contents), c.expected) << c.what;
    }
}

TEST_F(CloneFileTest, EmptyAndCommentLinesAreSkipped) {
    const std::string contents =
        "30740001\n#\n\n#" + std::string(3000, 'x') + "\n\r\n# another\n00100212AB\n\n";
    ASSERT_EQ(LoadContents(contents), FileError::None);
    EXPECT_EQ(image_.GetByte(0x10), 0x12);
    EXPECT_EQ(image_.GetByte(0x11), 0xAB);
}

TEST_F(CloneFileTest, LaterLinesOverwriteEarlierOnes) {
    ASSERT_EQ(LoadContents("30740001\n0100020102\n01010133\n"), FileError::None);
    EXPECT_EQ(image_.GetByte(0x100), 0x01);
    EXPECT_EQ(image_.GetByte(0x101), 0x33);
}

TEST_F(CloneFileTest, AFailedLoadLeavesTheImageAsItWas) {
    const std::string good = SavedDefault(3);
    const std::string failures[] = {
        good + "zz\n",                           // bad line after a full image
        good + "20100100\n",                     // line past the image at the end
        good.substr(0, 9) + "00000112\n0000\n",  // bad line after one good line
        "30740002\n" + good.substr(9),           // bad header
    };
    for (const std::string& contents : failures) {
        image_.Fill(kMarker);
        EXPECT_NE(LoadContents(contents), FileError::None);
        for (std::int32_t a = 0; a < image_.Size(); ++a) {
            ASSERT_EQ(image_.GetByte(a), kMarker) << "address " << a;
        }
    }
}

TEST_F(CloneFileTest, AFailedCoverageCheckInsideLoadAlsoRestores) {
    const std::string good = SavedDefault(0);
    const std::string withoutLastLine = good.substr(0, good.size() - 39);
    const std::string path = directory_.File("short.zcf");
    WriteWholeFile(path, withoutLastLine);
    image_.Fill(kMarker);
    CloneFile file(image_, texts_, prompter_);
    EXPECT_EQ(file.Load(path, FileRanges()), FileError::Coverage);
    EXPECT_EQ(image_.GetByte(0), kMarker);
    EXPECT_EQ(image_.GetByte(0xF8F), kMarker);
    const AddressRange firstLine[] = {{0, 15}, kEndOfRanges};
    EXPECT_EQ(file.CheckCoverage(firstLine), FileError::Coverage) << "nothing counts as loaded";
}

TEST_F(CloneFileTest, CoverageTellsMissingFromSurplus) {
    const std::string good = SavedDefault(0);
    const std::string withoutLastLine = good.substr(0, good.size() - 39);
    const std::string extensionLine = "0FA00100\n";
    struct Case {
        const char* what;
        std::string contents;
        FileError coverage;
    };
    const Case cases[] = {
        {"complete", good, FileError::None},
        {"last line missing", withoutLastLine, FileError::Coverage},
        {"one line beyond the clone area", good + extensionLine, FileError::Data},
        {"missing and beyond", withoutLastLine + extensionLine, FileError::Data},
        {"header only", "30740001\n", FileError::Coverage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = directory_.File("coverage.zcf");
        WriteWholeFile(path, c.contents);
        CloneFile file(image_, texts_, prompter_);
        ASSERT_EQ(file.Load(path), FileError::None);
        EXPECT_EQ(file.CheckCoverage(FileRanges()), c.coverage);
        CloneFile checked(image_, texts_, prompter_);
        EXPECT_EQ(checked.Load(path, FileRanges()), c.coverage);
    }
}

TEST_F(CloneFileTest, CoverageWithoutAListOrAnImageIsMissingData) {
    const std::string path = directory_.File("any.zcf");
    WriteWholeFile(path, SavedDefault(0));
    CloneFile file(image_, texts_, prompter_);
    ASSERT_EQ(file.Load(path), FileError::None);
    EXPECT_EQ(file.CheckCoverage({}), FileError::Coverage);

    EepromImage empty;
    CloneFile onEmpty(empty, texts_, prompter_);
    EXPECT_EQ(onEmpty.Load(path), FileError::Data);  // no address lies in an empty image
    EXPECT_EQ(onEmpty.CheckCoverage(FileRanges()), FileError::Coverage);
}

TEST_F(CloneFileTest, CrLfFilesLoadLikeLfFiles) {
    const std::string lf = SavedDefault(4);
    std::string crlf;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    ASSERT_EQ(LoadContents(lf), FileError::None);
    const EepromImage fromLf = image_;
    image_.Fill(0);
    ASSERT_EQ(LoadContents(crlf), FileError::None);
    EXPECT_TRUE(image_.Equals(fromLf));

    // A carriage return anywhere but before the line feed is still a stray character.
    EXPECT_EQ(LoadContents("30740001\n0000\r0112\n"), FileError::Format);
    EXPECT_EQ(LoadContents("30740001\n00000112\r\r\n"), FileError::Format);
}

TEST_F(CloneFileTest, FailuresShowOneWarningAndSuccessShowsNothing) {
    ASSERT_EQ(LoadContents("30740001\n00000112\n"), FileError::None);
    EXPECT_TRUE(prompter_.shown.empty());

    ASSERT_EQ(LoadContents("12340001\n"), FileError::Model);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].caption, "Orvane");
    EXPECT_EQ(prompter_.shown[0].text, "File error.\n\nIllegal data.");
    EXPECT_EQ(prompter_.shown[0].icon, PromptIcon::Warning);
    EXPECT_EQ(prompter_.shown[0].buttons, PromptButtons::Ok);

    CloneFile file(image_, texts_, prompter_);
    EXPECT_EQ(file.Load(directory_.File("missing.zcf")), FileError::FileOpen);
    EXPECT_EQ(file.Load(directory_.Path().string()), FileError::FileOpen);
    EXPECT_EQ(file.Load("/dev/zero"), FileError::FileOpen);  // an endless line
    const std::string fifo = directory_.File("fifo.zcf");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(file.Load(fifo), FileError::FileOpen);  // no writer: reading would wait
    ASSERT_EQ(prompter_.shown.size(), 5u);
    EXPECT_EQ(prompter_.shown[4].text, "File error.\n\nCannot open the file.");
}

TEST_F(CloneFileTest, TheVersionOfTheCurrentModelIsNotCompared) {
    const std::string path = directory_.File("lk1.zcf");
    WriteWholeFile(path, SavedDefault(3));
    CloneFile file(image_, texts_, prompter_);
    file.SetVersion(ModelVersion(0));
    EXPECT_EQ(file.Load(path, FileRanges()), FileError::None);
    file.SetCode(0x3075);
    EXPECT_EQ(file.Load(path), FileError::Model);
}

}  // namespace
}  // namespace orvane::testing
