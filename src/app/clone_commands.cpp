#include "app/clone_commands.h"

#include "app/app_messages.h"
#include "app/app_settings.h"
#include "app/document.h"
#include "app/file_commands.h"
#include "app/home_setting_block.h"
#include "app/image_adoption.h"
#include "app/main_view.h"
#include "app/model_host.h"
#include "app/radio_capabilities.h"
#include "app/write_preparation.h"
#include "base/message_bus.h"
#include "clone/clone_manager.h"
#include "clone/clone_result_checks.h"
#include "image/image_layout.h"
#include "image/model_type.h"
#include "image/model_version.h"
#include "image/range_tables.h"
#include "platform/prompter.h"
#include "radio/user_messages.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";

// In adjust mode the radio reports the full model of its family: every bank-mode set as
// the HT-Lk1, every export set with VOR and WX as well.
constexpr std::int32_t kAdjustBankModel = model_type::kVor | model_type::kWx;
constexpr std::int32_t kAdjustExportModel = kAdjustBankModel | model_type::kExport;

bool Succeeded(const CloneResult& result) { return result.error == clone_error::kOk; }

}  // namespace

CloneCommands::CloneCommands(const CloneCommandsContext& context) : context_(context) {
    context_.manager.SetInformationHandler([this](CloneResult& result) {
        JudgeInformationResult(result, context_.manager.AdjustMode(), identity_);
    });
    context_.manager.SetReadHandler([](CloneResult& result) { JudgeReadResult(result); });
}

bool CloneCommands::RequestInformation(Step next) {
    context_.manager.SetModel(static_cast<std::uint16_t>(kModelCode), 0);
    return context_.manager.StartInformation(std::move(next));
}

void CloneCommands::End(CloneOutcome outcome) {
    if (listener_) {
        listener_(outcome);
    }
}

void CloneCommands::UpdateTitle() {
    context_.view.SetTitle(context_.document.Title(context_.texts.FirstLine(kAppTitleKey)),
                          context_.document.Modified());
}

void CloneCommands::PostCapabilities() {
    context_.bus.Post(message::kApplyRadioCapabilities, 0, 0, true);
}

// ---------------------------------------------------------------------------------------
// Read.

void CloneCommands::CloneRead() {
    if (!context_.files.ConfirmSave(false)) {
        End(CloneOutcome::kCancelled);
        return;
    }
    const PromptAnswer answer =
        context_.prompter.Ask(Prompt{context_.texts.FirstLine(kAppTitleKey),
                                     context_.texts.GetMultiLineText("GI_Mess_Confirm_CloneRead"),
                                     PromptIcon::Question, PromptButtons::YesNoCancel});
    if (answer == PromptAnswer::Cancel) {
        End(CloneOutcome::kCancelled);
        return;
    }
    readHomeSettings_ = answer == PromptAnswer::No;
    if (context_.manager.IsBusy()) {
        return;
    }
    if (!RequestInformation([this](CloneResult& result) { StartRead(result); })) {
        End(CloneOutcome::kFailed);
    }
}

void CloneCommands::StartRead(CloneResult& information) {
    CloneManager& manager = context_.manager;
    if (!Succeeded(information) || manager.IsBusy()) {
        End(CloneOutcome::kFailed);
        return;
    }
    manager.SetImageSize(kImageCapacity);
    if (!manager.StartRead(ReadRanges(), [this](CloneResult& result) { TakeReadImage(result); })) {
        End(CloneOutcome::kFailed);
    }
}

void CloneCommands::TakeReadImage(CloneResult& read) {
    if (!Succeeded(read)) {
        End(CloneOutcome::kFailed);
        return;
    }
    Document& document = context_.document;
    AppSettings& settings = context_.settings;
    EepromImage& image = document.Current();
    image.Assign(read.image);
    settings.CapabilityC = 0;
    if (readHomeSettings_) {
        CopyHomeBlockToCurrentSettings(image);
    }
    // The fitting must already know what the radio allows.
    ApplyRadioLimits(identity_, settings.Radio);
    AdoptImage({document, settings, context_.host, context_.expertMode}, FitKind::kCloneRead,
               identity_);
    document.SetReadUnsaved(true);
    document.SetFileName({});
    UpdateTitle();
    PostCapabilities();
    context_.host.ImageReplaced(ImageChange::kRead);
    End(CloneOutcome::kRead);
}

// ---------------------------------------------------------------------------------------
// Write.

void CloneCommands::CloneWrite() {
    writeConfirmed_ = false;
    context_.host.FinishCellEdit();
    if (context_.manager.IsBusy()) {
        return;
    }
    if (!RequestInformation([this](CloneResult& result) { JudgeWrite(result); })) {
        EndWrite(CloneOutcome::kFailed);
    }
}

