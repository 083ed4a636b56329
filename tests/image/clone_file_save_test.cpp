// Writing clone data files: the exact text, round trips for every model type, and that
// a save which fails reports it and leaves the file it would have replaced.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <vector>

#include "image/clone_file_test_fixture.h"

namespace orvane::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::size_t FilesIn(const std::filesystem::path& directory) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory),
                                                  std::filesystem::directory_iterator()));
}

const std::string kOldContents = "30740001\n# the previous file\n";

TEST_F(CloneFileTest, DefaultImageSavesAs252Lines) {
    const std::string text = SavedDefault(0);
    ASSERT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 252u);
    EXPECT_EQ(lines[0], "30740001");
    EXPECT_EQ(lines[1], "#");
    EXPECT_EQ(lines[2], "000010FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(lines[3], "001010305C305C00002D2D2D2D2D2D2D2D0000");
    EXPECT_EQ(lines[251], "0F901020205A454C4B20203330373430303031");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        char prefix[7];
        std::snprintf(prefix, sizeof prefix, "%04zX10", (i - 2) * 16);
        ASSERT_EQ(lines[i].size(), 38u) << i;
        ASSERT_EQ(lines[i].substr(0, 6), prefix) << i;
    }
}

TEST_F(CloneFileTest, HeaderCarriesTheModelVersion) {
    const std::pair<int, std::string> cases[] = {{0, "30740001"}, {3, "30740004"}, {4, "30740005"}};
    for (const auto& [type, header] : cases) {
        EXPECT_EQ(Lines(SavedDefault(type))[0], header) << type;
    }
}

// The three models round-trip; the other types would write a version that no reader
// accepts, so their save fails and writes nothing.
TEST_F(CloneFileTest, EveryModelTypeRoundTripsOrRefusesToSave) {
    for (int type = 0; type < 8; ++type) {
        SCOPED_TRACE(type);
        const bool readable = type == 0 || type == 3 || type == 4;
        EepromImage original;
        original.Resize(kImageCapacity);
        PrepareDefaultImage(original, type);
        // Every byte value once, so no hex digit pair escapes the check.
        for (int value = 0; value < 256; ++value) {
            original.SetByte(0x100 + value, static_cast<std::uint8_t>(value));
        }
        const std::string path = directory_.File("round" + std::to_string(type) + ".zcf");
        CloneFile writer(original, texts_, prompter_);
        writer.SetVersion(ModelVersion(type));
        const std::size_t promptsBefore = prompter_.shown.size();
        if (!readable) {
            EXPECT_EQ(writer.Save(path), FileError::Extra);
            EXPECT_FALSE(std::filesystem::exists(path));
            EXPECT_EQ(prompter_.shown.size(), promptsBefore + 1);
            continue;
        }
        ASSERT_EQ(writer.Save(path), FileError::None);

        EepromImage loaded;
        loaded.Resize(kImageCapacity);
        CloneFile reader(loaded, texts_, prompter_);
        ASSERT_EQ(reader.Load(path, FileRanges()), FileError::None);
        for (std::int32_t a = 0; a < kImageCapacity; ++a) {
            ASSERT_EQ(loaded.GetByte(a), a < kCloneAreaSize ? original.GetByte(a) : 0) << a;
        }
        EXPECT_EQ(prompter_.shown.size(), promptsBefore);
    }
}

TEST_F(CloneFileTest, CommentIsCleanedToOneLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "#"},
        {"   ", "#"},
        {"TOWER 1", "#TOWER 1"},
        {"A\nB\x01"
         "C\x7F\xE9  ",
         "#A B C"},
        {"  lead", "#  lead"},
    };
    for (const auto& [comment, line] : cases) {
        PrepareDefaultImage(image_, 0);
        CloneFile file(image_, texts_, prompter_);
        file.SetComment(comment);
        const std::string path = directory_.File("comment.zcf");
        ASSERT_EQ(file.Save(path), FileError::None);
        const std::vector<std::string> lines = Lines(ReadWholeFile(path));
        ASSERT_EQ(lines.size(), 252u);
        EXPECT_EQ(lines[1], line);
    }
}

TEST_F(CloneFileTest, LinesNeverCrossASixteenByteBoundary) {
    PrepareDefaultImage(image_, 0);
    const AddressRange ranges[] = {{0x00E, 0x022}, {0x030, 0x030}, kEndOfRanges, {0, 9}};
    CloneFile file(image_, texts_, prompter_);
    const std::string path = directory_.File("ranges.zcf");
    ASSERT_EQ(file.Save(path, ranges), FileError::None);
    const std::vector<std::string> lines = Lines(ReadWholeFile(path));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2], "000E02FFFF");
    EXPECT_EQ(lines[3], "001010305C305C00002D2D2D2D2D2D2D2D0000");
    EXPECT_EQ(lines[4], "002003FFFFFF");
    EXPECT_EQ(lines[5], "003001FF");
}

