// The file commands against real files in a scratch directory, with a scripted prompter,
// a file chooser that answers from a script and a host that changes the model as the
// controller does.

#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_settings.h"
#include "app/document.h"
#include "app/model_handling.h"
#include "app/sheet_printer.h"
#include "app_fakes.h"
#include "image/clone_file.h"
#include "image/default_images.h"
#include "image/image_layout.h"
#include "image/scratch_directory.h"
#include "radio/setting_addresses.h"
#include "support/fake_instance_lock.h"
#include "support/memory_settings_store.h"
#include "support/scripted_prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

using testing::FakeHost;
using testing::FakeInstanceLock;
using testing::FakeMainView;
using testing::MemorySettingsStore;
using testing::ReadWholeFile;
using testing::ScratchDirectory;
using testing::ScriptedPrompter;
using testing::WriteWholeFile;

constexpr const char* kSaveQuestion = "Save changes ?";
constexpr const char* kIllegalData = "File error.\n\nIllegal data.";
// The comment: no fitting touches it.
constexpr std::int32_t kEditedAddress = kCommentAddress;
// The model without VOR and WX.
constexpr std::int32_t kLk2 = 0;

class RecordingPrinter final : public SheetPrinter {
public:
    void PrintSheet(const std::string& openCall, PrintTarget target) override {
        single.push_back(openCall);
        targets.push_back(target);
    }
    void PrintSheets(const std::vector<std::string>& calls, const std::string& openCall,
                     PrintTarget target) override {
        all = calls;
        allOpen = openCall;
        targets.push_back(target);
    }
    std::vector<PrintTarget> targets;
    std::vector<std::string> single;
    std::vector<std::string> all;
    std::string allOpen;
};

class FixedCatalog final : public SheetCatalog {
public:
    std::vector<std::string> TreeSheetCalls() const override { return {"[St_Common]A", "B,1"}; }
    std::string OpenSheetCall() const override { return "B,1"; }
};

// What a failed command must leave as it was.
struct DocumentState {
    std::vector<std::uint8_t> current;
    std::string fileName;
    bool modified = false;
    std::size_t recentCount = 0;
    std::int32_t modelType = 0;
};

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest()
        : settings_(store_, lock_, ScreenSize{1024, 768}, {"orvane"}),
          document_(directory_.Path().string()),
          host_(document_, settings_),
          commands_({document_, settings_, texts_, prompter_, view_, host_, false}) {
        texts_.SetSource(MainResource());
        settings_.Radio.modelType = model_type::kLk1;
        document_.Template() = BuildTemplateImage(settings_.Radio, false, settings_.ExtraChannels);
        document_.Current().Assign(document_.Template());
        document_.MarkSaved();
    }

    // A named document with unsaved changes.
    std::string OpenEdited(const std::string& name = "open.zcf") {
        const std::string path = SaveDefault(model_type::kLk1, name);
        EXPECT_TRUE(commands_.OpenFile(path));
        Edit();
        return path;
    }

    void Edit() {
        EepromImage& image = document_.Current();
        image.SetByte(kEditedAddress, image.GetByte(kEditedAddress) == 'E' ? 'F' : 'E');
        EXPECT_TRUE(document_.NoteChanges());
    }

    // A model's default image saved as a clone data file, through the writer alone.
    std::string SaveDefault(int modelType, const std::string& name,
                            const std::function<void(EepromImage&)>& change = nullptr) {
        EepromImage image;
        image.Resize(kImageCapacity);
        PrepareDefaultImage(image, modelType);
        image.SetByte(kModelTypeAddress, static_cast<std::uint8_t>(modelType));
        if (change) {
            change(image);
        }
        CloneFile file(image, texts_, prompter_);
        file.SetVersion(ModelVersion(modelType));
        const std::string path = directory_.File(name);
        EXPECT_EQ(file.Save(path), FileError::None);
        return path;
    }

    DocumentState State() const {
        const auto bytes = document_.Current().Bytes();
        return {{bytes.begin(), bytes.end()},
                document_.FileName(),
                document_.Modified(),
                settings_.Recent.RecentCount(),
                settings_.Radio.modelType};
    }

    void ExpectUnchanged(const DocumentState& before) const {
        const DocumentState after = State();
        EXPECT_TRUE(after.current == before.current) << "current image changed";
        EXPECT_EQ(after.fileName, before.fileName);
        EXPECT_EQ(after.modified, before.modified);
        EXPECT_EQ(after.recentCount, before.recentCount);
        EXPECT_EQ(after.modelType, before.modelType);
    }

    MemorySettingsStore store_;
    FakeInstanceLock lock_;
    AppSettings settings_;
    TextStore texts_;
    ScriptedPrompter prompter_;
    ScratchDirectory directory_;
    Document document_;
    FakeMainView view_;
    FakeHost host_;
    FileCommands commands_;
};