void CloneCommands::GoAdjustMode() {
    CloneManager& manager = context_.manager;
    if (manager.IsBusy()) {
        return;
    }
    manager.SetModel(static_cast<std::uint16_t>(kModelCode), 0);
    manager.EnterAdjustMode(context_.settings.Radio.modelType);
    CloneWrite();
}

bool CloneCommands::RadioModelMatches() const {
    const std::int32_t selected = context_.settings.Radio.modelType;
    const std::int32_t radio = identity_.ModelType();
    if (!context_.manager.AdjustMode()) {
        return radio == selected;
    }
    return radio == (selected <= model_type::kLk1 ? kAdjustBankModel : kAdjustExportModel);
}

bool CloneCommands::Confirmed(const char* key) {
    return context_.prompter.Ask(Prompt{context_.texts.FirstLine(kAppTitleKey),
                                        context_.texts.GetMultiLineText(key), PromptIcon::Warning,
                                        PromptButtons::OkCancel}) == PromptAnswer::Ok;
}

void CloneCommands::JudgeWrite(CloneResult& information) {
    if (!Succeeded(information) || context_.manager.IsBusy()) {
        EndWrite(CloneOutcome::kFailed);
        return;
    }
    PostCapabilities();
    context_.host.ImageReplaced(ImageChange::kRefit);
    int errors = 0;
    int warnings = 0;
    context_.host.RunWarningCheck(&errors, &warnings);

    if (errors > 0) {
        ShowErrorMessage(context_.texts, context_.prompter, "GI_Mess_DataError");
        EndWrite(CloneOutcome::kRefused);
    } else if (!RadioModelMatches()) {
        ShowErrorMessage(context_.texts, context_.prompter, "GI_Mess_ModelError");
        EndWrite(CloneOutcome::kRefused);
    } else if (writeConfirmed_ || context_.manager.AdjustMode()) {
        StartWrite();
    } else if (Confirmed(warnings > 0 ? "GI_Mess_DataWarn" : "GI_Mess_Confirm_CloneWrite")) {
        // The radio is asked again, so that the write goes to the radio that is
        // connected after the user has answered.
        writeConfirmed_ = true;
        if (!RequestInformation([this](CloneResult& result) { JudgeWrite(result); })) {
            EndWrite(CloneOutcome::kFailed);
        }
    } else {
        EndWrite(CloneOutcome::kCancelled);
    }
}

void CloneCommands::StartWrite() {
    writeConfirmed_ = false;
    CloneManager& manager = context_.manager;
    manager.SetImageSize(kImageCapacity);
    Document& document = context_.document;
    AppSettings& settings = context_.settings;
    const PreparedWrite prepared = PrepareWrite(
        document.Current(),
        {settings.Radio, document.Template(), context_.expertMode, settings.ExtraChannels},
        identity_);
    if (!manager.StartWrite(prepared.image, prepared.ranges,
                            [this](CloneResult& result) { WriteEnded(result); })) {
        EndWrite(CloneOutcome::kFailed);
    }
}

void CloneCommands::WriteEnded(CloneResult& write) {
    if (Succeeded(write) && !context_.manager.AdjustMode()) {
        context_.host.CloseSheet();
        context_.prompter.Ask(
            Prompt{context_.texts.FirstLine(kAppTitleKey),
                   context_.texts.GetMultiLineText("GI_Mess_CloneWrite_Succeeded"),
                   PromptIcon::Information, PromptButtons::Ok});
    }
    EndWrite(Succeeded(write) ? CloneOutcome::kWritten : CloneOutcome::kFailed);
}

void CloneCommands::EndWrite(CloneOutcome outcome) {
    // Left on, adjust mode would let the next ordinary write go out unconfirmed.
    context_.manager.LeaveAdjustMode();
    End(outcome);
}

// ---------------------------------------------------------------------------------------
// Information.

void CloneCommands::CloneInformation() {
    if (context_.manager.IsBusy()) {
        return;
    }
    if (!RequestInformation([this](CloneResult& result) { InformationEnded(result); })) {
        End(CloneOutcome::kFailed);
    }
}

void CloneCommands::InformationEnded(CloneResult& information) {
    const bool answered =
        information.operation == CloneOperation::Information && Succeeded(information);
    if (!answered) {
        End(CloneOutcome::kFailed);
        return;
    }
    PostCapabilities();
    if (context_.view.IsVisible()) {
        context_.view.ShowCloneInformation();
        context_.host.ImageReplaced(ImageChange::kRefit);
    } else {
        context_.bus.Post(message::kCloneInformationHidden, 0, 0, true);
    }
    End(CloneOutcome::kInformation);
}

}  // namespace orvane
