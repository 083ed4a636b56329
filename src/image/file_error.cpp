#include "image/file_error.h"

#include <array>
#include <string_view>

#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

// Indexed by code; code 0 has no message.
constexpr std::array<std::string_view, 10> kMessageKeys{
    "",
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
};

std::string_view MessageKey(FileError code) {
    const int index = static_cast<int>(code);
    return index >= 1 && index < static_cast<int>(kMessageKeys.size())
               ? kMessageKeys[static_cast<std::size_t>(index)]
               : std::string_view();
}

}  // namespace

std::string FileErrorText(FileError code, TextStore& texts) {
    const std::string_view key = MessageKey(code);
    return key.empty() ? std::string() : texts.FirstLine(key);
}

std::string FileErrorLine(const std::string& path, FileError code, TextStore& texts) {
    return path + ": file error " + std::to_string(static_cast<int>(code)) + ": " +
           FileErrorText(code, texts);
}

void ShowFileError(FileError code, TextStore& texts, Prompter& prompter) {
    const std::string_view key = MessageKey(code);
    if (key.empty()) {
        return;
    }
    Prompt prompt;
    prompt.caption = texts.FirstLine("GI_Sys_AppTitle");
    prompt.text = texts.FirstLine("GI_Mess_FileErr_Headline") + "\n\n" + texts.FirstLine(key);
    prompt.icon = PromptIcon::Warning;
    prompt.buttons = PromptButtons::Ok;
    prompter.Ask(prompt);
}

}  // namespace orvane