TEST_F(FileCommandsTest, SavingAnUntitledDocumentAsksForANameStartingFromUntitled) {
    Edit();
    const std::string path = directory_.File("club.zcf");
    view_.choices = {path};

    EXPECT_TRUE(commands_.Save());

    ASSERT_EQ(view_.requests.size(), 1u);
    const FileChooserRequest& request = view_.requests[0];
    EXPECT_EQ(request.purpose, FileChooserRequest::Purpose::kSave);
    EXPECT_EQ(request.fileName, "Untitled");
    EXPECT_EQ(request.defaultExtension, "zcf");
    EXPECT_EQ(request.filter, "Data files (*.zcf)|*.zcf|All files (*.*)|*.*");
    EXPECT_EQ(request.initialDirectory, directory_.Path().string());
    EXPECT_FALSE(ReadWholeFile(path).empty());
    EXPECT_EQ(document_.FileName(), path);
    EXPECT_FALSE(document_.Modified());
    EXPECT_EQ(view_.titles.back(), "club.zcf - Orvane");
    EXPECT_EQ(settings_.CurrentDirectory, directory_.Path().string());
    EXPECT_EQ(settings_.Recent.FullPath(0), path);
    EXPECT_TRUE(prompter_.shown.empty());
    EXPECT_EQ(view_.busyDepth, 0);
}

TEST_F(FileCommandsTest, ASavedFileOpensToTheSameData) {
    Edit();
    const std::string path = directory_.File("round.zcf");
    ASSERT_TRUE(commands_.SaveFile(path));
    const EepromImage saved = document_.Current();

    commands_.NewData();
    ASSERT_TRUE(commands_.OpenFile(path));

    EXPECT_TRUE(document_.Current().Equals(saved));
    EXPECT_FALSE(document_.Modified());
    EXPECT_EQ(document_.Current().GetByte(kEditedAddress), saved.GetByte(kEditedAddress));
}

TEST_F(FileCommandsTest, ReopeningTheOpenFileWithChangesSavesThroughTheDialog) {
    const std::string path = OpenEdited();
    const std::string before = ReadWholeFile(path);
    const std::string copy = directory_.File("copy.zcf");
    view_.choices = {copy};
    prompter_.answers = {PromptAnswer::Yes};

    EXPECT_TRUE(commands_.OpenFile(path));

    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].text, kSaveQuestion);
    EXPECT_EQ(prompter_.shown[0].buttons, PromptButtons::YesNoCancel);
    ASSERT_EQ(view_.requests.size(), 1u);
    EXPECT_EQ(view_.requests[0].purpose, FileChooserRequest::Purpose::kSave);
    EXPECT_EQ(view_.requests[0].fileName, "open.zcf");
    EXPECT_EQ(ReadWholeFile(path), before) << "the open file is not overwritten";
    EXPECT_FALSE(ReadWholeFile(copy).empty());
    EXPECT_EQ(document_.FileName(), path);
    EXPECT_FALSE(document_.Modified());
}

