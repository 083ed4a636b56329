#include "app/file_commands.h"

#include <filesystem>

#include "app/app_settings.h"
#include "app/document.h"
#include "app/home_setting_block.h"
#include "app/image_adoption.h"
#include "app/image_fitting.h"
#include "app/main_view.h"
#include "app/model_handling.h"
#include "app/model_host.h"
#include "app/sheet_printer.h"
#include "app/window_title.h"
#include "image/clone_file.h"
#include "image/file_error.h"
#include "image/image_layout.h"
#include "image/model_version.h"
#include "image/radio_identity.h"
#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kDialogKey = "GI_Sys_Dialog_FOpen";

// The comment field as it stands; the writer blanks what a comment line cannot hold and
// drops trailing blanks.
std::string CommentField(const EepromImage& image) {
    std::string comment;
    for (std::int32_t i = 0; i < kCommentLength; ++i) {
        comment.push_back(static_cast<char>(image.GetByte(kCommentAddress + i)));
    }
    return comment;
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

FileCommands::FileCommands(const FileCommandsContext& context)
    : document_(context.document),
      settings_(context.settings),
      texts_(context.texts),
      prompter_(context.prompter),
      view_(context.view),
      host_(context.host),
      expertMode_(context.expertMode) {}

std::string FileCommands::Text(const char* key, int line) { return texts_.GetText(key, line); }

std::string FileCommands::DialogFileName() const {
    return document_.IsUntitled() ? std::string(kUntitledName) : FileNameOf(document_.FileName());
}

void FileCommands::UpdateTitle() {
    view_.SetTitle(document_.Title(Text(kAppTitleKey)), document_.Modified());
}

void FileCommands::Remember(const std::string& path) {
    document_.SetFileName(path);
    settings_.CurrentDirectory = document_.Directory();
    settings_.Recent.AddRecent(path);
    UpdateTitle();
}

bool FileCommands::ConfirmSave(bool another) {
    host_.FinishCellEdit();
    if (!document_.Modified()) {
        return true;
    }
    Prompt prompt;
    prompt.caption = Text(kAppTitleKey);
    if (another) {
        prompt.text = Text("GI_Mess_Confirm_WriteAnother");
    } else {
        prompt.text = TextStore::WithValue(Text("GI_Mess_Confirm_WriteFile"), DialogFileName());
    }
    prompt.icon = PromptIcon::Warning;
    prompt.buttons = PromptButtons::YesNoCancel;
    switch (prompter_.Ask(prompt)) {
        case PromptAnswer::No:
            return true;
        case PromptAnswer::Yes:
        case PromptAnswer::Ok:
            return document_.IsUntitled() || another ? SaveAsWithDialog()
                                                     : SaveFile(document_.FileName());
        case PromptAnswer::Cancel:
            break;
    }
    return false;
}

void FileCommands::NewData() {
    if (!ConfirmSave(false)) {
        return;
    }
    document_.Current().Assign(document_.Template());
    document_.MarkSaved();
    document_.SetFileName({});
    UpdateTitle();
    if (expertMode_) {
        SettingsFollowImage(document_.Current(), settings_.Radio);
    }
    host_.ImageReplaced(ImageChange::kNewDocument);
}

bool FileCommands::OpenWithDialog() {
    host_.FinishCellEdit();
    FileChooserRequest request;
    request.purpose = FileChooserRequest::Purpose::kOpen;
    request.defaultExtension = Text(kDialogKey, 0);
    request.filter = Text(kDialogKey, 1);
    request.initialDirectory = document_.Directory();
    const std::optional<std::string> path = view_.ChooseFile(request);
    return path && OpenFile(*path);
}

// Reads the file into `scratch` and checks that it is one of this program's clone
// areas, complete; every refusal is shown once.
bool FileCommands::LoadChecked(const std::string& path, EepromImage& scratch) {
    CloneFile file(scratch, texts_, prompter_);
    file.SetCode(kModelCode);
    file.SetVersion(ModelVersion(settings_.Radio.modelType));
    lastFileError_ = file.Load(path);
    if (lastFileError_ != FileError::None) {
        return false;
    }
    lastFileError_ = HasModelDigits(scratch) ? file.CheckCoverage(FileRanges()) : FileError::Data;
    ShowFileError(lastFileError_, texts_, prompter_);
    return lastFileError_ == FileError::None;
}

bool FileCommands::ReadFitted(const std::string& path, EepromImage& image) {
    if (!LoadChecked(path, image)) {
        return false;
    }
    RadioConfiguration radio = settings_.Radio;
    FitImageToModel(image, FitKind::kFileLoad,
                    {radio, document_.Template(), expertMode_, settings_.ExtraChannels});
    MirrorHomeBlocks(image);
    return true;
}

bool FileCommands::OpenFile(const std::string& path) {
    if (!ConfirmSave(SamePath(path, document_.FileName()))) {
        return false;
    }
    EepromImage scratch;
    scratch.Resize(document_.Current().Size());
    {
        BusyCursor busy(view_);
        if (!LoadChecked(path, scratch)) {
            return false;
        }
    }
    Remember(path);
    EepromImage& current = document_.Current();
    current.Assign(scratch);
    AdoptImage({document_, settings_, host_, expertMode_}, FitKind::kFileLoad, RadioIdentity());
    document_.MarkSaved();
    UpdateTitle();
    host_.ImageReplaced(ImageChange::kNewDocument);
    return true;
}

bool FileCommands::Save() {
    return document_.IsUntitled() ? SaveAsWithDialog() : SaveFile(document_.FileName());
}

bool FileCommands::SaveAsWithDialog() {
    FileChooserRequest request;
    request.purpose = FileChooserRequest::Purpose::kSave;
    request.defaultExtension = Text(kDialogKey, 0);
    request.filter = Text(kDialogKey, 1);
    request.fileName = DialogFileName();
    request.initialDirectory = document_.Directory();
    const std::optional<std::string> path = view_.ChooseFile(request);
    return path && SaveFile(*path);
}

bool FileCommands::SaveFile(const std::string& path) {
    host_.FinishCellEdit();
    // The fitting works on a copy: a write that fails must leave the image being edited
    // exactly as the user left it.
    EepromImage prepared;
    prepared.Assign(document_.Current());
    FitImageToModel(prepared, FitKind::kFileSave,
                    {settings_.Radio, document_.Template(), expertMode_, settings_.ExtraChannels});
    MirrorHomeBlocks(prepared);
    CopyCurrentSettingsToHomeBlock(prepared);
    {
        BusyCursor busy(view_);
        CloneFile file(prepared, texts_, prompter_);
        file.SetCode(kModelCode);
        file.SetVersion(ModelVersion(settings_.Radio.modelType));
        file.SetComment(CommentField(prepared));
        lastFileError_ = file.Save(path);
        if (lastFileError_ != FileError::None) {
            return false;
        }
    }
    // The saved form may differ from what was edited; the edit history takes it as its
    // present, without a step of its own.
    const bool refitted = !prepared.Equals(document_.Current());
    document_.Current().Assign(prepared);
    Remember(path);
    document_.MarkSaved();
    UpdateTitle();
    if (refitted) {
        host_.ImageReplaced(ImageChange::kRefit);
    }
    return true;
}

bool FileCommands::OpenRecent(std::size_t index) {
    const std::string path = settings_.Recent.FullPath(index);
    return !path.empty() && OpenFile(path);
}

bool FileCommands::QueryClose() { return ConfirmSave(false); }

void FileCommands::PrintCurrent(SheetPrinter& printer, const SheetCatalog& catalog,
                                PrintTarget target) {
    host_.FinishCellEdit();
    printer.PrintSheet(catalog.OpenSheetCall(), target);
}

void FileCommands::PrintAll(SheetPrinter& printer, const SheetCatalog& catalog,
                            PrintTarget target) {
    host_.FinishCellEdit();
    printer.PrintSheets(catalog.TreeSheetCalls(), catalog.OpenSheetCall(), target);
}

}  // namespace orvane
