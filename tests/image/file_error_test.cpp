// The file error message: one warning box per code 1..9, nothing for other codes.

#include <gtest/gtest.h>

#include "image/file_error.h"
#include "support/scripted_prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

TEST(FileErrorTest, EachCodeShowsItsTextUnderTheHeadline) {
    TextStore texts;
    texts.SetSource(MainResource());
    const std::pair<int, std::string> cases[] = {
        {1, "Cannot open the file."},
        {2, "Cannot access the file."},
        {3, "Illegal data."},
        {4, "Illegal data."},
        {5, "Incompatible data."},
        {6, "Illegal data."},
        {7, "There is not enough data."},
        {8, "Illegal data."},
        {9, "Please update to the latest version."},
    };
    for (const auto& [code, text] : cases) {
        testing::ScriptedPrompter prompter;
        ShowFileError(static_cast<FileError>(code), texts, prompter);
        ASSERT_EQ(prompter.shown.size(), 1u) << code;
        EXPECT_EQ(prompter.shown[0].text, "File error.\n\n" + text);
        EXPECT_EQ(prompter.shown[0].caption, "Orvane");
        EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);
        EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::Ok);
        EXPECT_EQ(FileErrorText(static_cast<FileError>(code), texts), text);
    }
    for (int code : {0, 10, -1, 1000}) {
        testing::ScriptedPrompter prompter;
        ShowFileError(static_cast<FileError>(code), texts, prompter);
        EXPECT_TRUE(prompter.shown.empty()) << code;
        EXPECT_EQ(FileErrorText(static_cast<FileError>(code), texts), "") << code;
    }
}

}  // namespace
}  // namespace orvane