TEST_F(FileCommandsTest, ANameDifferingOnlyInCaseIsAnotherFile) {
    const std::string lower = SaveDefault(kLk2, "club.zcf");
    OpenEdited("Club.zcf");
    EXPECT_TRUE(commands_.OpenFile(lower));  // the scripted prompter answers Yes
    EXPECT_EQ(prompter_.shown.at(0).text, "Save changes to Club.zcf?");
    EXPECT_TRUE(view_.requests.empty());
}

TEST_F(FileCommandsTest, TheSaveQuestionNamesTheFileAndNoSkipsTheSave) {
    const std::string path = OpenEdited("named.zcf");
    prompter_.answers = {PromptAnswer::No};

    commands_.NewData();

    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].text, "Save changes to named.zcf?");
    EXPECT_EQ(prompter_.shown[0].icon, PromptIcon::Warning);
    EXPECT_TRUE(document_.IsUntitled());
    EXPECT_FALSE(document_.Modified());
    EXPECT_TRUE(document_.Current().Equals(document_.Template()));
    EXPECT_EQ(view_.titles.back(), "Untitled - Orvane");
    EXPECT_TRUE(view_.requests.empty());
}

TEST_F(FileCommandsTest, YesSavesANamedDocumentInPlace) {
    const std::string path = OpenEdited();
    const std::uint8_t edited = document_.Current().GetByte(kEditedAddress);

    EXPECT_TRUE(commands_.QueryClose());  // the scripted prompter answers Yes

    EXPECT_TRUE(view_.requests.empty());
    EXPECT_FALSE(document_.Modified());
    EXPECT_TRUE(commands_.OpenFile(path));
    EXPECT_EQ(document_.Current().GetByte(kEditedAddress), edited);
}

TEST_F(FileCommandsTest, UnchangedDataIsNeverQuestioned) {
    commands_.NewData();
    EXPECT_TRUE(commands_.QueryClose());
    EXPECT_TRUE(prompter_.shown.empty());
    EXPECT_GT(host_.editsFinished, 0) << "a cell edit is finished first";
}

TEST_F(FileCommandsTest, CancellingTheSaveQuestionStopsEveryGuardedCommand) {
    struct Case {
        const char* what;
        std::deque<PromptAnswer> answers;
        std::deque<std::optional<std::string>> choices;
    };
    const std::string unwritable = directory_.File("missing/dir/x.zcf");
    const Case cases[] = {
        {"Cancel", {PromptAnswer::Cancel}, {}},
        {"Yes, then cancel the dialog", {PromptAnswer::Yes}, {std::nullopt}},
        {"Yes, then the save fails", {PromptAnswer::Yes}, {unwritable}},
    };
    struct Command {
        const char* what;
        std::function<bool(FileCommands&, const std::string&)> run;
    };
    const Command commands[] = {
        {"new",
         [](FileCommands& c, const std::string&) {
             c.NewData();
             return true;
         }},
        {"open", [](FileCommands& c, const std::string& other) { return c.OpenFile(other); }},
        {"recent", [](FileCommands& c, const std::string&) { return c.OpenRecent(0); }},
        {"close", [](FileCommands& c, const std::string&) { return c.QueryClose(); }},
    };
    const std::string other = SaveDefault(kLk2, "other.zcf");
    for (const Command& command : commands) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(command.what) + ": " + c.what);
            // Untitled, so that Yes goes through the dialog.
            document_.Current().Assign(document_.Template());
            document_.SetFileName({});
            document_.MarkSaved();
            settings_.Recent.AddRecent(other);
            Edit();
            const DocumentState before = State();
            prompter_.shown.clear();
            prompter_.answers = c.answers;
            view_.choices = c.choices;

            const bool done = command.run(commands_, other);

            if (command.what != std::string("new")) {
                EXPECT_FALSE(done);
            }
            ExpectUnchanged(before);
            EXPECT_TRUE(view_.choices.empty());
            EXPECT_FALSE(prompter_.shown.empty());
        }
    }
}