TEST_F(CloneFileTest, SavingStopsAtTheFirstRangeOutsideTheImage) {
    const AddressRange ranges[] = {{0, 15}, {0x2000, 0x2010}, {0x20, 0x2F}, kEndOfRanges};
    CloneFile file(image_, texts_, prompter_);
    const std::string path = directory_.File("outside.zcf");
    ASSERT_EQ(file.Save(path, ranges), FileError::None);
    EXPECT_EQ(Lines(ReadWholeFile(path)).size(), 3u);
}

TEST_F(CloneFileTest, SaveReplacesTheWholeFileAndKeepsItsPermissions) {
    const std::string path = directory_.File("existing.zcf");
    WriteWholeFile(path, std::string(100000, 'x'));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    PrepareDefaultImage(image_, 0);
    CloneFile file(image_, texts_, prompter_);
    ASSERT_EQ(file.Save(path), FileError::None);
    EXPECT_EQ(ReadWholeFile(path), SavedDefault(0, "reference.zcf"));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(FilesIn(directory_.Path()), 2u) << "no temporary file is left behind";
}

TEST_F(CloneFileTest, SavingThroughALinkUpdatesTheLinkedFile) {
    const std::string target = directory_.File("target.zcf");
    const std::string link = directory_.File("link.zcf");
    WriteWholeFile(target, kOldContents);
    std::filesystem::create_symlink(target, link);
    CloneFile file(image_, texts_, prompter_);
    ASSERT_EQ(file.Save(link), FileError::None);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_NE(ReadWholeFile(target), kOldContents);
}

TEST_F(CloneFileTest, UnwritableTargetsFailWithCodeOne) {
    std::filesystem::create_directory(directory_.Path() / "folder.zcf");
    const std::string targets[] = {
        directory_.File("no-such-directory/file.zcf"),
        directory_.File("folder.zcf"),
        directory_.File("folder.zcf/"),
        "",
    };
    for (const std::string& target : targets) {
        CloneFile file(image_, texts_, prompter_);
        EXPECT_EQ(file.Save(target), FileError::FileOpen) << target;
    }
    ASSERT_EQ(prompter_.shown.size(), std::size(targets));
    EXPECT_EQ(prompter_.shown[0].text, "File error.\n\nCannot open the file.");
    EXPECT_TRUE(std::filesystem::is_directory(directory_.Path() / "folder.zcf"));
    EXPECT_EQ(FilesIn(directory_.Path()), 1u);
}

TEST_F(CloneFileTest, ReadOnlyFileOrDirectoryIsLeftIntact) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root: permission bits do not stop writes";
    }
    const std::string readOnlyFile = directory_.File("read-only.zcf");
    WriteWholeFile(readOnlyFile, kOldContents);
    ASSERT_EQ(chmod(readOnlyFile.c_str(), 0444), 0);

    const std::filesystem::path lockedDirectory = directory_.Path() / "locked";
    std::filesystem::create_directory(lockedDirectory);
    const std::string inLockedDirectory = (lockedDirectory / "old.zcf").string();
    WriteWholeFile(inLockedDirectory, kOldContents);
    ASSERT_EQ(chmod(lockedDirectory.c_str(), 0555), 0);

    for (const std::string& target : {readOnlyFile, inLockedDirectory}) {
        CloneFile file(image_, texts_, prompter_);
        EXPECT_EQ(file.Save(target), FileError::FileOpen) << target;
        EXPECT_EQ(ReadWholeFile(target), kOldContents) << target;
    }
    EXPECT_EQ(FilesIn(lockedDirectory), 1u);
}

// A write that fails halfway (here: at the file size limit) is reported as code 2 and
// leaves the old file and no temporary file. Runs in a child process, because the limit
// would also hit the test's own output.
TEST_F(CloneFileTest, AWriteFailureReportsCodeTwoAndKeepsTheOldFile) {
    const std::string path = directory_.File("old.zcf");
    WriteWholeFile(path, kOldContents);
    PrepareDefaultImage(image_, 0);
    const auto saveUnderLimit = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::size_t filesWhileShown = 0;
        prompter_.whenShown = [&](const Prompt&) { filesWhileShown = FilesIn(directory_.Path()); };
        CloneFile file(image_, texts_, prompter_);
        const bool reported = file.Save(path) == FileError::FileAccess &&
                              prompter_.shown.size() == 1 &&
                              prompter_.shown[0].text == "File error.\n\nCannot access the file.";
        const bool intact = ReadWholeFile(path) == kOldContents;
        const bool clean = filesWhileShown == 1 && FilesIn(directory_.Path()) == 1;
        std::_Exit(reported && intact && clean ? 0 : 1);
    };
    EXPECT_EXIT(saveUnderLimit(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace orvane::testing