TEST_F(FileCommandsTest, EveryFailedOpenLeavesTheDocumentAsItWas) {
    const std::string good = ReadWholeFile(SaveDefault(kLk2, "good.zcf"));
    struct Case {
        const char* what;
        std::function<std::string()> file;
        std::string message;  // the one box shown
    };
    const Case cases[] = {
        {"no such file", [&] { return directory_.File("absent.zcf"); },
         "File error.\n\nCannot open the file."},
        {"not a clone data file",
         [&] {
             const std::string path = directory_.File("text.zcf");
             WriteWholeFile(path, "hello\n");
             return path;
         },
         kIllegalData},
        {"foreign identity",
         [&] {
             return SaveDefault(kLk2, "foreign.zcf", [](EepromImage& image) {
                 image.SetByte(kModelDigitsAddress + 7, '2');
             });
         },
         kIllegalData},
        {"a data line missing",
         [&] {
             // The third data line, well before the identity the last one carries.
             std::size_t from = 0;
             for (int line = 0; line < 4; ++line) {
                 from = good.find('\n', from) + 1;
             }
             const std::string path = directory_.File("short.zcf");
             WriteWholeFile(path, good.substr(0, from) + good.substr(good.find('\n', from) + 1));
             return path;
         },
         "File error.\n\nThere is not enough data."},
    };
    const std::string open = OpenEdited();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = c.file();
        const DocumentState before = State();
        prompter_.shown.clear();
        prompter_.answers = {PromptAnswer::No};  // keep the changes unsaved

        EXPECT_FALSE(commands_.OpenFile(path));

        ExpectUnchanged(before);
        ASSERT_EQ(prompter_.shown.size(), 2u);
        EXPECT_EQ(prompter_.shown[1].text, c.message);
        EXPECT_EQ("File error.\n\n" + FileErrorText(commands_.LastFileError(), texts_), c.message);
        EXPECT_EQ(view_.busyDepth, 0);
    }
    EXPECT_EQ(document_.FileName(), open);
}

TEST_F(FileCommandsTest, AFailedSaveLeavesTheDocumentAndTheOldFileAsTheyWere) {
    const std::string path = OpenEdited();
    const std::string before = ReadWholeFile(path);
    // Fitting would change this byte on a save; a failed save must not.
    document_.Current().SetByte(kModelDigitsAddress, '9');
    const DocumentState state = State();

    EXPECT_FALSE(commands_.SaveFile(directory_.File("missing/dir/x.zcf")));
    ExpectUnchanged(state);
    EXPECT_EQ(commands_.LastFileError(), FileError::FileOpen);

    view_.choices = {directory_.File("missing/dir/y.zcf")};
    EXPECT_FALSE(commands_.SaveAsWithDialog());
    ExpectUnchanged(state);
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_EQ(prompter_.shown.size(), 2u) << "each failure is shown once";
}

TEST_F(FileCommandsTest, TheCommentIsSavedBlankedAndTrimmed) {
    struct Case {
        std::string field;  // 16 bytes
        std::string line;
    };
    const Case cases[] = {
        {std::string("CLUB\x01RADIO\x7f  x  ", 16), "#CLUB RADIO   x"},
        {std::string("  LEAD        \t\n", 16), "#  LEAD"},
        {std::string(16, '\0'), "#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        for (std::size_t i = 0; i < c.field.size(); ++i) {
            document_.Current().SetByte(kCommentAddress + static_cast<std::int32_t>(i),
                                        static_cast<std::uint8_t>(c.field[i]));
        }
        const std::string path = directory_.File("comment.zcf");
        ASSERT_TRUE(commands_.SaveFile(path));
        const std::string contents = ReadWholeFile(path);
        const std::size_t first = contents.find('\n') + 1;
        EXPECT_EQ(contents.substr(first, contents.find('\n', first) - first), c.line);
    }
}

TEST_F(FileCommandsTest, TheRecentListHoldsEachOpenedFileOnceNewestFirst) {
    const std::string a = SaveDefault(model_type::kLk1, "a.zcf");
    const std::string b = SaveDefault(model_type::kLk1, "b.zcf");
    for (const std::string& path : {a, b, a}) {
        ASSERT_TRUE(commands_.OpenFile(path));
    }
    ASSERT_EQ(settings_.Recent.RecentCount(), 2u);
    EXPECT_EQ(settings_.Recent.FullPath(0), a);
    EXPECT_EQ(settings_.Recent.FullPath(1), b);

    EXPECT_TRUE(commands_.OpenRecent(1));
    EXPECT_EQ(document_.FileName(), b);
    EXPECT_FALSE(commands_.OpenRecent(2));
}

TEST_F(FileCommandsTest, OpeningAFileSelectsItsModel) {
    const std::string path = SaveDefault(kLk2, "lk2.zcf");
    view_.choices = {path};
    const int replacedBefore = host_.replaced;

    EXPECT_TRUE(commands_.OpenWithDialog());

    ASSERT_EQ(view_.requests.size(), 1u);
    EXPECT_EQ(view_.requests[0].purpose, FileChooserRequest::Purpose::kOpen);
    EXPECT_TRUE(view_.requests[0].fileName.empty());
    EXPECT_EQ(host_.models, std::vector<std::int32_t>{kLk2});
    EXPECT_EQ(settings_.Radio.modelType, kLk2);
    EXPECT_EQ(document_.Current().GetByte(kModelTypeAddress), kLk2);
    EXPECT_TRUE(document_.Current().Equals(document_.Saved()));
    EXPECT_EQ(host_.replaced, replacedBefore + 1);

    view_.choices = {std::nullopt};
    EXPECT_FALSE(commands_.OpenWithDialog());
    EXPECT_EQ(document_.FileName(), path);
}

TEST_F(FileCommandsTest, InExpertModeTheOptionsFollowANewDocument) {
    const bool templateShowsNames =
        document_.Template().GetByte(setting_address::kIndicationMode) != 0;
    for (const bool expert : {false, true}) {
        SCOPED_TRACE(expert ? "expert" : "normal");
        FileCommands commands({document_, settings_, texts_, prompter_, view_, host_, expert});
        settings_.Radio.nameDisplay = !templateShowsNames;
        commands.NewData();
        EXPECT_EQ(settings_.Radio.nameDisplay, expert ? templateShowsNames : !templateShowsNames);
    }
}

TEST_F(FileCommandsTest, PrintingHandsThePrinterTheTreesSheets) {
    RecordingPrinter printer;
    FixedCatalog catalog;
    commands_.PrintCurrent(printer, catalog, PrintTarget::kPdfFile);
    commands_.PrintAll(printer, catalog, PrintTarget::kPrinter);
    EXPECT_EQ(printer.single, std::vector<std::string>{"B,1"});
    EXPECT_EQ(printer.all, (std::vector<std::string>{"[St_Common]A", "B,1"}));
    EXPECT_EQ(printer.allOpen, "B,1");
    EXPECT_EQ(printer.targets,
              (std::vector<PrintTarget>{PrintTarget::kPdfFile, PrintTarget::kPrinter}));
}

TEST(DocumentTest, TheModifiedFlagFollowsTheDifferenceFromTheSavedImage) {
    Document document("/data");
    EXPECT_TRUE(document.IsUntitled());
    EXPECT_EQ(document.Title("Orvane"), "Untitled - Orvane");
    EXPECT_FALSE(document.NoteChanges());
    document.Current().SetByte(3, 1);
    EXPECT_TRUE(document.NoteChanges());
    document.Current().SetByte(3, 0);
    EXPECT_TRUE(document.NoteChanges()) << "the saved data again: not modified";
    EXPECT_FALSE(document.Modified());
    document.SetReadUnsaved(true);
    EXPECT_TRUE(document.Modified()) << "read data is modified until saved";
    document.MarkSaved();
    EXPECT_FALSE(document.Modified());
    document.SetFileName("/data/sub/club.zcf");
    EXPECT_EQ(document.Directory(), "/data/sub");
    EXPECT_EQ(document.Title("Orvane"), "club.zcf - Orvane");
}

}  // namespace
}  // namespace orvane
